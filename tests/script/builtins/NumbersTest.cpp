// Exact results the printed form would hide: Currency's scaled value, the sign of zero.
#include <cmath>

#include "Call.h"

using namespace vbs;
using namespace vbs::test;

TEST(Numbers, CurrencyStaysExact) {
    EXPECT_EQ(call(u"Round", {Value::currency(12345), i16(3)}).cy, 12340);  // half to even
    EXPECT_EQ(call(u"Round", {Value::currency(12355), i16(3)}).cy, 12360);
    EXPECT_EQ(call(u"Round", {Value::currency(-25000)}).cy, -20000);
    EXPECT_EQ(call(u"Round", {Value::currency(12345), i16(4)}).cy, 12345);
    EXPECT_EQ(call(u"Int", {Value::currency(-15000)}).cy, -20000);
    EXPECT_EQ(call(u"Fix", {Value::currency(-15000)}).cy, -10000);
    EXPECT_EQ(call(u"Abs", {Value::currency(-10000)}).cy, 10000);
}

TEST(Numbers, NoNegativeZero) {
    EXPECT_FALSE(std::signbit(call(u"Round", {dbl(-0.5)}).f64));
    EXPECT_FALSE(std::signbit(call(u"Round", {dbl(-0.001), i16(2)}).f64));
    EXPECT_FALSE(std::signbit(call(u"Fix", {dbl(-0.5)}).f64));
}

TEST(Numbers, RoundingBeyondDoublePrecision) {
    EXPECT_EQ(call(u"Round", {dbl(1e300), i16(2)}).f64, 1e300);
    EXPECT_EQ(call(u"Round", {dbl(123.456), i16(400)}).f64, 123.456);
    EXPECT_EQ(call(u"Round", {Value::single(2.5f)}).type, Type::Single);
    EXPECT_EQ(call(u"Int", {Value::date(45000.75)}).type, Type::Date);
}

// A Double from outside the script (an object's property) can be infinite or NaN; CStr must not
// crash on it.
TEST(Numbers, NonFiniteText) {
    EXPECT_EQ(call(u"CStr", {dbl(INFINITY)}).strView(), u"1.#INF");
    EXPECT_EQ(call(u"CStr", {dbl(-INFINITY)}).strView(), u"-1.#INF");
    EXPECT_EQ(call(u"CStr", {dbl(-std::nan(""))}).strView(), u"-1.#IND");
}
