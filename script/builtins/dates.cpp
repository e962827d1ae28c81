// The clock, the parts of a date, and building dates from parts.
#include <ctime>

#include "script/builtins/calendar.h"
#include "script/builtins/library.h"

namespace vbs::builtin {

VBS_BUILTIN(Now) { result = Value::date(nowSerial()); }
VBS_BUILTIN(Date) { result = Value::date(std::floor(nowSerial())); }

VBS_BUILTIN(Time) {
    double now = nowSerial();
    result = Value::date(now - std::floor(now));
}

// Seconds since local midnight, to the millisecond, as a Single. Scripts time themselves with it,
// so it reads the clock directly rather than through Now's whole seconds.
VBS_BUILTIN(Timer) {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    std::tm local{};
    localtime_r(&ts.tv_sec, &local);
    int seconds = (local.tm_hour * 60 + local.tm_min) * 60 + local.tm_sec;
    result = Value::single(static_cast<float>(seconds + (ts.tv_nsec / 1000000) * 0.001));
}

namespace {

// Year, Month, ...: Null in, Null out; anything else goes through CDate.
template <class Field>
void datePart(const Value& v, Value& result, Field field) {
    if (v.isNull()) { result = Value::null(); return; }
    DateParts p = splitDate(toDate(v));
    result = Value::integer(static_cast<int16_t>(field(p)));
}

}  // namespace

VBS_BUILTIN(Year) { datePart(args[0], result, [](const DateParts& p) { return p.year; }); }
VBS_BUILTIN(Month) { datePart(args[0], result, [](const DateParts& p) { return p.month; }); }
VBS_BUILTIN(Day) { datePart(args[0], result, [](const DateParts& p) { return p.day; }); }
VBS_BUILTIN(Hour) { datePart(args[0], result, [](const DateParts& p) { return p.hour; }); }
VBS_BUILTIN(Minute) { datePart(args[0], result, [](const DateParts& p) { return p.minute; }); }
VBS_BUILTIN(Second) { datePart(args[0], result, [](const DateParts& p) { return p.second; }); }

// Weekday(date[, firstdayofweek]): 1 is the first day of the week given.
VBS_BUILTIN(Weekday) {
    int first = firstDayArg(args, argc, 1);
    datePart(args[0], result, [first](const DateParts& p) { return (p.weekday - first + 7) % 7 + 1; });
}

// DateSerial(year, month, day): two-digit years 0-29 are 2000-2029, 30-99 are 1930-1999; months
// and days roll over (month 13 is January next year, day 0 the last day of the month before).
// Each part is an Integer, as for TimeSerial: beyond -32768..32767 is Overflow.
VBS_BUILTIN(DateSerial) {
    int32_t year = toInteger(args[0]), month = toInteger(args[1]), day = toInteger(args[2]);
    if (year >= 0 && year < 30) year += 2000;
    else if (year >= 30 && year < 100) year += 1900;
    result = Value::date(makeDate(year, month, day));
}

VBS_BUILTIN(TimeSerial) {
    int32_t hour = toInteger(args[0]), minute = toInteger(args[1]), second = toInteger(args[2]);
    result = Value::date(makeTime(hour, minute, second));
}

VBS_BUILTIN(DateValue) { result = Value::date(std::trunc(toDate(args[0]))); }

VBS_BUILTIN(TimeValue) {
    double d = toDate(args[0]);
    result = Value::date(std::fabs(d - std::trunc(d)));
}

VBS_BUILTIN(MonthName) {
    int32_t m = toLong(args[0]);
    if (m < 1 || m > 12) raise(errInvalidCall);
    bool abbreviate = given(args, argc, 1) && toBool(args[1]);
    result = Value(locale().months[m - 1 + (abbreviate ? 12 : 0)]);
}

// WeekdayName(weekday[, abbreviate[, firstdayofweek]]): weekday counts from firstdayofweek.
VBS_BUILTIN(WeekdayName) {
    int32_t w = toLong(args[0]);
    if (w < 1 || w > 7) raise(errInvalidCall);
    bool abbreviate = given(args, argc, 1) && toBool(args[1]);
    int first = firstDayArg(args, argc, 2);
    result = Value(locale().days[(w - 1 + first - 1) % 7 + (abbreviate ? 7 : 0)]);
}

}  // namespace vbs::builtin
