#pragma once
// Dates as VBScript holds them: OLE Automation serials, days since 30 December 1899 with the time
// as the fraction. Before that day the integer part is negative and the fraction still counts
// forward (-1.25 is 29 December 1899, 06:00).
#include <cstdint>

namespace vbs {

struct DateParts {
    int year, month, day;       // month 1-12
    int hour, minute, second;
    int weekday;                // 1 = Sunday ... 7 = Saturday
};

// DateSerial's rollover: month 14 is February of the next year, day 0 the last of the month before.
// Raises 5 outside the years 100..9999.
double makeDate(int year, int month, int day);
// TimeSerial: counts from midnight of day 0, so -1 hour is 29 December 1899, 11 PM. Raises 5 outside the
// date range.
double makeTime(int hour, int minute, int second);
DateParts splitDate(double serial);
// A serial a Date can hold: 1 January 100 (-657434, its times reaching down to -657435) to the end of
// 31 December 9999 (2958465 and its times).
inline bool isDateSerial(double d) { return d > -657435.0 && d < 2958466.0; }
// Joins a day number (as makeDate answers) and a time of day (0 <= time < 1) into one serial.
double joinDateTime(double day, double time);
// The local clock.
double nowSerial();

}  // namespace vbs
