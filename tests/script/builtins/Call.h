#pragma once
// Calls a built-in the way the VM does: by its table entry, with the arguments in an array.
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "script/builtins/builtins.h"
#include "script/values/convert.h"
#include "script/values/errors.h"

namespace vbs::test {

inline Value call(Context& ctx, std::u16string_view name, std::initializer_list<Value> args) {
    const Builtin* b = findBuiltin(name);
    if (!b) throw std::runtime_error("no such built-in");
    std::vector<Value> a(args);
    Value result;
    b->fn(ctx, a.data(), static_cast<int>(a.size()), result);
    return result;
}

inline Value call(std::u16string_view name, std::initializer_list<Value> args) {
    Context ctx;
    return call(ctx, name, args);
}

// The result as CStr shows it.
inline std::string text(const Value& v) { return toString(v).toUtf8(); }

inline std::string textOf(std::u16string_view name, std::initializer_list<Value> args) {
    return text(call(name, args));
}

// The VBScript error number the call raises, or 0.
inline int errorOf(std::u16string_view name, std::initializer_list<Value> args) {
    try {
        call(name, args);
    } catch (const ScriptError& e) {
        return e.number;
    }
    return 0;
}

inline Value str(const char16_t* s) { return Value(s); }
inline Value i16(int16_t n) { return Value::integer(n); }
inline Value i32(int32_t n) { return Value::lng(n); }
inline Value dbl(double d) { return Value::dbl(d); }
inline Value null() { return Value::null(); }
inline Value omitted() { return Value::error(static_cast<int32_t>(0x80020004u)); }

}  // namespace vbs::test
