#pragma once
// A run's times against a baseline's: how much each brain's median moved, with a 95% bootstrap
// interval of the change, and which sentences moved most.
#include <cstddef>
#include <string>
#include <vector>

namespace tarvik {

// Times of one brain: times[i] holds every answered call of sentence i, in milliseconds.
using SentenceTimes = std::vector<std::vector<double>>;

enum class Verdict { NoChange, Improved, Regressed, Unknown };

struct Change {
    double before = 0, after = 0;     // medians in milliseconds
    double estimate = 0;              // -0.031 is 3.1% faster
    double low = 0, high = 0;         // the 95% interval of `estimate`
    Verdict verdict = Verdict::Unknown;  // Unknown: too few times on a side for an interval
};

struct SentenceChange {
    size_t sentence = 0;  // index into the input
    Change change;
};

struct BrainComparison {
    Change median;  // of the brain's per-sentence medians
    std::vector<SentenceChange> mostChanged;  // largest moves first
};

// Changes smaller than this are noise whatever their interval says.
constexpr double kNoiseThreshold = 0.01;

// `sameInput`: both runs timed the same sentences in the same order, so sentence i of one is
// sentence i of the other, and the brain's change is the median of its sentences' changes (each
// sentence's median after / before); otherwise it is after / before of the brain's medians. Every interval comes from resampling with a fixed seed, so a rerun on the same times
// prints the same figures. `mostChanged` holds up to `sentences` sentences (only with `sameInput`).
BrainComparison Compare(const SentenceTimes& before, const SentenceTimes& after, bool sameInput, size_t sentences = 5);

// "change: -3.1% [-4.0%, -2.2%] improved"
std::string ChangeText(const Change& change);

}  // namespace tarvik
