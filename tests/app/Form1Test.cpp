#include "app/Form1.h"

#include "app/ChartWindow.h"
#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QBoxPlotSeries>
#include <QBoxSet>
#include <QLineSeries>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <iostream>

#include "settings/modGlobals.h"
#include "support/FileTable.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/TempFolder.h"

namespace {

using tarvik::testing::MessageRecorder;
using tarvik::testing::TempFolder;

constexpr const char* kSignature =
    "Function GetResponse(Sentence, UserName, ComputerName, LearningLevel, WorkingDir, "
    "A1, A2, A3, A4, A5, A6, A7, A8, A9, A10)\n";

class Form1Test : public ::testing::Test {
protected:
    void SetUp() override {
        settings("CreateCSV=TRUE\r\nCreateLog=TRUE\r\n");
        brain("one.vbs", "GetResponse = \"one:\" & Sentence & \" <STOP>\"\n");
        brain("two.vbs", "WorkingDir = WorkingDir & \"+\"\nGetResponse = \"two:\" & WorkingDir & \" <STOP>\"\n");
        brain("three.vbs", "GetResponse = \"three:\" & Sentence & \" <STOP>\"\n");
    }
    void settings(const std::string& extra) {
        // The first of two equal keys wins, so the test's own values come first.
        folder.write("Tarvik.ini", "[Tarvik]\r\n" + extra + "UserName=Ada\r\nLearningLevel=1\r\nInputFile=input.txt\r\n"
                                   "CSVName=results.csv\r\nLogName=talk.log\r\n" +
                                   "[Brains]\r\nBrain1Name=One\r\nBrain1Script=one.vbs\r\nBrain2Name=Two\r\n"
                                   "Brain2Script=two.vbs\r\nBrain2WorkingDir=/w\r\nBrain3Name=Three\r\n"
                                   "Brain3Script=three.vbs\r\n");
    }
    void brain(const std::string& name, const std::string& body) {
        folder.write(name, std::string(kSignature) + body + "End Function\n");
    }
    // The window, started on the test's settings, with message boxes recorded.
    bool start(const std::string& ini = "") {
        form = std::make_unique<Form1>();
        messages = std::make_unique<MessageRecorder>();
        return form->Load(ini.empty() ? folder.path("Tarvik.ini") : ini);
    }
    void TearDown() override {
        messages.reset();
        form.reset();
    }
    std::vector<std::string> shownTexts() const {
        std::vector<std::string> texts;
        for (const auto& m : messages->shown) texts.push_back(m.text);
        return texts;
    }

    TempFolder folder;
    std::unique_ptr<Form1> form;
    std::unique_ptr<MessageRecorder> messages;
};

TEST_F(Form1Test, StartsWithoutSettingsAsAnEmptyBench) {
    ASSERT_TRUE(start(folder.path("missing/Tarvik.ini")));
    EXPECT_EQ(form->windowTitle(), "Tarvik");
    EXPECT_EQ(form->windowIcon().availableSizes(), (QList<QSize>{{32, 32}, {16, 16}}));
    EXPECT_EQ(form->Command3->text(), "");
    EXPECT_EQ(form->cmdVorli->text(), "");
    EXPECT_EQ(form->Label1->text(), ":");
    EXPECT_EQ(form->Label3->text(), ":");
    EXPECT_EQ(form->Text1->text(), "Type something here!");
    EXPECT_EQ(form->Text2->toPlainText(), "");
    EXPECT_EQ(form->Label4->text(), "Label4");
    EXPECT_EQ(form->cmdAll->text(), "All Responses");
    EXPECT_EQ(form->cmdTextFile->text(), "Read Text");
    EXPECT_EQ(form->mnuEdit->text(), "&Edit INI File");
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(Form1Test, NamesTheButtonsAndLabelsFromTheSettings) {
    ASSERT_TRUE(start());
    EXPECT_EQ(form->Command3->text(), "One");
    EXPECT_EQ(form->Command2->text(), "Two");
    EXPECT_EQ(form->cmdVorli->text(), "Three");
    EXPECT_EQ(form->Label2->text(), "Two:");
}

TEST_F(Form1Test, AStartUpFailureShowsTheStandardMessage) {
    settings("LearningLevel=40000\r\n");
    EXPECT_FALSE(start());
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"LearningLevel=40000 in the settings file " + folder.path("Tarvik.ini") +
                                                     " is out of range: it must be from -32768 to 32767."});
}

TEST_F(Form1Test, ABrainThatDoesNotCompileIsUnavailableAndTheOthersWork) {
    folder.write("three.vbs", "Function GetResponse(\n");
    ASSERT_TRUE(start());
    ASSERT_EQ(messages->shown.size(), 1u);  // named once, at start-up
    EXPECT_NE(messages->shown[0].text.find("Brain 3 (Three, " + folder.path("three.vbs") + "), line 1"), std::string::npos);
    EXPECT_FALSE(form->cmdVorli->isEnabled());
    EXPECT_NE(form->cmdVorli->toolTip().toStdString().find(form->Unavailable(3)), std::string::npos);
    EXPECT_NE(form->Unavailable(3).find("compile error"), std::string::npos);
    EXPECT_TRUE(form->Command3->isEnabled());
    EXPECT_EQ(form->statusText->text(), "Unavailable, its script does not compile: brain 3 (Three)");
    form->Text1->setText("hi");
    form->cmdAll->click();
    EXPECT_EQ(messages->shown.size(), 1u);  // no dialog per click for what start-up said
    QString shown = form->Text2->toPlainText();
    EXPECT_TRUE(shown.startsWith("One: one:hi\nTwo: two:/w+\nThree: [error ")) << shown.toStdString();
    EXPECT_EQ(form->Label6->text(), "");
    EXPECT_FALSE(form->Label4->text().isEmpty());
}

TEST_F(Form1Test, ASingleQueryShowsOneReplyLineAndOneTime) {
    ASSERT_TRUE(start());
    form->Text1->setText("hello");
    form->cmdAll->click();
    form->Command3->click();
    EXPECT_EQ(form->Text2->toPlainText(), "One: one:hello");
    EXPECT_FALSE(form->Label4->text().isEmpty());
    EXPECT_EQ(form->Label5->text(), "");
    EXPECT_EQ(form->Label6->text(), "");
}

TEST_F(Form1Test, AllResponsesShowsAndRecordsEveryBrain) {
    ASSERT_TRUE(start());
    form->Text1->setText("hi");
    form->cmdAll->click();
    EXPECT_EQ(form->Text2->toPlainText(), "One: one:hi\nTwo: two:/w+\nThree: three:hi");
    EXPECT_FALSE(form->Label6->text().isEmpty());
    form->cmdAll->click();  // the working directory the brain assigned is what it gets next
    EXPECT_EQ(form->Text2->toPlainText(), "One: one:hi\nTwo: two:/w++\nThree: three:hi");
    EXPECT_EQ(folder.read("talk.log"), "Sent: hi\r\nOne: one:hi\r\nTwo: two:/w+\r\nThree: three:hi\r\n\r\n"
                                       "Sent: hi\r\nOne: one:hi\r\nTwo: two:/w++\r\nThree: three:hi\r\n\r\n");
    std::string table = folder.read("results.csv");
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 2);
    EXPECT_EQ(std::count(table.begin(), table.end(), ','), 4);
}

TEST_F(Form1Test, NothingIsWrittenWithTheSwitchesOff) {
    settings("CreateCSV=no\r\nCreateLog=\r\n");
    ASSERT_TRUE(start());
    form->cmdAll->click();
    EXPECT_FALSE(std::filesystem::exists(folder.path("results.csv")));
    EXPECT_FALSE(std::filesystem::exists(folder.path("talk.log")));
}

TEST_F(Form1Test, ABatchAnswersEveryUsableLine) {
    folder.write("input.txt", "one\r\n\r\n \r\ntwo\r\nthree");
    ASSERT_TRUE(start());
    form->cmdTextFile->click();
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"Read Text is Finished!"});
    EXPECT_EQ(form->cmdTextFile->text(), "Read Text");
    EXPECT_EQ(form->Text1->text(), "three");
    std::string table = folder.read("results.csv");
    EXPECT_EQ(table.substr(0, table.find("\r\n")), "One,Two,Three");
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 4);
    std::string log = folder.read("talk.log");
    EXPECT_EQ(log.find("Sent: one\r\n"), 0u);
    EXPECT_NE(log.find("Sent: three\r\nOne: one:three\r\n"), std::string::npos);
    EXPECT_EQ(tarvik::FreeFile(), 1);
}

TEST_F(Form1Test, StopDuringABatchEndsItAfterTheCurrentLine) {
    folder.write("input.txt", "one\ntwo\nthree\n");
    ASSERT_TRUE(start());
    QTimer::singleShot(0, form->cmdTextFile, &QPushButton::click);  // arrives while the batch runs
    form->cmdTextFile->click();
    EXPECT_EQ(form->Text1->text(), "one");
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"Read Text is Finished!"});
    EXPECT_EQ(form->cmdTextFile->text(), "Read Text");
    EXPECT_FALSE(form->StopRequested());
    EXPECT_TRUE(form->statusText->text().startsWith("Stopped after 1 of 3 lines")) << form->statusText->text().toStdString();
    EXPECT_TRUE(form->failuresButton->isHidden());
    std::string table = folder.read("results.csv");
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 2);  // header and one row
}

TEST_F(Form1Test, ABrainFailureInABatchCostsOnlyThatAnswerAndIsListed) {
    brain("two.vbs", "If Sentence <> \"one\" Then Err.Raise 13\nGetResponse = \"ok <STOP>\"\n");
    folder.write("input.txt", "one\n\ntwo\nthree\n");
    ASSERT_TRUE(start());
    form->cmdTextFile->click();
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"Read Text is Finished!"});  // no dialog per line
    EXPECT_EQ(form->Progress().Total(), 3);
    EXPECT_EQ(form->Progress().Done(), 3);
    ASSERT_EQ(form->Progress().Failures().size(), 2u);
    const std::string& first = form->Progress().Failures()[0];
    EXPECT_EQ(first.find("Line 2 (\"two\"): Brain 2 (Two"), 0u) << first;
    EXPECT_NE(first.find("Type mismatch"), std::string::npos);
    EXPECT_TRUE(form->statusText->text().startsWith("Read 3 lines")) << form->statusText->text().toStdString();
    EXPECT_TRUE(form->statusText->text().endsWith("2 failures"));
    EXPECT_FALSE(form->failuresButton->isHidden());
    EXPECT_EQ(form->cmdTextFile->text(), "Read Text");
    EXPECT_EQ(tarvik::FreeFile(), 1);  // the input was closed
    std::string table = folder.read("results.csv");
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 4);
    EXPECT_NE(table.find(",,"), std::string::npos) << table;  // brain 2's cell on the second line
    EXPECT_NE(folder.read("talk.log").find("Sent: two\r\nOne: one:two\r\nTwo: [error 13: Type mismatch]\r\nThree: three:two\r\n"),
              std::string::npos);
}

TEST_F(Form1Test, TheChartShowsEachBrainsTimePerLineAndABoxOfAllTimes) {
    brain("two.vbs", "If Sentence = \"b\" Then Err.Raise 5\nGetResponse = \"ok <STOP>\"\n");
    folder.write("input.txt", "a\nb\nc\n");
    ASSERT_TRUE(start());
    form->cmdTextFile->click();
    form->chartButton->click();
    ChartWindow* chart = form->Chart();
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(chart->isVisible());
    EXPECT_EQ(chart->LineSeries(1)->count(), 3);
    EXPECT_EQ(chart->LineSeries(2)->count(), 2);  // no point for the line brain 2 failed on
    EXPECT_EQ(chart->LineSeries(2)->at(1).x(), 3);
    EXPECT_EQ(chart->LineSeries(3)->name(), "Three");
    ASSERT_EQ(chart->Boxes()->count(), 3);
    const auto& times = form->Progress().Times(1);
    double slowest = std::max({times[0].milliseconds, times[1].milliseconds, times[2].milliseconds});
    EXPECT_DOUBLE_EQ(chart->Boxes()->boxSets()[0]->at(QBoxSet::UpperExtreme), slowest);
}

TEST_F(Form1Test, AnObjectForAReplyIsTheBrainsFailureAndTheWindowGoesOn) {
    brain("three.vbs", "Set GetResponse = CreateObject(\"Scripting.Dictionary\")\n");
    ASSERT_TRUE(start());
    form->Text1->setText("hi");
    form->cmdAll->click();
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_NE(messages->shown[0].text.find("Brain 3 (Three"), std::string::npos) << messages->shown[0].text;
    EXPECT_NE(messages->shown[0].text.find("runtime error 450"), std::string::npos);
    EXPECT_EQ(form->Text2->toPlainText().toStdString(),
              "One: one:hi\nTwo: two:/w+\nThree: [error 450: Wrong number of arguments or invalid property assignment]");
    EXPECT_EQ(form->Label6->text(), "");
    std::string table = folder.read("results.csv");
    EXPECT_EQ(table.substr(table.size() - 3), ",\r\n");  // brain 3's cell is empty
    form->cmdVorli->click();  // asked alone: the same line, and its details again
    EXPECT_EQ(form->Text2->toPlainText().toStdString(),
              "Three: [error 450: Wrong number of arguments or invalid property assignment]");
    EXPECT_EQ(messages->shown.size(), 2u);
    form->Command3->click();
    EXPECT_EQ(form->Text2->toPlainText(), "One: one:hi");
}

TEST_F(Form1Test, AMissingInputShowsWhyAndRunsNothing) {
    folder.write("results.csv", "earlier\r\n");
    ASSERT_TRUE(start());
    form->cmdTextFile->click();
    EXPECT_EQ(folder.read("results.csv"), "earlier\r\n");
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"File not foundError 53"});
    EXPECT_EQ(form->cmdTextFile->text(), "Read Text");
    EXPECT_EQ(form->Text2->toPlainText(), "");
}

TEST_F(Form1Test, ATableThatCannotBeOpenedCostsTheRowNotTheRun) {
    settings("CreateCSV=TRUE\r\nCSVName=no/such/folder/results.csv\r\n");
    ASSERT_TRUE(start());
    form->Text1->setText("hi");
    form->cmdAll->click();
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"Path not foundError 76"});
    EXPECT_EQ(form->Text2->toPlainText(), "One: one:hi\nTwo: two:/w+\nThree: three:hi");
}

TEST_F(Form1Test, ClosingDuringABatchKeepsWhatWasWritten) {
    folder.write("input.txt", "one\ntwo\nthree\n");
    ASSERT_TRUE(start());
    form->show();
    QTimer::singleShot(0, form.get(), &Form1::close);
    form->cmdTextFile->click();
    QCoreApplication::processEvents();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(tarvik::FreeFile(), 1);
    std::string table = folder.read("results.csv");
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 2);
}

TEST_F(Form1Test, NothingIsClippedAndLongNamesAreElidedWithTheirFullNameInATooltip) {
    const std::string longName = "A brain with a name far too long for its button and label";
    folder.write("Tarvik.ini", "[Brains]\r\nBrain1Name=" + longName + "\r\nBrain2Name=Two\r\n");
    ASSERT_TRUE(start());
    form->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(form->ClippedTexts(), std::vector<std::string>{});
    EXPECT_TRUE(form->Command3->text().contains(QChar(0x2026)));  // elided in the middle
    EXPECT_EQ(form->Command3->toolTip().toStdString(), longName);
    EXPECT_EQ(form->Label1->toolTip().toStdString(), longName + ":");
    EXPECT_EQ(form->Command2->text(), "Two");
    EXPECT_EQ(form->Command2->toolTip(), "");
    std::cout << "dpi " << form->logicalDpiX() << ", font " << form->font().family().toStdString() << " "
              << form->font().pointSizeF() << " pt, line " << form->fontMetrics().height() << " px, client "
              << form->centralWidget()->width() << "x" << form->centralWidget()->height() << "\n";
}

TEST_F(Form1Test, ResizingGrowsTheTextBoxesAndKeepsTheButtonsAndTableRight) {
    ASSERT_TRUE(start());
    form->show();
    QCoreApplication::processEvents();
    QWidget* client = form->centralWidget();
    QRect text2 = form->Text2->geometry(), text1 = form->Text1->geometry(), all = form->cmdAll->geometry();
    int timeGap = client->height() - form->Label6->geometry().bottom();
    form->resize(form->width() + 100, form->height() + 50);
    QCoreApplication::processEvents();
    EXPECT_EQ(form->cmdAll->geometry(), all.translated(100, 0));
    EXPECT_EQ(client->height() - form->Label6->geometry().bottom(), timeGap);
    EXPECT_EQ(form->Text2->size(), text2.size() + QSize(100, 50));
    EXPECT_EQ(form->Text1->geometry(), text1.translated(0, 50).adjusted(0, 0, 100, 0));
    EXPECT_EQ(form->ClippedTexts(), std::vector<std::string>{});
}

// Answers the message box a brain opens, once it is up, and notes what it showed.
void answerNextMessageBox(std::string& shown, QMessageBox::StandardButton pressed) {
    QTimer::singleShot(0, [&shown, pressed] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        shown = (box->windowTitle() + "|" + box->text()).toStdString();
        box->button(pressed)->click();
    });
}

TEST_F(Form1Test, ABrainsMsgBoxIsADialogAndItsAnswerComesBack) {
    brain("one.vbs", "GetResponse = MsgBox(\"Save \" & Sentence & \"?\", vbYesNo + vbQuestion, \"Brain\") & \" <STOP>\"\n");
    ASSERT_TRUE(start());
    form->Text1->setText("it");
    std::string shown;
    answerNextMessageBox(shown, QMessageBox::No);
    form->Command3->click();
    EXPECT_EQ(shown, "Brain|Save it?");
    EXPECT_EQ(form->Text2->toPlainText(), "One: 7");  // vbNo
}

TEST(DialogHost, MapsMsgBoxButtonGroupsAndAnswers) {
    using B = QMessageBox::StandardButton;
    EXPECT_EQ(DialogHost::ButtonsFor(0), QMessageBox::StandardButtons(B::Ok));
    EXPECT_EQ(DialogHost::ButtonsFor(3 + 32 + 256), B::Yes | B::No | B::Cancel);  // vbYesNoCancel + icon + default
    EXPECT_EQ(DialogHost::ButtonsFor(5), B::Retry | B::Cancel);
    EXPECT_EQ(DialogHost::AnswerFor(B::Ok), 1);
    EXPECT_EQ(DialogHost::AnswerFor(B::Ignore), 5);
    EXPECT_EQ(DialogHost::AnswerFor(B::No), 7);
}

TEST_F(Form1Test, EditIniFileStartsTheEditorOrSaysWhichVariableToSet) {
    ASSERT_TRUE(start());
    qputenv("VISUAL", "true");
    form->mnuEdit->trigger();
    EXPECT_TRUE(messages->shown.empty());
    qputenv("VISUAL", "/no/such/editor");
    form->mnuEdit->trigger();
    ASSERT_EQ(messages->shown.size(), 1u);
    const std::string& text = messages->shown[0].text;
    EXPECT_NE(text.find("/no/such/editor (named by VISUAL) could not be started"), std::string::npos) << text;
    EXPECT_NE(text.find(folder.path("Tarvik.ini")), std::string::npos);
    qunsetenv("VISUAL");
}

TEST(WindowOptions, TakeTheSettingsPathAndLeaveTheRestToQt) {
    const char* line[] = {"tarvik", "--ini", "a.ini", "-platform", "offscreen"};
    tarvik::WindowOptions options = tarvik::ParseWindowOptions(5, line);
    EXPECT_EQ(options.ini, "a.ini");
    EXPECT_EQ(options.forQt, (std::vector<std::string>{"tarvik", "-platform", "offscreen"}));
    const char* joined[] = {"tarvik", "--ini=b.ini", "--help"};
    options = tarvik::ParseWindowOptions(3, joined);
    EXPECT_EQ(options.ini, "b.ini");
    EXPECT_TRUE(options.help);
    const char* missing[] = {"tarvik", "--ini"};
    EXPECT_EQ(tarvik::ParseWindowOptions(2, missing).error, "--ini needs a settings file path");
    const char* unknown[] = {"tarvik", "--inii", "x"};
    EXPECT_EQ(tarvik::ParseWindowOptions(3, unknown).error, "unknown option --inii");
}

}  // namespace

int main(int argc, char** argv) {
    // No display here: CI has none.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
