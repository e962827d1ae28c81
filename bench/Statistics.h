#pragma once
// What a benchmarking user wants of call times. A brain's figure is the median over sentences of
// each sentence's median: different sentences are different work, so they are never pooled into
// one spread. Noise is the spread of one sentence across its repeats.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "bench/Measurement.h"

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

// The median as Summarise takes it; 0 for an empty list.
double Median(std::vector<double> values);

// Per sentence, the times of its answered calls (a sentence may have none).
using SentenceTimes = std::vector<std::vector<double>>;

// The median over the sentences that have times of each one's median; 0 when none has.
double MedianOfMedians(const SentenceTimes& times);

struct Interval {
    double low = 0, high = 0;
};

// Uniform draws from xoshiro256** (Blackman and Vigna), seeded by splitmix64 and mapped the same way
// on every platform (the standard distributions are not): a bootstrap follows from its seed alone.
// A large bootstrap spends most of its time drawing, and this generator is several times faster
// than std::mt19937_64 with no weakness a resample could show.
class Random {
public:
    explicit Random(std::uint64_t seed) {
        for (std::uint64_t& word : state_) {
            std::uint64_t z = (seed += 0x9E3779B97F4A7C15u);
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
            word = z ^ (z >> 31);
        }
    }
    std::uint64_t Bits() {
        std::uint64_t result = rotl(state_[1] * 5, 7) * 9, t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = rotl(state_[3], 45);
        return result;
    }
    size_t Below(size_t n) { return static_cast<size_t>((static_cast<unsigned __int128>(Bits()) * n) >> 64); }
    // In (0, 1].
    double Unit() { return (static_cast<double>(Bits() >> 11) + 1) * 0x1p-53; }
    // Box-Muller, both of each pair used.
    double Normal();

private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t state_[4];
    double second_ = 0;
    bool spare_ = false;
};

// The median of one resample with replacement of a sentence's times, sorted and not empty.
double ResampledMedian(std::span<const double> sorted, Random& random);

inline constexpr std::uint64_t kBootstrapSeed = 20261209;
inline constexpr int kBootstrapResamples = 1000;

// The bootstrap of measurement noise: each resample draws, within each sentence, as many of its
// repeats as it has, with replacement, and takes MedianOfMedians. The sentences are the input and
// stay as they are, so the interval says where the figure would fall if the same batch ran again.
// Returns [set][resample]; the same seed gives the same resamples on every platform.
std::vector<std::vector<double>> BootstrapMedians(std::span<const SentenceTimes* const> sets, std::uint64_t seed,
                                                  int resamples = kBootstrapResamples);

// Whether any sentence has two times or more: without, the bootstrap has nothing to draw from.
bool HasRepeats(const SentenceTimes& times);

// The 95% interval (2.5th to 97.5th percentile) of a bootstrap distribution.
Interval PercentileInterval(std::vector<double> resampled);

// 95% bootstrap intervals of MedianOfMedians(a) and of MedianOfMedians(a) / MedianOfMedians(b): for
// a brain against another, or a run against its baseline ("change" = ratio - 1). Zero width when
// no sentence has repeats.
Interval BootstrapMedian(const SentenceTimes& a, std::uint64_t seed = kBootstrapSeed);
Interval BootstrapMedianRatio(const SentenceTimes& a, const SentenceTimes& b, std::uint64_t seed = kBootstrapSeed);

struct SentenceMedian {
    size_t sentence = 0;
    double milliseconds = 0;
};

// Outliers are calls far from their own sentence's median: beyond Tukey's outer fences (3 times the
// interquartile range past the quartiles, the range taken as at least 0.05) of all
// log(time / sentence median) of sentences with at least kOutlierRepeats answers.
inline constexpr size_t kOutlierRepeats = 3;

struct BrainStatistics {
    int brain = 0;
    size_t calls = 0, failures = 0;
    TimeSummary all;              // every answered call pooled: only its minimum and maximum mean much
    TimeSummary sentenceMedians;  // the distribution of the sentences' medians: the work
    double median = 0;            // sentenceMedians.median
    bool hasInterval = false;     // some sentence was answered twice or more: the intervals mean something
    Interval medianInterval;
    // Noise within a sentence across repeats, the median over sentences with two answers or more;
    // negative when no sentence has two. MAD: median absolute deviation / median. CV: deviation / mean.
    double noiseMad = -1, noiseCv = -1;
    std::vector<SentenceMedian> slowest;  // up to five, slowest first
    size_t outliers = 0, classified = 0;  // calls beyond the fences / calls that could be classified
    double firstCall = 0;        // the first timed call's milliseconds (0 when it failed)
    double firstReference = 0;   // the median of its sentence's other calls, or the brain's median
    bool firstReferenceIsSentence = false;
    double ratio = 0;            // median / the fastest brain's median; 0 without answers
    Interval ratioInterval;
};

struct BatchStatistics {
    std::vector<BrainStatistics> brains;  // as Measurement::brains
    int fastest = -1;                     // index into brains; -1 when none answered
};

BatchStatistics Analyse(const Measurement& run, std::uint64_t seed = kBootstrapSeed);

// A warning when a brain's outliers are more than this share of its classified calls.
inline constexpr double kOutlierWarning = 0.05;
// A warning when a brain's first timed call is more than this many times its reference.
inline constexpr double kSlowFirstCall = 3;

// Warnings in words, one sentence each, about figures that may mislead.
std::vector<std::string> Warnings(const Measurement& run, const BatchStatistics& statistics);

}  // namespace tarvik
