#include "bench/Baseline.h"

#include <gtest/gtest.h>

#include "tests/support/TempFolder.h"

namespace tarvik {
namespace {

using testing::TempFolder;

TEST(Baseline, NamesArePlainFileNamesInAFolderBesideTheSettings) {
    TempFolder folder;
    std::filesystem::path ini = folder.path("Tarvik.ini");
    EXPECT_EQ(BaselinePath(ini, "before fix"), std::filesystem::path(folder.path()) / "baselines" / "before fix.json");
    for (std::string bad : {"", "../escape", "a/b", "a\\b", ".hidden", "tab\there"}) {
        EXPECT_THROW(BaselinePath(ini, bad), BaselineProblem) << bad;
    }
}

TEST(Baseline, SavingReplacesTheFileWholeAndAMissingOneIsNamed) {
    TempFolder folder;
    std::filesystem::path path = BaselinePath(folder.path("Tarvik.ini"), "main");
    SaveBaseline(path, "{\"first\": 1}");
    SaveBaseline(path, "{}");
    EXPECT_EQ(ReadBaseline(path), "{}");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(path.parent_path()), {}), 1) << "no partial file left";
    try {
        ReadBaseline(path.parent_path() / "other.json");
        FAIL() << "a missing baseline reads";
    } catch (const BaselineProblem& problem) {
        EXPECT_NE(std::string(problem.what()).find((path.parent_path() / "other.json").string()), std::string::npos) << problem.what();
    }
}

}  // namespace
}  // namespace tarvik
