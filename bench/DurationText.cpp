#include "bench/DurationText.h"

#include <cmath>
#include <cstdio>

namespace tarvik {

std::string DurationText(double milliseconds) {
    static constexpr const char* kUnits[] = {"ns", "µs", "ms", "s"};
    double value = milliseconds * 1e6;
    int unit = 0;
    // Past 999.5 the rounding would print "1000": the next unit reads better.
    while (unit < 3 && std::fabs(value) >= 999.5) {
        value /= 1000;
        ++unit;
    }
    double size = std::fabs(value);
    int decimals = size >= 99.95 ? 0 : size >= 9.995 ? 1 : 2;
    char text[48];
    std::snprintf(text, sizeof text, "%.*f %s", decimals, value, kUnits[unit]);
    return text;
}

}  // namespace tarvik
