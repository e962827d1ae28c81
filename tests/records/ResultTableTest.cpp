#include "records/ResultTable.h"

#include <gtest/gtest.h>

#include "records/modLog.h"
#include "settings/modGlobals.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/TempFolder.h"

namespace tarvik {
namespace {

using testing::MessageRecorder;
using testing::TempFolder;

class RecordsTest : public ::testing::Test {
protected:
    void SetUp() override {
        modGlobals::Brain1Name = "Rules";
        modGlobals::Brain2Name = "Learner";
        modGlobals::Brain3Name = "Echo";
        modGlobals::IniPath = folder.path("Tarvik.ini");
    }
    TempFolder folder;
    MessageRecorder messages;
};

TEST_F(RecordsTest, HeaderNamesTheBrainsInOrderAndQuotesWhatWouldSplitAField) {
    EXPECT_EQ(ResultTableHeader(), "Rules,Learner,Echo");
    modGlobals::Brain1Name = modGlobals::Brain2Name = modGlobals::Brain3Name = "";
    EXPECT_EQ(ResultTableHeader(), ",,");
    modGlobals::Brain1Name = "Smith, John";
    modGlobals::Brain2Name = "The \"Best\"";
    EXPECT_EQ(ResultTableHeader(), "\"Smith, John\",\"The \"\"Best\"\"\",");
}

TEST_F(RecordsTest, RowsUseTheGeneralFormWithAPointWhateverTheLocale) {
    EXPECT_EQ(ResultTableRow({2.5, 0.0123, 1234.5678}), "2.5,0.0123,1234.5678");
    EXPECT_EQ(ResultTableRow({3, 1.0 / 3, 0}), "3,0.333333333333333,0");
}

TEST_F(RecordsTest, ABrainWithoutATimeLeavesItsCellEmpty) {
    EXPECT_EQ(ResultTableRow({0.0123, std::nullopt, 0.0456}), "0.0123,,0.0456");
    EXPECT_EQ(ResultTableRow({std::nullopt, std::nullopt, std::nullopt}), ",,");
}

TEST_F(RecordsTest, AppendLineAddsToWhatTheFileHoldsWithCrLf) {
    std::string table = folder.write("results.csv", "a,b,c\r\n");
    AppendLine(table, "1,2,3");
    AppendLine(table, "4,5,6");
    EXPECT_EQ(folder.read("results.csv"), "a,b,c\r\n1,2,3\r\n4,5,6\r\n");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(RecordsTest, HeaderEmptiesTheTableFirst) {
    std::string table = folder.write("results.csv", "old,rows\r\n1,2,3\r\n");
    WriteResultTableHeader(table);
    EXPECT_EQ(folder.read("results.csv"), "Rules,Learner,Echo\r\n");
}

TEST_F(RecordsTest, ATableThatCannotBeOpenedShowsTheMessageAndSkipsTheRow) {
    AppendLine(folder.path("missing-folder/results.csv"), "1,2,3");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("Error 76"), std::string::npos);
}

TEST_F(RecordsTest, LogEntriesAreTheSentenceTheRepliesAndAnEmptyLine) {
    modGlobals::LogName = "conversation.log";  // relative: beside the settings file
    std::string body = "Rules: Hi.\r\nLearner: \r\nEcho: Hello\r\n";
    EXPECT_TRUE(modLog::WriteLog("Sent: Hello", body));
    EXPECT_TRUE(modLog::WriteLog("Sent: Again", body));
    EXPECT_EQ(folder.read("conversation.log"),
              "Sent: Hello\r\n" + body + "\r\n" + "Sent: Again\r\n" + body + "\r\n");
}

TEST_F(RecordsTest, ALogThatCannotBeOpenedReportsFalseWithoutFailing) {
    modGlobals::LogName = folder.path("no/such/folder/conversation.log");
    EXPECT_FALSE(modLog::WriteLog("Sent: Hello", "body\r\n"));
    EXPECT_EQ(messages.shown.size(), 1u);
}

}  // namespace
}  // namespace tarvik
