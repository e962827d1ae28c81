#include "support/FileTable.h"

#include <gtest/gtest.h>

#include "tests/support/FailureNumberOf.h"
#include "tests/support/TempFolder.h"

namespace tarvik {
namespace {

using testing::FailureNumberOf;
using testing::TempFolder;

class FileTableTest : public ::testing::Test {
protected:
    void TearDown() override {
        CloseNumbered(1);
        CloseNumbered(2);
    }

    // Opens the bytes as input number 1.
    void openInput(const std::string& bytes) { OpenNumbered(folder.write("in.txt", bytes), FileMode::Input, 1); }

    std::vector<std::string> readAllLines() {
        std::vector<std::string> lines;
        while (!AtEndOfFile(1)) lines.push_back(LineInput(1));
        return lines;
    }

    TempFolder folder;
};

using Lines = std::vector<std::string>;

TEST_F(FileTableTest, ReadsLinesEndingInLfOrCrLfWithoutTheirEnds) {
    openInput("one\r\ntwo\nthree\r\n");
    EXPECT_EQ(readAllLines(), (Lines{"one", "two", "three"}));
}

TEST_F(FileTableTest, ReadsALastLineWithoutALineEnd) {
    openInput("one\r\nlast");
    EXPECT_EQ(readAllLines(), (Lines{"one", "last"}));
}

TEST_F(FileTableTest, KeepsBlankLinesAndBlanksInsideLines) {
    openInput("\r\n \r\n\n  padded  \r\n");
    EXPECT_EQ(readAllLines(), (Lines{"", " ", "", "  padded  "}));
}

TEST_F(FileTableTest, ACarriageReturnAloneEndsALineToo) {
    openInput("a\rb\r\nc\r");
    EXPECT_EQ(readAllLines(), (Lines{"a", "b", "c"}));
    CloseNumbered(1);
    openInput("\r\r\nd\n\re");  // an empty line, another, d, another empty one, e
    EXPECT_EQ(readAllLines(), (Lines{"", "", "d", "", "e"}));
}

TEST_F(FileTableTest, ReadingPastTheEndFailsWithInputPastEndOfFile) {
    openInput("only\r\n");
    EXPECT_EQ(LineInput(1), "only");
    EXPECT_TRUE(AtEndOfFile(1));
    EXPECT_EQ(FailureNumberOf([] { LineInput(1); }), InputPastEndOfFile);
}

TEST_F(FileTableTest, AnEmptyFileIsAtItsEndAtOnce) {
    openInput("");
    EXPECT_TRUE(AtEndOfFile(1));
    EXPECT_EQ(FailureNumberOf([] { LineInput(1); }), InputPastEndOfFile);
}

TEST_F(FileTableTest, InputLinesAreDecodedAsText) {
    openInput("\xEF\xBB\xBFhello \xC3\xA9\r\n");
    EXPECT_EQ(LineInput(1), "hello \xC3\xA9");
    CloseNumbered(1);
    openInput("caf\xE9\r\n\x80 10\r\n");
    EXPECT_EQ(readAllLines(), (Lines{"caf\xC3\xA9", "\xE2\x82\xAC 10"}));
}

TEST_F(FileTableTest, NumberZeroOrAnUnopenedNumberIsABadFileNumber) {
    EXPECT_EQ(FailureNumberOf([] { LineInput(0); }), BadFileNameOrNumber);
    EXPECT_EQ(FailureNumberOf([] { LineInput(3); }), BadFileNameOrNumber);
    EXPECT_EQ(FailureNumberOf([] { AtEndOfFile(0); }), BadFileNameOrNumber);
    EXPECT_EQ(FailureNumberOf([] { PrintLine(0, "row"); }), BadFileNameOrNumber);
    EXPECT_EQ(FailureNumberOf([] { OpenNumbered("/tmp/x", FileMode::Input, 0); }), BadFileNameOrNumber);
}

TEST_F(FileTableTest, ReadingAnOutputFileOrWritingAnInputFileIsABadFileMode) {
    openInput("text");
    OpenNumbered(folder.path("out.txt"), FileMode::Output, 2);
    EXPECT_EQ(FailureNumberOf([] { PrintText(1, "x"); }), BadFileMode);
    EXPECT_EQ(FailureNumberOf([] { LineInput(2); }), BadFileMode);
    EXPECT_EQ(FailureNumberOf([] { AtEndOfFile(2); }), BadFileMode);
}

TEST_F(FileTableTest, ANumberInUseCannotBeOpenedAgain) {
    openInput("text");
    EXPECT_EQ(FailureNumberOf([this] { OpenNumbered(folder.path("other.txt"), FileMode::Output, 1); }),
              FileAlreadyOpen);
}

TEST_F(FileTableTest, WritesLinesWithCrLfAndTextAsUtf8) {
    OpenNumbered(folder.path("out.txt"), FileMode::Output, 1);
    PrintLine(1, "Sent: hello");
    PrintText(1, "caf\xC3\xA9");
    PrintLine(1, "");
    CloseNumbered(1);
    EXPECT_EQ(folder.read("out.txt"), "Sent: hello\r\ncaf\xC3\xA9\r\n");
}

TEST_F(FileTableTest, TheNumbersRunOutAfter255) {
    std::string path = folder.write("shared.txt", "");
    for (std::int16_t number = 1; number <= 255; ++number) OpenNumbered(path, FileMode::Input, number);
    EXPECT_EQ(FailureNumberOf([] { FreeFile(); }), TooManyFiles);
    CloseNumbered(128);
    EXPECT_EQ(FreeFile(), 128);
    for (std::int16_t number = 1; number <= 255; ++number) CloseNumbered(number);
    EXPECT_EQ(FreeFile(), 1);
}

}  // namespace
}  // namespace tarvik
