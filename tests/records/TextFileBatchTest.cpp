#include "records/TextFileBatch.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "settings/modGlobals.h"
#include "support/FileTable.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/TempFolder.h"

namespace tarvik {
namespace {

using testing::MessageRecorder;
using testing::TempFolder;

// Stands in for the window: records what the batch sends and when it ended.
class FakeWindow : public BatchWindow {
public:
    bool StopRequested() const override { return stop; }
    void SetStopRequested(bool value) override { stop = value; }
    void SetText1(const std::string& sentence) override { text1 = sentence; }
    void RunAllBrains() override {
        sent.push_back(text1);
        if (onRun) onRun();
    }
    void ProcessPendingEvents() override { ++eventRounds; }
    void BatchEnded() override { ++ended; }
    void BatchStarted(int lines) override { usableLines = lines; }
    void BatchFinished(bool wasStopped) override { finished.push_back(wasStopped); }

    bool stop = false;
    std::string text1;
    std::vector<std::string> sent;
    std::function<void()> onRun;
    int eventRounds = 0;
    int ended = 0;
    int usableLines = -1;
    std::vector<bool> finished;  // one entry per finished batch: whether a stop ended it
};

class BatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        modGlobals::IniPath = folder.path("Tarvik.ini");
        modGlobals::InputFile = "input.txt";
        modGlobals::CSVName = "results.csv";
        modGlobals::CreateCSV = -1;
        modGlobals::LogName = "talk.log";
        modGlobals::CreateLog = 0;
        modGlobals::Brain1Name = "A";
        modGlobals::Brain2Name = "B";
        modGlobals::Brain3Name = "C";
    }
    bool finishedShown() const {
        for (const auto& m : messages.shown) {
            if (m.text == "Read Text is Finished!" && m.title == "Tarvik") return true;
        }
        return false;
    }
    TempFolder folder;
    MessageRecorder messages;
    FakeWindow window;
};

TEST_F(BatchTest, SendsEveryUsableLineAfterAFreshHeader) {
    folder.write("results.csv", "old\r\n");
    folder.write("input.txt", "one\r\n\r\n \r\n  \r\n\t\nlast without end");
    DoTextFile(window);
    EXPECT_EQ(window.sent, (std::vector<std::string>{"one", "  ", "\t", "last without end"}));
    EXPECT_EQ(folder.read("results.csv"), "A,B,C\r\n");
    EXPECT_TRUE(finishedShown());
    EXPECT_EQ(window.ended, 1);  // the button reads "Read Text" again
    EXPECT_EQ(window.eventRounds, 4 * 2 + 2);  // twice per sent line, once per skipped one
    EXPECT_EQ(window.usableLines, 4);
    EXPECT_EQ(window.finished, std::vector<bool>{false});
    EXPECT_EQ(FreeFile(), 1);    // the input was closed
}

TEST_F(BatchTest, TheLogExistsFromTheStart) {
    modGlobals::CreateLog = -1;
    folder.write("input.txt", "one\n");
    DoTextFile(window);
    EXPECT_TRUE(std::filesystem::exists(folder.path("talk.log")));
}

TEST_F(BatchTest, ARecordThatCannotBeWrittenKeepsTheBatchFromStarting) {
    std::filesystem::create_directory(folder.path("results.csv"));
    folder.write("input.txt", "one\n");
    DoTextFile(window);
    EXPECT_TRUE(window.sent.empty());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Read Text cannot start: the result table cannot be written: " + folder.path("results.csv") + ": Is a directory.");
    EXPECT_EQ(window.ended, 1);
    EXPECT_EQ(FreeFile(), 1);
}

TEST_F(BatchTest, ABinaryInputIsRefusedAndTheTableKept) {
    folder.write("results.csv", "earlier\r\n");
    folder.write("input.txt", std::string("one\0two\n", 8));
    DoTextFile(window);
    EXPECT_TRUE(window.sent.empty());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Read Text cannot start: the input file " + folder.path("input.txt") +
                                          " holds NUL bytes: it is a binary file, not text.");
    EXPECT_EQ(folder.read("results.csv"), "earlier\r\n");
    EXPECT_EQ(window.ended, 1);
}

TEST_F(BatchTest, NoHeaderWhenTheTableIsSwitchedOff) {
    modGlobals::CreateCSV = 0;
    folder.write("input.txt", "one\n");
    DoTextFile(window);
    EXPECT_EQ(window.sent.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(folder.path("results.csv")));
}

TEST_F(BatchTest, AStopRequestedBeforehandDoesNothing) {
    window.stop = true;
    folder.write("input.txt", "one\n");
    DoTextFile(window);
    EXPECT_TRUE(window.sent.empty());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(window.stop);
}

TEST_F(BatchTest, StoppingFinishesTheCurrentLineThenEnds) {
    folder.write("input.txt", "one\ntwo\nthree\n");
    window.onRun = [&] { window.stop = true; };  // the Stop click arrives during the first run
    DoTextFile(window);
    EXPECT_EQ(window.sent, std::vector<std::string>{"one"});
    EXPECT_EQ(window.usableLines, 3);
    EXPECT_EQ(window.finished, std::vector<bool>{true});
    EXPECT_TRUE(finishedShown());
    EXPECT_FALSE(window.stop);
    EXPECT_EQ(FreeFile(), 1);
}

TEST_F(BatchTest, AnEmptyInputFinishesWithoutARun) {
    folder.write("input.txt", "");
    DoTextFile(window);
    EXPECT_TRUE(window.sent.empty());
    EXPECT_TRUE(finishedShown());
    EXPECT_EQ(window.ended, 1);
}

TEST_F(BatchTest, AMissingInputShowsTheOpenFileMessageAndEndsWithoutARun) {
    folder.write("results.csv", "earlier\r\n");
    DoTextFile(window);
    EXPECT_EQ(folder.read("results.csv"), "earlier\r\n");  // a batch that cannot start empties nothing
    EXPECT_TRUE(window.sent.empty());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "File not foundError 53");
    EXPECT_EQ(window.ended, 1);
}

TEST_F(BatchTest, AFailingRunClosesTheInputRestoresTheButtonAndPassesTheFailureOn) {
    folder.write("input.txt", "one\ntwo\n");
    window.onRun = [] { throw std::runtime_error("brain failed"); };
    EXPECT_THROW(DoTextFile(window), std::runtime_error);
    EXPECT_EQ(window.sent.size(), 1u);
    EXPECT_EQ(window.ended, 1);
    EXPECT_TRUE(window.finished.empty());
    EXPECT_FALSE(finishedShown());
    EXPECT_EQ(FreeFile(), 1);
}

TEST(UsableLine, OnlyEmptyAndSingleBlankLinesAreSkipped) {
    EXPECT_FALSE(IsUsableLine(""));
    EXPECT_FALSE(IsUsableLine(" "));
    EXPECT_TRUE(IsUsableLine("  "));
    EXPECT_TRUE(IsUsableLine("\t"));
    EXPECT_TRUE(IsUsableLine("x"));
}

}  // namespace
}  // namespace tarvik
