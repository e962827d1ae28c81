// FormatNumber, FormatCurrency, FormatPercent and FormatDateTime in the locale's forms (in 1033
// "," groups thousands, "." is the decimal point, the currency is "$" with negative amounts in
// parentheses).
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "script/builtins/args.h"
#include "script/builtins/library.h"
#include "script/values/locale.h"

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

// The amount without its sign, grouped and pointed as the locale has it ("1,234.50"); `negative`
// tells whether a sign is due (not for what rounds to zero).
std::u16string amountText(const Digits& n, const NumberStyle& style, bool& negative) {
    std::string whole, frac;
    decimalParts(n, style.digits, whole, frac);
    bool zero = whole.find_first_not_of('0') == std::string::npos && frac.find_first_not_of('0') == std::string::npos;
    negative = n.negative && !zero;
    const Locale& loc = locale();
    std::u16string out;
    if (whole != "0" || style.leadingZero || frac.empty()) {
        for (size_t i = 0; i < whole.size(); ++i) {
            if (style.group && i > 0 && (whole.size() - i) % 3 == 0) out += loc.group;
            out += static_cast<char16_t>(whole[i]);
        }
    }
    if (!frac.empty()) {
        out += loc.decimal;
        for (char c : frac) out += static_cast<char16_t>(c);
    }
    return out;
}

// A number or percentage: "-" before a negative one, or parentheses around it.
String signedText(const Digits& n, const NumberStyle& style, std::u16string_view suffix) {
    bool negative;
    std::u16string out = amountText(n, style, negative);
    out += suffix;
    if (negative) out = style.parens ? u"(" + out + u")" : u"-" + out;
    return String(out);
}

// The amount put in a currency picture ("$#", "-# €").
std::u16string inPicture(std::u16string_view picture, const std::u16string& amount) {
    std::u16string out;
    for (char16_t c : picture) {
        if (c == u'#') out += amount;
        else out += c;
    }
    return out;
}

}  // namespace

// FormatNumber(value[, digits[, leadingdigit[, parens[, groupdigits]]]]).
VBS_BUILTIN(FormatNumber) {
    Digits n = digitsOf(args[0]);
    result = Value(signedText(n, styleArgs(args, argc, NumberStyle{}), u""));
}

// The locale's symbol where it puts it; negative amounts in parentheses in 1033 ("($1.50)").
VBS_BUILTIN(FormatCurrency) {
    Digits n = digitsOf(args[0]);
    const Locale& loc = locale();
    NumberStyle style;
    style.parens = loc.currencyParens;
    style = styleArgs(args, argc, style);
    bool negative;
    std::u16string amount = amountText(n, style, negative);
    std::u16string out = !negative ? inPicture(loc.currency, amount)
                         : style.parens ? u"(" + inPicture(loc.currency, amount) + u")"
                                        : inPicture(loc.currencyNegative, amount);
    result = Value(String(out));
}

VBS_BUILTIN(FormatPercent) {
    Digits n = digitsOf(args[0]);
    if (n.d != "0") n.exp += 2;  // times 100, exactly
    result = Value(signedText(n, styleArgs(args, argc, NumberStyle{}), u"%"));
}

// FormatDateTime(date[, format]): 0 as CStr shows it, then the locale's long date (Windows 10's
// "Tuesday, December 8, 2026" in 1033), short date, long time and "13:05".
VBS_BUILTIN(FormatDateTime) {
    if (args[0].isNull()) raise(errTypeMismatch);
    double serial = toDate(args[0]);
    int32_t format = longArg(args, argc, 1, 0);
    if (format < 0 || format > 4) raise(errInvalidCall);
    result = Value(formatDate(serial, static_cast<DateForm>(format)));
}

}  // namespace vbs::builtin
