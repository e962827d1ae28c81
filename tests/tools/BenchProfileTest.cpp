// tarvik-bench --profile and --folded: where each brain spent its timed calls.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>

#include "tests/support/TempFolder.h"
#include "tests/tools/RunCommand.h"

namespace {

using tarvik::testing::Outcome;
using tarvik::testing::RunCommand;
using tarvik::testing::TempFolder;

class BenchProfileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write("Tarvik.ini", "[Tarvik]\r\nInputFile=input.txt\r\n[Brains]\r\nBrain1Name=Busy\r\nBrain1Script=busy.vbs\r\n"
                                   "Brain2Name=Quick\r\nBrain2Script=quick.vbs\r\n");
        // The hot spot: a loop in a function the brain calls.
        folder.write("busy.vbs",
                     "Function Work(n)\n"
                     "  Dim i, s\n"
                     "  For i = 1 To n\n"
                     "    s = s + i Mod 7\n"
                     "  Next\n"
                     "  Work = s\n"
                     "End Function\n"
                     "Function GetResponse(s, u, c, l, w, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10)\n"
                     "  GetResponse = Work(30000) & \" <STOP>\"\n"
                     "End Function\n");
        folder.write("quick.vbs",
                     "Function GetResponse(s, u, c, l, w, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10)\n"
                     "  GetResponse = UCase(s) & \" <STOP>\"\n"
                     "End Function\n");
        folder.write("input.txt", "one\r\ntwo\r\nthree\r\n");
    }
    Outcome run(const std::string& arguments) {
        return RunCommand(std::string(TARVIK_BENCH) + " --ini " + folder.path("Tarvik.ini") + " --brains 1,2 " + arguments, folder);
    }
    TempFolder folder;
};

double figure(const std::string& text, const std::string& pattern) {
    std::smatch m;
    if (!std::regex_search(text, m, std::regex(pattern))) {
        ADD_FAILURE() << "no match for " << pattern << " in\n" << text;
        return 0;
    }
    return std::atof(m[1].str().c_str());
}

TEST_F(BenchProfileTest, EachBrainsTimedCallsWithTheirLinesAndAFoldedFileEach) {
    Outcome o = run("--warmup 1 --repeat 2 --profile --folded " + folder.path("out.folded"));
    ASSERT_EQ(o.status, 0) << o.err;
    // The warm-up's three calls do not count: six timed calls per brain.
    std::string busy = o.out.substr(o.out.find("Brain 1 (Busy): 6 timed calls, "));
    ASSERT_NE(o.out.find("Brain 2 (Quick): 6 timed calls, "), std::string::npos) << o.out;
    busy = busy.substr(0, busy.find("Brain 2 (Quick)"));
    EXPECT_TRUE(std::regex_search(busy, std::regex("\n +6 +[0-9.]+ +[0-9.]+ +[0-9.]+% +Work\n"))) << busy;
    // The root's time is what the bench measured, within 5%.
    double measured = figure(busy, "6 timed calls, ([0-9.]+) ms measured");
    double root = figure(busy, "\n +6 +([0-9.]+) +[0-9.]+ +[0-9.]+% +GetResponse\n");
    EXPECT_NEAR(root, measured, measured * 0.05);
    // The loop's body is Work's busiest line: 6 calls of 30000 runs.
    EXPECT_TRUE(std::regex_search(busy, std::regex("  Work\n +4 +180000 +[0-9.]+ +[0-9.]+%  s = s \\+ i Mod 7\n"))) << busy;

    EXPECT_NE(folder.read("out.1.folded").find("GetResponse;Work "), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(folder.path("out.2.folded")));  // its calls may add up to less than 1 us
    EXPECT_FALSE(std::filesystem::exists(folder.path("out.3.folded")));
}

TEST_F(BenchProfileTest, TablesGoToStderrAfterJsonAndAnUnwritableFoldedFileStopsTheStart) {
    Outcome json = run("--json --profile");
    EXPECT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(json.out.find("Brain 1"), std::string::npos);
    EXPECT_NE(json.err.find("Brain 1 (Busy): 3 timed calls"), std::string::npos) << json.err;

    std::string missing = folder.path("no/such/folder/out.folded");
    Outcome o = run("--folded " + missing);
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find(folder.path("no/such/folder/out.1.folded") + ": cannot write the folded stacks"), std::string::npos) << o.err;
    EXPECT_EQ(o.out, "");  // nothing ran
}

}  // namespace
