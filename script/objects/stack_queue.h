#pragma once
// System.Collections.Stack and System.Collections.Queue, which scripts create for last-in and
// first-in lists, with .NET's members, order and exceptions.
#include "script/values/value.h"

namespace vbs {

Value newStack();
Value newQueue();

}  // namespace vbs
