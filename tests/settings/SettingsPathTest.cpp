#include "settings/SettingsPath.h"

#include <gtest/gtest.h>

namespace tarvik {
namespace {

const std::string kIni = "/opt/tarvik/Tarvik.ini";

TEST(ResolveSettingsPath, ResolvesRelativePathsAgainstTheSettingsFolder) {
    EXPECT_EQ(ResolveSettingsPath("input.txt", kIni), "/opt/tarvik/input.txt");
    EXPECT_EQ(ResolveSettingsPath("brains/one.vbs", kIni), "/opt/tarvik/brains/one.vbs");
    EXPECT_EQ(ResolveSettingsPath("./log.txt", kIni), "/opt/tarvik/log.txt");
    EXPECT_EQ(ResolveSettingsPath("../shared/times.csv", kIni), "/opt/shared/times.csv");
}

TEST(ResolveSettingsPath, AcceptsWindowsSeparators) {
    EXPECT_EQ(ResolveSettingsPath("brains\\one.vbs", kIni), "/opt/tarvik/brains/one.vbs");
    EXPECT_EQ(ResolveSettingsPath("..\\shared\\times.csv", kIni), "/opt/shared/times.csv");
    EXPECT_EQ(ResolveSettingsPath("\\srv\\brains\\one.vbs", kIni), "/srv/brains/one.vbs");
}

TEST(ResolveSettingsPath, KeepsAbsolutePathsAndEmptyOnes) {
    EXPECT_EQ(ResolveSettingsPath("/var/log/tarvik.log", kIni), "/var/log/tarvik.log");
    EXPECT_EQ(ResolveSettingsPath("", kIni), "");
}

TEST(ResolveSettingsPath, WorksWithARelativeSettingsPath) {
    EXPECT_EQ(ResolveSettingsPath("a.vbs", "Tarvik.ini"), "a.vbs");
    EXPECT_EQ(ResolveSettingsPath("a.vbs", "conf/Tarvik.ini"), "conf/a.vbs");
}

}  // namespace
}  // namespace tarvik
