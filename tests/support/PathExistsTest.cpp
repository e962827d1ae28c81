#include <gtest/gtest.h>

#include <filesystem>

#include "support/modFile.h"
#include "tests/support/TempFolder.h"

namespace modFile {
namespace {

class PathExistsTest : public ::testing::Test {
protected:
    PathExistsTest() {
        folder.write("Tarvik.ini", "[Tarvik]\r\n");
        folder.write("brain1.vbs", "");
        folder.write("notes [old].txt", "");
        folder.write(".hidden.cfg", "");
        std::filesystem::create_directory(folder.path("brains.d"));
        std::filesystem::create_directory(folder.path("only-folders"));
        std::filesystem::create_directory(folder.path("only-folders/sub"));
        std::filesystem::create_directory(folder.path("plain"));
        folder.write("plain/LICENSE", "");
    }

    tarvik::testing::TempFolder folder;
};

TEST_F(PathExistsTest, FindsAnOrdinaryFileByName) {
    EXPECT_TRUE(PathExists(folder.path("Tarvik.ini")));
    EXPECT_FALSE(PathExists(folder.path("Missing.ini")));
    EXPECT_FALSE(PathExists(folder.path("tarvik.INI.bak")));
}

TEST_F(PathExistsTest, MatchesWildcardsInTheLastComponent) {
    EXPECT_TRUE(PathExists(folder.path("*.ini")));
    EXPECT_TRUE(PathExists(folder.path("brain?.vbs")));
    EXPECT_TRUE(PathExists(folder.path("plain/*.*")));
    EXPECT_TRUE(PathExists(folder.path("plain/LIC*")));
    EXPECT_FALSE(PathExists(folder.path("brain??.vbs")));
    EXPECT_FALSE(PathExists(folder.path("*.csv")));
}

TEST_F(PathExistsTest, TakesBracketsLiterally) {
    EXPECT_TRUE(PathExists(folder.path("notes [old].txt")));
    EXPECT_TRUE(PathExists(folder.path("notes [*")));
    EXPECT_FALSE(PathExists(folder.path("notes [o].txt")));
    EXPECT_FALSE(PathExists(folder.path("plain/[KL]*")));
}

TEST_F(PathExistsTest, IgnoresFoldersAndHiddenFiles) {
    EXPECT_FALSE(PathExists(folder.path("brains.d")));
    EXPECT_FALSE(PathExists(folder.path("brains.*")));
    EXPECT_FALSE(PathExists(folder.path("only-folders/*")));
    EXPECT_FALSE(PathExists(folder.path(".hidden.cfg")));
    EXPECT_FALSE(PathExists(folder.path("*.cfg")));
}

TEST_F(PathExistsTest, IsFalseForPathsThatCannotBeSearched) {
    EXPECT_FALSE(PathExists(folder.path("nowhere/Tarvik.ini")));
    EXPECT_FALSE(PathExists(folder.path("nowhere/*")));
    EXPECT_FALSE(PathExists(folder.path("Tarvik.ini/inside")));
    EXPECT_FALSE(PathExists(""));
}

}  // namespace
}  // namespace modFile
