// DateAdd, DateDiff and DatePart over the interval codes "yyyy", "q", "m", "y", "d", "w", "ww",
// "h", "n", "s".
#include <algorithm>

#include "script/builtins/calendar.h"
#include "script/builtins/library.h"
#include "script/values/text.h"

namespace vbs::builtin {

namespace {

enum class Interval { Year, Quarter, Month, DayOfYear, Day, Weekday, Week, Hour, Minute, Second };

Interval intervalArg(const Value& v) {
    static constexpr struct { std::u16string_view code; Interval interval; } kCodes[] = {
        {u"yyyy", Interval::Year}, {u"q", Interval::Quarter}, {u"m", Interval::Month},
        {u"y", Interval::DayOfYear}, {u"d", Interval::Day}, {u"w", Interval::Weekday},
        {u"ww", Interval::Week}, {u"h", Interval::Hour}, {u"n", Interval::Minute},
        {u"s", Interval::Second},
    };
    String s = toString(v);
    for (const auto& c : kCodes) {
        if (equalsIgnoreCase(s.view(), c.code)) return c.interval;
    }
    raise(errInvalidCall);
}

// First-week-of-year argument: 0 (vbUseSystem) is the locale's (vbFirstJan1 in 1033, the first
// four-day week in most of Europe).
enum FirstWeek { kFirstJan1 = 1, kFirstFourDays = 2, kFirstFullWeek = 3 };

int firstWeekArg(const Value* args, int argc, int i) {
    int32_t w = longArg(args, argc, i, kFirstJan1);
    if (w < 0 || w > 3) raise(errInvalidCall);
    return w == 0 ? locale().firstWeek : w;
}

// 1 = Sunday; day number 0 (30 Dec 1899) was a Saturday.
int weekdayOf(int64_t dayNum) { return static_cast<int>(((dayNum % 7) + 13) % 7) + 1; }

int64_t dayNum(double serial) { return static_cast<int64_t>(dayNumber(serial)); }
int64_t dayNumOf(int year, int month, int day) { return dayNum(makeDate(year, month, day)); }

// Whole seconds on the linear scale (rounded: serials carry binary fractions).
int64_t secondsOf(double serial) { return static_cast<int64_t>(std::llround(toLinear(serial) * 86400.0)); }

int64_t floorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

int daysInMonth(int year, int month) {
    if (month == 12) return 31;  // and 31 Dec 9999 needs no January of 10000
    return static_cast<int>(dayNumOf(year, month + 1, 1) - dayNumOf(year, month, 1));
}

// The Sunday (or firstDay) on or before the day.
int64_t weekStart(int64_t day, int firstDay) { return day - (weekdayOf(day) - firstDay + 7) % 7; }

// The day week 1 of the year begins.
int64_t firstWeekStart(int year, int firstDay, int firstWeek) {
    int64_t jan1 = dayNumOf(year, 1, 1);
    int64_t start = weekStart(jan1, firstDay);
    int64_t daysInYear = 7 - (jan1 - start);
    if ((firstWeek == kFirstFourDays && daysInYear < 4) || (firstWeek == kFirstFullWeek && daysInYear < 7)) {
        start += 7;
    }
    return start;
}

int weekOfYear(int64_t day, int year, int firstDay, int firstWeek) {
    int64_t start = firstWeekStart(year, firstDay, firstWeek);
    if (day < start) return weekOfYear(day, year - 1, firstDay, firstWeek);
    // With vbFirstFourDays the last days of December can be week 1 of the next year. Windows
    // misses the first day of that week and numbers it 53 (Microsoft KB 200299: the last Monday
    // with vbMonday); the days after it are week 1.
    if (firstWeek == kFirstFourDays && year < 9999 && day > firstWeekStart(year + 1, firstDay, firstWeek)) {
        return 1;
    }
    return static_cast<int>((day - start) / 7 + 1);
}

// Dates a Variant can hold: 1 Jan 100 to 31 Dec 9999.
double checkedDate(double serial) {
    if (!isDateSerial(serial)) raise(errInvalidCall);
    return serial;
}

}  // namespace

// DateAdd(interval, number, date): adding months keeps the day where the month has it, else the
// month's last day (31 Jan + 1 month = 28 or 29 Feb).
VBS_BUILTIN(DateAdd) {
    Interval interval = intervalArg(args[0]);
    int32_t n = toLong(args[1]);
    if (args[2].isNull()) { result = Value::null(); return; }
    double serial = toDate(args[2]);
    double linear = toLinear(serial);
    double timeOfDay = linear - std::floor(linear);
    int64_t months = 0;  // 64 bits: 12 * a Long number of years must not wrap
    double add = 0;
    switch (interval) {
        case Interval::Year: months = int64_t{12} * n; break;
        case Interval::Quarter: months = int64_t{3} * n; break;
        case Interval::Month: months = n; break;
        case Interval::DayOfYear: case Interval::Day: case Interval::Weekday: add = n; break;
        case Interval::Week: add = 7.0 * n; break;
        case Interval::Hour: add = n / 24.0; break;
        case Interval::Minute: add = n / 1440.0; break;
        case Interval::Second: add = n / 86400.0; break;
    }
    if (months) {
        DateParts p = splitDate(serial);
        int64_t total = int64_t{p.year} * 12 + (p.month - 1) + months;
        if (total < 100 * 12 || total >= 10000 * 12) raise(errInvalidCall);
        int year = static_cast<int>(total / 12), month = static_cast<int>(total % 12) + 1;
        int day = std::min(p.day, daysInMonth(year, month));
        linear = static_cast<double>(dayNumOf(year, month, day)) + timeOfDay;
    } else if (interval >= Interval::Hour) {
        // In whole seconds, so repeated additions do not drift.
        linear = std::round((linear + add) * 86400.0) / 86400.0;
    } else {
        linear += add;
    }
    result = Value::date(checkedDate(fromLinear(linear)));
}

// DateDiff(interval, date1, date2[, firstdayofweek[, firstweekofyear]]): how many interval
// boundaries lie between the two dates ("yyyy" from 31 Dec to 1 Jan is 1).
VBS_BUILTIN(DateDiff) {
    Interval interval = intervalArg(args[0]);
    int firstDay = firstDayArg(args, argc, 3);
    firstWeekArg(args, argc, 4);  // checked only: week numbering cannot change a difference
    if (args[1].isNull() || args[2].isNull()) { result = Value::null(); return; }
    double a = toDate(args[1]), b = toDate(args[2]);
    DateParts pa = splitDate(a), pb = splitDate(b);
    int64_t diff = 0;
    switch (interval) {
        case Interval::Year: diff = pb.year - pa.year; break;
        case Interval::Quarter:
            diff = (pb.year * 4 + (pb.month - 1) / 3) - (pa.year * 4 + (pa.month - 1) / 3);
            break;
        case Interval::Month: diff = (pb.year * 12 + pb.month) - (pa.year * 12 + pa.month); break;
        case Interval::DayOfYear: case Interval::Day: diff = dayNum(b) - dayNum(a); break;
        case Interval::Weekday: diff = (dayNum(b) - dayNum(a)) / 7; break;
        case Interval::Week:
            diff = (weekStart(dayNum(b), firstDay) - weekStart(dayNum(a), firstDay)) / 7;
            break;
        case Interval::Hour: diff = floorDiv(secondsOf(b), 3600) - floorDiv(secondsOf(a), 3600); break;
        case Interval::Minute: diff = floorDiv(secondsOf(b), 60) - floorDiv(secondsOf(a), 60); break;
        case Interval::Second: diff = secondsOf(b) - secondsOf(a); break;
    }
    if (diff < INT32_MIN || diff > INT32_MAX) raise(errOverflow);  // seconds across centuries
    result = Value::lng(static_cast<int32_t>(diff));
}

// DatePart(interval, date[, firstdayofweek[, firstweekofyear]]).
VBS_BUILTIN(DatePart) {
    Interval interval = intervalArg(args[0]);
    int firstDay = firstDayArg(args, argc, 2);
    int firstWeek = firstWeekArg(args, argc, 3);
    if (args[1].isNull()) { result = Value::null(); return; }
    double serial = toDate(args[1]);
    DateParts p = splitDate(serial);
    int64_t day = dayNum(serial);
    int part = 0;
    switch (interval) {
        case Interval::Year: part = p.year; break;
        case Interval::Quarter: part = (p.month - 1) / 3 + 1; break;
        case Interval::Month: part = p.month; break;
        case Interval::DayOfYear: part = static_cast<int>(day - dayNumOf(p.year, 1, 1)) + 1; break;
        case Interval::Day: part = p.day; break;
        case Interval::Weekday: part = (p.weekday - firstDay + 7) % 7 + 1; break;
        case Interval::Week: part = weekOfYear(day, p.year, firstDay, firstWeek); break;
        case Interval::Hour: part = p.hour; break;
        case Interval::Minute: part = p.minute; break;
        case Interval::Second: part = p.second; break;
    }
    result = Value::integer(static_cast<int16_t>(part));
}

}  // namespace vbs::builtin
