#include "script/objects/net_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "script/objects/net_values.h"
#include "script/values/convert.h"
#include "script/values/datetime.h"
#include "script/values/locale.h"

namespace vbs {

namespace {

[[noreturn]] void badFormat() { netError(kNetFormatError, u"Input string was not in a correct format."); }
[[noreturn]] void badSpecifier() { netError(kNetFormatError, u"Format specifier was invalid."); }

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
void put(std::u16string& out, std::string_view ascii) { out.append(ascii.begin(), ascii.end()); }

// A number as decimal digits: digits[0, intLen) is the whole part (maybe with leading zeros), the
// rest the fraction.
struct Digits {
    std::string digits;
    int intLen = 0;
    bool negative = false;

    std::string whole() const {
        size_t z = digits.find_first_not_of('0');
        return z >= static_cast<size_t>(intLen) ? std::string() : digits.substr(z, intLen - z);
    }
    std::string fraction() const { return digits.substr(intLen); }
    bool zero() const { return digits.find_first_not_of('0') == std::string::npos; }
    // Keeps `keep` digits, rounding half away from zero as .NET Framework does on its digits.
    void cut(size_t keep) {
        if (digits.size() <= keep) return;
        bool up = digits[keep] >= '5';
        digits.resize(keep);
        for (size_t i = keep; up && i-- > 0;) {
            up = digits[i] == '9';
            digits[i] = up ? '0' : digits[i] + 1;
        }
        if (up) {
            digits.insert(0, 1, '1');
            ++intLen;
        }
    }
    void roundTo(int decimals) {
        cut(intLen + decimals);
        digits.resize(intLen + decimals, '0');
    }
    void shift(int places) {  // times 10^places
        intLen += places;
        if (static_cast<int>(digits.size()) < intLen) digits.resize(intLen, '0');
    }
};

// A Double as .NET Framework reads it before formatting: 15 significant digits (a Single 7).
Digits digitsOf(double x, int significant) {
    Digits n;
    n.negative = x < 0;
    if (x == 0) return {"0", 1, false};
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.*e", significant - 1, std::fabs(x));
    std::string mantissa;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p != '.') mantissa += *p;
    n.intLen = std::atoi(p + 1) + 1;
    if (n.intLen <= 0) {
        n.digits = std::string(-n.intLen, '0') + mantissa;
        n.intLen = 0;
    } else {
        n.digits = mantissa;
        n.shift(0);
    }
    return n;
}

Digits digitsOf(int64_t v) {
    Digits n;
    n.negative = v < 0;
    n.digits = std::to_string(v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v));
    n.intLen = static_cast<int>(n.digits.size());
    return n;
}

std::string grouped(const std::string& whole) {
    std::string out;
    for (size_t i = 0; i < whole.size(); ++i) {
        if (i && (whole.size() - i) % 3 == 0) out += ',';
        out += whole[i];
    }
    return out;
}

// "1234.5" or "1,234.50" after rounding to `decimals`.
std::string fixedText(Digits n, int decimals, bool group) {
    n.roundTo(decimals);
    std::string whole = n.whole();
    if (whole.empty()) whole = "0";
    if (group) whole = grouped(whole);
    return decimals ? whole + "." + n.fraction() : whole;
}

// d.dddE+ddd with `decimals` digits after the point (trailing zeros trimmed when trim), the exponent at least
// expDigits long.
std::string scientific(Digits n, int decimals, bool trim, char e, int expDigits) {
    size_t first = n.digits.find_first_not_of('0');
    int exponent = 0;
    std::string m(decimals + 1, '0');
    if (first != std::string::npos) {
        n.cut(first + decimals + 1);
        first = n.digits.find_first_not_of('0');
        exponent = n.intLen - static_cast<int>(first) - 1;
        m = n.digits.substr(first);
        m.resize(decimals + 1, '0');
    }
    if (trim) m.erase(std::max<size_t>(1, m.find_last_not_of('0') + 1));
    std::string text = m.substr(0, 1);
    if (m.size() > 1) text += "." + m.substr(1);
    std::string exp = std::to_string(std::abs(exponent));
    if (static_cast<int>(exp.size()) < expDigits) exp.insert(0, expDigits - exp.size(), '0');
    return text + e + (exponent < 0 ? '-' : '+') + exp;
}

// G: fixed notation when the exponent is from -5 up to below the precision, else scientific.
std::string general(Digits n, int precision, char e) {
    size_t first = n.digits.find_first_not_of('0');
    if (first == std::string::npos) return "0";
    n.cut(first + precision);
    first = n.digits.find_first_not_of('0');
    int exponent = n.intLen - static_cast<int>(first) - 1;
    if (exponent <= -5 || exponent >= precision) return scientific(n, precision - 1, true, e, 2);
    std::string whole = n.whole(), frac = n.fraction();
    frac.erase(frac.find_last_not_of('0') + 1);
    return (whole.empty() ? "0" : whole) + (frac.empty() ? "" : "." + frac);
}

// A value as the .NET number COM makes of it.
struct Number {
    Digits digits;
    int bits = 0;         // an integer's width, for X; 0 for Double, Single and Decimal
    int64_t integer = 0;  // an integer's value
    int precision = 15;   // what G shows of it by default
    double real = 0;      // a Double's value, for R
};

Number numberOf(const Value& x) {
    Number n;
    switch (x.type) {
        case Type::Byte: n.bits = 8; n.integer = x.u8; break;
        case Type::Integer: n.bits = 16; n.integer = x.i16; break;
        case Type::Long: n.bits = 32; n.integer = x.i32; break;
        case Type::Single: n.digits = digitsOf(x.f32, 7); n.precision = 7; return n;
        case Type::Currency:  // a Decimal, its digits exact
            n.digits = digitsOf(x.cy);
            if (n.digits.intLen < 5) n.digits.digits.insert(0, 5 - n.digits.intLen, '0');
            n.digits.intLen = static_cast<int>(n.digits.digits.size()) - 4;
            n.precision = 29;
            return n;
        default:
            n.digits = digitsOf(x.f64, 15);
            n.real = x.f64;
            return n;
    }
    n.digits = digitsOf(n.integer);
    n.precision = n.digits.intLen;
    return n;
}

std::string standardNumber(const Number& n, char spec, int precision) {
    const Digits& d = n.digits;
    bool minus = d.negative;
    std::string text;
    char upper = static_cast<char>(spec & ~0x20);
    switch (upper) {
        case 'D':
        case 'X': {
            if (!n.bits) badSpecifier();
            if (upper == 'D') {
                text = d.whole();
            } else {
                uint64_t bitsOf = static_cast<uint64_t>(n.integer) & ((uint64_t{1} << n.bits) - 1);
                char buf[24];
                std::snprintf(buf, sizeof buf, spec == 'x' ? "%llx" : "%llX", static_cast<unsigned long long>(bitsOf));
                text = buf;
                minus = false;
            }
            if (text.empty()) text = "0";
            if (precision > static_cast<int>(text.size())) text.insert(0, precision - text.size(), '0');
            break;
        }
        case 'F': text = fixedText(d, precision < 0 ? 2 : precision, false); break;
        case 'N': text = fixedText(d, precision < 0 ? 2 : precision, true); break;
        case 'P': {
            Digits hundred = d;
            hundred.shift(2);
            text = fixedText(hundred, precision < 0 ? 2 : precision, true) + " %";
            break;
        }
        case 'C':
            text = "$" + fixedText(d, precision < 0 ? 2 : precision, true);
            if (minus && text.find_first_of("123456789") != std::string::npos) return "(" + text + ")";
            return text;
        case 'E': text = scientific(d, precision < 0 ? 6 : precision, false, spec == 'e' ? 'e' : 'E', 3); break;
        case 'G': text = general(d, precision <= 0 ? n.precision : precision, spec == 'g' ? 'e' : 'E'); break;
        case 'R': {  // 15 digits when they read back as the same Double, else 17
            if (n.bits || n.precision != 15) badSpecifier();
            char buf[32];
            std::snprintf(buf, sizeof buf, "%.15g", n.real);
            bool exact = std::strtod(buf, nullptr) == n.real;
            text = general(exact ? d : digitsOf(n.real, 17), exact ? 15 : 17, 'E');
            break;
        }
        default: badSpecifier();
    }
    return minus && text.find_first_of("123456789") != std::string::npos ? "-" + text : text;
}

// A custom picture such as "00", "#,##0.00" or "0.0%;(0.0%);zero": sections for positive, negative and zero.
std::u16string customNumber(const Number& n, std::u16string_view format) {
    std::vector<std::u16string_view> sections;
    char16_t quote = 0;
    size_t start = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        char16_t c = format[i];
        if (quote) quote = c == quote ? 0 : quote;
        else if (c == u'\'' || c == u'"') quote = c;
        else if (c == u'\\') ++i;
        else if (c == u';') sections.push_back(format.substr(start, i - start)), start = i + 1;
    }
    sections.push_back(format.substr(start));
    Digits d = n.digits;
    bool sign = d.negative;
    std::u16string_view picture = sections[0];
    if (d.zero() && sections.size() > 2) picture = sections[2], sign = false;
    else if (d.negative && sections.size() > 1 && !sections[1].empty()) picture = sections[1], sign = false;

    // The picture read once: literal text, and where the digits go.
    struct Piece {
        char kind;  // 'i' whole digit, 'f' fraction digit, '.' point, 'l' literal
        std::u16string text;
    };
    std::vector<Piece> pieces;
    bool inFraction = false, group = false, sawDigit = false;
    int wholeSlots = 0, minWhole = 0, fracSlots = 0, minFrac = 0;
    for (size_t i = 0; i < picture.size(); ++i) {
        char16_t c = picture[i];
        std::u16string lit;
        if (c == u'0' || c == u'#') {
            if (inFraction) {
                ++fracSlots;
                if (c == u'0') minFrac = fracSlots;
                pieces.push_back({'f', {}});
            } else {
                ++wholeSlots;
                if (c == u'0' && !minWhole) minWhole = 1;
                else if (minWhole) ++minWhole;
                pieces.push_back({'i', {}});
            }
            sawDigit = true;
            continue;
        }
        if (c == u'.' && !inFraction) {
            inFraction = true;
            pieces.push_back({'.', {}});
            continue;
        }
        if (c == u',') {
            if (!inFraction && sawDigit && i + 1 < picture.size() && (picture[i + 1] == u'0' || picture[i + 1] == u'#')) group = true;
            continue;
        }
        if (c == u'%') d.shift(2);
        if (c == u'\'' || c == u'"') {
            size_t end = picture.find(c, i + 1);
            if (end == std::u16string_view::npos) end = picture.size();
            lit = picture.substr(i + 1, end - i - 1);
            i = end;
        } else if (c == u'\\') {
            if (++i < picture.size()) lit = picture[i];
        } else {
            lit = c;
        }
        pieces.push_back({'l', lit});
    }
    d.roundTo(fracSlots);
    std::string whole = d.whole(), frac = d.fraction();
    if (static_cast<int>(whole.size()) < minWhole) whole.insert(0, minWhole - whole.size(), '0');
    while (static_cast<int>(frac.size()) > minFrac && frac.back() == '0') frac.pop_back();
    std::u16string out = sign && !d.zero() ? u"-" : u"";
    int remaining = wholeSlots, length = static_cast<int>(whole.size());
    auto digit = [&](int i) {
        out += whole[i];
        int after = length - 1 - i;
        if (group && after > 0 && after % 3 == 0) out += ',';
    };
    bool wholeDone = false;
    auto excess = [&] {  // the digits beyond the picture's slots go where its whole part starts
        if (wholeDone) return;
        wholeDone = true;
        for (int i = 0; i < length - remaining; ++i) digit(i);
    };
    size_t fracAt = 0;
    for (const Piece& p : pieces) {
        switch (p.kind) {
            case 'i':
                excess();
                if (length - remaining >= 0) digit(length - remaining);
                --remaining;
                break;
            case '.':
                excess();
                if (!frac.empty()) out += '.';
                break;
            case 'f':
                excess();
                if (fracAt < frac.size()) out += frac[fracAt];
                ++fracAt;
                break;
            default: out += p.text;
        }
    }
    return out;
}

void formatNumber(std::u16string& out, const Value& x, std::u16string_view format) {
    Number n = numberOf(x);
    if (format.empty()) format = u"G";
    bool standard = format.size() <= 3 && ((format[0] | 0x20) >= u'a' && (format[0] | 0x20) <= u'z');
    for (size_t i = 1; standard && i < format.size(); ++i) standard = isDigit(format[i]);
    if (standard) {
        int precision = -1;
        if (format.size() > 1) precision = std::stoi(std::string(format.begin() + 1, format.end()));
        put(out, standardNumber(n, static_cast<char>(format[0]), precision));
        return;
    }
    out += customNumber(n, format);
}

std::u16string twoDigits(int v, size_t width) {
    std::u16string s;
    for (char c : std::to_string(v)) s += c;
    if (s.size() < width) s.insert(0, width - s.size(), u'0');
    return s;
}

// A DateTime: a standard letter, or a custom picture such as "yyyy-MM-dd HH:mm:ss".
void formatDate(std::u16string& out, double serial, std::u16string_view format) {
    if (format.empty()) format = u"G";
    if (format.size() == 1) {
        switch (format[0]) {
            case u'd': format = u"M/d/yyyy"; break;
            case u'D': format = u"dddd, MMMM d, yyyy"; break;
            case u'f': format = u"dddd, MMMM d, yyyy h:mm tt"; break;
            case u'F': format = u"dddd, MMMM d, yyyy h:mm:ss tt"; break;
            case u'g': format = u"M/d/yyyy h:mm tt"; break;
            case u'G': format = u"M/d/yyyy h:mm:ss tt"; break;
            case u't': format = u"h:mm tt"; break;
            case u'T': format = u"h:mm:ss tt"; break;
            case u's': format = u"yyyy'-'MM'-'dd'T'HH':'mm':'ss"; break;
            case u'u': format = u"yyyy'-'MM'-'dd HH':'mm':'ss'Z'"; break;
            case u'o':
            case u'O': format = u"yyyy'-'MM'-'dd'T'HH':'mm':'ss.fffffff"; break;
            default: badSpecifier();
        }
    }
    DateParts t = splitDate(serial);
    const Locale& us = usEnglish();
    for (size_t i = 0; i < format.size();) {
        char16_t c = format[i];
        size_t run = 1;
        while (i + run < format.size() && format[i + run] == c) ++run;
        switch (c) {
            case u'd':
                if (run <= 2) out += twoDigits(t.day, run);
                else out += us.days[t.weekday - 1 + (run == 3 ? 7 : 0)];
                break;
            case u'M':
                if (run <= 2) out += twoDigits(t.month, run);
                else out += us.months[t.month - 1 + (run == 3 ? 12 : 0)];
                break;
            case u'y': out += run <= 2 ? twoDigits(t.year % 100, run) : twoDigits(t.year, run); break;
            case u'h': out += twoDigits(t.hour % 12 ? t.hour % 12 : 12, std::min<size_t>(run, 2)); break;
            case u'H': out += twoDigits(t.hour, std::min<size_t>(run, 2)); break;
            case u'm': out += twoDigits(t.minute, std::min<size_t>(run, 2)); break;
            case u's': out += twoDigits(t.second, std::min<size_t>(run, 2)); break;
            case u'f': out.append(run, u'0'); break;  // a Date holds whole seconds
            case u'F': break;
            case u't': {
                std::u16string_view mark = t.hour < 12 ? us.am : us.pm;
                out += run == 1 ? mark.substr(0, 1) : mark;
                break;
            }
            case u'\'':
            case u'"': {
                size_t end = format.find(c, i + 1);
                if (end == std::u16string_view::npos) badFormat();
                out += format.substr(i + 1, end - i - 1);
                i = end + 1;
                continue;
            }
            case u'\\':
                if (i + 1 >= format.size()) badFormat();
                out += format[i + 1];
                i += 2;
                continue;
            case u'%': run = 1; break;
            default: out.append(run, c);
        }
        i += run;
    }
}

// One item's value as .NET's ToString(format) shows it.
void formatItem(std::u16string& out, const Value& v, std::u16string_view format) {
    const Value& x = v.deref();
    switch (x.type) {
        case Type::Empty:
        case Type::Null:
        case Type::Error: return;
        case Type::Boolean: out += x.b ? u"True" : u"False"; return;
        case Type::String: out += x.strView(); return;
        case Type::Date: formatDate(out, x.f64, format); return;
        case Type::Object: if (x.obj) out += u"System.__ComObject"; return;
        case Type::Array: out += u"System.Object[]"; return;
        default: formatNumber(out, x, format);
    }
}

}  // namespace

void appendComposite(std::u16string& out, std::u16string_view format, std::span<const Value> args) {
    size_t i = 0, n = format.size();
    auto skipSpaces = [&] { while (i < n && format[i] == u' ') ++i; };
    auto number = [&] {
        if (i >= n || !isDigit(format[i])) badFormat();
        size_t v = 0;
        while (i < n && isDigit(format[i])) {
            v = v * 10 + (format[i++] - u'0');
            if (v >= 1000000) badFormat();
        }
        return v;
    };
    while (i < n) {
        char16_t c = format[i++];
        if (c == u'}') {
            if (i < n && format[i] == u'}') ++i;
            else badFormat();
        }
        bool escaped = c == u'{' && i < n && format[i] == u'{';
        if (c != u'{' || escaped) {
            i += escaped;
            out += c;
            continue;
        }
        size_t index = number();
        if (index >= args.size())
            netError(kNetFormatError, u"Index (zero based) must be greater than or equal to zero and less than the size of the argument list.");
        skipSpaces();
        size_t width = 0;
        bool left = false;
        if (i < n && format[i] == u',') {
            ++i;
            skipSpaces();
            if (i < n && format[i] == u'-') left = true, ++i;
            width = number();
            skipSpaces();
        }
        std::u16string spec;
        if (i < n && format[i] == u':') {
            for (++i;; ++i) {
                if (i >= n) badFormat();
                char16_t s = format[i];
                if ((s == u'{' || s == u'}') && i + 1 < n && format[i + 1] == s) ++i;
                else if (s == u'{') badFormat();
                else if (s == u'}') break;
                spec += s;
            }
        }
        if (i >= n || format[i] != u'}') badFormat();
        ++i;
        std::u16string item;
        formatItem(item, args[index], spec);
        if (item.size() < width && !left) out.append(width - item.size(), u' ');
        out += item;
        if (item.size() < width && left) out.append(width - item.size(), u' ');
    }
}

}  // namespace vbs
