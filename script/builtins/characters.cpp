// Character codes. Asc and Chr speak the ANSI code page of locale 1033 (Windows-1252), AscW and
// ChrW speak UTF-16.
#include "script/builtins/args.h"
#include "script/builtins/library.h"

namespace vbs::builtin {

namespace {

// Windows-1252's 0x80-0x9F; the five unassigned codes map to the C1 control of the same value.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t fromAnsi(int code) {
    return code >= 0x80 && code < 0xA0 ? kCp1252High[code - 0x80] : static_cast<char16_t>(code);
}

int toAnsi(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c < 0x100)) return c;
    for (int i = 0; i < 32; ++i) {
        if (kCp1252High[i] == c) return 0x80 + i;
    }
    return '?';  // not in the code page
}

// One-character strings are built once per thread: Chr sits in hot loops. Strings are not
// shareable across threads (plain reference counts), hence thread_local.
const String& singleChar(char16_t c) {
    thread_local String cache[256];
    String& s = cache[c];
    if (s.empty()) s = String(std::u16string_view(&c, 1));
    return s;
}

Value charValue(char16_t c) { return c < 256 ? Value(singleChar(c)) : Value(std::u16string_view(&c, 1)); }

char16_t firstChar(const Value& v) {
    if (v.isString()) {
        if (v.strView().empty()) raise(errInvalidCall);
        return v.strView()[0];
    }
    String s = toString(v);
    if (s.empty()) raise(errInvalidCall);
    return s[0];
}

}  // namespace

VBS_BUILTIN(Asc) { result = Value::integer(static_cast<int16_t>(toAnsi(firstChar(args[0])))); }

VBS_BUILTIN(AscW) { result = Value::integer(static_cast<int16_t>(firstChar(args[0]))); }

VBS_BUILTIN(Chr) {
    int32_t code = toLong(args[0]);
    if (code < 0 || code > 255) raise(errInvalidCall);
    result = charValue(fromAnsi(code));
}

// ChrW takes -32768..65535; negative codes are the same UTF-16 unit read as signed.
VBS_BUILTIN(ChrW) {
    int32_t code = toLong(args[0]);
    if (code < -32768 || code > 65535) raise(errInvalidCall);
    result = charValue(static_cast<char16_t>(code & 0xFFFF));
}

}  // namespace vbs::builtin
