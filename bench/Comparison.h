#pragma once
// A run's times against a baseline's: how much each brain moved, with a 95% bootstrap interval of
// the change and a verdict, and which sentences moved most.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "bench/Measurement.h"
#include "bench/Statistics.h"

namespace tarvik {

enum class Verdict { NoChange, Improved, Regressed, Unknown };

struct Change {
    double before = 0, after = 0;        // medians in milliseconds
    double estimate = 0;                 // -0.031 is 3.1% faster
    double low = 0, high = 0;            // the 95% interval of `estimate`
    Verdict verdict = Verdict::Unknown;  // Unknown: too few times for an interval
};

struct SentenceChange {
    size_t sentence = 0;  // index into the input
    Change change;
};

struct BrainComparison {
    Change median;                            // of the brain's per-sentence medians
    std::vector<SentenceChange> mostChanged;  // largest moves first
};

// Changes smaller than this are noise whatever their interval says.
inline constexpr double kNoiseThreshold = 0.01;

// `sameInput`: both runs timed the same sentences, so sentence i of one is sentence i of the other,
// and the brain's change is the median of its sentences' own changes (each one's median after /
// before), its interval from resampling the sentences and, within each, the repeats. Each ratio
// cancels its sentence's cost, so the interval shows noise, not how the sentences differ, and a
// single pass is enough. Otherwise the change is after / before of the brain's medians with the
// repeats resampled. Fixed seeds: the same times give the same figures.
BrainComparison Compare(const SentenceTimes& before, const SentenceTimes& after, bool sameInput, size_t sentences = 5);

struct BaselineComparison {
    std::string name, path;  // as the user gave it; the file
    RunInfo baseline;        // when, where and how the baseline ran
    bool sameInput = false;  // the same sentences in the same order
    // How the runs were made differently (another machine, build, pass count, a busier host), in words.
    std::vector<std::string> notes;
    std::vector<std::optional<BrainComparison>> brains;  // as Measurement::brains; none: not in the baseline
};

// Brains are matched by number.
BaselineComparison CompareWithBaseline(const Measurement& run, const Measurement& baseline, const std::string& name,
                                       const std::string& path);

// "change: -3.1% [-4.0%, -2.2%] improved", from the two parts below.
std::string ChangeText(const Change& change);
// "-3.1% [-4.0%, -2.2%]"; "+45.0%" without an interval.
std::string ChangeFigures(const Change& change);
// "improved", "regressed", "no change beyond noise" or "too few times for an interval".
std::string VerdictText(Verdict verdict);

// The comparison for the terminal: a line per brain, the sentences that moved most under it.
std::string ComparisonText(const Measurement& run, const BaselineComparison& comparison);

// "Brain 2 (Two) regressed by 12.3%, more than 5%" for each brain judged slower by more than `percent`.
std::vector<std::string> RegressionsBeyond(const Measurement& run, const BaselineComparison& comparison, double percent);

}  // namespace tarvik
