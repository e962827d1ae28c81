#include "script/values/convert.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <iterator>
#include <string>

#include "script/values/datetime.h"
#include "script/values/errors.h"
#include "script/values/locale.h"
#include "script/values/object.h"
#include "script/values/text.h"

namespace vbs {

namespace {

String ascii(const char* s, size_t n) {
    String out = String::uninitialized(n);
    char16_t* d = out.data();
    for (size_t i = 0; i < n; ++i) d[i] = static_cast<unsigned char>(s[i]);
    return out;
}

// A number's text with the locale's decimal point ("1,5" in German ones).
String localNumber(const char* s, size_t n) {
    String out = ascii(s, n);
    char16_t point = locale().decimal;
    if (point != u'.') {
        char16_t* d = out.data();
        for (size_t i = 0; i < n; ++i)
            if (d[i] == u'.') d[i] = point;
    }
    return out;
}

// Writes d with `precision` significant digits the way Windows shows a Double or Single: plain
// decimals from 1E-04 up to the precision, as long as the digits fit in `precision` places after the
// point; otherwise "1.5E+20" or "1.5E-07".
size_t formatReal(char* out, double d, int precision) {
    char* p = out;
    // Script arithmetic raises Overflow before making these, but a value from outside can hold one;
    // Windows prints them in the C runtime's old forms.
    if (!std::isfinite(d)) {
        const char* t = std::isnan(d) ? (std::signbit(d) ? "-1.#IND" : "1.#QNAN") : d < 0 ? "-1.#INF" : "1.#INF";
        size_t n = std::strlen(t);
        std::memcpy(out, t, n);
        return n;
    }
    if (d == 0) {
        if (std::signbit(d)) *p++ = '-';
        *p++ = '0';
        return static_cast<size_t>(p - out);
    }
    // A whole number with at most `precision` digits prints as it is: counters and keys built from
    // numbers are the common case, and this skips the costly rounding below.
    static constexpr double kLimit[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    if (std::fabs(d) < kLimit[precision] && d == std::trunc(d))
        return static_cast<size_t>(std::to_chars(p, p + 24, static_cast<int64_t>(d)).ptr - out);
    // "-d.dddde+XX": the rounding to `precision` digits is done by to_chars.
    char sci[40];
    char* end = std::to_chars(sci, sci + sizeof sci, d, std::chars_format::scientific, precision - 1).ptr;
    const char* s = sci;
    if (*s == '-') { *p++ = '-'; ++s; }
    char digits[20];
    int n = 0;
    for (; *s != 'e'; ++s)
        if (*s != '.') digits[n++] = *s;
    int exp = 0;
    std::from_chars(s + 2, end, exp);
    if (s[1] == '-') exp = -exp;
    while (n > 1 && digits[n - 1] == '0') --n;
    int decimals = n - 1 - exp;  // places after the point in plain form
    if (exp >= precision || exp < -4 || decimals > precision) {
        *p++ = digits[0];
        if (n > 1) {
            *p++ = '.';
            std::memcpy(p, digits + 1, n - 1);
            p += n - 1;
        }
        *p++ = 'E';
        *p++ = exp < 0 ? '-' : '+';
        int e = exp < 0 ? -exp : exp;
        if (e < 10) *p++ = '0';
        p = std::to_chars(p, p + 4, e).ptr;
    } else if (exp < 0) {
        *p++ = '0';
        *p++ = '.';
        for (int i = -1; i > exp; --i) *p++ = '0';
        std::memcpy(p, digits, n);
        p += n;
    } else {
        for (int i = 0; i <= exp; ++i) *p++ = i < n ? digits[i] : '0';
        if (n > exp + 1) {
            *p++ = '.';
            std::memcpy(p, digits + exp + 1, n - exp - 1);
            p += n - exp - 1;
        }
    }
    return static_cast<size_t>(p - out);
}

bool isBlank(char16_t c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }
bool isDigit(char16_t c) { return c >= '0' && c <= '9'; }

// &H and &O forms: up to 16 bits they are an Integer, up to 32 a Long, as in VBScript source.
bool parseRadix(std::u16string_view s, double& out, bool* tooLarge) {
    if (s.size() < 3 || s[0] != '&') return false;
    unsigned radix = (s[1] == 'h' || s[1] == 'H') ? 16 : (s[1] == 'o' || s[1] == 'O') ? 8 : 0;
    if (!radix) return false;
    uint64_t v = 0;
    bool big = false;
    for (size_t i = 2; i < s.size(); ++i) {
        char16_t c = s[i];
        unsigned digit;
        if (isDigit(c)) digit = c - '0';
        else if (radix == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (radix == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else return false;
        if (digit >= radix) return false;
        v = v * radix + digit;
        if (v > 0xFFFFFFFFu) {
            big = true;
            v = 0;  // keeps scanning: a bad digit further on still makes it no number at all
        }
    }
    if (big) {
        if (tooLarge) *tooLarge = true;
        return false;
    }
    out = v <= 0xFFFF ? static_cast<int16_t>(v) : static_cast<double>(static_cast<int32_t>(v));
    return true;
}

size_t currencyChars(char* out, int64_t scaled) {
    char* p = out;
    uint64_t mag = scaled < 0 ? 0 - static_cast<uint64_t>(scaled) : static_cast<uint64_t>(scaled);
    if (scaled < 0) *p++ = '-';
    p = std::to_chars(p, p + 20, mag / 10000).ptr;
    unsigned frac = static_cast<unsigned>(mag % 10000);
    if (frac) {
        *p++ = '.';
        for (unsigned div = 1000; frac; div /= 10) {
            *p++ = static_cast<char>('0' + frac / div);
            frac %= div;
        }
    }
    return static_cast<size_t>(p - out);
}

// CStr's text of a Byte, Integer, Long, Single, Double or Currency (at most kNumberChars
// characters); 0 for the other subtypes.
size_t numberChars(const Value& x, char* out) {
    switch (x.type) {
        case Type::Byte: return static_cast<size_t>(std::to_chars(out, out + 4, x.u8).ptr - out);
        case Type::Integer:
        case Type::Long: return static_cast<size_t>(std::to_chars(out, out + 12, x.i32).ptr - out);
        case Type::Single: return formatReal(out, x.f32, 7);
        case Type::Double: return formatReal(out, x.f64, 15);
        case Type::Currency: return currencyChars(out, x.cy);
        default: return 0;
    }
}

[[noreturn]] void mismatch() { raise(errTypeMismatch); }

double roundEven(double d) { return std::nearbyint(d); }

// Plain decimal text with at most four decimals, read digit by digit: a Double loses the last
// digits of large amounts ("922337203685477.5807"). False for any other form, or beyond the range
// (the caller then raises the error the Double route gives).
bool exactCurrency(std::u16string_view s, int64_t& out) {
    char16_t point = locale().decimal;
    size_t i = 0, n = s.size();
    while (i < n && isBlank(s[i])) ++i;
    while (n > i && isBlank(s[n - 1])) --n;
    bool negative = i < n && s[i] == '-';
    if (i < n && (s[i] == '-' || s[i] == '+')) ++i;
    __int128 v = 0;
    int decimals = -1, digits = 0;
    for (; i < n; ++i) {
        if (s[i] == point && decimals < 0) { decimals = 0; continue; }
        if (!isDigit(s[i]) || digits > 30) return false;
        ++digits;
        if (decimals >= 4) return false;
        v = v * 10 + (s[i] - '0');
        if (decimals >= 0) ++decimals;
    }
    if (!digits) return false;
    for (int k = decimals < 0 ? 0 : decimals; k < 4; ++k) v *= 10;
    if (negative) v = -v;
    if (v < INT64_MIN || v > INT64_MAX) return false;
    out = static_cast<int64_t>(v);
    return true;
}

}  // namespace

__int128 divideHalfEven(__int128 n, int64_t d) {
    __int128 q = n / d, r = n % d;
    __int128 twice = r < 0 ? -2 * r : 2 * r;
    if (twice > d || (twice == d && (q & 1))) q += r < 0 ? -1 : 1;
    return q;
}

Value defaultValue(const Value& v) {
    const Value& x = v.deref();
    if (x.type != Type::Object) return x;
    Value cur = x;
    // A default property may itself answer an object: follow it, as COM does.
    for (int depth = 0; cur.type == Type::Object && depth < 16; ++depth) {
        if (!cur.obj) raise(errObjectNotSet);
        Value result;
        cur.obj->invoke(kDefaultMember, Invoke::Get, nullptr, 0, result);
        cur = std::move(result);
    }
    if (cur.type == Type::Object) raise(errNoSuchMember);
    return cur;
}

bool parseNumber(std::u16string_view s, double& out, bool* tooLarge) {
    size_t i = 0, n = s.size();
    while (i < n && isBlank(s[i])) ++i;
    while (n > i && isBlank(s[n - 1])) --n;
    s = s.substr(i, n - i);
    if (s.empty()) return false;
    if (s[0] == '&') return parseRadix(s, out, tooLarge);

    // Decimal: optional "(", sign and currency sign in either order, digits with grouping, the
    // decimal point, exponent, then an optional trailing sign or ")". The locale says which
    // characters group, point and stand for money ("," "." "$" in 1033).
    const Locale& loc = locale();
    char16_t group = loc.group, point = loc.decimal;
    std::u16string_view symbol = loc.currencySign;
    bool negative = false, paren = false, sign = false, money = false;
    size_t k = 0;
    if (s[k] == '(') { paren = true; ++k; }
    for (; k < s.size(); ++k) {
        if (!sign && (s[k] == '-' || s[k] == '+')) {
            negative = s[k] == '-';
            sign = true;
        } else if (!money && s.substr(k).starts_with(symbol)) {
            money = true;
            k += symbol.size() - 1;
            while (k + 1 < s.size() && s[k + 1] == ' ') ++k;  // "€ 1.234,50"
        } else {
            break;
        }
    }
    // The digits, point and exponent go to from_chars, never longer than the text itself.
    char stack[128];
    std::string heap;
    char* first = stack;
    if (s.size() > sizeof stack) {
        heap.resize(s.size());
        first = heap.data();
    }
    char* b = first;
    auto put = [&b](char c) { *b++ = c; };
    // The decimal magnitude, tracked only to tell overflow from underflow when from_chars gives up.
    size_t digits = 0;
    long magnitude = 0;
    bool significant = false;
    for (; k < s.size(); ++k) {
        if (isDigit(s[k])) {
            put(static_cast<char>(s[k]));
            ++digits;
            significant |= s[k] != '0';
            magnitude += significant;
        } else if (s[k] == group && digits) {
            continue;
        } else {
            break;
        }
    }
    if (k < s.size() && s[k] == point) {
        put('.');
        for (++k; k < s.size() && isDigit(s[k]); ++k) {
            put(static_cast<char>(s[k]));
            ++digits;
            if (!significant && s[k] == '0') --magnitude;
            significant |= s[k] != '0';
        }
    }
    if (!digits) return false;
    if (k < s.size() && (s[k] == 'e' || s[k] == 'E')) {
        put('e');
        ++k;
        bool negativeExp = false;
        if (k < s.size() && (s[k] == '-' || s[k] == '+')) {
            negativeExp = s[k] == '-';
            put(static_cast<char>(s[k++]));
        }
        if (k == s.size() || !isDigit(s[k])) return false;
        long exp = 0;
        for (; k < s.size() && isDigit(s[k]); ++k) {
            put(static_cast<char>(s[k]));
            if (exp < 100000) exp = exp * 10 + (s[k] - '0');
        }
        magnitude += negativeExp ? -exp : exp;
    }
    // A currency sign after the amount may stand apart too ("3,50 €").
    if (!money) {
        size_t at = k;
        while (at < s.size() && s[at] == ' ') ++at;
        if (s.substr(at).starts_with(symbol)) { money = true; k = at + symbol.size(); }
    }
    if (!sign && k < s.size() && (s[k] == '-' || s[k] == '+')) { negative = s[k] == '-'; sign = true; ++k; }
    if (paren) {
        if (k == s.size() || s[k] != ')' || sign) return false;
        negative = true;
        ++k;
    }
    if (k != s.size()) return false;
    double d = 0;
    auto r = std::from_chars(first, b, d);
    if (r.ec == std::errc::result_out_of_range) {
        if (magnitude > 0) {  // too large for a Double
            if (tooLarge) *tooLarge = true;
            return false;
        }
        d = 0;                            // too small: underflows to zero
    } else if (r.ec != std::errc()) {
        return false;
    }
    out = negative ? -d : d;
    return true;
}

double toDouble(const Value& v) {
    const Value& x = v.deref();
    switch (x.type) {
        case Type::Empty: return 0;
        case Type::Null: raise(errInvalidNull);
        case Type::Boolean: return x.b ? -1 : 0;
        case Type::Byte: return x.u8;
        case Type::Integer: return x.i16;
        case Type::Long: return x.i32;
        case Type::Single: return x.f32;
        case Type::Double:
        case Type::Date: return x.f64;
        case Type::Currency: return static_cast<double>(x.cy) / 10000.0;
        case Type::String: {
            double d;
            bool tooLarge = false;
            if (!parseNumber(x.strView(), d, &tooLarge)) raise(tooLarge ? errOverflow : errTypeMismatch);
            return d;
        }
        case Type::Object: return toDouble(defaultValue(x));
        default: mismatch();
    }
}

float toSingle(const Value& v) {
    // Values a hair above the largest float still round down to it; only infinity overflows.
    float f = static_cast<float>(toDouble(v));
    if (std::isinf(f)) raise(errOverflow);
    return f;
}

int16_t toInteger(const Value& v) {
    const Value& x = v.deref();
    if (x.type == Type::Integer) return x.i16;
    double d = roundEven(toDouble(x));
    if (!(d >= -32768 && d <= 32767)) raise(errOverflow);
    return static_cast<int16_t>(d);
}

int32_t toLong(const Value& v) {
    const Value& x = v.deref();
    if (x.type == Type::Long) return x.i32;
    if (x.type == Type::Integer) return x.i16;
    if (x.type == Type::Currency) {
        __int128 q = divideHalfEven(x.cy, 10000);  // exact, where a Double would lose digits
        if (q < INT32_MIN || q > INT32_MAX) raise(errOverflow);
        return static_cast<int32_t>(q);
    }
    double d = roundEven(toDouble(x));
    if (!(d >= -2147483648.0 && d <= 2147483647.0)) raise(errOverflow);
    return static_cast<int32_t>(d);
}

uint8_t toByte(const Value& v) {
    // True is -1, yet Windows turns it into 255 rather than overflowing.
    if (v.deref().type == Type::Boolean) return v.deref().b ? 255 : 0;
    double d = roundEven(toDouble(v));
    if (!(d >= 0 && d <= 255)) raise(errOverflow);
    return static_cast<uint8_t>(d);
}

int64_t toCurrency(const Value& v) {
    const Value& x = v.deref();
    switch (x.type) {
        case Type::Currency: return x.cy;
        case Type::Byte: return int64_t{x.u8} * 10000;
        case Type::Integer: return int64_t{x.i16} * 10000;
        case Type::Long: return int64_t{x.i32} * 10000;
        case Type::Boolean: return x.b ? -10000 : 0;
        default: break;
    }
    int64_t exact;
    if (x.type == Type::String && exactCurrency(x.strView(), exact)) return exact;
    double d = roundEven(toDouble(x) * 10000.0);
    // 2^63 is the first double past the range; anything at or above it overflows.
    if (!(d >= -9223372036854775808.0 && d < 9223372036854775808.0)) raise(errOverflow);
    return static_cast<int64_t>(d);
}

double toDate(const Value& v) {
    const Value& x = v.deref();
    if (x.type == Type::Date) return x.f64;
    double d;
    if (x.type == Type::String) {
        // Text that is no date but a number is a serial: CDate("1") is 31 December 1899.
        if (parseDate(x.strView(), d)) return d;
        if (!parseNumber(x.strView(), d)) mismatch();
    } else {
        d = toDouble(x);
    }
    if (!isDateSerial(d)) raise(errOverflow);
    return d;
}

bool toBool(const Value& v) {
    const Value& x = v.deref();
    switch (x.type) {
        case Type::Boolean: return x.b;
        case Type::Empty: return false;
        case Type::Null: raise(errInvalidNull);
        case Type::Byte: return x.u8 != 0;
        case Type::Integer: return x.i16 != 0;
        case Type::Long: return x.i32 != 0;
        case Type::Single: return x.f32 != 0;
        case Type::Double:
        case Type::Date: return x.f64 != 0;
        case Type::Currency: return x.cy != 0;
        case Type::String: {
            std::u16string_view s = x.strView();
            // "#TRUE#" and "#FALSE#" are the forms Write # puts in files; Windows reads them back.
            if (equalsIgnoreCase(s, u"True") || equalsIgnoreCase(s, u"#TRUE#")) return true;
            if (equalsIgnoreCase(s, u"False") || equalsIgnoreCase(s, u"#FALSE#")) return false;
            double d;
            bool tooLarge = false;
            if (!parseNumber(s, d, &tooLarge)) raise(tooLarge ? errOverflow : errTypeMismatch);
            return d != 0;
        }
        case Type::Object: return toBool(defaultValue(x));
        default: mismatch();
    }
}

String formatDouble(double d) {
    char buf[kNumberChars];
    return localNumber(buf, formatReal(buf, d, 15));
}

String formatSingle(float f) {
    char buf[kNumberChars];
    return localNumber(buf, formatReal(buf, f, 7));
}

String formatCurrency(int64_t scaled) {
    char buf[kNumberChars];
    return localNumber(buf, currencyChars(buf, scaled));
}

namespace {

// Text built from a format picture; the longest ("dddd, d' de 'MMMM' de 'yyyy" in Spanish with a
// time) stays well inside.
struct DateText {
    char16_t buf[128];
    size_t n = 0;

    void put(char16_t c) { if (n < std::size(buf)) buf[n++] = c; }
    void put(std::u16string_view s) { for (char16_t c : s) put(c); }
    void number(int v, int width) {
        char digits[8];
        int len = static_cast<int>(std::to_chars(digits, digits + sizeof digits, v).ptr - digits);
        for (int i = len; i < width; ++i) put(u'0');
        for (int i = 0; i < len; ++i) put(static_cast<char16_t>(digits[i]));
    }

    // The picture shows the day's number ("d" or "dd", not a day name).
    static bool hasDay(std::u16string_view p) {
        for (size_t i = 0; i < p.size(); ++i)
            if (p[i] == u'd' && (i + 1 == p.size() || p[i + 1] != u'd' || i + 2 == p.size() || p[i + 2] != u'd') &&
                (i == 0 || p[i - 1] != u'd'))
                return true;
        return false;
    }

    // Windows' picture letters: d dd ddd dddd, M MM MMM MMMM, y yy yyyy, h hh H HH, m mm, s ss,
    // t tt; 'quoted' text as it is.
    void picture(std::u16string_view p, const DateParts& t, const Locale& loc) {
        for (size_t i = 0; i < p.size();) {
            char16_t c = p[i];
            size_t run = 1;
            while (i + run < p.size() && p[i + run] == c) ++run;
            int r = static_cast<int>(run);
            switch (c) {
                case u'd':
                    if (r <= 2) number(t.day, r);
                    else put(loc.days[t.weekday - 1 + (r == 3 ? 7 : 0)]);
                    break;
                case u'M':
                    if (r <= 2) number(t.month, r);
                    else put((loc.monthsAfterDay && hasDay(p) ? loc.monthsAfterDay : loc.months)[t.month - 1 + (r == 3 ? 12 : 0)]);
                    break;
                case u'y': number(r <= 2 ? t.year % 100 : t.year, r <= 2 ? r : 4); break;
                case u'h': number(t.hour % 12 == 0 ? 12 : t.hour % 12, r); break;
                case u'H': number(t.hour, r); break;
                case u'm': number(t.minute, r); break;
                case u's': number(t.second, r); break;
                case u't': {
                    std::u16string_view half = t.hour < 12 ? loc.am : loc.pm;
                    put(r == 1 ? half.substr(0, 1) : half);
                    break;
                }
                case u'\'':
                    run = 1;
                    while (i + run < p.size() && p[i + run] != u'\'') put(p[i + run++]);
                    ++run;
                    break;
                default:
                    for (size_t k = 0; k < run; ++k) put(c);
            }
            i += run;
        }
    }
};

}  // namespace

String formatDate(double serial, DateForm form) {
    DateParts t = splitDate(serial);
    const Locale& loc = locale();
    DateText out;
    switch (form) {
        case DateForm::General: {
            // Day zero shows only the time, midnight only the date; zero itself is "12:00:00 AM".
            bool hasDate = !(t.year == 1899 && t.month == 12 && t.day == 30);
            bool hasTime = t.hour || t.minute || t.second || !hasDate;
            if (hasDate) out.picture(loc.shortDate, t, loc);
            if (hasDate && hasTime) out.put(u' ');
            if (hasTime) out.picture(loc.longTime, t, loc);
            break;
        }
        case DateForm::Long: out.picture(loc.longDate, t, loc); break;
        case DateForm::Short: out.picture(loc.shortDate, t, loc); break;
        case DateForm::Time: out.picture(loc.longTime, t, loc); break;
        case DateForm::ShortTime: out.picture(u"HH:mm", t, loc); break;
    }
    return String(std::u16string_view(out.buf, out.n));
}

String convertToString(const Value& v) {
    const Value& x = v.deref();
    switch (x.type) {
        case Type::String: return x.string();
        case Type::Empty: return String();
        case Type::Null: raise(errInvalidNull);
        case Type::Boolean: return String(x.b ? u"True" : u"False");
        case Type::Byte:
        case Type::Integer:
        case Type::Long:
        case Type::Single:
        case Type::Double:
        case Type::Currency: {
            char buf[kNumberChars];
            return localNumber(buf, numberChars(x, buf));
        }
        case Type::Date: return formatDate(x.f64);
        case Type::Object: return toString(defaultValue(x));
        default: mismatch();
    }
}

namespace {

// A whole number's digits, written from the end of buf back.
std::u16string_view wholeText(int64_t v, char16_t (&buf)[kNumberChars]) {
    char16_t* end = buf + kNumberChars;
    char16_t* p = end;
    uint64_t u = v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
    do {
        *--p = static_cast<char16_t>(u'0' + u % 10);
        u /= 10;
    } while (u);
    if (v < 0) *--p = u'-';
    return {p, static_cast<size_t>(end - p)};
}

}  // namespace

std::u16string_view convertToText(const Value& x, char16_t (&buf)[kNumberChars], String& keep) {
    // Whole numbers, the usual ones ("user" & i), print as their digits: no rounding, no decimal
    // point. A Double prints so below 1e15 (formatReal's bound), but for -0, which keeps its sign.
    if (x.type == Type::Integer || x.type == Type::Long) return wholeText(x.i32, buf);
    if (x.type == Type::Double && std::fabs(x.f64) < 1e15 && x.f64 == std::trunc(x.f64) && x.f64 != 0)
        return wholeText(static_cast<int64_t>(x.f64), buf);
    char digits[kNumberChars];
    if (size_t n = numberChars(x, digits)) {
        char16_t point = locale().decimal;
        for (size_t i = 0; i < n; ++i) buf[i] = digits[i] == '.' ? point : static_cast<unsigned char>(digits[i]);
        return {buf, n};
    }
    keep = convertToString(x);
    return keep.view();
}

Value toNumeric(const Value& v) {
    const Value& x = v.deref();
    switch (x.type) {
        case Type::Empty: return Value::integer(0);
        case Type::String: {
            double d;
            bool tooLarge = false;
            if (!parseNumber(x.strView(), d, &tooLarge)) raise(tooLarge ? errOverflow : errTypeMismatch);
            return Value::dbl(d);
        }
        case Type::Object: return toNumeric(defaultValue(x));
        case Type::Error:
        case Type::Array: mismatch();
        default: return x;
    }
}

}  // namespace vbs
