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

TEST(Baseline, SavingReplacesTheFileWhole) {
    TempFolder folder;
    std::filesystem::path path = BaselinePath(folder.path("Tarvik.ini"), "main");
    SaveBaseline(path, "{\"first\": 1}");
    SaveBaseline(path, "{}");
    EXPECT_EQ(folder.read("baselines/main.json"), "{}");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(path.parent_path()), {}), 1) << "no partial file left";
    folder.write("baselines-file", "");
    EXPECT_THROW(SaveBaseline(std::filesystem::path(folder.path("baselines-file")) / "x.json", "{}"), BaselineProblem);
}

}  // namespace
}  // namespace tarvik
