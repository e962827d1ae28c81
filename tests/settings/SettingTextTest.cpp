#include "settings/SettingText.h"

#include <gtest/gtest.h>

#include "support/Failure.h"
#include "tests/support/FailureNumberOf.h"

namespace tarvik {
namespace {

using testing::FailureNumberOf;

TEST(LeadingNumber, TakesTheLongestLeadingDecimalNumber) {
    EXPECT_EQ(LeadingNumber("7abc"), 7);
    EXPECT_EQ(LeadingNumber("2.5"), 2.5);
    EXPECT_EQ(LeadingNumber("12.75kg"), 12.75);
    EXPECT_EQ(LeadingNumber("1.2.3"), 1.2);
    EXPECT_EQ(LeadingNumber("-3"), -3);
    EXPECT_EQ(LeadingNumber("+4"), 4);
    EXPECT_EQ(LeadingNumber(".5"), 0.5);
    EXPECT_EQ(LeadingNumber("5."), 5);
    EXPECT_EQ(LeadingNumber("007"), 7);
}

TEST(LeadingNumber, GivesZeroWithoutANumber) {
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("abc"), 0);
    EXPECT_EQ(LeadingNumber("-"), 0);
    EXPECT_EQ(LeadingNumber("."), 0);
    EXPECT_EQ(LeadingNumber("-.x"), 0);
    EXPECT_EQ(LeadingNumber("--5"), 0);
    EXPECT_EQ(LeadingNumber("e5"), 0);
}

TEST(LeadingNumber, SkipsBlanksEvenInsideTheNumber) {
    EXPECT_EQ(LeadingNumber("  42"), 42);
    EXPECT_EQ(LeadingNumber("\t- 1 2 . 5"), -12.5);
}

TEST(LeadingNumber, ReadsAnExponentOnlyWithDigits) {
    EXPECT_EQ(LeadingNumber("1e3"), 1000);
    EXPECT_EQ(LeadingNumber("1.5E+2x"), 150);
    EXPECT_EQ(LeadingNumber("25e-1"), 2.5);
    EXPECT_EQ(LeadingNumber("2d2"), 200);
    EXPECT_EQ(LeadingNumber("3e"), 3);
    EXPECT_EQ(LeadingNumber("3e+"), 3);
    EXPECT_EQ(LeadingNumber("3ex"), 3);
    EXPECT_EQ(LeadingNumber("1e-400"), 0);
}

TEST(ToLearningLevel, RoundsHalvesToEven) {
    EXPECT_EQ(ToLearningLevel("2.5"), 2);
    EXPECT_EQ(ToLearningLevel("3.5"), 4);
    EXPECT_EQ(ToLearningLevel("-2.5"), -2);
    EXPECT_EQ(ToLearningLevel("2.51"), 3);
    EXPECT_EQ(ToLearningLevel("7abc"), 7);
    EXPECT_EQ(ToLearningLevel("abc"), 0);
    EXPECT_EQ(ToLearningLevel(""), 0);
    EXPECT_EQ(ToLearningLevel("25e-1"), 2);
}

TEST(ToLearningLevel, OverflowsOutsideTheSixteenBitRange) {
    EXPECT_EQ(ToLearningLevel("32767"), 32767);
    EXPECT_EQ(ToLearningLevel("-32768"), -32768);
    EXPECT_EQ(FailureNumberOf([] { ToLearningLevel("40000"); }), Overflow);
    EXPECT_EQ(FailureNumberOf([] { ToLearningLevel("32767.5"); }), Overflow);
    EXPECT_EQ(FailureNumberOf([] { ToLearningLevel("-32769"); }), Overflow);
    EXPECT_EQ(FailureNumberOf([] { ToLearningLevel("1e400"); }), Overflow);
    EXPECT_EQ(FailureNumberOf([] { ToLearningLevel("-1e400"); }), Overflow);
}

TEST(ToSwitch, IsOnOnlyForTrueInAnyCaseWithSpacesAround) {
    EXPECT_EQ(ToSwitch("true"), -1);
    EXPECT_EQ(ToSwitch("TRUE"), -1);
    EXPECT_EQ(ToSwitch(" True "), -1);
    EXPECT_EQ(ToSwitch("tRuE   "), -1);
}

TEST(ToSwitch, IsOffForEverythingElse) {
    for (const char* text : {"1", "-1", "yes", "on", "", "   ", "TRUE.", "T RUE", "\tTRUE", "TRUE1", "false"}) {
        EXPECT_EQ(ToSwitch(text), 0) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace tarvik
