// The C* conversions: rounding, ranges, and what each subtype turns into.
#include <gtest/gtest.h>

#include "Support.h"

namespace vbs {
namespace {

using test::errorOf;

TEST(ToInteger, RoundsHalfToEvenWithinRange) {
    EXPECT_EQ(toInteger(Value::dbl(2.5)), 2);
    EXPECT_EQ(toInteger(Value::dbl(3.5)), 4);
    EXPECT_EQ(toInteger(Value::dbl(-2.5)), -2);
    EXPECT_EQ(toInteger(Value(u"1.5")), 2);
    EXPECT_EQ(toInteger(Value::dbl(-32768.5)), -32768);  // even, so still in range
    EXPECT_EQ(errorOf([] { toInteger(Value::dbl(32767.5)); }), errOverflow);
}

TEST(ToLong, RoundsAndChecksRange) {
    EXPECT_EQ(toLong(Value::dbl(-2147483648.5)), INT32_MIN);
    EXPECT_EQ(errorOf([] { toLong(Value::dbl(2147483647.5)); }), errOverflow);
    EXPECT_EQ(toLong(Value::currency(25000)), 2);
    EXPECT_EQ(toLong(Value::currency(-35000)), -4);
    EXPECT_EQ(toLong(Value::currency(25001)), 3);
    EXPECT_EQ(errorOf([] { toLong(Value::currency(int64_t{3000000000} * 10000)); }), errOverflow);
}

TEST(ToByte, Range) {
    EXPECT_EQ(toByte(Value::dbl(-0.5)), 0);
    EXPECT_EQ(errorOf([] { toByte(Value::dbl(255.5)); }), errOverflow);
    EXPECT_EQ(errorOf([] { toByte(Value::integer(-1)); }), errOverflow);
}

TEST(ToCurrency, FourDecimalsAndRange) {
    EXPECT_EQ(toCurrency(Value::dbl(1.23456)), 12346);
    EXPECT_EQ(toCurrency(Value::lng(INT32_MAX)), int64_t{INT32_MAX} * 10000);
    EXPECT_EQ(errorOf([] { toCurrency(Value::dbl(1e15)); }), errOverflow);
}

TEST(ToSingle, OverflowOnlyPastTheRange) {
    EXPECT_EQ(errorOf([] { toSingle(Value::dbl(1e39)); }), errOverflow);
    EXPECT_EQ(toSingle(Value::dbl(1e-50)), 0.0f);
}

TEST(ToDouble, EachSubtype) {
    EXPECT_EQ(toDouble(Value()), 0);
    EXPECT_EQ(toDouble(Value::boolean(true)), -1);
    EXPECT_EQ(toDouble(Value::currency(12345)), 1.2345);
    EXPECT_EQ(toDouble(Value(u" 1,000 ")), 1000);
    EXPECT_EQ(errorOf([] { toDouble(Value(u"")); }), errTypeMismatch);
    EXPECT_EQ(errorOf([] { toDouble(Value::null()); }), errInvalidNull);
}

TEST(ToBool, NumbersAndWords) {
    EXPECT_TRUE(toBool(Value::dbl(0.1)));
    EXPECT_FALSE(toBool(Value()));
    EXPECT_TRUE(toBool(Value(u"true")));
    EXPECT_FALSE(toBool(Value(u"FALSE")));
    EXPECT_TRUE(toBool(Value(u"-2.5")));
    EXPECT_EQ(errorOf([] { toBool(Value(u"yes")); }), errTypeMismatch);
    EXPECT_EQ(errorOf([] { toBool(Value::null()); }), errInvalidNull);
}

TEST(ToDate, NumbersAndRange) {
    EXPECT_EQ(toDate(Value::boolean(true)), -1);
    EXPECT_EQ(toDate(Value::dbl(2958465.9)), 2958465.9);
    EXPECT_EQ(errorOf([] { toDate(Value::lng(3000000)); }), errOverflow);
    EXPECT_EQ(errorOf([] { toDate(Value(u"not a date")); }), errTypeMismatch);
}

TEST(ToNumeric, WhatArithmeticSees) {
    EXPECT_EQ(test::typed(toNumeric(Value())), "Integer 0");
    EXPECT_EQ(test::typed(toNumeric(Value(u"12"))), "Double 12");
    EXPECT_EQ(test::typed(toNumeric(Value::boolean(true))), "Boolean True");
    EXPECT_EQ(errorOf([] { toNumeric(Value(u"x")); }), errTypeMismatch);
}

}  // namespace
}  // namespace vbs
