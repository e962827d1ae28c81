#pragma once
// The run as one self-contained HTML page: inline SVG charts and styles, no script, nothing fetched,
// so it can be mailed, attached to an issue or opened years later.
#include <string>
#include <vector>

#include "bench/Comparison.h"
#include "bench/Measurement.h"
#include "bench/Statistics.h"

namespace tarvik {

// The warnings, a summary table and the time per sentence of every brain; per brain its figures, a
// histogram of its call times, its slowest sentences, its failures, the comparison with the
// baseline (null for none) and, when it was profiled, a flame graph; then how the run was made.
std::string HtmlReport(const Measurement& run, const BatchStatistics& statistics, const std::vector<std::string>& warnings,
                       const BaselineComparison* baseline);

}  // namespace tarvik
