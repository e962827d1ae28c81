// + - * / \ Mod ^ & and unary minus: values and, just as much, the subtype of the result.
#include <gtest/gtest.h>

#include "Support.h"
#include "script/values/convert.h"
#include "script/values/datetime.h"
#include "script/values/object.h"
#include "script/values/operators.h"

namespace vbs {
namespace {

using test::errorOf;
using test::typed;

Value i(int16_t x) { return Value::integer(x); }
Value l(int32_t x) { return Value::lng(x); }
Value d(double x) { return Value::dbl(x); }
Value by(uint8_t x) { return Value::byte(x); }
Value cy(int64_t scaled) { return Value::currency(scaled); }
Value s(const char16_t* x) { return Value(x); }

TEST(Add, PromotesOnOverflow) {
    EXPECT_EQ(typed(ops::add(i(1), i(2))), "Integer 3");
    EXPECT_EQ(typed(ops::add(i(32767), i(1))), "Long 32768");
    EXPECT_EQ(typed(ops::add(l(2147483647), i(1))), "Double 2147483648");
    EXPECT_EQ(typed(ops::add(by(100), by(100))), "Byte 200");
    EXPECT_EQ(typed(ops::add(by(200), by(100))), "Integer 300");
    EXPECT_EQ(typed(ops::mul(l(65536), l(65536))), "Double 4294967296");
    EXPECT_EQ(typed(ops::add(Value::single(3e38f), Value::single(3e38f))), "Double 6.00000001099551E+38");
    EXPECT_EQ(errorOf([] { ops::mul(d(1e308), i(10)); }), errOverflow);
}

TEST(Add, ResultRanks) {
    EXPECT_EQ(typed(ops::add(Value::boolean(true), Value::boolean(true))), "Integer -2");
    EXPECT_EQ(typed(ops::sub(by(1), by(2))), "Integer -1");
    EXPECT_EQ(typed(ops::add(Value::single(1.5f), i(1))), "Single 2.5");
    EXPECT_EQ(typed(ops::add(Value::single(1.5f), l(1))), "Double 2.5");
    EXPECT_EQ(typed(ops::add(cy(10000), d(0.5))), "Currency 1.5");
    EXPECT_EQ(errorOf([] { ops::add(cy(INT64_MAX), cy(1)); }), errOverflow);
    // Products round half to even at the fourth decimal.
    EXPECT_EQ(typed(ops::mul(cy(5), cy(5000))), "Currency 0.0002");
    EXPECT_EQ(typed(ops::mul(cy(-15), cy(5000))), "Currency -0.0008");
}

TEST(Add, Dates) {
    double day = makeDate(2026, 12, 8);
    EXPECT_EQ(typed(ops::add(Value::date(day), i(1))), "Date 12/9/2026");
    EXPECT_EQ(typed(ops::sub(Value::date(day), Value::date(day - 2.5))), "Double 2.5");
    EXPECT_EQ(typed(ops::mul(Value::date(2), i(2))), "Double 4");
    EXPECT_EQ(errorOf([] { ops::add(Value::date(2958465), i(1)); }), errOverflow);
}

TEST(Add, StringsEmptyAndNull) {
    EXPECT_EQ(typed(ops::add(s(u"1"), s(u"2"))), "String 12");
    EXPECT_EQ(typed(ops::add(s(u"1"), i(1))), "Double 2");
    EXPECT_EQ(typed(ops::sub(s(u"10"), s(u"4"))), "Double 6");
    EXPECT_EQ(errorOf([] { ops::add(s(u"a"), i(1)); }), errTypeMismatch);
    EXPECT_EQ(typed(ops::add(Value(), Value())), "Integer 0");
    EXPECT_EQ(typed(ops::add(Value(), s(u"a"))), "String a");
    EXPECT_EQ(typed(ops::add(Value(), by(7))), "Byte 7");
    EXPECT_EQ(typed(ops::mul(Value::null(), s(u"not a number"))), "Null");
}

TEST(Divide, FloatingAndByZero) {
    EXPECT_EQ(typed(ops::div(i(1), i(3))), "Double 0.333333333333333");
    EXPECT_EQ(typed(ops::div(Value::single(1), i(4))), "Single 0.25");
    EXPECT_EQ(typed(ops::div(Value::single(1), l(4))), "Double 0.25");
    EXPECT_EQ(errorOf([] { ops::div(i(1), Value()); }), errDivByZero);
    EXPECT_EQ(errorOf([] { ops::div(i(0), d(0)); }), errOverflow);  // 0/0 is Overflow in VBScript
    EXPECT_EQ(typed(ops::div(Value::null(), i(0))), "Null");
}

TEST(IntegerDivide, RoundsOperandsHalfToEven) {
    EXPECT_EQ(typed(ops::idiv(i(-7), i(2))), "Integer -3");
    EXPECT_EQ(typed(ops::idiv(d(7.5), i(2))), "Long 4");  // 8 \ 2
    EXPECT_EQ(typed(ops::idiv(d(6.5), i(2))), "Long 3");  // 6 \ 2
    EXPECT_EQ(typed(ops::idiv(by(200), by(3))), "Byte 66");
    EXPECT_EQ(typed(ops::idiv(i(-32768), i(-1))), "Long 32768");
    EXPECT_EQ(errorOf([] { ops::idiv(l(INT32_MIN), i(-1)); }), errOverflow);
    EXPECT_EQ(errorOf([] { ops::idiv(d(1e10), i(2)); }), errOverflow);
    EXPECT_EQ(errorOf([] { ops::idiv(i(1), d(0.4)); }), errDivByZero);  // 0.4 rounds to 0
}

TEST(Modulo, SignFollowsTheDividend) {
    EXPECT_EQ(typed(ops::mod(i(-7), i(3))), "Integer -1");
    EXPECT_EQ(typed(ops::mod(i(7), i(-3))), "Integer 1");
    EXPECT_EQ(typed(ops::mod(d(5.5), i(2))), "Long 0");  // 6 Mod 2
    EXPECT_EQ(typed(ops::mod(l(INT32_MIN), i(-1))), "Long 0");
    EXPECT_EQ(errorOf([] { ops::mod(i(5), i(0)); }), errDivByZero);
}

TEST(Power, DoubleResult) {
    EXPECT_EQ(typed(ops::pow(i(2), i(10))), "Double 1024");
    EXPECT_EQ(typed(ops::pow(i(-2), i(3))), "Double -8");
    EXPECT_EQ(errorOf([] { ops::pow(i(-8), d(1.0 / 3)); }), errInvalidCall);
    EXPECT_EQ(errorOf([] { ops::pow(i(10), i(400)); }), errOverflow);
}

TEST(Negate, Subtypes) {
    EXPECT_EQ(typed(ops::neg(i(-32768))), "Long 32768");
    EXPECT_EQ(typed(ops::neg(l(INT32_MIN))), "Double 2147483648");
    EXPECT_EQ(typed(ops::neg(Value::boolean(true))), "Integer 1");
    EXPECT_EQ(typed(ops::neg(Value())), "Integer 0");
    EXPECT_EQ(typed(ops::neg(s(u"2.5"))), "Double -2.5");
    EXPECT_EQ(typed(ops::neg(Value::null())), "Null");
}

TEST(Concat, TextOfEachSide) {
    EXPECT_EQ(typed(ops::concat(i(1), d(1.5))), "String 11.5");
    EXPECT_EQ(typed(ops::concat(Value::boolean(true), Value())), "String True");
    EXPECT_EQ(typed(ops::concat(Value::null(), s(u"a"))), "String a");
    EXPECT_EQ(typed(ops::concat(Value::null(), Value::null())), "Null");
}

// & writes whole numbers' digits itself: at the edges of that path it must still give CStr's text.
TEST(Concat, WholeNumbersAsCStrWritesThem) {
    double z = -0.0;
    for (const Value& v : {i(INT16_MIN), l(INT32_MIN), l(0), d(z), d(7), d(-7), d(999999999999999.0), d(1e15),
                           d(-999999999999999.0), d(-1e15), d(0.5), d(1e300)})
        EXPECT_EQ(ops::concat(v, Value()).strView(), toString(v).view()) << typed(v);
}

// An object whose default property answers a fixed value.
class Holder : public Object {
public:
    explicit Holder(Value v) : value_(std::move(v)) {}
    std::u16string_view typeName() const override { return u"Holder"; }
    const void* typeKey() const override { return this; }
    int memberId(std::u16string_view) const override { return kDefaultMember; }
    void invoke(int, Invoke, Value*, int, Value& result) override { result = value_; }

private:
    Value value_;
};

TEST(Operators, ReadObjectsAndByRefThroughToTheirValue) {
    Value obj = Value::object(new Holder(i(40)));
    EXPECT_EQ(typed(ops::add(obj, i(2))), "Integer 42");
    EXPECT_EQ(typed(ops::concat(obj, s(u"!"))), "String 40!");
    EXPECT_EQ(errorOf([] { ops::add(Value::object(nullptr), i(1)); }), errObjectNotSet);
    Value target = i(20);
    Value ref = Value::reference(&target);
    EXPECT_EQ(typed(ops::add(ref, ref)), "Integer 40");
}

}  // namespace
}  // namespace vbs
