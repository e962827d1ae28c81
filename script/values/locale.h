#pragma once
// The locale SetLocale chooses: decimal point, grouping, currency, date and time forms, first day
// and week, month and day names. Conversions (CStr, CDbl, CDate, Format*) read the running
// engine's locale; until a script sets one it is United States English (1033), the system default
// here.
#include <cstdint>
#include <string_view>

namespace vbs {

enum class DateOrder : uint8_t { MonthDayYear, DayMonthYear, YearMonthDay };

struct Locale {
    char16_t decimal, group;
    DateOrder order;
    char16_t dateSeparator;
    // Windows' format pictures ("M/d/yyyy", "dddd, MMMM d, yyyy", "h:mm:ss tt").
    std::u16string_view shortDate, longDate, longTime;
    std::u16string_view am, pm;
    // '#' stands for the amount: "$#" and "-$#"; parentheses wrap the positive form.
    std::u16string_view currency, currencyNegative;
    bool currencyParens;  // negative amounts in parentheses unless the script says otherwise
    std::u16string_view currencySign;  // what CDbl and IsNumeric let stand before or after a number
    uint8_t firstDay;     // 1 Sunday, 2 Monday
    uint8_t firstWeek;    // 1 the week of 1 January, 2 the first with four days
    const std::u16string_view* months;  // 12 names, then 12 abbreviations
    const std::u16string_view* days;    // 7 names from Sunday, then 7 abbreviations
    // Where the language changes a month's name after a day number ("9 декабря" but "Декабрь"):
    // 12 such forms, then the abbreviations again. Null where it does not.
    const std::u16string_view* monthsAfterDay = nullptr;
};

constexpr int32_t kDefaultLcid = 1033;

const Locale& usEnglish();

struct LocaleId {
    int32_t lcid;
    const Locale* locale;
};

// A locale ID Windows knows, by number (0 is the default) or by name ("de-de", "de"); {0, nullptr}
// for one it does not.
LocaleId findLocale(int32_t lcid);
LocaleId findLocale(std::u16string_view name);

// The running engine's locale; null is the default.
extern thread_local constinit const Locale* currentLocale;
inline const Locale& locale() { return currentLocale ? *currentLocale : usEnglish(); }

}  // namespace vbs
