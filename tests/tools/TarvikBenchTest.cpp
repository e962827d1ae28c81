// tarvik-bench driven as a user would: a settings file, brains and sentences of the test's own.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <iterator>
#include <sstream>
#include <vector>
#include <string>
#include <thread>

#include <nlohmann/json.hpp>

#include "tests/support/TempFolder.h"
#include "tests/tools/RunCommand.h"

namespace {

using tarvik::testing::Outcome;
using tarvik::testing::RunCommand;
using tarvik::testing::TempFolder;
using Json = nlohmann::json;

constexpr const char* kSignature =
    "Function GetResponse(Sentence, UserName, ComputerName, LearningLevel, WorkingDir, "
    "A1, A2, A3, A4, A5, A6, A7, A8, A9, A10)\n";

class TarvikBenchTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings("CreateCSV=TRUE\r\nCreateLog=TRUE\r\n");
        brain("one.vbs", "GetResponse = \"one:\" & Sentence & \" <STOP>\"\n");
        brain("two.vbs", "If Sentence = \"boom\" Then x = 1 / 0\nGetResponse = \"two <STOP>\"\n");
        brain("three.vbs", "GetResponse = \"no marker\"\n");
        folder.write("input.txt", "hello\r\n\r\n \r\nboom\r\nbye");
    }
    void settings(const std::string& extra) {
        folder.write("Tarvik.ini", "[Tarvik]\r\nInputFile=input.txt\r\nCSVName=results.csv\r\nLogName=talk.log\r\n" +
                                       extra +
                                       "[Brains]\r\nBrain1Name=One\r\nBrain1Script=one.vbs\r\nBrain2Name=Two\r\n"
                                       "Brain2Script=two.vbs\r\nBrain3Name=Three\r\nBrain3Script=three.vbs\r\n");
    }
    void brain(const std::string& name, const std::string& body) {
        folder.write(name, std::string(kSignature) + body + "End Function\n");
    }
    Outcome run(const std::string& arguments, const std::string& as = "") {
        return RunCommand(as + std::string(TARVIK_BENCH) + " " + arguments, folder);
    }
    std::string ini() const { return "--ini " + folder.path("Tarvik.ini"); }

    TempFolder folder;
};

// The summary row of a brain, split at blanks: number, name, calls, failures, then the times.
std::vector<std::string> row(const std::string& summary, const std::string& name) {
    std::istringstream in(summary);
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        std::vector<std::string> cells{std::istream_iterator<std::string>(fields), {}};
        if (cells.size() > 2 && cells[1] == name) return cells;
    }
    return {};
}

size_t lines(const std::string& text) { return static_cast<size_t>(std::count(text.begin(), text.end(), '\n')); }

TEST_F(TarvikBenchTest, TimesEveryBrainAndKeepsGoingPastAFailure) {
    Outcome o = run(ini() + " --repeat 2");
    EXPECT_EQ(o.status, 3) << o.err;  // some calls failed
    // The failure names the brain, its script and line, the error and the sentence, once for both passes.
    EXPECT_NE(o.err.find("Brain 2 (Two, " + folder.path("two.vbs") + "), line 2, column"), std::string::npos) << o.err;
    EXPECT_NE(o.err.find("runtime error 11: Division by zero"), std::string::npos);
    EXPECT_NE(o.err.find("\"boom\""), std::string::npos);
    EXPECT_EQ(o.err.find("runtime error 11"), o.err.rfind("runtime error 11")) << o.err;
    // Three usable sentences twice: brains 1 and 3 answer all six, brain 2 fails twice.
    auto counts = [&](const std::string& name) {
        std::vector<std::string> cells = row(o.out, name);
        return cells.size() > 4 ? cells[2] + "/" + cells[3] : "no row: " + o.out;
    };
    EXPECT_EQ(counts("One"), "6/0");
    EXPECT_EQ(counts("Two"), "4/2");
    EXPECT_EQ(counts("Three"), "6/0");
    // The warm-up's failure is told once as such and never counted.
    EXPECT_NE(o.out.find("warning: Two: 1 call failed in the warm-up (not counted), the first: Brain 2 (Two, "),
              std::string::npos) << o.out;
}

TEST_F(TarvikBenchTest, WritesTheWindowsRecords) {
    brain("two.vbs", "GetResponse = \"two <STOP>\"\n");
    Outcome o = run(ini());
    EXPECT_EQ(o.status, 0) << o.err;
    std::string table = folder.read("results.csv");
    EXPECT_EQ(table.substr(0, table.find("\r\n") + 2), "One,Two,Three\r\n");
    EXPECT_EQ(lines(table), 4u);
    EXPECT_EQ(folder.read("talk.log"),
              "Sent: hello\r\nOne: one:hello\r\nTwo: two\r\nThree: \r\n\r\n"
              "Sent: boom\r\nOne: one:boom\r\nTwo: two\r\nThree: \r\n\r\n"
              "Sent: bye\r\nOne: one:bye\r\nTwo: two\r\nThree: \r\n\r\n");
}

TEST_F(TarvikBenchTest, AFailedBrainKeepsTheLinesRowAndLogEntry) {
    Outcome o = run(ini());
    std::string table = folder.read("results.csv");
    EXPECT_EQ(lines(table), 4u);  // header, hello, boom, bye
    size_t boom = table.find("\r\n", table.find("\r\n") + 2) + 2;  // header, hello, then boom's row
    std::string row = table.substr(boom, table.find("\r\n", boom) - boom);
    EXPECT_EQ(std::count(row.begin(), row.end(), ','), 2) << table;
    EXPECT_NE(row.find(",,"), std::string::npos) << row;  // brain 2's cell
    EXPECT_FALSE(row.starts_with(",") || row.ends_with(",")) << row;
    EXPECT_NE(folder.read("talk.log").find("Sent: boom\r\nOne: one:boom\r\nTwo: [error 11: Division by zero]\r\nThree: \r\n\r\n"),
              std::string::npos);
}

TEST_F(TarvikBenchTest, EveryCallFailingStillLeavesWholeRecords) {
    for (const char* name : {"one.vbs", "two.vbs", "three.vbs"}) brain(name, "Err.Raise 5\n");
    Outcome o = run(ini() + " --quiet");
    EXPECT_EQ(o.status, 3);
    EXPECT_EQ(folder.read("results.csv"), "One,Two,Three\r\n,,\r\n,,\r\n,,\r\n");
    std::string entry = "One: [error 5: Invalid procedure call or argument]\r\n";
    EXPECT_NE(folder.read("talk.log").find("Sent: bye\r\n" + entry), std::string::npos);
}

TEST_F(TarvikBenchTest, ASignalStopsBetweenLinesLeavingWholeRecordsAndTheSummary) {
    brain("two.vbs", "For i = 1 To 20000\nx = x + i\nNext\nGetResponse = \"two <STOP>\"\n");
    std::string many;
    for (int i = 0; i < 5000; ++i) many += "sentence " + std::to_string(i) + "\n";
    folder.write("input.txt", many);
    for (int signal : {SIGINT, SIGTERM}) {
        std::filesystem::remove(folder.path("results.csv"));
        std::filesystem::remove(folder.path("talk.log"));
        std::string out = folder.path("out.txt"), err = folder.path("err.txt"), ini = folder.path("Tarvik.ini");
        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        posix_spawn_file_actions_addopen(&files, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&files, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const char* argv[] = {TARVIK_BENCH, "--ini", ini.c_str(), "--warmup", "0", nullptr};
        pid_t pid;
        ASSERT_EQ(posix_spawn(&pid, TARVIK_BENCH, &files, nullptr, const_cast<char**>(argv), environ), 0);
        posix_spawn_file_actions_destroy(&files);
        // Signalled once a few lines are recorded, mid-batch.
        for (int wait = 0; wait < 1000 && lines(folder.read("results.csv")) < 4; ++wait) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        ::kill(pid, signal);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
        EXPECT_EQ(WEXITSTATUS(status), 128 + signal);
        std::string table = folder.read("results.csv"), log = folder.read("talk.log");
        size_t rows = lines(table) - 1;
        EXPECT_LT(rows, 5000u);
        EXPECT_TRUE(table.ends_with("\r\n"));
        EXPECT_EQ(static_cast<size_t>(std::count(table.begin(), table.end(), ',')), 2 * (rows + 1));
        EXPECT_EQ(lines(log), 5 * rows);  // an entry for every row, each whole
        EXPECT_TRUE(log.ends_with("Three: \r\n\r\n"));
        EXPECT_NE(folder.read("err.txt").find("stopped by " + std::string(signal == SIGINT ? "SIGINT" : "SIGTERM")),
                  std::string::npos);
        EXPECT_EQ(row(folder.read("out.txt"), "One").at(2), std::to_string(rows));  // the summary of what ran
    }
}

TEST_F(TarvikBenchTest, ASubsetOfBrainsAsJsonAndAnotherInput) {
    folder.write("other.txt", "a\nb\n");
    Outcome o = run(ini() + " --brains 1,3 --json --warmup 2 --input " + folder.path("other.txt"));
    EXPECT_EQ(o.status, 0) << o.err;
    Json json = Json::parse(o.out);
    EXPECT_EQ(json["sentences"], Json::array({"a", "b"}));
    EXPECT_EQ(json["run"]["warmup"], 2);
    ASSERT_EQ(json["brains"].size(), 2u);
    EXPECT_EQ(json["brains"][0]["brain"], 1);
    EXPECT_EQ(json["brains"][0]["name"], "One");
    EXPECT_EQ(json["brains"][0]["calls"], 2);
    EXPECT_EQ(json["brains"][1]["brain"], 3);
    EXPECT_EQ(json["brains"][1]["failed"], 0);
    EXPECT_TRUE(json["records"]["result_table"].is_null());
    EXPECT_FALSE(std::filesystem::exists(folder.path("results.csv")));  // records need all three brains
}

TEST_F(TarvikBenchTest, BadOptionsAndMissingFilesSayWhatIsWrong) {
    Outcome o = run("--repeat 0");
    EXPECT_EQ(o.status, 2);
    EXPECT_NE(o.err.find("--repeat needs a whole number of at least 1, not '0'"), std::string::npos) << o.err;
    o = run("--frobnicate");
    EXPECT_EQ(o.status, 2);
    EXPECT_NE(o.err.find("unknown option '--frobnicate'"), std::string::npos);
    o = run("--brains 4");
    EXPECT_EQ(o.status, 2);
    o = run("--ini " + folder.path("nowhere.ini"));
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("settings file not found: " + folder.path("nowhere.ini")), std::string::npos) << o.err;
    o = run(ini() + " --input " + folder.path("none.txt"));
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("input file not found: " + folder.path("none.txt")), std::string::npos);
}

TEST_F(TarvikBenchTest, ABrainThatDoesNotCompileStopsTheRunBeforeAnythingIsWritten) {
    folder.write("three.vbs", "Function GetResponse(\n");
    folder.write("results.csv", "kept\r\n");
    Outcome o = run(ini());
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("Brain 3 (Three, " + folder.path("three.vbs") + "), line 1"), std::string::npos) << o.err;
    EXPECT_NE(o.err.find("compile error"), std::string::npos);
    EXPECT_EQ(folder.read("results.csv"), "kept\r\n");
}

TEST_F(TarvikBenchTest, ABrainWithoutTheFifteenParameterGetResponseIsRefusedAtLoading) {
    folder.write("three.vbs", "Function GetResponse(Sentence, UserName, ComputerName)\nEnd Function\n");
    Outcome o = run(ini());
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "tarvik-bench: Brain 3 (Three, " + folder.path("three.vbs") +
                         "): GetResponse has 3 parameters, a brain needs 15\n");
    folder.write("three.vbs", "Function Reply(s)\nEnd Function\n");
    o = run(ini());
    EXPECT_EQ(o.err, "tarvik-bench: Brain 3 (Three, " + folder.path("three.vbs") + "): defines no GetResponse\n");
}

TEST_F(TarvikBenchTest, AFailingCallShowsTheLineWithACaretAndTheProceduresItPassedThrough) {
    folder.write("two.vbs", std::string(kSignature) + "  GetResponse = Half(Sentence)\nEnd Function\n"
                            "Function Half(s)\n  Half = s / 0\nEnd Function\n");
    folder.write("input.txt", "4\r\n");
    Outcome o = run(ini());
    EXPECT_NE(o.err.find("runtime error 11: Division by zero (sentence 1: \"4\")\n"
                         " 5 |   Half = s / 0\n"
                         "   |   ^\n"
                         "  in Half, line 5\n"
                         "  called from GetResponse, line 2\n"),
              std::string::npos) << o.err;
}

// Where a cell ends on screen: characters, not bytes, up to the end of the field at `byte`.
size_t endColumn(const std::string& line, size_t byte) {
    size_t end = line.find(' ', byte);
    std::string before = line.substr(0, end == std::string::npos ? line.size() : end);
    return static_cast<size_t>(std::count_if(before.begin(), before.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

TEST_F(TarvikBenchTest, NonAsciiNamesKeepTheColumnsAndMakeValidJson) {
    // Windows-1252 settings: "Bräin" and a long name, both shown whole.
    folder.write("Tarvik.ini", "[Tarvik]\r\nInputFile=input.txt\r\n[Brains]\r\nBrain1Name=Br\xe4in \"1\"\r\n"
                               "Brain1Script=one.vbs\r\nBrain2Name=" + std::string(18, '\xc4') + "\r\n"
                               "Brain2Script=one.vbs\r\nBrain3Name=Three\r\nBrain3Script=three.vbs\r\n");
    Outcome o = run(ini());
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.err, "");  // progress goes to a terminal only
    std::string eighteen;
    for (int i = 0; i < 18; ++i) eighteen += "Ä";
    size_t header = o.out.find("\nbrain  name");
    ASSERT_NE(header, std::string::npos) << o.out;
    std::istringstream table(o.out.substr(header + 1));
    std::string head, first, second;
    std::getline(table, head);
    std::getline(table, first);
    std::getline(table, second);
    EXPECT_TRUE(first.starts_with("1      Bräin \"1\"  ")) << first;
    EXPECT_TRUE(second.starts_with("2      " + eighteen + "  ")) << second;
    // The calls column ends where its heading does on every row.
    size_t calls = endColumn(head, head.find("calls"));
    EXPECT_EQ(endColumn(first, first.find(" 3 ") + 1), calls) << o.out;
    EXPECT_EQ(endColumn(second, second.find(" 3 ") + 1), calls) << o.out;
    o = run(ini() + " --json");
    Json json = Json::parse(o.out);
    EXPECT_EQ(json["brains"][0]["name"], "Bräin \"1\"");
    EXPECT_EQ(json["brains"][1]["name"], eighteen);
}

TEST_F(TarvikBenchTest, ABrainFailingOnEverySentenceHasNoTimes) {
    brain("three.vbs", "Set GetResponse = Nothing\n");
    Outcome o = run(ini() + " --json");
    EXPECT_EQ(o.status, 3);
    EXPECT_NE(o.err.find("Brain 3 (Three, " + folder.path("three.vbs") + "): runtime error 91: Object variable not set"),
              std::string::npos) << o.err;
    const Json three = Json::parse(o.out)["brains"][2];
    EXPECT_EQ(three["calls"], 0);
    EXPECT_EQ(three["failed"], 3);
    for (const char* figure : {"median_ms", "median_ci95_ms", "vs_fastest", "first_call_ms"}) EXPECT_TRUE(three[figure].is_null()) << figure;
    EXPECT_TRUE(three["sentence_medians_ms"]["max"].is_null());
    EXPECT_EQ(three["failures"][0]["number"], 91);
    EXPECT_EQ(three["samples"][1], Json::parse(R"({"sentence": 2, "repeat": 1, "ms": null, "failure": 1})"));
    o = run(ini() + " --quiet");
    EXPECT_EQ(o.status, 3);
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(row(o.out, "Three"), (std::vector<std::string>{"3", "Three", "0", "3", "-", "-", "-", "-", "-"}));
}

TEST_F(TarvikBenchTest, NothingToRunIsAStartFailure) {
    folder.write("empty.txt", "");
    folder.write("blank.txt", "\r\n \r\n");
    for (const char* input : {"empty.txt", "blank.txt"}) {
        Outcome o = run(ini() + " --input " + folder.path(input));
        EXPECT_EQ(o.status, 1);
        EXPECT_NE(o.err.find("no sentences in the input file: " + folder.path(input)), std::string::npos) << o.err;
        EXPECT_EQ(o.out, "");
    }
    std::filesystem::remove(folder.path("two.vbs"));
    Outcome o = run(ini());
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("Brain 2 (Two): script file not found: " + folder.path("two.vbs")), std::string::npos) << o.err;
    EXPECT_EQ(run(ini() + " --brains 1,3").status, 0);  // a brain not asked need not exist
}

TEST_F(TarvikBenchTest, RecordsInAFolderThatDoesNotExistStopTheStart) {
    brain("two.vbs", "GetResponse = \"two <STOP>\"\n");
    std::string kept = folder.read("Tarvik.ini");  // the first of two equal keys wins: ours go first
    folder.write("Tarvik.ini", "[Tarvik]\r\nCSVName=no\\such\\t.csv\r\n" + kept.substr(kept.find("\r\n") + 2));
    Outcome o = run(ini());
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("folder of the result table not found: " + folder.path("no/such")), std::string::npos) << o.err;
    EXPECT_FALSE(std::filesystem::exists(folder.path("talk.log")));
    folder.write("Tarvik.ini", "[Tarvik]\r\nLogName=gone/talk.log\r\n" + kept.substr(kept.find("\r\n") + 2));
    o = run(ini());
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("folder of the conversation log not found: " + folder.path("gone")), std::string::npos) << o.err;
    EXPECT_EQ(run(ini() + " --brains 2").status, 0);  // no records without all three brains
}

TEST_F(TarvikBenchTest, ARecordThatCannotBeWrittenStopsTheStartNamingIt) {
    brain("two.vbs", "GetResponse = \"two <STOP>\"\n");
    // Root writes whatever the permission bits say: then the run is made as nobody.
    std::string as = ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
                                                    std::filesystem::perms::group_exec | std::filesystem::perms::others_read |
                                                    std::filesystem::perms::others_exec);
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        std::filesystem::permissions(entry.path(), std::filesystem::perms::others_read, std::filesystem::perm_options::add);
    }
    if (run("--version", as).status != 0) GTEST_SKIP() << "cannot run tarvik-bench as another user here";
    if (as.empty()) std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
    struct Restore {
        std::string path;
        ~Restore() { std::filesystem::permissions(path, std::filesystem::perms::owner_write, std::filesystem::perm_options::add); }
    } restore{folder.path()};

    Outcome o = run(ini(), as);
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "tarvik-bench: the result table cannot be created in the folder " + folder.path() +
                         ": Permission denied\n");
    EXPECT_EQ(o.out, "");
    EXPECT_FALSE(std::filesystem::exists(folder.path("results.csv")));

    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    folder.write("results.csv", "earlier\r\n");
    std::filesystem::permissions(folder.path("results.csv"), std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
    o = run(ini(), as);
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "tarvik-bench: the result table cannot be written: " + folder.path("results.csv") +
                         ": Permission denied\n");
    EXPECT_EQ(folder.read("results.csv"), "earlier\r\n");

    std::filesystem::permissions(folder.path("results.csv"), std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    std::filesystem::permissions(folder.path("input.txt"), std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    if (as.empty()) std::filesystem::permissions(folder.path("input.txt"), std::filesystem::perms::none);
    o = run(ini(), as);
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("tarvik-bench: input file cannot be read: " + folder.path("input.txt")), std::string::npos) << o.err;
}

TEST_F(TarvikBenchTest, ARecordThatStopsTakingLinesEndsTheRunSayingSo) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full to fill";
    brain("two.vbs", "GetResponse = \"two <STOP>\"\n");
    std::string kept = folder.read("Tarvik.ini");
    folder.write("Tarvik.ini", "[Tarvik]\r\nLogName=/dev/full\r\n" + kept.substr(kept.find("\r\n") + 2));
    Outcome o = run(ini());
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "tarvik-bench: cannot write the conversation log /dev/full; stopped after 0 of 3 sentences\n");
    EXPECT_EQ(row(o.out, "One").at(2), "0");  // the summary of what ran
    folder.write("Tarvik.ini", "[Tarvik]\r\nCSVName=/dev/full\r\n" + kept.substr(kept.find("\r\n") + 2));
    o = run(ini());
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "tarvik-bench: error 57: cannot write /dev/full: Device I/O error\n");
}

TEST_F(TarvikBenchTest, SettingsPathsWithSpacesBackslashesAndNonAsciiNames) {
    std::filesystem::create_directories(folder.path("my brains/süß"));
    brain("my brains/süß/two.vbs", "GetResponse = \"two <STOP>\"\n");
    std::filesystem::create_directory(folder.path("out put"));
    folder.write("Tarvik.ini", "[Tarvik]\nInputFile=.\\input.txt\nCreateCSV=true\nCSVName=out put\\r\xe9sultats.csv\n"
                               "[Brains]\nBrain1Name=One\nBrain1Script=one.vbs\nBrain2Name=Two\n"
                               "Brain2Script=my brains\\s\xfc\xdf\\two.vbs\nBrain3Name=Three\nBrain3Script=three.vbs\n");
    Outcome o = run(ini());
    EXPECT_EQ(o.status, 0) << o.err;
    std::string table = folder.read("out put/résultats.csv");
    EXPECT_EQ(table.substr(0, table.find("\r\n") + 2), "One,Two,Three\r\n");
    EXPECT_EQ(lines(table), 4u);
}

TEST_F(TarvikBenchTest, ProgressIsShownOnATerminalOnly) {
    if (!std::filesystem::exists("/usr/bin/script")) GTEST_SKIP() << "no script(1) to make a terminal";
    brain("two.vbs", "GetResponse = \"two <STOP>\"\n");
    std::string command = "/usr/bin/script -qec '" + std::string(TARVIK_BENCH) + " " + ini() + " --json' /dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string shown;
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) shown.append(buffer, got);
    EXPECT_EQ(WEXITSTATUS(::pclose(pipe)), 0) << shown;
    EXPECT_NE(shown.find("\rwarm-up pass 1, line 1/3\033[K"), std::string::npos) << shown;  // the first at once
    EXPECT_NE(shown.find("\r\033[K{\"schema\":"), std::string::npos) << shown;  // cleared before the summary
    Outcome o = run(ini() + " --json");
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(o.out.find("{\"schema\":"), 0u);
}

TEST_F(TarvikBenchTest, TheTimeOutIsASettingAndAnOption) {
    brain("two.vbs", "If Sentence = \"boom\" Then\nDo\nLoop\nEnd If\nGetResponse = \"two <STOP>\"\n");
    Outcome o = run(ini() + " --timeout 100");
    EXPECT_EQ(o.status, 3);
    EXPECT_NE(o.err.find("script timed out after 100 ms (sentence 2: \"boom\")"), std::string::npos) << o.err;
    EXPECT_EQ(row(o.out, "Two").at(3), "1");  // one failure, the other sentences answered
    settings("QueryTimeout=150\r\n");
    o = run(ini());
    EXPECT_NE(o.err.find("script timed out after 150 ms"), std::string::npos) << o.err;
    settings("QueryTimeout=soon\r\n");
    o = run(ini());
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("QueryTimeout=soon in the settings file " + folder.path("Tarvik.ini")), std::string::npos) << o.err;
    EXPECT_EQ(run(ini() + " --timeout -5").status, 2);
}

TEST_F(TarvikBenchTest, TheMemoryCapIsASettingAndAnOption) {
    brain("two.vbs", "If Sentence = \"boom\" Then s = Space(2000000)\nGetResponse = \"two <STOP>\"\n");
    Outcome o = run(ini() + " --memory-limit 1");
    EXPECT_EQ(o.status, 3);
    EXPECT_NE(o.err.find("runtime error 7: Out of memory: 'Space' (sentence 2: \"boom\")"), std::string::npos) << o.err;
    EXPECT_EQ(row(o.out, "Two").at(3), "1");
    EXPECT_EQ(run(ini()).status, 0);  // 4 MB is well inside the default cap
    settings("MemoryLimit=1\r\n");
    EXPECT_NE(run(ini()).err.find("runtime error 7: Out of memory"), std::string::npos);
    settings("MemoryLimit=1GB\r\n");
    o = run(ini());
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "tarvik-bench: MemoryLimit=1GB in the settings file " + folder.path("Tarvik.ini") +
                         " is not a whole number of megabytes from 0 (no limit) to 1048576.\n");
}

TEST_F(TarvikBenchTest, InputsAndSettingsThatAreNotTextAreRefusedKeepingTheRecords) {
    folder.write("results.csv", "earlier\r\n");
    folder.write("binary.txt", std::string("hello\0\1\2\n", 9));
    Outcome o = run(ini() + " --input " + folder.path("binary.txt"));
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "tarvik-bench: the input file " + folder.path("binary.txt") + " holds NUL bytes: it is a binary file, not text\n");
    std::filesystem::resize_file(folder.write("huge.txt", "a\n"), 100u << 20);  // sparse: no 100 MB written
    o = run(ini() + " --input " + folder.path("huge.txt"));
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "tarvik-bench: the input file " + folder.path("huge.txt") +
                         " is 100.0 MB, more than the 16 MB a file like it may have\n");
    folder.write("Tarvik.ini", std::string("\x7f" "ELF\2\1\1\0\0\0", 10));
    o = run(ini());
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "tarvik-bench: The settings file " + folder.path("Tarvik.ini") +
                         " holds NUL bytes: it is a binary file, not text.\n");
    EXPECT_EQ(folder.read("results.csv"), "earlier\r\n");
}

TEST_F(TarvikBenchTest, ExportsKeepEveryCallWithTheRunsMetadata) {
    brain("two.vbs", "If InStr(Sentence, \"boom\") Then x = 1 / 0\nGetResponse = \"two <STOP>\"\n");
    folder.write("input.txt", "hello\r\nboom, \"big\"\r\nbye\r\n");
    Outcome o = run(ini() + " --repeat 3 --export-json " + folder.path("run.json") + " --export-csv " + folder.path("calls.csv") +
                    " --export-markdown " + folder.path("summary.md"));
    EXPECT_EQ(o.status, 3) << o.err;
    Json json = Json::parse(folder.read("run.json"));
    EXPECT_EQ(json["schema"], "tarvik-bench/2");
    EXPECT_EQ(json["units"]["time"], "ms");
    EXPECT_EQ(json["settings"]["path"], folder.path("Tarvik.ini"));
    EXPECT_EQ(json["settings"]["chosen_by"], "--ini");
    EXPECT_EQ(json["input"]["path"], folder.path("input.txt"));
    EXPECT_EQ(json["input"]["sha256"].get<std::string>().size(), 64u);
    EXPECT_NE(json["input"]["sha256"], json["brains"][0]["script"]["sha256"]);
    for (const char* key : {"host", "cpu", "kernel"}) EXPECT_FALSE(json["machine"][key].get<std::string>().empty()) << key;
    EXPECT_GE(json["machine"]["cores"], 1);
    EXPECT_GT(json["method"]["host_overhead_ms"], 0);
    EXPECT_EQ(json["run"]["passes"], 3);
    ASSERT_EQ(json["brains"].size(), 3u);
    for (const Json& brain : json["brains"]) {
        const Json& samples = brain["samples"];
        ASSERT_EQ(samples.size(), 9u);  // 3 sentences, 3 passes, in order: a b c a b c a b c
        for (size_t i = 0; i < 9; ++i) {
            EXPECT_EQ(samples[i]["sentence"], i % 3 + 1);
            EXPECT_EQ(samples[i]["repeat"], i / 3 + 1);
        }
    }
    const Json& two = json["brains"][1];
    EXPECT_EQ(two["failed"], 3);
    EXPECT_EQ(two["failures"][2]["repeat"], 3);
    EXPECT_EQ(two["failures"][0]["line"], 2);
    EXPECT_EQ(two["samples"][4]["failure"], 1);
    EXPECT_EQ(two["warmup_failures"].size(), 1u);
    EXPECT_EQ(json["brains"][0]["median_ci95_ms"].size(), 2u);

    std::string csv = folder.read("calls.csv");
    EXPECT_EQ(lines(csv), 1u + 27u);
    EXPECT_TRUE(csv.starts_with("sentence,text,repeat,brain,name,ms,result\r\n1,hello,1,3,Three,")) << csv;
    EXPECT_NE(csv.find("\r\n2,\"boom, \"\"big\"\"\",1,2,Two,,runtime error 11: Division by zero\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find("\r\n3,bye,3,1,One,"), std::string::npos);
    std::string markdown = folder.read("summary.md");
    EXPECT_NE(markdown.find("| brain | name | calls | failed |"), std::string::npos) << markdown;
    EXPECT_NE(markdown.find("| 2 | Two | 6 | 3 |"), std::string::npos) << markdown;
}

TEST_F(TarvikBenchTest, TheInputsAndScriptsAreNamedByTheirSha256) {
    folder.write("input.txt", "abc");
    Outcome o = run(ini() + " --json");
    EXPECT_EQ(Json::parse(o.out)["input"]["sha256"], "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
}

TEST_F(TarvikBenchTest, TheStartSaysWhichFilesAndWhatIsMeasured) {
    brain("two.vbs", "GetResponse = \"two <STOP>\"\n");
    // Without --ini the current folder's Tarvik.ini comes first.
    Outcome o = run("--repeat 2", "cd " + folder.path() + " && ");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_NE(o.out.find("settings  " + folder.path("Tarvik.ini") + " (found in the current folder)\n"), std::string::npos) << o.out;
    EXPECT_NE(o.out.find("input     " + folder.path("input.txt") + ", 3 sentences\n"), std::string::npos);
    EXPECT_NE(o.out.find("records   result table " + folder.path("results.csv") + ", conversation log " + folder.path("talk.log")),
              std::string::npos);
    EXPECT_NE(o.out.find("passes    1 warm-up pass (untimed), then 2 timed passes over the whole file in order (a b a b)"),
              std::string::npos);
    EXPECT_NE(o.out.find("from before the sentence is read to after GetResponse returns"), std::string::npos);
    EXPECT_NE(o.out.find("clock     std::chrono::steady_clock"), std::string::npos);
    EXPECT_NE(o.out.find(" per call (an empty GetResponse), part of every time"), std::string::npos);
    EXPECT_EQ(lines(folder.read("results.csv")), 1u + 6u);  // timed passes only are recorded
}

TEST_F(TarvikBenchTest, PrepareRunsBeforeEachPassAndItsFailureStopsTheRun) {
    brain("two.vbs", "GetResponse = \"two <STOP>\"\n");
    std::string count = folder.path("count.txt");
    Outcome o = run(ini() + " --repeat 2 --prepare 'echo pass >> " + count + "; echo from-prepare'");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(folder.read("count.txt"), "pass\npass\npass\n");  // the warm-up and two timed passes
    EXPECT_EQ(o.out.find("\nfrom-prepare\n"), std::string::npos);  // its output goes to standard error
    EXPECT_EQ(o.err, "from-prepare\nfrom-prepare\nfrom-prepare\n");
    o = run(ini() + " --repeat 2 --prepare 'test ! -e " + count + "2 || exit 3; touch " + count + "2'");
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("tarvik-bench: the --prepare command 'test ! -e " + count + "2 || exit 3; touch " + count +
                         "2' failed before timed pass 1: it ended with exit status 3; stopped after 0 of 6 sentences\n"),
              std::string::npos) << o.err;
}

TEST_F(TarvikBenchTest, MinTimeAddsPassesUntilEachBrainHasItsTime) {
    Outcome o = run(ini() + " --brains 1,3 --warmup 0 --min-time 0.005 --json");
    EXPECT_EQ(o.status, 0) << o.err;
    Json json = Json::parse(o.out);
    for (const Json& brain : json["brains"]) {
        double sum = 0;
        for (const Json& sample : brain["samples"]) sum += sample["ms"].get<double>();
        EXPECT_GE(sum, 5) << brain["name"];
        EXPECT_EQ(brain["samples"].size(), 3u * json["run"]["passes"].get<size_t>());
    }
}

TEST_F(TarvikBenchTest, NewOptionsRefuseBadValues) {
    for (const char* bad : {"--min-time soon", "--min-time -1", "--export-csv ''", "--prepare ''",
                            "--export-csv a.txt --export-json a.txt", "--warmup -1"}) {
        Outcome o = run(bad);
        EXPECT_EQ(o.status, 2) << bad;
        EXPECT_NE(o.err.find("Try 'tarvik-bench --help'"), std::string::npos) << bad;
    }
    EXPECT_NE(run("--min-time soon").err.find("--min-time needs a number of seconds from 0 to 86400, not 'soon'"), std::string::npos);
    EXPECT_NE(run("--export-csv a --export-json a").err.find("two exports name the same file 'a'"), std::string::npos);
    Outcome o = run(ini() + " --export-csv " + folder.path("no/such/calls.csv"));
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "tarvik-bench: cannot export: the folder of " + folder.path("no/such/calls.csv") + " does not exist\n");
    EXPECT_FALSE(std::filesystem::exists(folder.path("results.csv")));  // refused before anything was written
}

TEST_F(TarvikBenchTest, HelpAndVersion) {
    Outcome o = run("--help");
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out.find("Usage: tarvik-bench [options]"), 0u);
    EXPECT_NE(o.out.find("--timeout MS"), std::string::npos);
    EXPECT_NE(o.out.find("--memory-limit MB"), std::string::npos);
    EXPECT_NE(o.out.find("--repeat N      time the whole file N times, in order (a b a b"), std::string::npos);
    o = run("--version");
    EXPECT_EQ(o.out.find("tarvik-bench "), 0u);
}

}  // namespace
