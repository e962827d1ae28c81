#pragma once
// System.Random, which scripts create for Next_2(min, max): .NET exposes the overloads of Next as
// Next (none), Next_2 (min, max) and Next_3 (max), and NextDouble.
#include "script/values/value.h"

namespace vbs {

Value newNetRandom();

}  // namespace vbs
