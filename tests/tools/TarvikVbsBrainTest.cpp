// tarvik-vbs --brain fed sentences on standard input, as a brain author would type them.
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "tests/support/TempFolder.h"
#include "tests/tools/RunCommand.h"

namespace {

using tarvik::testing::Outcome;
using tarvik::testing::RunCommand;
using tarvik::testing::TempFolder;

class TarvikVbsBrainTest : public ::testing::Test {
protected:
    Outcome ask(const std::string& options, const std::string& sentences) {
        folder.write("in.txt", sentences);
        return RunCommand(std::string(TARVIK_VBS) + " --brain " + folder.path("brain.vbs") + " " + options + " <" +
                              folder.path("in.txt"), folder);
    }
    TempFolder folder;
};

TEST_F(TarvikVbsBrainTest, RepliesWithTimesAndShowsChangedByReferenceValuesAndKeepsThem) {
    folder.write("brain.vbs",
                 "Function GetResponse(s, user, computer, level, dir, a, b, c, d, e, f, g, h, i, j)\n"
                 "  If s = \"rename\" Then user = \"Bob\"\n"
                 "  If s = \"up\" Then level = level + 1\n"
                 "  GetResponse = \" \" & user & \"@\" & computer & \" \" & level & \" \" & dir & \" \" & a & \" <STOP> x\"\n"
                 "End Function\n");
    Outcome o = ask("--user Ann --computer box --level 3 --workdir " + folder.path(), "hi\nrename\nup\nhi\n");
    EXPECT_EQ(o.status, 0) << o.err;
    std::string t = "  \\(\\d+\\.\\d{3} ms\\)\n";
    std::string dir = folder.path();
    std::regex expected("Ann@box 3 " + dir + " 0\n" + t + "Bob@box 3 " + dir + " 0\n" + t + "  UserName is now \"Bob\"\n" +
                        "Bob@box 4 " + dir + " 0\n" + t + "  LearningLevel is now \"4\"\n" + "Bob@box 4 " + dir + " 0\n" + t);
    EXPECT_TRUE(std::regex_match(o.out, expected)) << o.out;
}

TEST_F(TarvikVbsBrainTest, AFailingSentenceShowsWhereAndTheNextOneIsStillAsked) {
    folder.write("brain.vbs",
                 "Function GetResponse(s, user, computer, level, dir, a, b, c, d, e, f, g, h, i, j)\n"
                 "  GetResponse = Check(s) & \" <STOP>\"\n"
                 "End Function\n"
                 "Function Check(s)\n"
                 "  If s = \"bad\" Then Err.Raise 5\n"
                 "  Check = s\n"
                 "End Function\n");
    Outcome o = ask("", "bad\nok\n");
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, folder.path("brain.vbs") + "(5, 21) runtime error 5: Invalid procedure call or argument\n"
                     " 5 |   If s = \"bad\" Then Err.Raise 5\n"
                     "   |                     ^\n"
                     "  in Check, line 5\n"
                     "  called from GetResponse, line 2\n");
    EXPECT_EQ(o.out.substr(0, 3), "ok\n") << o.out;
}

TEST_F(TarvikVbsBrainTest, ABrainWithoutTheFifteenParameterGetResponseIsRefusedBeforeAnySentence) {
    folder.write("brain.vbs", "Sub GetResponse(s)\nEnd Sub\n");
    Outcome o = ask("", "hi\n");
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, folder.path("brain.vbs") + ": GetResponse has 1 parameter, a brain needs 15\n");
    EXPECT_EQ(o.out, "");
}

// A folder opens as a file does on Linux and reads as nothing: it would have run as an empty script.
TEST_F(TarvikVbsBrainTest, AFolderIsNoScriptToRunEither) {
    std::filesystem::create_directory(folder.path("scripts"));
    Outcome o = RunCommand(std::string(TARVIK_VBS) + " " + folder.path("scripts"), folder);
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.err, folder.path("scripts") + ": cannot open the script\n");
    // A device that never ends is refused once it has given more than a script may be, not read for ever.
    o = RunCommand(std::string(TARVIK_VBS) + " /dev/zero", folder);
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.err, "/dev/zero: cannot open the script\n");
}

TEST_F(TarvikVbsBrainTest, TheTimeOutAndMemoryCapHoldForEachCall) {
    folder.write("brain.vbs",
                 "Function GetResponse(s, user, computer, level, dir, a, b, c, d, e, f, g, h, i, j)\n"
                 "  If s = \"grow\" Then GetResponse = String(3000000, \"x\")\n"
                 "  If s = \"spin\" Then Do : Loop\n"
                 "  GetResponse = \"fine <STOP>\"\n"
                 "End Function\n");
    Outcome o = ask("--memory-limit 4 --timeout 300", "grow\nspin\nhi\n");
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("(2, 22) runtime error 7: Out of memory"), std::string::npos) << o.err;
    EXPECT_NE(o.err.find("script timed out after 300 ms"), std::string::npos) << o.err;
    EXPECT_EQ(o.out.substr(0, 5), "fine\n") << o.out;  // and the next sentence is still asked
    EXPECT_EQ(ask("--timeout 0", "hi\n").status, 2);
}

// Unlike a script, a brain may not start programs: Run and Exec raise E_ACCESSDENIED and start nothing.
TEST_F(TarvikVbsBrainTest, ABrainMayNotStartPrograms) {
    folder.write("brain.vbs",
                 "Function GetResponse(s, user, computer, level, dir, a, b, c, d, e, f, g, h, i, j)\n"
                 "  On Error Resume Next\n"
                 "  CreateObject(\"WScript.Shell\").Run \"cmd /c echo made > \" & s, 0, True\n"
                 "  GetResponse = Err.Number & \" \" & Err.Source & \" \" & CreateObject(\"Scripting.FileSystemObject\").FileExists(s) & \" <STOP>\"\n"
                 "End Function\n");
    Outcome o = ask("", folder.path("made.txt") + "\n");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out.substr(0, o.out.find('\n')), "-2147024891 WshShell.Run False") << o.out;
}

// The console on a pseudo-terminal: each line typed once the prompt shows and the line editor has
// the terminal (out of canonical mode, where the line discipline would take Ctrl+D for itself), then
// Ctrl+D. Answers the exit status, or -1 when the console stopped answering.
int session(const std::string& brain, const std::string& state, const std::vector<std::string>& lines) {
    int terminal = -1;
    pid_t pid = ::forkpty(&terminal, nullptr, nullptr, nullptr);
    if (pid < 0) return -1;
    if (pid == 0) {
        ::setenv("XDG_STATE_HOME", state.c_str(), 1);
        ::execl(TARVIK_VBS, TARVIK_VBS, "--brain", brain.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    std::string shown;
    auto promptShown = [&](size_t times) {
        for (;;) {
            size_t n = 0;
            for (size_t at = shown.find("> "); at != std::string::npos; at = shown.find("> ", at + 2)) ++n;
            if (n >= times) return true;
            pollfd ready{terminal, POLLIN, 0};
            char buffer[512];
            ssize_t got = ::poll(&ready, 1, 10000) == 1 ? ::read(terminal, buffer, sizeof buffer) : -1;
            if (got <= 0) return false;
            shown.append(buffer, static_cast<size_t>(got));
        }
    };
    auto editing = [&] {
        for (int waited = 0; waited < 10000; ++waited) {
            termios mode{};
            if (::tcgetattr(terminal, &mode) == 0 && !(mode.c_lflag & ICANON)) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return false;
    };
    bool answering = true;
    for (size_t i = 0; i <= lines.size() && answering; ++i) {
        answering = promptShown(i + 1) && editing();
        std::string typed = i < lines.size() ? lines[i] + "\r" : "\x04";
        if (answering) answering = ::write(terminal, typed.data(), typed.size()) == static_cast<ssize_t>(typed.size());
    }
    if (!answering) ::kill(pid, SIGKILL);
    while (promptShown(SIZE_MAX)) {}  // read to the end, so that the console never blocks writing
    int status = 0;
    for (int waited = 0; ::waitpid(pid, &status, WNOHANG) == 0; ++waited) {
        if (waited == 10000) {
            answering = false;
            ::kill(pid, SIGKILL);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ::close(terminal);
    return answering && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(TarvikVbsBrainTest, ThePromptKeepsItsHistoryBetweenSessions) {
    folder.write("brain.vbs", "Function GetResponse(s, user, computer, level, dir, a, b, c, d, e, f, g, h, i, j)\n"
                              "  GetResponse = s & \" <STOP>\"\nEnd Function\n");
    ASSERT_EQ(session(folder.path("brain.vbs"), folder.path("state"), {"hello", "there"}), 0);
    ASSERT_EQ(session(folder.path("brain.vbs"), folder.path("state"), {"again"}), 0);
    std::string history = folder.read("state/tarvik/brain-history");
    size_t hello = history.find("hello\n"), there = history.find("there\n"), again = history.find("again\n");
    ASSERT_NE(again, std::string::npos) << history;
    EXPECT_LT(hello, there);
    EXPECT_LT(there, again);
}

}  // namespace
