#pragma once
// VBScript's operators on Variants: the result subtype, Integer -> Long -> Double promotion on
// overflow, Null propagation, Empty as 0 or "", and the string/number comparison rules. The VM
// handles Integer/Long/Double pairs inline and calls these for everything else.
#include "script/values/value.h"

namespace vbs::ops {

Value add(const Value& a, const Value& b);   // + (two strings concatenate)
Value sub(const Value& a, const Value& b);
Value mul(const Value& a, const Value& b);
Value div(const Value& a, const Value& b);   // /
Value idiv(const Value& a, const Value& b);  // \ .
Value mod(const Value& a, const Value& b);
Value pow(const Value& a, const Value& b);   // ^
Value concat(const Value& a, const Value& b);  // &
Value neg(const Value& a);
Value bitNot(const Value& a);                // Not
Value bitAnd(const Value& a, const Value& b);
Value bitOr(const Value& a, const Value& b);
Value bitXor(const Value& a, const Value& b);
Value eqv(const Value& a, const Value& b);
Value imp(const Value& a, const Value& b);

enum class Order : int8_t { Less = -1, Equal = 0, Greater = 1, Null = 2 };

// How the compiler saw the operands: a literal number compared with a string converts the string
// (and a literal string converts the number), while two variables compare number < string.
enum CompareFlags : unsigned {
    kTextCompare = 1,    // case-insensitive string comparison (vbTextCompare)
    kLeftLiteral = 2,
    kRightLiteral = 4,
};

Order compare(const Value& a, const Value& b, unsigned flags = 0);
bool is(const Value& a, const Value& b);     // object identity; 424 when either is not an object

}  // namespace vbs::ops
