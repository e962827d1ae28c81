#include "settings/modINI.h"

#include <gtest/gtest.h>

#include "tests/support/MessageRecorder.h"
#include "tests/support/TempFolder.h"

namespace modINI {
namespace {

class GetIniValueTest : public ::testing::Test {
protected:
    std::string value(const std::string& fileText, const std::string& section, const std::string& key) {
        return GetIniValue(folder.write("Tarvik.ini", fileText), section, key);
    }

    tarvik::testing::TempFolder folder;
    tarvik::testing::MessageRecorder messages;
};

TEST_F(GetIniValueTest, AMissingFileReadsAsEmptySilently) {
    EXPECT_EQ(GetIniValue(folder.path("Tarvik.ini"), "Tarvik", "UserName"), "");
    EXPECT_EQ(GetIniValue(folder.path("nowhere/Tarvik.ini"), "Brains", "Brain1Name"), "");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(GetIniValueTest, ReadsTheValueOfAKeyInItsSection) {
    std::string ini = "[Tarvik]\r\nUserName=Ann\r\nComputerName=Box\r\n[Brains]\r\nBrain1Name=Hal\r\n";
    EXPECT_EQ(value(ini, "Tarvik", "UserName"), "Ann");
    EXPECT_EQ(value(ini, "Tarvik", "ComputerName"), "Box");
    EXPECT_EQ(value(ini, "Brains", "Brain1Name"), "Hal");
}

TEST_F(GetIniValueTest, AnAbsentOrEmptyKeyReadsAsEmpty) {
    std::string ini = "[Tarvik]\nUserName=\nComputerName=   \n[Brains]\nBrain1Name=Hal\n";
    EXPECT_EQ(value(ini, "Tarvik", "UserName"), "");
    EXPECT_EQ(value(ini, "Tarvik", "ComputerName"), "");
    EXPECT_EQ(value(ini, "Tarvik", "LogName"), "");
    EXPECT_EQ(value(ini, "Missing", "UserName"), "");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(GetIniValueTest, FindsKeysOnlyInTheirOwnSection) {
    std::string ini = "Brain1Name=before any section\n[Tarvik]\nBrain1Name=wrong\n[Brains]\nUserName=wrong\n";
    EXPECT_EQ(value(ini, "Brains", "Brain1Name"), "");
    EXPECT_EQ(value(ini, "Tarvik", "UserName"), "");
    EXPECT_EQ(value(ini, "Tarvik", "Brain1Name"), "wrong");
}

TEST_F(GetIniValueTest, IgnoresCaseOfSectionAndKeyButKeepsTheValuesCase) {
    std::string ini = "[TARVIK]\nusername=Ann Smith\n[brains]\nBRAIN1NAME=Hal\n";
    EXPECT_EQ(value(ini, "Tarvik", "UserName"), "Ann Smith");
    EXPECT_EQ(value(ini, "Brains", "Brain1Name"), "Hal");
}

TEST_F(GetIniValueTest, IgnoresBlanksAroundKeyEqualsAndValue) {
    std::string ini = "  [ Tarvik ]  \n  UserName \t=\t  Ann  Smith  \nLogName=log.txt\t\n";
    EXPECT_EQ(value(ini, "Tarvik", "UserName"), "Ann  Smith");
    EXPECT_EQ(value(ini, "Tarvik", "LogName"), "log.txt");
}

TEST_F(GetIniValueTest, KeepsEverythingAfterTheFirstEquals) {
    EXPECT_EQ(value("[Tarvik]\nUserName=a=b ; not a comment\n", "Tarvik", "UserName"), "a=b ; not a comment");
}

TEST_F(GetIniValueTest, RemovesOneMatchingPairOfQuotes) {
    std::string ini =
        "[Tarvik]\n"
        "UserName=\"  Ann  \"\n"
        "ComputerName='Box'\n"
        "InputFile=\"mixed'\n"
        "CSVName=\"\n"
        "LogName=\"\"quoted\"\"\n"
        "CreateCSV=it's \"fine\"\n";
    EXPECT_EQ(value(ini, "Tarvik", "UserName"), "  Ann  ");
    EXPECT_EQ(value(ini, "Tarvik", "ComputerName"), "Box");
    EXPECT_EQ(value(ini, "Tarvik", "InputFile"), "\"mixed'");
    EXPECT_EQ(value(ini, "Tarvik", "CSVName"), "\"");
    EXPECT_EQ(value(ini, "Tarvik", "LogName"), "\"quoted\"");
    EXPECT_EQ(value(ini, "Tarvik", "CreateCSV"), "it's \"fine\"");
}

TEST_F(GetIniValueTest, SkipsCommentLines) {
    std::string ini = "; settings\n[Tarvik]\n;UserName=commented\n  ; ComputerName=also\nUserName=Ann\n";
    EXPECT_EQ(value(ini, "Tarvik", "UserName"), "Ann");
    EXPECT_EQ(value(ini, "Tarvik", "ComputerName"), "");
    EXPECT_EQ(value(ini, "Tarvik", ";UserName"), "");
}

TEST_F(GetIniValueTest, TheFirstMatchingSectionAndKeyWin) {
    std::string ini = "[Tarvik]\nUserName=first\nusername=second\n[Brains]\n[tarvik]\nUserName=third\nLogName=late\n";
    EXPECT_EQ(value(ini, "Tarvik", "UserName"), "first");
    EXPECT_EQ(value(ini, "Tarvik", "LogName"), "");
}

TEST_F(GetIniValueTest, ReadsCrLfAndLfFilesAndALastLineWithoutEnd) {
    EXPECT_EQ(value("[Tarvik]\r\nUserName=Ann\r\n", "Tarvik", "UserName"), "Ann");
    EXPECT_EQ(value("[Tarvik]\nUserName=Ann\n", "Tarvik", "UserName"), "Ann");
    EXPECT_EQ(value("[Tarvik]\r\nUserName=Ann", "Tarvik", "UserName"), "Ann");
}

TEST_F(GetIniValueTest, ReadsUtf8AndWindows1252Files) {
    EXPECT_EQ(value("\xEF\xBB\xBF[Tarvik]\r\nUserName=Ren\xC3\xA9\r\n", "Tarvik", "UserName"), "Ren\xC3\xA9");
    EXPECT_EQ(value("[Tarvik]\r\nUserName=Ren\xE9\r\n", "Tarvik", "UserName"), "Ren\xC3\xA9");
}

TEST_F(GetIniValueTest, CutsValuesTo254Characters) {
    std::string exact(254, 'x');
    std::string longer = std::string(254, 'y') + std::string(46, 'z');
    std::string ini = "[Tarvik]\nUserName=" + exact + "\nComputerName=" + longer + "\n";
    EXPECT_EQ(value(ini, "Tarvik", "UserName"), exact);
    EXPECT_EQ(value(ini, "Tarvik", "ComputerName"), std::string(254, 'y'));
}

TEST_F(GetIniValueTest, CountsCharactersNotBytesWhenCutting) {
    std::string e = "\xC3\xA9";
    std::string euro = "\xE2\x82\xAC";
    std::string accented;
    for (int i = 0; i < 300; ++i) accented += e;
    std::string expected;
    for (int i = 0; i < 254; ++i) expected += e;
    std::string ini = "[Tarvik]\nUserName=" + accented + "\nComputerName=" + std::string(253, 'a') + euro + euro + "\n";
    EXPECT_EQ(value(ini, "Tarvik", "UserName"), expected);
    EXPECT_EQ(value(ini, "Tarvik", "ComputerName"), std::string(253, 'a') + euro);
}

TEST_F(GetIniValueTest, CutsAfterRemovingQuotes) {
    std::string inner(254, 'q');
    EXPECT_EQ(value("[Tarvik]\nUserName=\"" + inner + "\"\n", "Tarvik", "UserName"), inner);
}

}  // namespace
}  // namespace modINI
