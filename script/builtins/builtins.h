#pragma once
// The built-in function library and constants. The compiler resolves a name here once, so a call
// at run time goes straight to the function.
#include <string_view>

#include "script/runtime/context.h"
#include "script/values/value.h"

namespace vbs {

// args are plain values (ByRef already read through); argc is within [minArgs, maxArgs].
using BuiltinFn = void (*)(Context& ctx, Value* args, int argc, Value& result);

struct Builtin {
    std::u16string_view name;
    BuiltinFn fn;
    int8_t minArgs;
    int8_t maxArgs;  // -1: any number (Array)
};

// Case-insensitive; nullptr when there is no such function.
const Builtin* findBuiltin(std::u16string_view name);
// vbCrLf, vbTextCompare, ...; false when there is no such constant.
bool findConstant(std::u16string_view name, Value& out);

}  // namespace vbs
