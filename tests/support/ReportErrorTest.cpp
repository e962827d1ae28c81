#include "support/modErrors.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "support/modFile.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/TempFolder.h"

namespace modErrors {
namespace {

class ReportErrorTest : public ::testing::Test {
protected:
    ReportErrorTest() { ErrorLogName = folder.path("errors.log"); }
    ~ReportErrorTest() override { ErrorLogName.clear(); }

    tarvik::testing::TempFolder folder;
    tarvik::testing::MessageRecorder messages;
};

TEST_F(ReportErrorTest, WithBothSwitchesOffDoesNothingAtAll) {
    std::int16_t off = 0;
    ReportError("Unable to open INI File", "/x/Tarvik.ini not found.", off, off);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(std::filesystem::exists(ErrorLogName));
}

TEST_F(ReportErrorTest, TheProgramsOwnSwitchesStartOff) {
    ReportError("d", "r", modFile::ReportToLog, modFile::ReportToScreen);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(std::filesystem::exists(ErrorLogName));
}

TEST_F(ReportErrorTest, OnlyMinusOneSwitchesOn) {
    std::int16_t one = 1;
    std::int16_t minusTwo = -2;
    ReportError("d", "r", one, minusTwo);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(std::filesystem::exists(ErrorLogName));
}

TEST_F(ReportErrorTest, ScreenSwitchShowsTheReportTitledError) {
    std::int16_t off = 0;
    std::int16_t on = -1;
    ReportError("Unable to open INI File", "a.ini not found.", off, on);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Error");
    EXPECT_EQ(messages.shown[0].text, "Error!!\nDescription: Unable to open INI File\nReason: a.ini not found.");
    EXPECT_FALSE(std::filesystem::exists(ErrorLogName));
}

TEST_F(ReportErrorTest, LogSwitchAppendsADatedLine) {
    folder.write("errors.log", "earlier\r\n");
    std::int16_t on = -1;
    std::int16_t off = 0;
    ReportError("Unable to open INI File", "a.ini not found.", on, off);
    ReportError("second", "why", on, off);
    EXPECT_TRUE(messages.shown.empty());
    std::regex expected(
        "earlier\r\n"
        "\\d{1,2}/\\d{1,2}/\\d{4}( \\d{1,2}:\\d\\d:\\d\\d [AP]M)?\tDescription: Unable to open INI File\tReason: a.ini not found.\r\n"
        "\\d{1,2}/\\d{1,2}/\\d{4}( \\d{1,2}:\\d\\d:\\d\\d [AP]M)?\tDescription: second\tReason: why\r\n");
    EXPECT_TRUE(std::regex_match(folder.read("errors.log"), expected)) << folder.read("errors.log");
}

TEST_F(ReportErrorTest, ALogThatCannotBeOpenedShowsOnlyTheOpenMessage) {
    ErrorLogName = folder.path("nowhere/errors.log");
    std::int16_t on = -1;
    std::int16_t off = 0;
    ReportError("d", "r", on, off);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Path not foundError 76");
}

}  // namespace
}  // namespace modErrors
