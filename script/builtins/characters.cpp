// Character codes. Asc and Chr speak the ANSI code page of locale 1033 (Windows-1252), AscW and
// ChrW speak UTF-16.
#include "script/builtins/args.h"
#include "script/values/codepage.h"
#include "script/builtins/library.h"

namespace vbs::builtin {

namespace {

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

VBS_BUILTIN(Asc) { result = Value::integer(static_cast<int16_t>(toWindows1252(firstChar(args[0])))); }

VBS_BUILTIN(AscW) { result = Value::integer(static_cast<int16_t>(firstChar(args[0]))); }

VBS_BUILTIN(Chr) {
    int32_t code = toLong(args[0]);
    if (code < 0 || code > 255) raise(errInvalidCall);
    result = charValue(fromWindows1252(static_cast<unsigned char>(code)));
}

// ChrW takes -32768..65535; negative codes are the same UTF-16 unit read as signed.
VBS_BUILTIN(ChrW) {
    int32_t code = toLong(args[0]);
    if (code < -32768 || code > 65535) raise(errInvalidCall);
    result = charValue(static_cast<char16_t>(code & 0xFFFF));
}

}  // namespace vbs::builtin
