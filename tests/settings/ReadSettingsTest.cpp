#include "settings/modGlobals.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "settings/SettingsProblem.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/TempFolder.h"

namespace modGlobals {
namespace {

const char* const kFullIni =
    "[Tarvik]\r\n"
    "UserName=Ann\r\n"
    "ComputerName=Box\r\n"
    "LearningLevel=3.5\r\n"
    "InputFile=input.txt\r\n"
    "CreateCSV= True \r\n"
    "CSVName=times.csv\r\n"
    "CreateLog=yes\r\n"
    "LogName=talk.log\r\n"
    "[Brains]\r\n"
    "Brain1Name=One\r\nBrain1Script=one.vbs\r\nBrain1WorkingDir=w1\r\n"
    "Brain2Name=Two\r\nBrain2Script=two.vbs\r\nBrain2WorkingDir=w2\r\n"
    "Brain3Name=Three\r\nBrain3Script=three.vbs\r\nBrain3WorkingDir=w3\r\n";

class ReadSettingsTest : public ::testing::Test {
protected:
    // Leftovers from an earlier read, so a setting that is not read shows up.
    ReadSettingsTest() {
        for (std::string* text : {&UserName, &ComputerName, &InputFile, &CSVName, &LogName, &Brain1Name,
                                  &Brain1Script, &Brain1WorkingDir, &Brain2Name, &Brain2Script,
                                  &Brain2WorkingDir, &Brain3Name, &Brain3Script, &Brain3WorkingDir}) {
            *text = "stale";
        }
        LearningLevel = 99;
        CreateCSV = -1;
        CreateLog = -1;
    }

    tarvik::testing::TempFolder folder;
    tarvik::testing::MessageRecorder messages;
};

TEST_F(ReadSettingsTest, FillsEverySettingFromItsKey) {
    ReadSettings(folder.write("Tarvik.ini", kFullIni));
    EXPECT_EQ(UserName, "Ann");
    EXPECT_EQ(ComputerName, "Box");
    EXPECT_EQ(LearningLevel, 4);
    EXPECT_EQ(InputFile, "input.txt");
    EXPECT_EQ(CreateCSV, -1);
    EXPECT_EQ(CSVName, "times.csv");
    EXPECT_EQ(CreateLog, 0);
    EXPECT_EQ(LogName, "talk.log");
    EXPECT_EQ(Brain1Name, "One");
    EXPECT_EQ(Brain1Script, "one.vbs");
    EXPECT_EQ(Brain1WorkingDir, "w1");
    EXPECT_EQ(Brain2Name, "Two");
    EXPECT_EQ(Brain2Script, "two.vbs");
    EXPECT_EQ(Brain2WorkingDir, "w2");
    EXPECT_EQ(Brain3Name, "Three");
    EXPECT_EQ(Brain3Script, "three.vbs");
    EXPECT_EQ(Brain3WorkingDir, "w3");
}

TEST_F(ReadSettingsTest, AMissingFileEmptiesEverySettingSilently) {
    ReadSettings(folder.path("Tarvik.ini"));
    for (const std::string* text : {&UserName, &ComputerName, &InputFile, &CSVName, &LogName, &Brain1Name,
                                    &Brain1Script, &Brain1WorkingDir, &Brain2Name, &Brain2Script,
                                    &Brain2WorkingDir, &Brain3Name, &Brain3Script, &Brain3WorkingDir}) {
        EXPECT_EQ(*text, "");
    }
    EXPECT_EQ(LearningLevel, 0);
    EXPECT_EQ(CreateCSV, 0);
    EXPECT_EQ(CreateLog, 0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ReadSettingsTest, AbsentSwitchesAreOffAndAbsentLevelIsZero) {
    ReadSettings(folder.write("Tarvik.ini", "[Tarvik]\nUserName=Ann\n"));
    EXPECT_EQ(UserName, "Ann");
    EXPECT_EQ(LearningLevel, 0);
    EXPECT_EQ(CreateCSV, 0);
    EXPECT_EQ(CreateLog, 0);
}

// The message of the settings problem that reading raises, or "no problem".
std::string problemOf(const std::string& path) {
    try {
        ReadSettings(path);
    } catch (const tarvik::SettingsProblem& problem) {
        return problem.Message;
    }
    return "no problem";
}

TEST_F(ReadSettingsTest, AnOverflowingLevelFailsNamingKeyValueAndFileAfterTheEarlierSettingsAreStored) {
    std::string path = folder.write("Tarvik.ini", "[Tarvik]\nUserName=Ann\nComputerName=Box\nLearningLevel=40000\n"
                                                  "InputFile=input.txt\n");
    EXPECT_EQ(problemOf(path), "LearningLevel=40000 in the settings file " + path +
                                   " is out of range: it must be from -32768 to 32767.");
    EXPECT_EQ(UserName, "Ann");
    EXPECT_EQ(ComputerName, "Box");
    EXPECT_EQ(LearningLevel, 99);
    EXPECT_EQ(InputFile, "stale");
}

TEST_F(ReadSettingsTest, NumbersMustBeNumbersInRange) {
    auto with = [&](const std::string& lines) { return folder.write("Tarvik.ini", "[Tarvik]\n" + lines); };
    std::string path = with("LearningLevel=abc\n");
    EXPECT_EQ(problemOf(path), "LearningLevel=abc in the settings file " + path + " is not a number.");
    EXPECT_EQ(problemOf(with("LearningLevel=7abc\n")), "no problem");  // the leading number, as Val reads it
    EXPECT_EQ(LearningLevel, 7);
    EXPECT_EQ(QueryTimeout, 10000);  // absent
    EXPECT_EQ(problemOf(with("QueryTimeout= 250 \n")), "no problem");
    EXPECT_EQ(QueryTimeout, 250);
    for (const char* bad : {"-1", "10s", "1.5", "2147483648", "+-3"}) {
        EXPECT_EQ(problemOf(with(std::string("QueryTimeout=") + bad + "\n")),
                  std::string("QueryTimeout=") + bad + " in the settings file " + path +
                      " is not a whole number of milliseconds from 0 (no limit) to 2147483647.");
    }
}

TEST_F(ReadSettingsTest, AFileThatIsNoSettingsFileIsRefusedNamingIt) {
    std::string noise;
    for (int i = 0; noise.size() < 10u << 20; ++i) noise += static_cast<char>('!' + (i % 90) * 7919 % 90);
    std::string path = folder.write("Tarvik.ini", noise);
    EXPECT_EQ(problemOf(path), "The settings file " + path + " is 10.0 MB, more than the 1 MB a file like it may have.");
    folder.write("Tarvik.ini", std::string("[Tarvik]\nUserName=A\0nn\n", 23));
    EXPECT_EQ(problemOf(path), "The settings file " + path + " holds NUL bytes: it is a binary file, not text.");
    folder.write("Tarvik.ini", "\xc3(junk\x80\n=\x9f\n");
    EXPECT_EQ(problemOf(path), "The settings file " + path + " has no [section]: it is not a settings file.");
    EXPECT_EQ(UserName, "stale");  // nothing was read from any of them
    folder.write("Tarvik.ini", "; only a comment\r\n\r\n");
    EXPECT_EQ(problemOf(path), "no problem");
}

TEST(LoadSettings, LooksForTarvikIniBesideTheProgram) {
    LoadSettings();
    std::filesystem::path ini(IniPath);
    EXPECT_EQ(ini.filename(), "Tarvik.ini");
    EXPECT_TRUE(ini.is_absolute());
    EXPECT_TRUE(std::filesystem::exists(ini.parent_path() / "settings_tests")) << IniPath;
}

TEST(ResolvePath, ResolvesAgainstTheLoadedSettingsFile) {
    IniPath = "/home/ann/tarvik/Tarvik.ini";
    EXPECT_EQ(ResolvePath("brains\\hal.vbs"), "/home/ann/tarvik/brains/hal.vbs");
    EXPECT_EQ(ResolvePath(""), "");
}

}  // namespace
}  // namespace modGlobals
