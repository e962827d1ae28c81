#pragma once
// The report's charts, drawn as inline SVG: no script, no fetched library, readable in any browser.
#include <string>
#include <vector>

namespace tarvik {

struct ChartSeries {
    std::string name;
    std::string colour;          // any CSS colour
    std::vector<double> values;  // milliseconds; NaN where there is no value (a failed sentence)
};

// Call times (milliseconds, any order) counted in bins, with `median` marked. The time axis turns
// logarithmic when the times span more than a decade, so a few slow calls do not squash the rest.
std::string HistogramSvg(const std::vector<double>& milliseconds, const std::string& colour, double median);

// One line per series across the input: x is the sentence number, y the time, logarithmic when the
// values span more than a decade.
std::string SentenceLinesSvg(const std::vector<ChartSeries>& series);

}  // namespace tarvik
