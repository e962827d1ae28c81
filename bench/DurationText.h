#pragma once
// A time for a reader: three significant digits in the unit that keeps them whole, so a brain that
// answers in 400 ns shows "400 ns" rather than "0.0004 ms". "523 ns", "2.01 µs", "12.3 ms", "1.50 s".
#include <string>

namespace tarvik {

std::string DurationText(double milliseconds);

}  // namespace tarvik
