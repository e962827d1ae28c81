// CStr's text for each subtype, as Windows shows it in locale 1033.
#include <gtest/gtest.h>

#include <limits>

#include "Support.h"
#include "script/values/datetime.h"

namespace vbs {
namespace {

using test::errorOf;
using test::text;
using test::utf8;

TEST(FormatDouble, FifteenDigitsThatHideBinaryNoise) {
    EXPECT_EQ(utf8(formatDouble(1.0 / 3)), "0.333333333333333");
    EXPECT_EQ(utf8(formatDouble(2.0 / 3)), "0.666666666666667");
    EXPECT_EQ(utf8(formatDouble(9.2 * 100.0)), "920");
    EXPECT_EQ(utf8(formatDouble(0.1 + 0.2)), "0.3");
    EXPECT_EQ(utf8(formatDouble(123456789012345.0)), "123456789012345");
    EXPECT_EQ(utf8(formatDouble(-42)), "-42");
    EXPECT_EQ(utf8(formatDouble(-0.0)), "-0");
}

TEST(FormatDouble, ExponentForm) {
    EXPECT_EQ(utf8(formatDouble(1e15)), "1E+15");
    EXPECT_EQ(utf8(formatDouble(-1.5e100)), "-1.5E+100");
    EXPECT_EQ(utf8(formatDouble(123456789012345678.0)), "1.23456789012346E+17");
    EXPECT_EQ(utf8(formatDouble(std::numeric_limits<double>::denorm_min())), "4.94065645841247E-324");
    // Too many places after the point: a Single's error carried into a Double, as Windows prints it.
    EXPECT_EQ(utf8(formatDouble(static_cast<double>(0.01f) + 0.01)), "1.99999997764826E-02");
    EXPECT_EQ(utf8(formatDouble(0.0001)), "0.0001");
    EXPECT_EQ(utf8(formatDouble(0.00001)), "1E-05");
    EXPECT_EQ(utf8(formatDouble(1.5e-7)), "1.5E-07");
}

TEST(FormatSingle, SevenDigits) {
    EXPECT_EQ(utf8(formatSingle(1.0f / 3)), "0.3333333");
    EXPECT_EQ(utf8(formatSingle(16777216.0f)), "1.677722E+07");
    // Values from Rnd's well-known first sequence, as Windows prints them.
    EXPECT_EQ(utf8(formatSingle(0.7055475f)), "0.7055475");
    EXPECT_EQ(utf8(formatSingle(0.01401764f)), "1.401764E-02");
}

TEST(FormatCurrency, UpToFourDecimals) {
    EXPECT_EQ(utf8(formatCurrency(15000)), "1.5");
    EXPECT_EQ(utf8(formatCurrency(1000000)), "100");
    EXPECT_EQ(utf8(formatCurrency(-1)), "-0.0001");
    EXPECT_EQ(utf8(formatCurrency(INT64_MIN)), "-922337203685477.5808");
}

TEST(FormatDate, DateTimeOrBoth) {
    double day = makeDate(2026, 12, 8), time = makeTime(13, 18, 4);
    EXPECT_EQ(utf8(formatDate(day)), "12/8/2026");
    EXPECT_EQ(utf8(formatDate(day + time)), "12/8/2026 1:18:04 PM");
    EXPECT_EQ(utf8(formatDate(time)), "1:18:04 PM");
    EXPECT_EQ(utf8(formatDate(0)), "12:00:00 AM");
    EXPECT_EQ(utf8(formatDate(0.5)), "12:00:00 PM");
    EXPECT_EQ(utf8(formatDate(-1.25)), "12/29/1899 6:00:00 AM");
    // Just short of midnight rounds to the next day, shown without a time.
    EXPECT_EQ(utf8(formatDate(day + 0.999999999)), "12/9/2026");
}

TEST(ToString, EachSubtype) {
    EXPECT_EQ(text(Value()), "");
    EXPECT_EQ(text(Value::boolean(true)), "True");
    EXPECT_EQ(text(Value::integer(-32768)), "-32768");
    EXPECT_EQ(text(Value::single(1.5f)), "1.5");
    EXPECT_EQ(text(Value::currency(25000)), "2.5");
    EXPECT_EQ(text(Value::date(makeDate(2026, 12, 8))), "12/8/2026");
    Value target = Value::byte(7);
    EXPECT_EQ(text(Value::reference(&target)), "7");
    EXPECT_EQ(errorOf([] { toString(Value::null()); }), errInvalidNull);
}

}  // namespace
}  // namespace vbs
