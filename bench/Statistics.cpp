#include "bench/Statistics.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace tarvik {

namespace {

// Linear interpolation between closest ranks of a sorted list.
double percentile(const std::vector<double>& sorted, double fraction) {
    double position = fraction * static_cast<double>(sorted.size() - 1);
    size_t below = static_cast<size_t>(position);
    if (below + 1 >= sorted.size()) return sorted.back();
    return sorted[below] + (position - static_cast<double>(below)) * (sorted[below + 1] - sorted[below]);
}

}  // namespace

TimeSummary Summarise(std::vector<double> milliseconds) {
    TimeSummary summary;
    summary.calls = milliseconds.size();
    if (milliseconds.empty()) return summary;
    std::sort(milliseconds.begin(), milliseconds.end());
    summary.minimum = milliseconds.front();
    summary.maximum = milliseconds.back();
    summary.median = percentile(milliseconds, 0.5);
    summary.p95 = percentile(milliseconds, 0.95);
    summary.lowerQuartile = percentile(milliseconds, 0.25);
    summary.upperQuartile = percentile(milliseconds, 0.75);
    double n = static_cast<double>(milliseconds.size());
    summary.mean = std::accumulate(milliseconds.begin(), milliseconds.end(), 0.0) / n;
    if (milliseconds.size() > 1) {
        double squares = 0;
        for (double t : milliseconds) squares += (t - summary.mean) * (t - summary.mean);
        summary.deviation = std::sqrt(squares / (n - 1));
    }
    return summary;
}

}  // namespace tarvik
