// Serial values before 30 December 1899, where the printed form hides the sign convention, and
// the clock.
#include <cmath>

#include "Call.h"
#include "script/values/datetime.h"

using namespace vbs;
using namespace vbs::test;

namespace {

Value date(int y, int m, int d, int h = 0, int n = 0, int s = 0) {
    double day = makeDate(y, m, d), time = makeTime(h, n, s);
    return Value::date(day < 0 ? day - time : day + time);
}

Value code(const char16_t* s) { return str(s); }

}  // namespace

TEST(Dates, ValueParts) {
    Value d = date(2026, 12, 8, 13, 5, 9);
    EXPECT_EQ(text(call(u"DateValue", {d})), "12/8/2026");
    EXPECT_EQ(text(call(u"TimeValue", {d})), "1:05:09 PM");
    EXPECT_EQ(call(u"DateValue", {Value::date(-1.25)}).f64, -1);
    EXPECT_EQ(call(u"TimeValue", {Value::date(-1.25)}).f64, 0.25);
}

TEST(DateAdd, BeforeEighteenHundredNinetyNine) {
    EXPECT_EQ(call(u"DateAdd", {code(u"h"), i16(6), date(1899, 12, 29)}).f64, -1.25);
    EXPECT_EQ(call(u"DateAdd", {code(u"d"), i16(1), date(1899, 12, 29, 6)}).f64, 0.25);
    EXPECT_EQ(call(u"DateAdd", {code(u"h"), i16(-12), Value::date(0.25)}).f64, -1.75);
    EXPECT_EQ(text(call(u"DateAdd", {code(u"m"), i16(1), date(1850, 1, 31)})), "2/28/1850");
}

TEST(DateDiff, AcrossTheZeroDay) {
    EXPECT_EQ(call(u"DateDiff", {code(u"h"), Value::date(-1.75), Value::date(0.25)}).i32, 12);
    EXPECT_EQ(call(u"DateDiff", {code(u"n"), Value::date(-0.5), Value::date(0.25)}).i32, -360);
    EXPECT_EQ(call(u"DateDiff", {code(u"d"), Value::date(-1.75), Value::date(0.25)}).i32, 1);
}

TEST(Clock, TimerCountsSecondsSinceMidnight) {
    Value timer = call(u"Timer", {});
    Value now = call(u"Now", {});
    ASSERT_EQ(timer.type, Type::Single);
    double sinceMidnight = (now.f64 - std::floor(now.f64)) * 86400;
    EXPECT_GE(timer.f32, 0);
    EXPECT_LT(timer.f32, 86400);
    if (sinceMidnight > 5 && sinceMidnight < 86395) {
        EXPECT_NEAR(timer.f32, sinceMidnight, 2.0);
    }
    EXPECT_EQ(call(u"Date", {}).f64, std::floor(now.f64));
}
