// tarvik-bench's baselines and report, driven as a brain author's CI would: save, change a brain,
// compare, and let the exit status decide.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>

#include "tests/support/TempFolder.h"
#include "tests/tools/RunCommand.h"

namespace {

using tarvik::testing::Outcome;
using tarvik::testing::RunCommand;
using tarvik::testing::TempFolder;

class BenchBaselineTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write("Tarvik.ini", "[Tarvik]\r\nInputFile=input.txt\r\n[Brains]\r\nBrain1Name=One\r\nBrain1Script=one.vbs\r\n"
                                   "Brain2Name=Two\r\nBrain2Script=two.vbs\r\nBrain3Name=Three\r\nBrain3Script=three.vbs\r\n");
        for (const char* name : {"one.vbs", "two.vbs", "three.vbs"}) brain(name, 20);
        folder.write("input.txt", "hello\r\nhow are you\r\n<b>bold</b> & 'quoted'\r\nbye\r\nagain\r\nand again\r\n");
    }
    // A brain whose calls count to `loops` a character: the longest sentence is the slowest.
    void brain(const std::string& name, int loops) {
        folder.write(name, "Function GetResponse(Sentence, UserName, ComputerName, LearningLevel, WorkingDir, "
                           "A1, A2, A3, A4, A5, A6, A7, A8, A9, A10)\nFor i = 1 To Len(Sentence) * " + std::to_string(loops) +
                           "\n  x = x + i\nNext\nGetResponse = \"ok <STOP>\"\nEnd Function\n");
    }
    Outcome run(const std::string& arguments) {
        return RunCommand(std::string(TARVIK_BENCH) + " --ini " + folder.path("Tarvik.ini") + " --quiet " + arguments, folder);
    }

    TempFolder folder;
};

std::string lineWith(const std::string& text, const std::string& part) {
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.find(part) != std::string::npos) return line;
    }
    return "";
}

TEST_F(BenchBaselineTest, ASlowerBrainRegressesAndFailsTheRunBeyondItsAllowance) {
    Outcome saved = run("--repeat 3 --save-baseline main");
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_NE(folder.read("baselines/main.json").find("\"samples\""), std::string::npos);

    brain("two.vbs", 400);
    Outcome slower = run("--repeat 3 --baseline main --fail-if-slower 50 --profile --report " + folder.path("report.html") +
                         " --export-json " + folder.path("run.json") + " --export-markdown " + folder.path("run.md"));
    EXPECT_EQ(slower.status, 4) << slower.out << slower.err;
    EXPECT_NE(slower.out.find("note: the baseline ran without the profiler, this run profiled"), std::string::npos) << slower.out;
    nlohmann::json json = nlohmann::json::parse(folder.read("run.json"));
    EXPECT_EQ(json["run"]["profiled"], true);
    const nlohmann::json& comparison = json["comparison"];
    EXPECT_EQ(comparison["baseline"]["name"], "main");
    EXPECT_EQ(comparison["baseline"]["path"], folder.path("baselines/main.json"));
    EXPECT_EQ(comparison["baseline"]["profiled"], false);
    ASSERT_EQ(comparison["brains"].size(), 3u);
    const nlohmann::json& two = comparison["brains"][1];
    EXPECT_EQ(two["brain"], 2);
    EXPECT_EQ(two["median"]["verdict"], "regressed");
    EXPECT_GT(two["median"]["change"].get<double>(), 0.5);
    EXPECT_LE(two["median"]["change_ci95"][0].get<double>(), two["median"]["change"].get<double>());
    EXPECT_GT(two["median"]["after_ms"].get<double>(), two["median"]["before_ms"].get<double>());
    ASSERT_FALSE(two["most_changed"].empty());
    EXPECT_GE(two["most_changed"][0]["sentence"].get<int>(), 1);
    std::string markdown = folder.read("run.md");
    EXPECT_NE(lineWith(markdown.substr(markdown.find("Compared with baseline 'main'")), "| 2 | Two |").find("regressed"),
              std::string::npos) << markdown;
    EXPECT_NE(markdown.find("- note: the baseline ran without the profiler"), std::string::npos) << markdown;
    EXPECT_NE(slower.out.find("Compared with baseline 'main' (" + folder.path("baselines/main.json")), std::string::npos) << slower.out;
    EXPECT_NE(lineWith(slower.out.substr(slower.out.find("Compared with")), "  Two").find("regressed"), std::string::npos) << slower.out;
    EXPECT_NE(slower.err.find("Brain 2 (Two) regressed by"), std::string::npos) << slower.err;
    std::string report = folder.read("report.html");
    EXPECT_NE(report.find("Against baseline"), std::string::npos);
    EXPECT_NE(report.find("&lt;b&gt;bold&lt;/b&gt; &amp; &#39;quoted&#39;"), std::string::npos) << "the slowest sentence, escaped";
    EXPECT_NE(report.find("<title>GetResponse: "), std::string::npos) << "--profile adds a flame graph";

    Outcome allowed = run("--repeat 3 --baseline main --fail-if-slower 100000 --json");
    EXPECT_EQ(allowed.status, 0) << "a regression within the allowance passes: " << allowed.err;
    EXPECT_EQ(nlohmann::json::parse(allowed.out)["comparison"]["brains"][1]["median"]["verdict"], "regressed");
}

TEST_F(BenchBaselineTest, BadBaselinesAndReportsStopTheRunNamingTheFile) {
    Outcome missing = run("--baseline nothere");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("baseline not found: " + folder.path("baselines/nothere.json")), std::string::npos) << missing.err;
    EXPECT_EQ(missing.out, "") << "nothing is timed";

    std::filesystem::create_directory(folder.path("baselines"));
    folder.write("baselines/broken.json", "{\"schema\": ");
    Outcome broken = run("--baseline broken");
    EXPECT_EQ(broken.status, 1);
    EXPECT_NE(broken.err.find(folder.path("baselines/broken.json")), std::string::npos) << broken.err;

    Outcome report = run("--report " + folder.path("no/such/folder/report.html"));
    EXPECT_EQ(report.status, 1);
    EXPECT_NE(report.err.find(folder.path("no/such/folder/report.html")), std::string::npos) << report.err;

    std::pair<std::string, std::string> badOptions[] = {{"--save-baseline ../up", "--save-baseline"},
                                                        {"--baseline a/b", "--baseline"},
                                                        {"--fail-if-slower 5", "--fail-if-slower needs --baseline"},
                                                        {"--baseline x --fail-if-slower much", "--fail-if-slower"}};
    for (const auto& [arguments, named] : badOptions) {
        Outcome o = run(arguments);
        EXPECT_EQ(o.status, 2) << arguments << ": " << o.err;
        EXPECT_NE(o.err.find(named), std::string::npos) << arguments << ": " << o.err;
    }
}

}  // namespace
