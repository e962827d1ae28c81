// Length, slicing, case and padding. These run in the brains' inner loops: a result equal to the
// argument is the argument itself, never a copy.
#include <algorithm>

#include "script/builtins/args.h"
#include "script/builtins/library.h"
#include "script/values/deadline.h"
#include "script/values/text.h"

namespace vbs::builtin {

namespace {

// A length or count argument: Null is 94, negative 5, beyond Long 6 (through toLong).
uint32_t countArg(const Value& v) {
    int32_t n = toLong(v);
    if (n < 0) raise(errInvalidCall);
    return static_cast<uint32_t>(n);
}

void setSlice(Value& result, const String& s, uint32_t from, uint32_t count) {
    if (from == 0 && count >= s.size()) result = Value(s);
    else result = Value(s.view().substr(from, count));
}

}  // namespace

VBS_BUILTIN(Len) {
    const Value& v = args[0];
    if (v.isNull()) { result = Value::null(); return; }
    result = Value::lng(static_cast<int32_t>(v.isString() ? v.strView().size() : toString(v).size()));
}

// The counts are checked before the string: Left(Null, -1) is error 5, as on Windows.
VBS_BUILTIN(Left) {
    uint32_t n = countArg(args[1]);
    if (args[0].isNull()) { result = Value::null(); return; }
    setSlice(result, toString(args[0]), 0, n);
}

VBS_BUILTIN(Right) {
    uint32_t n = countArg(args[1]);
    if (args[0].isNull()) { result = Value::null(); return; }
    String s = toString(args[0]);
    uint32_t len = s.size();
    setSlice(result, s, n >= len ? 0 : len - n, n);
}

VBS_BUILTIN(Mid) {
    int32_t start = toLong(args[1]);
    if (start < 1) raise(errInvalidCall);
    uint32_t count = given(args, argc, 2) ? countArg(args[2]) : UINT32_MAX;
    if (args[0].isNull()) { result = Value::null(); return; }
    String s = toString(args[0]);
    uint32_t from = static_cast<uint32_t>(start - 1);
    if (from >= s.size()) { result = Value(String()); return; }
    setSlice(result, s, from, count);
}

namespace {

template <String (*Convert)(const String&)>
void changeCase(const Value& v, Value& result) {
    if (v.isNull()) result = Value::null();
    else result = Value(Convert(toString(v)));
}

}  // namespace

VBS_BUILTIN(LCase) { changeCase<lower>(args[0], result); }
VBS_BUILTIN(UCase) { changeCase<upper>(args[0], result); }

namespace {

// Only the space character is trimmed, never tabs or line breaks.
void trim(Value* args, Value& result, bool left, bool right) {
    if (args[0].isNull()) { result = Value::null(); return; }
    String s = toString(args[0]);
    std::u16string_view v = s.view();
    size_t b = 0, e = v.size();
    if (left) while (b < e && v[b] == u' ') ++b;
    if (right) while (e > b && v[e - 1] == u' ') --e;
    setSlice(result, s, static_cast<uint32_t>(b), static_cast<uint32_t>(e - b));
}

}  // namespace

VBS_BUILTIN(LTrim) { trim(args, result, true, false); }
VBS_BUILTIN(RTrim) { trim(args, result, false, true); }
VBS_BUILTIN(Trim) { trim(args, result, true, true); }

namespace {

String repeat(uint32_t n, char16_t c) {
    String s = String::uninitialized(n);
    constexpr uint32_t kSlice = 1 << 20;  // a slice between looks at the time-out
    for (uint32_t i = 0; i < n; i += kSlice) {
        pollDeadline();
        std::fill_n(s.data() + i, std::min(kSlice, n - i), c);
    }
    return s;
}

}  // namespace

VBS_BUILTIN(Space) { result = Value(repeat(countArg(args[0]), u' ')); }

// String(n, char): char is a character code (taken modulo 256) or a string whose first
// character repeats.
VBS_BUILTIN(StringFn) {
    if (args[0].isNull() || args[1].isNull()) { result = Value::null(); return; }
    uint32_t n = countArg(args[0]);
    const Value& c = args[1];
    char16_t ch;
    if (c.isString()) {
        if (c.strView().empty()) raise(errInvalidCall);
        ch = c.strView()[0];
    } else {
        int32_t code = toLong(c);
        if (code < 0) raise(errInvalidCall);
        ch = static_cast<char16_t>(code % 256);
    }
    result = Value(repeat(n, ch));
}

VBS_BUILTIN(StrReverse) {
    String s = toString(args[0]);
    String r = String::uninitialized(s.size());
    std::reverse_copy(s.data(), s.data() + s.size(), r.data());
    result = Value(std::move(r));
}

}  // namespace vbs::builtin
