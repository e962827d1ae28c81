#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/Failure.h"
#include "support/NumberConversion.h"
#include "support/NumberFormat.h"
#include "tests/support/FailureNumberOf.h"

namespace tarvik {
namespace {

using testing::FailureNumberOf;

TEST(ToInteger16, OverflowsOutsideTheSixteenBitRangeAfterRounding) {
    EXPECT_EQ(ToInteger16(32767.4), 32767);
    EXPECT_EQ(ToInteger16(-32768.5), -32768);  // ties to the even -32768
    EXPECT_EQ(FailureNumberOf([] { ToInteger16(32767.5); }), Overflow);
    EXPECT_EQ(FailureNumberOf([] { ToInteger16(-32769); }), Overflow);
    EXPECT_EQ(FailureNumberOf([] { ToInteger16(40000); }), Overflow);
    EXPECT_EQ(FailureNumberOf([] { ToInteger16(HUGE_VAL); }), Overflow);
    EXPECT_EQ(FailureNumberOf([] { ToInteger16(std::numeric_limits<double>::quiet_NaN()); }), Overflow);
}

TEST(ToInteger32, CoversTheThirtyTwoBitRange) {
    EXPECT_EQ(ToInteger32(1e9), 1'000'000'000);
    EXPECT_EQ(ToInteger32(2147483647), 2147483647);
    EXPECT_EQ(ToInteger32(-2147483648.0), -2147483647 - 1);
    EXPECT_EQ(FailureNumberOf([] { ToInteger32(2147483648.0); }), Overflow);
}

TEST(FormatFixed, ShowsALeadingZeroExactlyTheDecimalsAndCommaGroups) {
    EXPECT_EQ(FormatFixed(0, 3, true), "0.000");
    EXPECT_EQ(FormatFixed(100, 3, true), "100.000");
    EXPECT_EQ(FormatFixed(12.345, 0, false), "12");
    EXPECT_EQ(FormatFixed(999.9994, 3, true), "999.999");
    EXPECT_EQ(FormatFixed(123456.25, 3, true), "123,456.250");
    EXPECT_EQ(FormatFixed(1234567.891, 3, true), "1,234,567.891");
    EXPECT_EQ(FormatFixed(1234567.891, 3, false), "1234567.891");
    EXPECT_EQ(FormatFixed(-1234.5, 3, true), "-1,234.500");
}

TEST(FormatFixed, RoundsHalvesAwayFromZeroOnFifteenDigits) {
    EXPECT_EQ(FormatFixed(0.0005, 3, true), "0.001");
    EXPECT_EQ(FormatFixed(0.0004999, 3, true), "0.000");
    // 2.0005 is stored a hair below; its 15-digit form is the half.
    EXPECT_EQ(FormatFixed(2.0005, 3, true), "2.001");
    EXPECT_EQ(FormatFixed(-2.0005, 3, true), "-2.001");
    EXPECT_EQ(FormatFixed(999.9996, 3, true), "1,000.000");
    EXPECT_EQ(FormatFixed(9.9996, 3, true), "10.000");
}

TEST(FormatFixed, HandlesVeryLargeAndVerySmallValues) {
    EXPECT_EQ(FormatFixed(1e-9, 3, true), "0.000");
    EXPECT_EQ(FormatFixed(-1e-9, 3, true), "0.000");
    EXPECT_EQ(FormatFixed(1e18, 3, true), "1,000,000,000,000,000,000.000");
    EXPECT_EQ(FormatFixed(123456789012.3456, 3, true), "123,456,789,012.346");
}

}  // namespace
}  // namespace tarvik
