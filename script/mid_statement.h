#pragma once
// The Mid statement: Mid(target, start[, length]) = text overwrites characters of a variable.
#include "script/value.h"

namespace vbs {

// length is an Error value (the missing-argument marker) when omitted.
void midAssign(Value& target, const Value& start, const Value& length, const Value& text);

}  // namespace vbs
