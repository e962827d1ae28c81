#include <gtest/gtest.h>

#include <filesystem>

#include "support/modFile.h"
#include "tests/support/TempFolder.h"

namespace modFile {
namespace {

class ReadTextFileTest : public ::testing::Test {
protected:
    tarvik::testing::TempFolder folder;
};

TEST_F(ReadTextFileTest, AMissingFileReadsAsEmptyWithoutFailing) {
    EXPECT_EQ(ReadTextFile(folder.path("missing.vbs")), "");
    EXPECT_EQ(ReadTextFile(folder.path("nowhere/missing.vbs")), "");
}

TEST_F(ReadTextFileTest, AFolderReadsAsEmpty) {
    EXPECT_EQ(ReadTextFile(folder.path()), "");
}

TEST_F(ReadTextFileTest, KeepsLineEndsAsTheyAre) {
    std::string script = "Function GetResponse()\r\n  GetResponse = \"hi\"\r\nEnd Function\n\r\n";
    EXPECT_EQ(ReadTextFile(folder.write("brain.vbs", script)), script);
}

TEST_F(ReadTextFileTest, ReadsWindows1252AsText) {
    std::string path = folder.write("brain.vbs", "s = \"d\xE9j\xE0 vu \x96 \x80\"\r\n");
    EXPECT_EQ(ReadTextFile(path), "s = \"d\xC3\xA9j\xC3\xA0 vu \xE2\x80\x93 \xE2\x82\xAC\"\r\n");
}

TEST_F(ReadTextFileTest, DropsTheUtf8ByteOrderMark) {
    EXPECT_EQ(ReadTextFile(folder.write("brain.vbs", "\xEF\xBB\xBF' caf\xC3\xA9\r\n")), "' caf\xC3\xA9\r\n");
}

TEST_F(ReadTextFileTest, KeepsNulBytesAndAnEmptyFile) {
    EXPECT_EQ(ReadTextFile(folder.write("nul.txt", std::string("a\0b", 3))), std::string("a\0b", 3));
    EXPECT_EQ(ReadTextFile(folder.write("empty.txt", "")), "");
}

}  // namespace
}  // namespace modFile
