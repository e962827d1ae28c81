// The B functions count the bytes of the UTF-16LE text. A slice may start at any byte (its units
// are then re-paired from the bytes), but our strings hold whole units, so an odd trailing byte is
// dropped and ChrB gives the character with that code rather than a one-byte string.
#include <algorithm>

#include "script/builtins/args.h"
#include "script/builtins/library.h"

namespace vbs::builtin {

namespace {

uint32_t byteCountArg(const Value& v) {
    int32_t n = toLong(v);
    if (n < 0) raise(errInvalidCall);
    return static_cast<uint32_t>(n);
}

// `count` bytes from byte offset `from` (0-based), in whole units.
Value byteSlice(const String& s, size_t from, size_t count) {
    size_t total = size_t(s.size()) * 2;
    if (from >= total) return Value(String());
    count = std::min(count, total - from) / 2;
    if (from % 2 == 0) return Value(s.view().substr(from / 2, count));
    String out = String::uninitialized(count);
    for (size_t k = 0; k < count; ++k) {
        size_t unit = from / 2 + k;  // the high byte of this unit, then the low byte of the next
        out.data()[k] = static_cast<char16_t>((s[unit] >> 8) | ((s[unit + 1] & 0xFF) << 8));
    }
    return Value(std::move(out));
}

}  // namespace

VBS_BUILTIN(LenB) {
    if (args[0].isNull()) { result = Value::null(); return; }
    result = Value::lng(static_cast<int32_t>(toString(args[0]).size() * 2));
}

VBS_BUILTIN(AscB) {
    String s = toString(args[0]);
    if (s.empty()) raise(errInvalidCall);
    result = Value::integer(static_cast<int16_t>(s[0] & 0xFF));
}

VBS_BUILTIN(ChrB) {
    int32_t code = toLong(args[0]);
    if (code < 0 || code > 255) raise(errInvalidCall);
    char16_t c = static_cast<char16_t>(code);
    result = Value(std::u16string_view(&c, 1));
}

VBS_BUILTIN(LeftB) {
    if (args[0].isNull()) { result = Value::null(); return; }
    uint32_t n = byteCountArg(args[1]);
    result = byteSlice(toString(args[0]), 0, n);
}

VBS_BUILTIN(RightB) {
    if (args[0].isNull()) { result = Value::null(); return; }
    size_t n = byteCountArg(args[1]);
    String s = toString(args[0]);
    size_t total = size_t(s.size()) * 2;
    result = byteSlice(s, n >= total ? 0 : total - n, n);
}

VBS_BUILTIN(MidB) {
    if (args[0].isNull()) { result = Value::null(); return; }
    int32_t start = toLong(args[1]);
    if (start < 1) raise(errInvalidCall);
    size_t count = given(args, argc, 2) ? byteCountArg(args[2]) : SIZE_MAX;
    result = byteSlice(toString(args[0]), static_cast<size_t>(start - 1), count);
}

// Byte positions: a match at character p sits at byte 2p - 1.
VBS_BUILTIN(InStrB) {
    Value local[4];
    for (int i = 0; i < argc; ++i) local[i] = args[i];
    if (argc >= 3) {
        int32_t start = toLong(args[0]);
        if (start < 1) raise(errInvalidCall);
        local[0] = Value::lng(start / 2 + 1);
    }
    InStr(ctx, local, argc, result);
    if (result.type == Type::Long && result.i32 > 0) result.i32 = result.i32 * 2 - 1;
}

}  // namespace vbs::builtin
