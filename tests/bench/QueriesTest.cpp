#include "bench/Queries.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "records/ResultTable.h"
#include "settings/modGlobals.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/TempFolder.h"

namespace tarvik {
namespace {

using testing::MessageRecorder;
using testing::TempFolder;

TEST(ReplyReduction, TakesTheTextBeforeTheFirstMarkerTrimmed) {
    EXPECT_EQ(ReplyReduction(vbs::Value(u"Some words <STOP>")), "Some words");
    EXPECT_EQ(ReplyReduction(vbs::Value(u"   two  words   <STO more")), "two  words");
    EXPECT_EQ(ReplyReduction(vbs::Value(u"first <STO second <STO third")), "first");
    EXPECT_EQ(ReplyReduction(vbs::Value(u"<STOP> at the start")), "");
}

TEST(ReplyReduction, NoMarkerMeansNoReply) {
    EXPECT_EQ(ReplyReduction(vbs::Value(u"a long answer without the marker")), "");
    EXPECT_EQ(ReplyReduction(vbs::Value(u"lower case <sto is not it")), "");
    EXPECT_EQ(ReplyReduction(vbs::Value()), "");
    EXPECT_EQ(ReplyReduction(vbs::Value::null()), "");
}

TEST(TimeDisplay, DropsLeadingAndTrailingZerosButKeepsTheSeparator) {
    EXPECT_EQ(TimeDisplay(0.25, "."), ".25");
    EXPECT_EQ(TimeDisplay(3, "."), "3.");
    EXPECT_EQ(TimeDisplay(12.3456789, "."), "12.3457");
    EXPECT_EQ(TimeDisplay(1234.5, ","), "1234,5");
    EXPECT_EQ(TimeDisplay(0, "."), ".");
    EXPECT_EQ(TimeDisplay(0.00004, "."), ".");
}

// Stands in for the window: each read of the input box can give a different sentence, so the test
// sees which brain read when.
class FakeWindow : public QueryWindow {
public:
    std::u16string ReadText1() const override {
        ++reads;
        return sentences.empty() ? u"" : sentences[std::min(reads, sentences.size()) - 1];
    }
    void SetText2(const std::string& text) override { text2 = text; }
    void SetTimeLabels(const std::string& a, const std::string& b, const std::string& c) override { labels = {a, b, c}; }
    bool StopRequested() const override { return stop; }
    std::string DecimalSeparator() const override { return "."; }

    std::vector<std::u16string> sentences;
    mutable size_t reads = 0;
    std::string text2 = "untouched";
    std::vector<std::string> labels;
    bool stop = false;
};

constexpr const char* kSignature =
    "Function GetResponse(Sentence, UserName, ComputerName, LearningLevel, WorkingDir, "
    "A1, A2, A3, A4, A5, A6, A7, A8, A9, A10)\n";

class BrainsTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write("Tarvik.ini",
                     "[Tarvik]\r\nUserName=Ada\r\nComputerName=Box\r\nLearningLevel=3\r\nInputFile=in.txt\r\n"
                     "CreateCSV=FALSE\r\nCSVName=results.csv\r\nCreateLog=FALSE\r\nLogName=talk.log\r\n"
                     "[Brains]\r\nBrain1Name=One\r\nBrain1Script=one.vbs\r\nBrain1WorkingDir=work1\r\n"
                     "Brain2Name=Two\r\nBrain2Script=sub\\two.vbs\r\nBrain2WorkingDir=work2\r\n"
                     "Brain3Name=Three\r\nBrain3Script=three.vbs\r\nBrain3WorkingDir=/abs/work3\r\n");
        std::filesystem::create_directory(folder.path("sub"));
        brain("one.vbs", "GetResponse = \"one:\" & Sentence & \" <STOP>\"\n");
        brain("sub/two.vbs", "GetResponse = \"two:\" & Sentence & \" <STOP>\"\n");
        brain("three.vbs", "GetResponse = \"three:\" & Sentence & \" <STOP>\"\n");
    }
    void brain(const std::string& name, const std::string& body) {
        folder.write(name, std::string(kSignature) + body + "End Function\n");
    }
    void load() {
        modGlobals::IniPath = folder.path("Tarvik.ini");
        modGlobals::ReadSettings(modGlobals::IniPath);
        engines = std::make_unique<BrainEngines>();
        engines->LoadScripts();
    }
    TempFolder folder;
    MessageRecorder messages;
    std::unique_ptr<BrainEngines> engines;
    FakeWindow window;
};

TEST_F(BrainsTest, TheQueryCallPassesTheFifteenArgumentsInOrder) {
    brain("one.vbs",
          "GetResponse = Sentence & \"|\" & UserName & \"|\" & ComputerName & \"|\" & LearningLevel & \"|\" & "
          "TypeName(LearningLevel) & \"|\" & WorkingDir & \"|\" & A1 & A2 & A3 & A4 & A5 & A6 & A7 & A8 & A9 & A10\n");
    load();
    vbs::Value response = engines->QueryCall(1, u"hi there");
    EXPECT_EQ(response.string().toUtf8(),
              "hi there|Ada|Box|3|Integer|" + folder.path("work1") + "|0000000000");
}

TEST_F(BrainsTest, AssignmentsToTheByReferenceArgumentsChangeTheSettings) {
    brain("sub/two.vbs",
          "UserName = UserName & \"!\"\nLearningLevel = LearningLevel + 1\nWorkingDir = WorkingDir & \"+\"\n"
          "Sentence = \"ignored\"\nA1 = \"ignored\"\n"
          "GetResponse = UserName & \" \" & LearningLevel & \" \" & WorkingDir & \" <STOP>\"\n");
    load();
    std::string ini = folder.read("Tarvik.ini");
    EXPECT_EQ(ReplyReduction(engines->QueryCall(2, u"x")), "Ada! 4 " + folder.path("work2") + "+");
    EXPECT_EQ(ReplyReduction(engines->QueryCall(2, u"x")), "Ada!! 5 " + folder.path("work2") + "++");
    EXPECT_EQ(modGlobals::UserName, "Ada!!");
    EXPECT_EQ(modGlobals::LearningLevel, 5);
    EXPECT_EQ(modGlobals::Brain2WorkingDir, folder.path("work2") + "++");
    EXPECT_EQ(modGlobals::Brain1WorkingDir, "work1");  // another brain's directory is its own
    EXPECT_EQ(folder.read("Tarvik.ini"), ini);
}

TEST_F(BrainsTest, TheStringSettingsHoldWhateverIsAssignedAsText) {
    brain("one.vbs",
          "GetResponse = TypeName(UserName) & \" \" & TypeName(WorkingDir) & \" \" & TypeName(LearningLevel) & \" <STOP>\"\n"
          "UserName = 5\nWorkingDir = 1.5\nLearningLevel = \"7\"\n");
    load();
    EXPECT_EQ(ReplyReduction(engines->QueryCall(1, u"x")), "String String Integer");
    EXPECT_EQ(ReplyReduction(engines->QueryCall(1, u"x")), "String String Integer");
    EXPECT_EQ(modGlobals::UserName, "5");
    EXPECT_EQ(modGlobals::Brain1WorkingDir, "1.5");
    EXPECT_EQ(modGlobals::LearningLevel, 7);
}

TEST_F(BrainsTest, AValueASettingCannotHoldIsTheBrainsFailure) {
    brain("one.vbs", "If Sentence = \"null\" Then UserName = Null\n"
                     "If Sentence = \"nothing\" Then Set ComputerName = Nothing\n"
                     "If Sentence = \"array\" Then WorkingDir = Array(1)\n"
                     "If Sentence = \"big\" Then LearningLevel = 40000\n"
                     "GetResponse = UserName & ComputerName & LearningLevel & \" <STOP>\"\n");
    load();
    auto numberOf = [&](std::u16string sentence) {
        try {
            engines->QueryCall(1, sentence);
        } catch (const BrainFailure& failure) {
            return failure.Cause.number;
        }
        return 0;
    };
    EXPECT_EQ(numberOf(u"null"), 94);
    EXPECT_EQ(numberOf(u"nothing"), 91);
    EXPECT_EQ(numberOf(u"array"), 13);
    EXPECT_EQ(numberOf(u"big"), 6);
    EXPECT_EQ(ReplyReduction(engines->QueryCall(1, u"x")), "AdaBox3");  // the settings kept their values
}

TEST_F(BrainsTest, SingleQueryShowsOneLineAndOneTime) {
    load();
    window.sentences = {u"hello"};
    SingleBrainQuery(*engines, window, 2);
    EXPECT_EQ(window.text2, "Two: two:hello\r\n");
    ASSERT_EQ(window.labels.size(), 3u);
    EXPECT_EQ(window.labels[0], "");
    EXPECT_NE(window.labels[1].find('.'), std::string::npos);
    EXPECT_EQ(window.labels[2], "");
}

TEST_F(BrainsTest, AllBrainsAreAskedThreeTwoOneAndShownOneTwoThree) {
    load();
    window.sentences = {u"first", u"second", u"third", u"logged"};
    AllBrainsResult result = AllBrainsRun(*engines, window);
    EXPECT_TRUE(result.completed);
    EXPECT_EQ(window.text2, "One: one:third\r\nTwo: two:second\r\nThree: three:first\r\n");
    EXPECT_EQ(result.replies[2], "three:first");
    EXPECT_FALSE(std::filesystem::exists(folder.path("results.csv")));
    EXPECT_FALSE(std::filesystem::exists(folder.path("talk.log")));
}

TEST_F(BrainsTest, ACompletedRunIsRecordedWhenTheSettingsSaySo) {
    load();
    modGlobals::CreateCSV = -1;
    modGlobals::CreateLog = -1;
    window.sentences = {u"same"};
    AllBrainsResult result = AllBrainsRun(*engines, window);
    EXPECT_EQ(folder.read("talk.log"), "Sent: same\r\nOne: one:same\r\nTwo: two:same\r\nThree: three:same\r\n\r\n");
    EXPECT_EQ(folder.read("results.csv"), ResultTableRow({result.times[0], result.times[1], result.times[2]}) + "\r\n");
}

TEST_F(BrainsTest, AStopRequestAfterBrainThreeEndsTheRunSilently) {
    load();
    modGlobals::CreateCSV = -1;
    window.stop = true;
    AllBrainsResult result = AllBrainsRun(*engines, window);
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(window.reads, 1u);
    EXPECT_EQ(window.text2, "untouched");
    EXPECT_TRUE(window.labels.empty());
    EXPECT_FALSE(std::filesystem::exists(folder.path("results.csv")));
}

TEST_F(BrainsTest, AFailingBrainIsNamedWithItsScriptAndLine) {
    brain("sub/two.vbs", "Dim x\nx = 1 / 0\n");
    load();
    try {
        engines->QueryCall(2, u"x");
        FAIL() << "the division by zero should fail";
    } catch (const BrainFailure& failure) {
        EXPECT_EQ(failure.Brain, 2);
        EXPECT_EQ(failure.Cause.number, 11);
        EXPECT_EQ(failure.Cause.line, 3);
        EXPECT_EQ(failure.Where(), "Brain 2 (Two, " + folder.path("sub/two.vbs") + "), line 3, column 1");
        EXPECT_EQ(failure.Error(), "runtime error 11: Division by zero");
    }
}

TEST_F(BrainsTest, AScriptThatDoesNotCompileFailsTheLoad) {
    folder.write("three.vbs", "Function GetResponse(\nEnd Function\n");
    modGlobals::IniPath = folder.path("Tarvik.ini");
    modGlobals::ReadSettings(modGlobals::IniPath);
    BrainEngines brains;
    try {
        brains.LoadScripts();
        FAIL() << "the syntax error should stop the load";
    } catch (const BrainFailure& failure) {
        EXPECT_EQ(failure.Brain, 3);
        EXPECT_EQ(failure.Cause.line, 1);
        EXPECT_NE(failure.Error().find("compile error"), std::string::npos);
    }
}

TEST_F(BrainsTest, AMissingScriptLoadsEmptyAndItsQueriesFail) {
    std::filesystem::remove(folder.path("one.vbs"));
    load();
    EXPECT_THROW(engines->QueryCall(1, u"x"), BrainFailure);
    EXPECT_EQ(ReplyReduction(engines->QueryCall(2, u"x")), "two:x");
}

TEST_F(BrainsTest, ANumberOrNullResponseHasNoMarkerSoAnEmptyReply) {
    brain("one.vbs", "GetResponse = 42\n");
    brain("sub/two.vbs", "GetResponse = Null\n");
    brain("three.vbs", "GetResponse = \"Grüße, \" & Sentence & \" – 3 <STOP>\"\n");
    load();
    window.sentences = {u"çava"};
    AllBrainsResult result = AllBrainsRun(*engines, window);
    EXPECT_TRUE(result.completed);
    EXPECT_EQ(window.text2, "One: \r\nTwo: \r\nThree: Grüße, çava – 3\r\n");
}

TEST_F(BrainsTest, AnObjectResponseThatIsNotTextIsTheBrainsFailure) {
    // The reply reduction reads the response as text: an object without a default property
    // cannot be (438), Nothing is no object at all (91); one with a default property gives its value.
    folder.write("one.vbs", "Class Plain\nEnd Class\n" + std::string(kSignature) + "Set GetResponse = New Plain\nEnd Function\n");
    brain("sub/two.vbs", "Set GetResponse = Nothing\n");
    folder.write("three.vbs", "Class Said\nPublic Default Property Get Text\nText = \"said <STOP>\"\nEnd Property\n"
                              "End Class\n" + std::string(kSignature) + "Set GetResponse = New Said\nEnd Function\n");
    load();
    auto failureOf = [&](int brain) -> std::string {
        std::optional<BrainFailure> failure = SingleBrainQuery(*engines, window, brain);
        return failure ? std::to_string(failure->Brain) + " " + failure->Error() : "no failure";
    };
    EXPECT_EQ(failureOf(1), "1 runtime error 438: Object doesn't support this property or method");
    EXPECT_EQ(window.text2, "One: [error 438: Object doesn't support this property or method]\r\n");
    EXPECT_EQ(window.labels, (std::vector<std::string>{"", "", ""}));  // a failed call has no time
    EXPECT_EQ(failureOf(2), "2 runtime error 91: Object variable not set");
    EXPECT_EQ(failureOf(3), "no failure");
    EXPECT_EQ(window.text2, "Three: said\r\n");
}

TEST_F(BrainsTest, ABrainThatFailsCostsOnlyItsOwnAnswer) {
    brain("sub/two.vbs", "Dim x\nx = 1 / 0\n");
    load();
    modGlobals::CreateCSV = -1;
    modGlobals::CreateLog = -1;
    window.sentences = {u"hi"};
    AllBrainsResult result = AllBrainsRun(*engines, window);
    EXPECT_TRUE(result.completed);
    // On screen the failure names its line; the log keeps the plain form.
    EXPECT_EQ(window.text2, "One: one:hi\r\nTwo: [error 11, line 3: Division by zero]\r\nThree: three:hi\r\n");
    ASSERT_EQ(window.labels.size(), 3u);
    EXPECT_NE(window.labels[0], "");
    EXPECT_EQ(window.labels[1], "");
    EXPECT_NE(window.labels[2], "");
    EXPECT_EQ(result.FailureText(), "Brain 2 (Two, " + folder.path("sub/two.vbs") + "), line 3, column 1:\r\n\r\n"
                                    "runtime error 11: Division by zero");
    EXPECT_EQ(folder.read("results.csv"), ResultTableRow({result.times[0], std::nullopt, result.times[2]}) + "\r\n");
    EXPECT_EQ(folder.read("talk.log"), "Sent: hi\r\nOne: one:hi\r\nTwo: [error 11: Division by zero]\r\nThree: three:hi\r\n\r\n");
}

TEST_F(BrainsTest, FewerOrMoreParametersThanFifteenFailWith450) {
    folder.write("one.vbs", "Function GetResponse(Sentence)\nGetResponse = \"x <STOP>\"\nEnd Function\n");
    folder.write("three.vbs", "Function GetResponse(a,b,c,d,e,f,g,h,i,j,k,l,m,n,o,p)\nGetResponse = \"x <STOP>\"\n"
                              "End Function\n");
    load();
    for (int brain : {1, 3}) {
        try {
            engines->QueryCall(brain, u"x");
            ADD_FAILURE() << "brain " << brain << " should fail";
        } catch (const BrainFailure& failure) {
            EXPECT_EQ(failure.Brain, brain);
            EXPECT_EQ(failure.Error(), "runtime error 450: Wrong number of arguments or invalid property assignment");
        }
    }
}

TEST_F(BrainsTest, ABrainWithoutGetResponseFailsEveryQueryAndTheOthersGoOn) {
    folder.write("one.vbs", "Function Other(x)\nOther = x\nEnd Function\n");
    load();
    EXPECT_THROW(engines->QueryCall(1, u"x"), BrainFailure);
    EXPECT_THROW(engines->QueryCall(1, u"x"), BrainFailure);
    EXPECT_EQ(ReplyReduction(engines->QueryCall(3, u"x")), "three:x");
}

TEST_F(BrainsTest, ABrainThatRunsTooLongFailsAndItsEngineAnswersAgain) {
    brain("one.vbs", "If Sentence = \"loop\" Then\nDo\nLoop\nEnd If\nGetResponse = \"back <STOP>\"\n");
    std::string ini = folder.read("Tarvik.ini");
    folder.write("Tarvik.ini", "[Tarvik]\r\nQueryTimeout=200\r\n" + ini.substr(ini.find("\r\n") + 2));
    load();
    try {
        engines->QueryCall(1, u"loop");
        ADD_FAILURE() << "the endless loop should time out";
    } catch (const BrainFailure& failure) {
        EXPECT_EQ(FailedReply(failure), "[error -2147467260: script timed out after 200 ms]");
    }
    EXPECT_EQ(ReplyReduction(engines->QueryCall(1, u"x")), "back");
    EXPECT_EQ(ReplyReduction(engines->QueryCall(2, u"x")), "two:x");
}

}  // namespace
}  // namespace tarvik
