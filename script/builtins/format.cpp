// FormatNumber, FormatCurrency, FormatPercent and FormatDateTime in United States English:
// "," groups thousands, "." is the decimal point, the currency is "$" with negative amounts in
// parentheses.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "script/builtins/calendar.h"
#include "script/builtins/library.h"

namespace vbs::builtin {

namespace {

constexpr int kTristateDefault = -2;

struct NumberStyle {
    int digits = 2;
    bool leadingZero = true;
    bool parens = false;
    bool group = true;
};

// The optional arguments after the value: digits, then the three tristates (-2 keeps the
// locale's choice already in `style`).
NumberStyle styleArgs(const Value* args, int argc, NumberStyle style) {
    int32_t digits = longArg(args, argc, 1, -1);
    if (digits < -1 || digits > 255) raise(errInvalidCall);
    if (digits >= 0) style.digits = digits;
    bool* flags[] = {&style.leadingZero, &style.parens, &style.group};
    for (int i = 0; i < 3; ++i) {
        int32_t t = longArg(args, argc, i + 2, kTristateDefault);
        if (t != kTristateDefault) *flags[i] = t != 0;
    }
    return style;
}

// A number as significant digits: d[0] sits at 10^exp.
struct Digits {
    std::string d = "0";
    int exp = 0;
    bool negative = false;
};

// A Currency exactly; anything else from the 15 significant digits VBScript shows of a Double.
// Windows converts the value with no Null check of its own, so Null is a Type mismatch here (13),
// not an Invalid use of Null.
Digits digitsOf(const Value& v) {
    if (v.isNull()) raise(errTypeMismatch);
    Digits n;
    if (v.deref().type == Type::Currency) {
        int64_t cy = v.deref().cy;
        if (cy == 0) return n;
        n.negative = cy < 0;
        uint64_t mag = n.negative ? 0 - static_cast<uint64_t>(cy) : static_cast<uint64_t>(cy);
        n.d = std::to_string(mag);
        n.exp = static_cast<int>(n.d.size()) - 5;  // scaled by 10^4
        return n;
    }
    double x = toDouble(v);
    if (x == 0) return n;
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(x));
    n.d.assign(1, buf[0]);
    n.d.append(buf + 2, 14);
    n.exp = std::atoi(buf + 17);
    n.negative = x < 0;
    return n;
}

// The number rounded half away from zero at `digits` decimals: "1234.5" with digits 2 gives
// whole "1234", frac "50".
void decimalParts(Digits n, int digits, std::string& whole, std::string& frac) {
    std::string& d = n.d;
    int& exp = n.exp;
    // Keep the digits down to 10^-digits.
    int keep = exp + 1 + digits;
    if (keep < 0) {
        d = "0";
        exp = 0;
    } else if (keep < static_cast<int>(d.size())) {
        bool up = d[keep] >= '5';
        d.resize(keep);
        for (int i = keep - 1; up && i >= 0; --i) {
            if (d[i] == '9') d[i] = '0';
            else { ++d[i]; up = false; }
        }
        if (up) { d.insert(d.begin(), '1'); ++exp; }
        if (d.empty()) { d = "0"; exp = 0; }
    }
    // Spread the digits over the whole and fractional parts.
    whole.clear();
    frac.clear();
    for (int pos = exp; pos >= 0; --pos) {
        int i = exp - pos;
        whole.push_back(i < static_cast<int>(d.size()) ? d[i] : '0');
    }
    if (whole.empty()) whole = "0";
    for (int pos = -1; pos >= -digits; --pos) {
        int i = exp - pos;
        frac.push_back(i >= 0 && i < static_cast<int>(d.size()) ? d[i] : '0');
    }
}

String formatNumber(const Digits& n, const NumberStyle& style, std::u16string_view prefix, std::u16string_view suffix) {
    std::string whole, frac;
    decimalParts(n, style.digits, whole, frac);
    bool zero = whole.find_first_not_of('0') == std::string::npos && frac.find_first_not_of('0') == std::string::npos;
    bool negative = n.negative && !zero;
    std::u16string out;
    if (negative) out += style.parens ? u'(' : u'-';
    out += prefix;
    if (whole != "0" || style.leadingZero || frac.empty()) {
        for (size_t i = 0; i < whole.size(); ++i) {
            if (style.group && i > 0 && (whole.size() - i) % 3 == 0) out += u',';
            out += static_cast<char16_t>(whole[i]);
        }
    }
    if (!frac.empty()) {
        out += u'.';
        for (char c : frac) out += static_cast<char16_t>(c);
    }
    out += suffix;
    if (negative && style.parens) out += u')';
    return String(out);
}

}  // namespace

// FormatNumber(value[, digits[, leadingdigit[, parens[, groupdigits]]]]).
VBS_BUILTIN(FormatNumber) {
    Digits n = digitsOf(args[0]);
    result = Value(formatNumber(n, styleArgs(args, argc, NumberStyle{}), u"", u""));
}

VBS_BUILTIN(FormatCurrency) {
    Digits n = digitsOf(args[0]);
    NumberStyle style;
    style.parens = true;
    result = Value(formatNumber(n, styleArgs(args, argc, style), u"$", u""));
}

VBS_BUILTIN(FormatPercent) {
    Digits n = digitsOf(args[0]);
    if (n.d != "0") n.exp += 2;  // times 100, exactly
    result = Value(formatNumber(n, styleArgs(args, argc, NumberStyle{}), u"", u"%"));
}

namespace {

void appendNumber(std::u16string& out, int n, int width = 1) {
    std::string s = std::to_string(n);
    for (int i = static_cast<int>(s.size()); i < width; ++i) out += u'0';
    for (char c : s) out += static_cast<char16_t>(c);
}

}  // namespace

// FormatDateTime(date[, format]): 0 as CStr shows it, 1 "Tuesday, December 8, 2026" (Windows 10's
// long date), 2 "12/8/2026", 3 "1:05:09 PM", 4 "13:05". Years have four digits ("1/1/0100").
VBS_BUILTIN(FormatDateTime) {
    if (args[0].isNull()) raise(errTypeMismatch);
    double serial = toDate(args[0]);
    int32_t format = longArg(args, argc, 1, 0);
    if (format < 0 || format > 4) raise(errInvalidCall);
    if (format == 0) { result = Value(formatDate(serial)); return; }
    DateParts p = splitDate(serial);
    std::u16string out;
    switch (format) {
        case 1:
            out += kDayNames[p.weekday - 1];
            out += u", ";
            out += kMonthNames[p.month - 1];
            out += u' ';
            appendNumber(out, p.day);
            out += u", ";
            appendNumber(out, p.year, 4);
            break;
        case 2:
            appendNumber(out, p.month);
            out += u'/';
            appendNumber(out, p.day);
            out += u'/';
            appendNumber(out, p.year, 4);
            break;
        case 3:
            appendNumber(out, (p.hour + 11) % 12 + 1);
            out += u':';
            appendNumber(out, p.minute, 2);
            out += u':';
            appendNumber(out, p.second, 2);
            out += p.hour < 12 ? u" AM" : u" PM";
            break;
        case 4:
            appendNumber(out, p.hour, 2);
            out += u':';
            appendNumber(out, p.minute, 2);
            break;
    }
    result = Value(String(out));
}

}  // namespace vbs::builtin
