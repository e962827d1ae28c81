#pragma once
// What tarvik-bench says: the settings and method at the start, the figures at the end. The table
// is built once as cells and drawn for a terminal or as Markdown.
#include <string>
#include <vector>

#include "bench/Comparison.h"
#include "bench/Measurement.h"
#include "bench/Statistics.h"

namespace tarvik {

struct Table {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
    std::vector<bool> leftAligned;  // per column; numbers are right-aligned
};

// Which settings, input and records are used, how many passes, and what a time measures.
std::string StartText(const Measurement& run);

// Per brain: calls, failures, median with its 95% interval, noise, outliers, ratio to the fastest.
Table FiguresTable(const Measurement& run, const BatchStatistics& statistics);
// Per brain: the distribution of its sentences' medians, and its fastest and slowest call.
Table SentencesTable(const Measurement& run, const BatchStatistics& statistics);

// "3.98x ± 0.20"; the fastest brain and a ratio without an interval show no "±".
std::string RatioText(const BrainStatistics& s);

// The figures, the sentence medians, the slowest sentences, warm-up failures and warnings.
std::string TerminalSummary(const Measurement& run, const BatchStatistics& statistics,
                            const std::vector<std::string>& warnings);
// The same as a Markdown section, ready for a README or an issue; with `comparison`, the change
// against the baseline per brain and the sentences that moved most.
std::string MarkdownSummary(const Measurement& run, const BatchStatistics& statistics,
                            const std::vector<std::string>& warnings, const BaselineComparison* comparison = nullptr);

}  // namespace tarvik
