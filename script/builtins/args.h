#pragma once
// Argument helpers shared by the built-in functions: omitted arguments, and the compare-mode and
// first-day-of-week arguments many of them take.
#include <cstdint>

#include "script/values/convert.h"
#include "script/values/errors.h"
#include "script/values/locale.h"
#include "script/values/value.h"

namespace vbs::builtin {

// An argument omitted in the middle of a list (MsgBox "x", , "title") arrives as this Error value,
// as COM passes it.
constexpr int32_t kParamNotFound = static_cast<int32_t>(0x80020004u);

inline bool given(const Value* args, int argc, int i) {
    return i < argc && !(args[i].type == Type::Error && args[i].i32 == kParamNotFound);
}

// An optional numeric argument, or `fallback` when it is omitted. (The conversions themselves
// raise 94 for Null, 13 for arrays and 6 beyond a Long.)
inline int32_t longArg(const Value* args, int argc, int i, int32_t fallback) {
    return given(args, argc, i) ? toLong(args[i]) : fallback;
}

// vbBinaryCompare (0) or vbTextCompare (1); vbDatabaseCompare (2) compares as text outside Access.
inline bool textCompareArg(const Value* args, int argc, int i) {
    int32_t mode = longArg(args, argc, i, 0);
    if (mode < 0 || mode > 2) raise(errInvalidCall);
    return mode != 0;
}

// First-day-of-week argument, Sunday when omitted: 0 (vbUseSystemDayOfWeek) is the locale's
// (Sunday in 1033, Monday in most of Europe).
inline int firstDayArg(const Value* args, int argc, int i) {
    int32_t d = longArg(args, argc, i, 1);
    if (d < 0 || d > 7) raise(errInvalidCall);
    return d == 0 ? locale().firstDay : d;
}

}  // namespace vbs::builtin
