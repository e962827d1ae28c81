// What CDate and IsDate accept in locale 1033.
#include <gtest/gtest.h>

#include "script/values/convert.h"
#include "script/values/datetime.h"

namespace vbs {
namespace {

double parsed(std::u16string_view s) {
    double d = -1e9;
    EXPECT_TRUE(parseDate(s, d)) << "not a date";
    return d;
}

bool rejects(std::u16string_view s) {
    double d;
    return !parseDate(s, d);
}

TEST(ParseDate, NumericDates) {
    int thisYear = splitDate(nowSerial()).year;
    EXPECT_EQ(parsed(u" 12-08-2026 "), makeDate(2026, 12, 8));
    EXPECT_EQ(parsed(u"2026-12-08"), makeDate(2026, 12, 8));
    EXPECT_EQ(parsed(u"13/1/2026"), makeDate(2026, 1, 13));  // no 13th month: day first
    EXPECT_EQ(parsed(u"12/8"), makeDate(thisYear, 12, 8));
    EXPECT_EQ(parsed(u"1/1/29"), makeDate(2029, 1, 1));
    EXPECT_EQ(parsed(u"1/1/30"), makeDate(1930, 1, 1));
}

TEST(ParseDate, MonthNames) {
    EXPECT_EQ(parsed(u"Tuesday, December 8, 2026"), makeDate(2026, 12, 8));
    EXPECT_EQ(parsed(u"8 Dec 2026"), makeDate(2026, 12, 8));
    EXPECT_EQ(parsed(u"Sept 1, 2026"), makeDate(2026, 9, 1));
}

TEST(ParseDate, Times) {
    EXPECT_EQ(parsed(u"13:18"), makeTime(13, 18, 0));
    EXPECT_EQ(parsed(u"12:00 AM"), 0);
    EXPECT_EQ(parsed(u"1 PM"), makeTime(13, 0, 0));
    EXPECT_EQ(parsed(u"12/8/2026 1:18:04 pm"), makeDate(2026, 12, 8) + makeTime(13, 18, 4));
    EXPECT_EQ(parsed(u"1/1/1800 6:00"), makeDate(1800, 1, 1) - 0.25);
}

TEST(ParseDate, Rejects) {
    for (const char16_t* s : {u"", u"hello", u"5", u"2/30/2026", u"13/13/2026", u"1/1/10000", u"25:00",
                              u"13:00 PM", u"1:60", u"1/2/3/4", u"Smarch 1, 2026"})
        EXPECT_TRUE(rejects(s)) << std::string(s, s + std::char_traits<char16_t>::length(s));
}

}  // namespace
}  // namespace vbs
