// VBScript's intrinsic constants. Numeric ones are Integers where they fit, as on Windows
// (VarType(vbTextCompare) = 2); colours and vbObjectError are Longs.
#include <algorithm>
#include <iterator>

#include "script/builtins/builtins.h"
#include "script/values/text.h"

namespace vbs {

namespace {

enum class Kind : uint8_t { Integer, Long, String };

struct Constant {
    std::u16string_view name;
    Kind kind;
    int32_t number;
    std::u16string_view text;
};

constexpr Constant num(std::u16string_view name, int32_t n) { return {name, Kind::Integer, n, {}}; }
constexpr Constant lng(std::u16string_view name, int32_t n) { return {name, Kind::Long, n, {}}; }
constexpr Constant str(std::u16string_view name, std::u16string_view s) { return {name, Kind::String, 0, s}; }

// Sorted case-insensitively (all names start "vb", then compare lower-case).
constexpr Constant kConstants[] = {
    num(u"vbAbort", 3), num(u"vbAbortRetryIgnore", 2), num(u"vbApplicationModal", 0),
    num(u"vbArray", 8192), num(u"vbBinaryCompare", 0), lng(u"vbBlack", 0x000000),
    lng(u"vbBlue", 0xFF0000), num(u"vbBoolean", 11), num(u"vbByte", 17), num(u"vbCancel", 2),
    str(u"vbCr", u"\r"), num(u"vbCritical", 16), str(u"vbCrLf", u"\r\n"), num(u"vbCurrency", 6),
    lng(u"vbCyan", 0xFFFF00), num(u"vbDatabaseCompare", 2), num(u"vbDataObject", 13),
    num(u"vbDate", 7), num(u"vbDecimal", 14), num(u"vbDefaultButton1", 0),
    num(u"vbDefaultButton2", 256), num(u"vbDefaultButton3", 512), num(u"vbDefaultButton4", 768),
    num(u"vbDouble", 5), num(u"vbEmpty", 0), num(u"vbError", 10), num(u"vbExclamation", 48),
    num(u"vbFalse", 0), num(u"vbFirstFourDays", 2), num(u"vbFirstFullWeek", 3),
    num(u"vbFirstJan1", 1), str(u"vbFormFeed", u"\f"), num(u"vbFriday", 6),
    num(u"vbGeneralDate", 0), lng(u"vbGreen", 0x00FF00), num(u"vbIgnore", 5),
    num(u"vbInformation", 64), num(u"vbInteger", 2), str(u"vbLf", u"\n"), num(u"vbLong", 3),
    num(u"vbLongDate", 1), num(u"vbLongTime", 3), lng(u"vbMagenta", 0xFF00FF),
    num(u"vbMonday", 2), num(u"vbMsgBoxHelpButton", 16384), lng(u"vbMsgBoxRight", 524288),
    lng(u"vbMsgBoxRtlReading", 1048576), lng(u"vbMsgBoxSetForeground", 65536), str(u"vbNewLine", u"\r\n"), num(u"vbNo", 7), num(u"vbNull", 1),
    str(u"vbNullChar", std::u16string_view(u"\0", 1)), str(u"vbNullString", u""),
    num(u"vbObject", 9), lng(u"vbObjectError", static_cast<int32_t>(0x80040000u)), num(u"vbOK", 1),
    num(u"vbOKCancel", 1), num(u"vbOKOnly", 0), num(u"vbQuestion", 32), lng(u"vbRed", 0x0000FF),
    num(u"vbRetry", 4), num(u"vbRetryCancel", 5), num(u"vbSaturday", 7), num(u"vbShortDate", 2),
    num(u"vbShortTime", 4), num(u"vbSingle", 4), num(u"vbString", 8), num(u"vbSunday", 1),
    num(u"vbSystemModal", 4096), str(u"vbTab", u"\t"), num(u"vbTextCompare", 1),
    num(u"vbThursday", 5), num(u"vbTrue", -1), num(u"vbTuesday", 3), num(u"vbUseDefault", -2),
    num(u"vbUseSystem", 0), num(u"vbUseSystemDayOfWeek", 0), num(u"vbVariant", 12),
    str(u"vbVerticalTab", u"\v"), num(u"vbWednesday", 4), lng(u"vbWhite", 0xFFFFFF),
    lng(u"vbYellow", 0x00FFFF), num(u"vbYes", 6), num(u"vbYesNo", 4), num(u"vbYesNoCancel", 3),
};

bool lessText(std::u16string_view a, std::u16string_view b) { return compareText(a, b) < 0; }

}  // namespace

bool findConstant(std::u16string_view name, Value& out) {
    auto it = std::lower_bound(std::begin(kConstants), std::end(kConstants), name,
                               [](const Constant& c, std::u16string_view n) { return lessText(c.name, n); });
    if (it == std::end(kConstants) || compareText(it->name, name) != 0) return false;
    switch (it->kind) {
        case Kind::Integer: out = Value::integer(static_cast<int16_t>(it->number)); break;
        case Kind::Long: out = Value::lng(it->number); break;
        case Kind::String: out = Value(it->text); break;
    }
    return true;
}

}  // namespace vbs
