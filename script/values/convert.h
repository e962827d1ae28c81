#pragma once
// Conversions between Variant subtypes with VBScript's rules and the text forms of the running
// engine's locale (locale.h). Each raises VBScript's error where VBScript does: 13 Type mismatch, 94 Invalid
// use of Null, 6 Overflow. Objects are read through their default property first.
#include <cstdint>
#include <string_view>

#include "script/values/locale.h"
#include "script/values/value.h"

namespace vbs {

// An object's default property value (raises 438 without one, 91 for Nothing); others unchanged.
Value defaultValue(const Value& v);

double toDouble(const Value& v);     // CDbl
float toSingle(const Value& v);      // CSng
int16_t toInteger(const Value& v);   // CInt: half to even, 6 outside -32768..32767
int32_t toLong(const Value& v);      // CLng
uint8_t toByte(const Value& v);      // CByte
int64_t toCurrency(const Value& v);  // CCur, scaled by 10000
double toDate(const Value& v);       // CDate
bool toBool(const Value& v);         // CBool
String convertToString(const Value& v);  // CStr of anything but a String
// CStr; Empty gives "". Inline for the String case, which the built-ins meet nearly every time.
inline String toString(const Value& v) {
    const Value& x = v.deref();
    return x.isString() ? x.string() : convertToString(x);
}
// Room for the text of any number but a Date.
constexpr size_t kNumberChars = 40;
// CStr's text of v without a String where none is needed: a String's own characters, a number's
// (not a Date's) written into buf, anything else converted into keep. For concatenation, which
// copies the text anyway.
std::u16string_view convertToText(const Value& v, char16_t (&buf)[kNumberChars], String& keep);
inline std::u16string_view textOf(const Value& v, char16_t (&buf)[kNumberChars], String& keep) {
    const Value& x = v.deref();
    return x.isString() ? x.strView() : convertToText(x, buf, keep);
}

// The value as the arithmetic operators see it: numeric subtypes unchanged, Empty -> Integer 0,
// strings parsed (to Double), Boolean kept (the operators know its rules), Null kept.
Value toNumeric(const Value& v);

// n / d rounded half to even, as Currency results and CLng of a Currency round.
__int128 divideHalfEven(__int128 n, int64_t d);

// Text forms.
String formatDouble(double d);       // up to 15 significant digits: "0.333333333333333", "1E+20"
String formatSingle(float f);        // up to 7 significant digits
String formatCurrency(int64_t scaled);
// FormatDateTime's forms 0 to 4 in the locale: as CStr shows a Date ("12/8/2026", "1:18:04 PM" or
// both), "Tuesday, December 8, 2026", "12/8/2026", "1:18:04 PM", "13:18".
enum class DateForm : uint8_t { General, Long, Short, Time, ShortTime };
String formatDate(double serial, DateForm form = DateForm::General);

// What CDbl and IsNumeric accept: blanks around, sign, digits with "," grouping, ".", exponent,
// &H and &O forms. False when s is not a number, and also when it is one too large for a Double
// (or, in &H/&O form, for 32 bits): then *tooLarge is set, as conversions raise 6 there, not 13.
bool parseNumber(std::u16string_view s, double& out, bool* tooLarge = nullptr);
// What CDate and IsDate accept in the locale; date literals (#12/8/2026#) read as 1033 whatever it is.
bool parseDate(std::u16string_view s, double& out, const Locale& loc);
bool parseDate(std::u16string_view s, double& out);

}  // namespace vbs
