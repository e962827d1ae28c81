#pragma once
// What a benchmarking user wants of a list of call times.
#include <cstddef>
#include <vector>

namespace tarvik {

struct TimeSummary {
    size_t calls = 0;      // timed calls that answered
    double minimum = 0, median = 0, mean = 0, p95 = 0, maximum = 0;
    double lowerQuartile = 0, upperQuartile = 0;  // the 25th and 75th percentiles
    double deviation = 0;  // sample standard deviation; 0 for fewer than two calls
};

// Milliseconds in any order. The median of an even count is the mean of the middle two; the 95th
// percentile interpolates between the two nearest ranks. All zero for an empty list.
TimeSummary Summarise(std::vector<double> milliseconds);

}  // namespace tarvik
