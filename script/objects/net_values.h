#pragma once
// What the .NET collections scripts create (ArrayList, Stack, Queue, SortedList) share: their exceptions as
// Err shows them, how a value crosses into .NET, and Object.Equals.
#include <cstdint>
#include <string>

#include "script/values/value.h"

namespace vbs {

// The HRESULTs of the .NET exceptions, as Err.Number shows them.
constexpr int32_t kNetOutOfRange = -2146233086;       // ArgumentOutOfRangeException
constexpr int32_t kNetBadArgument = -2147024809;      // ArgumentException
constexpr int32_t kNetInvalidOperation = -2146233079;  // InvalidOperationException
constexpr int32_t kNetNullArgument = -2147467261;     // ArgumentNullException

// Raises the exception with Source "mscorlib".
[[noreturn]] void netError(int32_t hresult, std::u16string description);
// Nothing crosses into .NET as null, and comes back as Empty.
Value netStored(const Value& v);
// Object.Equals on the boxed values: same type and same value; arrays are new objects each time.
bool netEqual(const Value& a, const Value& b);
// Comparer.Default: null (Empty) first; otherwise both must be of one comparable type, which
// the caller checks.
bool netLess(const Value& a, const Value& b);

}  // namespace vbs
