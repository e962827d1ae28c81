#pragma once
// Date helpers shared by the date functions, DateAdd/DateDiff/DatePart and FormatDateTime.
#include <cmath>

#include "script/builtins/args.h"
#include "script/values/datetime.h"

namespace vbs::builtin {

// A serial's time runs forward even before 1899 (-1.25 is 29 Dec 1899 06:00); on the linear
// scale (-0.75 for that moment) adding hours is plain addition.
inline double toLinear(double serial) {
    double day = std::trunc(serial);
    return serial < 0 ? day - (serial - day) : serial;
}
inline double fromLinear(double linear) {
    double day = std::floor(linear);
    return day < 0 ? day - (linear - day) : linear + 0.0;  // + 0.0: midnight of day 0 is 0, not -0
}

// The day number (whole days on the linear scale) of a serial.
inline double dayNumber(double serial) { return std::floor(toLinear(serial)); }

}  // namespace vbs::builtin
