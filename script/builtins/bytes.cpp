// The B functions count the bytes of the UTF-16LE text. A byte string may have an odd number of
// bytes (ChrB(65) is one byte), which the character functions do not see but & keeps.
#include <algorithm>
#include <string>

#include "script/builtins/args.h"
#include "script/builtins/library.h"

namespace vbs::builtin {

namespace {

uint32_t byteCountArg(const Value& v) {
    int32_t n = toLong(v);
    if (n < 0) raise(errInvalidCall);
    return static_cast<uint32_t>(n);
}

// `count` bytes from byte offset `from` (0-based).
Value byteSlice(const String& s, size_t from, size_t count) {
    size_t total = s.byteSize();
    if (from >= total) return Value(String());
    count = std::min(count, total - from);
    if (from % 2 == 0 && count % 2 == 0) return Value(s.view().substr(from / 2, count / 2));
    std::basic_string<uint8_t> bytes(count, 0);
    for (size_t k = 0; k < count; ++k) bytes[k] = s.byteAt(from + k);
    return Value(String::fromBytes(bytes.data(), count));
}

}  // namespace

VBS_BUILTIN(LenB) {
    if (args[0].isNull()) { result = Value::null(); return; }
    result = Value::lng(static_cast<int32_t>(toString(args[0]).byteSize()));
}

VBS_BUILTIN(AscB) {
    String s = toString(args[0]);
    if (!s.byteSize()) raise(errInvalidCall);
    result = Value::integer(s.byteAt(0));
}

VBS_BUILTIN(ChrB) {
    int32_t code = toLong(args[0]);
    if (code < 0 || code > 255) raise(errInvalidCall);
    uint8_t byte = static_cast<uint8_t>(code);
    result = Value(String::fromBytes(&byte, 1));
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
    size_t total = s.byteSize();
    result = byteSlice(s, n >= total ? 0 : total - n, n);
}

VBS_BUILTIN(MidB) {
    if (args[0].isNull()) { result = Value::null(); return; }
    int32_t start = toLong(args[1]);
    if (start < 1) raise(errInvalidCall);
    size_t count = given(args, argc, 2) ? byteCountArg(args[2]) : SIZE_MAX;
    result = byteSlice(toString(args[0]), static_cast<size_t>(start - 1), count);
}

// InStrB([start, ]text, sought[, compare]): as InStr, in bytes, matching at any byte.
VBS_BUILTIN(InStrB) {
    int32_t start = 1;
    int first = 0;
    if (argc >= 3) {
        start = longArg(args, argc, 0, 1);
        if (start < 1) raise(errInvalidCall);
        first = 1;
    }
    textCompareArg(args, argc, first + 2);  // checked; bytes have no case
    const Value& a = args[first];
    const Value& b = args[first + 1];
    if (a.isNull() || b.isNull()) { result = Value::null(); return; }
    String text = toString(a), sought = toString(b);
    size_t from = static_cast<size_t>(start - 1), n = text.byteSize(), m = sought.byteSize();
    if (from >= n) { result = Value::lng(0); return; }
    if (!m) { result = Value::lng(start); return; }
    for (size_t i = from; i + m <= n; ++i) {
        size_t k = 0;
        while (k < m && text.byteAt(i + k) == sought.byteAt(k)) ++k;
        if (k == m) { result = Value::lng(static_cast<int32_t>(i + 1)); return; }
    }
    result = Value::lng(0);
}

}  // namespace vbs::builtin
