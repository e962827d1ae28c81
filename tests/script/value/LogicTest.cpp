// Not, And, Or, Xor, Eqv, Imp: bitwise on whole numbers, Boolean on Booleans, and Null as "unknown".
#include <gtest/gtest.h>

#include "Support.h"
#include "script/values/operators.h"

namespace vbs {
namespace {

using test::typed;

const Value kTrue = Value::boolean(true);
const Value kFalse = Value::boolean(false);
const Value kNull = Value::null();

TEST(Logic, SubtypeOfTheResult) {
    EXPECT_EQ(typed(ops::imp(kTrue, kFalse)), "Boolean False");
    EXPECT_EQ(typed(ops::bitNot(kTrue)), "Boolean False");
    EXPECT_EQ(typed(ops::bitAnd(Value::integer(12), Value::integer(10))), "Integer 8");
    EXPECT_EQ(typed(ops::bitXor(Value::byte(12), Value::byte(10))), "Byte 6");
    EXPECT_EQ(typed(ops::eqv(Value::integer(5), Value::integer(3))), "Integer -7");
    EXPECT_EQ(typed(ops::bitAnd(kTrue, Value::integer(6))), "Integer 6");
    EXPECT_EQ(typed(ops::bitAnd(Value::dbl(6.5), Value::integer(7))), "Long 6");  // 6.5 rounds to 6
    EXPECT_EQ(typed(ops::bitOr(Value(u"8"), Value::integer(1))), "Long 9");
    EXPECT_EQ(typed(ops::bitNot(Value())), "Integer -1");
    EXPECT_EQ(typed(ops::bitNot(Value::byte(0))), "Byte 255");
    EXPECT_EQ(typed(ops::bitNot(Value::dbl(2.5))), "Long -3");
}

TEST(Logic, NullIsUnknown) {
    // The known side decides when it can: False And anything is False, True Or anything is True.
    EXPECT_EQ(typed(ops::bitAnd(kNull, kFalse)), "Boolean False");
    EXPECT_EQ(typed(ops::bitAnd(kTrue, kNull)), "Null");
    EXPECT_EQ(typed(ops::bitOr(kTrue, kNull)), "Boolean True");
    EXPECT_EQ(typed(ops::bitOr(kNull, kFalse)), "Null");
    EXPECT_EQ(typed(ops::bitXor(kNull, kTrue)), "Null");
    EXPECT_EQ(typed(ops::imp(kFalse, kNull)), "Boolean True");
    EXPECT_EQ(typed(ops::imp(kTrue, kNull)), "Null");
    EXPECT_EQ(typed(ops::imp(kNull, kTrue)), "Boolean True");
    EXPECT_EQ(typed(ops::imp(kNull, kFalse)), "Null");
    EXPECT_EQ(typed(ops::bitNot(kNull)), "Null");
}

}  // namespace
}  // namespace vbs
