#include <gtest/gtest.h>

#include <filesystem>

#include "support/FileTable.h"
#include "support/modFile.h"
#include "tests/support/FailureNumberOf.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/TempFolder.h"

namespace modFile {
namespace {

using tarvik::testing::MessageRecorder;
using tarvik::testing::TempFolder;

class OpenFileTest : public ::testing::Test {
protected:
    // Closes whatever a test left open so every test starts numbering at 1.
    void TearDown() override {
        for (std::int16_t number = 1; number <= 8; ++number) CloseFile(number);
    }

    TempFolder folder;
    MessageRecorder messages;
};

TEST_F(OpenFileTest, HandsOutTheLowestFreeNumber) {
    std::string path = folder.write("a.txt", "x");
    EXPECT_EQ(OpenFile(path, "I"), 1);
    EXPECT_EQ(OpenFile(path, "I"), 2);
    EXPECT_EQ(OpenFile(path, "I"), 3);
    CloseFile(2);
    EXPECT_EQ(OpenFile(path, "I"), 2);
    CloseFile(1);
    EXPECT_EQ(OpenFile(folder.path("new.txt"), "O"), 1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(OpenFileTest, AnUnknownOrLowerCaseLetterOpensNothingAndKeepsTheNumberFree) {
    std::string path = folder.path("never.txt");
    EXPECT_EQ(OpenFile(path, "o"), 1);
    EXPECT_EQ(OpenFile(path, "o"), 1);
    EXPECT_EQ(OpenFile(path, "i"), 1);
    EXPECT_EQ(OpenFile(path, "X"), 1);
    EXPECT_EQ(OpenFile(path, ""), 1);
    EXPECT_EQ(OpenFile(path, "OO"), 1);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(tarvik::testing::FailureNumberOf([] { tarvik::LineInput(1); }), tarvik::BadFileNameOrNumber);
}

TEST_F(OpenFileTest, AMissingFileShowsDescriptionThenErrorAndNumber) {
    EXPECT_EQ(OpenFile(folder.path("missing.txt"), "I"), 0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "File not foundError 53");
    EXPECT_EQ(messages.shown[0].title, "Tarvik");
}

TEST_F(OpenFileTest, AMissingFolderIsPathNotFoundInEveryMode) {
    for (const char* mode : {"I", "O", "A", "B", "R"}) {
        EXPECT_EQ(OpenFile(folder.path("nowhere/file.txt"), mode), 0) << mode;
    }
    ASSERT_EQ(messages.shown.size(), 5u);
    for (const auto& shown : messages.shown) EXPECT_EQ(shown.text, "Path not foundError 76");
}

TEST_F(OpenFileTest, AFolderCannotBeOpenedAsAFile) {
    EXPECT_EQ(OpenFile(folder.path(), "I"), 0);
    EXPECT_EQ(OpenFile(folder.path(), "O"), 0);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, "Path/File access errorError 75");
}

TEST_F(OpenFileTest, AnEmptyNameIsABadFileName) {
    EXPECT_EQ(OpenFile("", "O"), 0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Bad file name or numberError 52");
}

TEST_F(OpenFileTest, OutputEmptiesAnExistingFile) {
    std::string path = folder.write("table.csv", "old header\r\nold row\r\n");
    std::int16_t number = OpenFile(path, "O");
    ASSERT_EQ(number, 1);
    CloseFile(number);
    EXPECT_EQ(folder.read("table.csv"), "");
}

TEST_F(OpenFileTest, AppendKeepsTheContentAndWritesAfterIt) {
    std::string path = folder.write("log.txt", "first\r\n");
    std::int16_t number = OpenFile(path, "A");
    tarvik::PrintLine(number, "second");
    CloseFile(number);
    number = OpenFile(path, "A");
    tarvik::PrintText(number, "third");
    CloseFile(number);
    EXPECT_EQ(folder.read("log.txt"), "first\r\nsecond\r\nthird");
}

TEST_F(OpenFileTest, OutputAppendBinaryAndRandomCreateAMissingFile) {
    for (const char* mode : {"O", "A", "B", "R"}) {
        std::string path = folder.path(std::string("created-") + mode);
        std::int16_t number = OpenFile(path, mode);
        EXPECT_EQ(number, 1) << mode;
        CloseFile(number);
        EXPECT_TRUE(std::filesystem::is_regular_file(path)) << mode;
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(OpenFileTest, BinaryKeepsAnExistingFile) {
    std::string path = folder.write("data.bin", "keep me");
    CloseFile(OpenFile(path, "B"));
    CloseFile(OpenFile(path, "R"));
    EXPECT_EQ(folder.read("data.bin"), "keep me");
}

TEST_F(OpenFileTest, AFileBeingWrittenCannotBeOpenedAgain) {
    std::string path = folder.write("busy.txt", "content");
    ASSERT_EQ(OpenFile(path, "A"), 1);
    EXPECT_EQ(OpenFile(path, "O"), 0);
    EXPECT_EQ(OpenFile(path, "I"), 0);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, "File already openError 55");
    // The refused "O" must not have emptied it.
    CloseFile(1);
    EXPECT_EQ(folder.read("busy.txt"), "content");
}

TEST_F(OpenFileTest, AFileBeingReadCannotBeEmptiedButCanBeReadTwice) {
    std::string path = folder.write("input.txt", "line\r\n");
    ASSERT_EQ(OpenFile(path, "I"), 1);
    EXPECT_EQ(OpenFile(path, "I"), 2);
    EXPECT_EQ(OpenFile(path, "O"), 0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "File already openError 55");
}

TEST_F(OpenFileTest, ClosingANumberThatIsNotOpenDoesNothing) {
    EXPECT_NO_THROW(CloseFile(0));
    EXPECT_NO_THROW(CloseFile(7));
    EXPECT_NO_THROW(CloseFile(-1));
}

}  // namespace
}  // namespace modFile
