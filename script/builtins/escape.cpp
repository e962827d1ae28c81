// Escape and Unescape, as JScript's escape(): %XX below 256, %uXXXX above; letters, digits and
// @*_+-./ stay as they are.
#include <string>

#include "script/builtins/args.h"
#include "script/builtins/library.h"

namespace vbs::builtin {

namespace {

bool keptAsIs(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') ||
           std::u16string_view(u"@*_+-./").find(c) != std::u16string_view::npos;
}

int hexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    return -1;
}

// The value of `count` hex digits at s[i], or -1.
int hexAt(std::u16string_view s, size_t i, size_t count) {
    if (i + count > s.size()) return -1;
    int v = 0;
    for (size_t k = 0; k < count; ++k) {
        int d = hexDigit(s[i + k]);
        if (d < 0) return -1;
        v = v * 16 + d;
    }
    return v;
}

}  // namespace

VBS_BUILTIN(Escape) {
    if (args[0].isNull()) { result = Value::null(); return; }
    String s = toString(args[0]);
    std::u16string out;
    out.reserve(s.size());
    static constexpr char16_t kHex[] = u"0123456789ABCDEF";
    for (char16_t c : s.view()) {
        if (keptAsIs(c)) {
            out += c;
        } else if (c < 256) {
            out += {u'%', kHex[c >> 4], kHex[c & 15]};
        } else {
            out += {u'%', u'u', kHex[c >> 12], kHex[(c >> 8) & 15], kHex[(c >> 4) & 15], kHex[c & 15]};
        }
    }
    result = out.size() == s.size() ? Value(s) : Value(String(out));
}

// Malformed sequences ("%zz", a lone "%") are kept as they are.
VBS_BUILTIN(Unescape) {
    if (args[0].isNull()) { result = Value::null(); return; }
    String s = toString(args[0]);
    std::u16string_view v = s.view();
    if (v.find(u'%') == std::u16string_view::npos) { result = Value(s); return; }
    std::u16string out;
    out.reserve(v.size());
    for (size_t i = 0; i < v.size(); ++i) {
        int code;
        if (v[i] == u'%' && i + 1 < v.size() && v[i + 1] == u'u' && (code = hexAt(v, i + 2, 4)) >= 0) {
            out += static_cast<char16_t>(code);
            i += 5;
        } else if (v[i] == u'%' && (code = hexAt(v, i + 1, 2)) >= 0) {
            out += static_cast<char16_t>(code);
            i += 2;
        } else {
            out += v[i];
        }
    }
    result = Value(String(out));
}

}  // namespace vbs::builtin
