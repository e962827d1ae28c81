// Comparison: numbers by value, strings binary or text, and the number-versus-string rules.
#include <gtest/gtest.h>

#include "Support.h"
#include "script/values/object.h"
#include "script/values/operators.h"

namespace vbs {
namespace {

using ops::compare;
using ops::Order;
using test::errorOf;

TEST(Compare, NumbersEmptyAndNull) {
    EXPECT_EQ(compare(Value::integer(1), Value::dbl(1.0)), Order::Equal);
    EXPECT_EQ(compare(Value::byte(255), Value::lng(-1)), Order::Greater);
    EXPECT_EQ(compare(Value::currency(INT64_MAX), Value::currency(INT64_MAX - 1)), Order::Greater);
    EXPECT_EQ(compare(Value::boolean(true), Value::integer(-1)), Order::Equal);
    EXPECT_EQ(compare(Value(), Value::dbl(-0.5)), Order::Greater);
    EXPECT_EQ(compare(Value(), Value(u"")), Order::Equal);
    EXPECT_EQ(compare(Value(u"a"), Value()), Order::Greater);
    EXPECT_EQ(compare(Value::null(), Value::null()), Order::Null);
    EXPECT_EQ(compare(Value(u"a"), Value::null()), Order::Null);
}

TEST(Compare, Strings) {
    EXPECT_EQ(compare(Value(u"a"), Value(u"B")), Order::Greater);
    EXPECT_EQ(compare(Value(u"a"), Value(u"B"), ops::kTextCompare), Order::Less);
    EXPECT_EQ(compare(Value(u"abc"), Value(u"ABC"), ops::kTextCompare), Order::Equal);
    EXPECT_EQ(compare(Value(u"10"), Value(u"9")), Order::Less);
}

TEST(Compare, NumberAgainstString) {
    // Two variables: every number sorts first. Microsoft's example: "100" > 1000 is True.
    EXPECT_EQ(compare(Value(u"100"), Value::integer(1000)), Order::Greater);
    EXPECT_EQ(compare(Value::boolean(true), Value(u"True")), Order::Less);
    // A literal number reads the string as a number...
    EXPECT_EQ(compare(Value(u"100"), Value::integer(1000), ops::kRightLiteral), Order::Less);
    EXPECT_EQ(compare(Value::integer(1), Value(u" 1.0 "), ops::kLeftLiteral), Order::Equal);
    // A string that is no number is not equal to a literal one, never an error: a variable holding
    // "True" compared with True is False on Windows.
    EXPECT_EQ(compare(Value(u"abc"), Value::integer(1), ops::kRightLiteral), Order::Greater);
    EXPECT_EQ(compare(Value(u"True"), Value::boolean(true), ops::kRightLiteral), Order::Greater);
    // ...and a literal string reads the number as text, where "9" sorts after "10".
    EXPECT_EQ(compare(Value::integer(9), Value(u"10"), ops::kRightLiteral), Order::Greater);
    EXPECT_EQ(compare(Value(u"True"), Value::boolean(true), ops::kLeftLiteral), Order::Equal);
}

class Thing : public Object {
public:
    std::u16string_view typeName() const override { return u"Thing"; }
    const void* typeKey() const override { return this; }
    int memberId(std::u16string_view) const override { return kNoMember; }
    void invoke(int, Invoke, Value*, int, Value&) override { raise(errNoSuchMember); }
};

TEST(Is, ObjectIdentity) {
    Value a = Value::object(new Thing), b = Value::object(new Thing);
    Value alias = a;
    EXPECT_TRUE(ops::is(Value::reference(&a), alias));
    EXPECT_FALSE(ops::is(a, b));
    EXPECT_TRUE(ops::is(Value::object(nullptr), Value::object(nullptr)));
    EXPECT_EQ(errorOf([&] { ops::is(a, Value()); }), errObjectRequired);
    // Without a default property an object cannot be compared by value.
    EXPECT_EQ(errorOf([&] { compare(a, Value::integer(1)); }), errNoSuchMember);
}

}  // namespace
}  // namespace vbs
