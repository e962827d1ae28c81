// Date serials: the calendar arithmetic, rollover, the range and days before 1900.
#include <gtest/gtest.h>

#include <array>

#include "Support.h"
#include "script/values/datetime.h"

namespace vbs {
namespace {

using test::errorOf;

TEST(MakeDate, SerialsAndRollover) {
    EXPECT_EQ(makeDate(1899, 12, 30), 0);
    EXPECT_EQ(makeDate(1900, 1, 1), 2);
    EXPECT_EQ(makeDate(2026, 12, 8), 46364);
    EXPECT_EQ(makeDate(1800, 1, 1), -36522);
    EXPECT_EQ(makeDate(2026, 14, 1), makeDate(2027, 2, 1));
    EXPECT_EQ(makeDate(2026, 0, 1), makeDate(2025, 12, 1));
    EXPECT_EQ(makeDate(2026, -13, 1), makeDate(2024, 11, 1));
    EXPECT_EQ(makeDate(2026, 3, -1), makeDate(2026, 2, 27));
    EXPECT_EQ(makeDate(2024, 2, 30), makeDate(2024, 3, 1));
}

TEST(MakeDate, YearsOneHundredToNineThousandNineHundredNinetyNine) {
    EXPECT_EQ(makeDate(100, 1, 1), -657434);
    EXPECT_EQ(makeDate(9999, 12, 31), 2958465);
    EXPECT_EQ(errorOf([] { makeDate(99, 12, 31); }), errInvalidCall);
    EXPECT_EQ(errorOf([] { makeDate(9999, 13, 1); }), errInvalidCall);
}

TEST(MakeTime, FractionOfADay) {
    EXPECT_DOUBLE_EQ(makeTime(12, 0, 0), 0.5);
    EXPECT_DOUBLE_EQ(makeTime(1, -1, 0), 59 / 1440.0);
    EXPECT_DOUBLE_EQ(makeTime(25, 0, 0), 1 + 1 / 24.0);
    EXPECT_DOUBLE_EQ(makeTime(-1, 0, 0), -1 - 23 / 24.0);
    EXPECT_EQ(errorOf([] { makeTime(INT32_MAX, 0, 0); }), errInvalidCall);
}

TEST(SplitDate, Fields) {
    DateParts p = splitDate(makeDate(2026, 12, 8) + makeTime(13, 18, 4));
    EXPECT_EQ((std::array{p.year, p.month, p.day, p.hour, p.minute, p.second, p.weekday}),
              (std::array{2026, 12, 8, 13, 18, 4, 3}));
}

TEST(SplitDate, BeforeEighteenNinetyNineTheTimeCountsForward) {
    DateParts p = splitDate(-1.25);
    EXPECT_EQ((std::array{p.year, p.month, p.day, p.hour, p.weekday}), (std::array{1899, 12, 29, 6, 6}));
    DateParts first = splitDate(-657434);
    EXPECT_EQ((std::array{first.year, first.month, first.day, first.weekday}), (std::array{100, 1, 1, 6}));
    EXPECT_DOUBLE_EQ(joinDateTime(-1, 0.25), -1.25);
}

TEST(SplitDate, RoundsToTheNearestSecond) {
    EXPECT_EQ(splitDate(makeTime(10, 0, 0) + 0.6 / 86400).second, 1);
    DateParts p = splitDate(-2 - (86400 - 0.4) / 86400);  // 28 Dec 1899 just before midnight
    EXPECT_EQ((std::array{p.day, p.hour}), (std::array{29, 0}));
}

}  // namespace
}  // namespace vbs
