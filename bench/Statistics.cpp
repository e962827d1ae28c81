#include "bench/Statistics.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <numeric>
#include <stdexcept>

#include "bench/DurationText.h"

namespace tarvik {

namespace {

// Linear interpolation between closest ranks of a sorted list.
double percentile(const std::vector<double>& sorted, double fraction) {
    double position = fraction * static_cast<double>(sorted.size() - 1);
    size_t below = static_cast<size_t>(position);
    if (below + 1 >= sorted.size()) return sorted.back();
    return sorted[below] + (position - static_cast<double>(below)) * (sorted[below + 1] - sorted[below]);
}

// The median of a non-empty list, reordering it.
double medianInPlace(std::vector<double>& values) {
    size_t half = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(half), values.end());
    double upper = values[half];
    if (values.size() % 2) return upper;
    double lower = *std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(half));
    return (lower + upper) / 2;
}

// Up to this many repeats a resample is drawn call by call.
constexpr size_t kDrawnRepeats = 64;

}  // namespace

double Random::Normal() {
    if (spare_) {
        spare_ = false;
        return second_;
    }
    double radius = std::sqrt(-2 * std::log(Unit())), angle = 2 * std::numbers::pi * Unit();
    second_ = radius * std::sin(angle);
    spare_ = true;
    return radius * std::cos(angle);
}

// The median of one resample of a sentence. Past kDrawnRepeats it is drawn without drawing the
// resample: the k-th smallest of n uniform draws is Beta(k, n + 1 - k), here its normal
// approximation, and the next smallest lies a Beta(1, n - k) share of the rest above it (for so
// many draws, an exponential one); the sorted times at those quantiles are the resample's middle
// values. Work per sentence stays constant however many repeats --min-time gathered.
double ResampledMedian(std::span<const double> sorted, Random& random) {
    size_t n = sorted.size();
    if (n == 1) return sorted.front();  // nothing to draw
    if (n <= kDrawnRepeats) {
        // The times are sorted, so the resample's middle values are those at the middle ranks of
        // the drawn positions: counting the draws per position finds them without a selection.
        std::array<std::uint8_t, kDrawnRepeats> draws{};
        // Two positions from each 64 random bits: the bias of 32 bits, n / 2^32, is far below the noise.
        for (size_t i = 1; i < n; i += 2) {
            std::uint64_t bits = random.Bits();
            ++draws[((bits & 0xFFFFFFFFu) * n) >> 32];
            ++draws[((bits >> 32) * n) >> 32];
        }
        if (n % 2) ++draws[random.Below(n)];
        size_t rank = (n - 1) / 2, below = 0, at = 0;
        while (below + draws[at] <= rank) below += draws[at++];
        double lower = sorted[at];
        if (n % 2 || below + draws[at] > rank + 1) return lower;
        do ++at;
        while (!draws[at]);
        return (lower + sorted[at]) / 2;
    }
    double count = static_cast<double>(n), k = static_cast<double>((n + 1) / 2);
    double center = k / (count + 1), spread = std::sqrt(k * (count + 1 - k) / ((count + 1) * (count + 1) * (count + 2)));
    double low = std::clamp(center + spread * random.Normal(), 0.0, 1.0);
    auto at = [&](double quantile) { return sorted[std::min(n - 1, static_cast<size_t>(quantile * count))]; };
    if (n % 2) return at(low);
    double high = low - (1 - low) * std::log(random.Unit()) / (count - static_cast<double>((n + 1) / 2));
    return (at(low) + at(high)) / 2;
}

namespace {

// BootstrapMedians of sets whose sentences are sorted already.
std::vector<std::vector<double>> bootstrapSorted(std::span<const SentenceTimes* const> sets, std::uint64_t seed,
                                                 int resamples) {
    std::vector<std::vector<double>> result(sets.size());
    Random random(seed);
    std::vector<double> medians;
    for (size_t set = 0; set < sets.size(); ++set) {
        std::vector<std::span<const double>> sentences;
        for (const std::vector<double>& times : *sets[set]) {
            if (!times.empty()) sentences.emplace_back(times);
        }
        result[set].reserve(static_cast<size_t>(resamples));
        // Without repeats every resample is the batch itself.
        if (!HasRepeats(*sets[set])) {
            result[set].assign(static_cast<size_t>(resamples), MedianOfMedians(*sets[set]));
            continue;
        }
        for (int r = 0; r < resamples; ++r) {
            medians.clear();
            for (std::span<const double> sentence : sentences) medians.push_back(ResampledMedian(sentence, random));
            result[set].push_back(medians.empty() ? 0 : medianInPlace(medians));
        }
    }
    return result;
}

// The median of a sorted non-empty list.
double sortedMedian(const std::vector<double>& sorted) {
    size_t half = sorted.size() / 2;
    return sorted.size() % 2 ? sorted[half] : (sorted[half - 1] + sorted[half]) / 2;
}

std::string percent(double fraction) {
    double value = fraction * 100;
    char text[32];
    std::snprintf(text, sizeof text, value < 9.95 ? "%.1f%%" : "%.0f%%", value);
    return text;
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

double Median(std::vector<double> values) { return values.empty() ? 0 : medianInPlace(values); }

double MedianOfMedians(const SentenceTimes& times) {
    std::vector<double> medians;
    for (const std::vector<double>& sentence : times) {
        if (!sentence.empty()) medians.push_back(Median(sentence));
    }
    return Median(std::move(medians));
}

std::vector<std::vector<double>> BootstrapMedians(std::span<const SentenceTimes* const> sets, std::uint64_t seed,
                                                  int resamples) {
    std::vector<SentenceTimes> sorted;
    for (const SentenceTimes* set : sets) {
        sorted.push_back(*set);
        for (std::vector<double>& times : sorted.back()) std::sort(times.begin(), times.end());
    }
    std::vector<const SentenceTimes*> pointers;
    for (const SentenceTimes& set : sorted) pointers.push_back(&set);
    return bootstrapSorted(pointers, seed, resamples);
}

bool HasRepeats(const SentenceTimes& times) {
    return std::any_of(times.begin(), times.end(), [](const std::vector<double>& t) { return t.size() > 1; });
}

Interval PercentileInterval(std::vector<double> resampled) {
    if (resampled.empty()) return {};
    std::sort(resampled.begin(), resampled.end());
    return {percentile(resampled, 0.025), percentile(resampled, 0.975)};
}

Interval BootstrapMedian(const SentenceTimes& a, std::uint64_t seed) {
    const SentenceTimes* sets[] = {&a};
    return PercentileInterval(BootstrapMedians(sets, seed)[0]);
}

Interval BootstrapMedianRatio(const SentenceTimes& a, const SentenceTimes& b, std::uint64_t seed) {
    const SentenceTimes* sets[] = {&a, &b};
    std::vector<std::vector<double>> resampled = bootstrapSorted(sets, seed, kBootstrapResamples);
    std::vector<double> ratios;
    for (size_t i = 0; i < resampled[0].size(); ++i) {
        if (resampled[1][i] > 0) ratios.push_back(resampled[0][i] / resampled[1][i]);
    }
    return PercentileInterval(std::move(ratios));
}

namespace {

// `times` has each sentence's times sorted.
BrainStatistics brainStatistics(const BrainRun& brain, const SentenceTimes& times) {
    BrainStatistics s;
    s.brain = brain.number;
    s.failures = brain.failures.size();
    s.all = Summarise(brain.Times());
    s.calls = s.all.calls;

    std::vector<SentenceMedian> medians;
    std::vector<double> mads, cvs, ratios, deviations;
    for (size_t i = 0; i < times.size(); ++i) {
        const std::vector<double>& sentence = times[i];
        if (sentence.empty()) continue;
        double median = sortedMedian(sentence);
        medians.push_back({i, median});
        if (sentence.size() < 2 || median <= 0) continue;
        deviations.clear();
        double sum = 0;
        for (double t : sentence) {
            deviations.push_back(std::fabs(t - median));
            sum += t;
        }
        mads.push_back(medianInPlace(deviations) / median);
        double mean = sum / static_cast<double>(sentence.size()), squares = 0;
        for (double t : sentence) squares += (t - mean) * (t - mean);
        cvs.push_back(std::sqrt(squares / static_cast<double>(sentence.size() - 1)) / mean);
        if (sentence.size() < kOutlierRepeats) continue;
        for (double t : sentence) ratios.push_back(t / median);
    }
    std::vector<double> values;
    for (const SentenceMedian& m : medians) values.push_back(m.milliseconds);
    s.sentenceMedians = Summarise(std::move(values));
    s.median = s.sentenceMedians.median;
    if (!mads.empty()) {
        s.noiseMad = Median(std::move(mads));
        s.noiseCv = Median(std::move(cvs));
    }
    std::stable_sort(medians.begin(), medians.end(),
                     [](const SentenceMedian& a, const SentenceMedian& b) { return a.milliseconds > b.milliseconds; });
    medians.resize(std::min<size_t>(medians.size(), 5));
    s.slowest = std::move(medians);

    if (!ratios.empty()) {
        // The fences are on log(time / median); the logarithm keeps the order, so the quartiles are
        // taken of the ratios and only the fences are converted.
        TimeSummary spread = Summarise(ratios);
        double q1 = std::log(std::max(spread.lowerQuartile, 1e-12)), q3 = std::log(std::max(spread.upperQuartile, 1e-12));
        // Quartiles at least 5% apart: the jitter of a sub-microsecond call is not an outlier.
        double range = std::max(q3 - q1, 0.05);
        double low = std::exp(q1 - 3 * range), high = std::exp(q3 + 3 * range);
        s.classified = ratios.size();
        s.outliers = static_cast<size_t>(std::count_if(ratios.begin(), ratios.end(), [&](double r) { return r < low || r > high; }));
    }

    if (!brain.samples.empty() && brain.samples.front().Answered()) {
        const Sample& first = brain.samples.front();
        s.firstCall = first.milliseconds;
        // The same sentence's other calls; the brain's median when it was asked only once.
        std::vector<double> others;
        bool skipped = false;
        for (double t : times[first.sentence]) {
            if (!skipped && t == first.milliseconds) skipped = true;
            else others.push_back(t);
        }
        s.firstReferenceIsSentence = !others.empty();
        s.firstReference = others.empty() ? s.median : sortedMedian(others);
    }
    return s;
}

}  // namespace

BatchStatistics Analyse(const Measurement& run, std::uint64_t seed) {
    BatchStatistics result;
    std::vector<SentenceTimes> times;
    for (const BrainRun& brain : run.brains) {
        times.push_back(brain.TimesBySentence(run.sentences.size()));
        for (std::vector<double>& sentence : times.back()) std::sort(sentence.begin(), sentence.end());
    }
    std::vector<const SentenceTimes*> sets;
    for (size_t b = 0; b < run.brains.size(); ++b) {
        result.brains.push_back(brainStatistics(run.brains[b], times[b]));
        sets.push_back(&times[b]);
        const BrainStatistics& s = result.brains.back();
        if (s.calls && (result.fastest < 0 || s.median < result.brains[static_cast<size_t>(result.fastest)].median))
            result.fastest = static_cast<int>(b);
    }
    if (result.fastest < 0) return result;
    std::vector<std::vector<double>> resampled = bootstrapSorted(sets, seed, kBootstrapResamples);
    const std::vector<double>& fastest = resampled[static_cast<size_t>(result.fastest)];
    double fastestMedian = result.brains[static_cast<size_t>(result.fastest)].median;
    for (size_t b = 0; b < result.brains.size(); ++b) {
        BrainStatistics& s = result.brains[b];
        if (!s.calls) continue;
        s.hasInterval = HasRepeats(times[b]);
        s.medianInterval = PercentileInterval(resampled[b]);
        s.ratio = fastestMedian > 0 ? s.median / fastestMedian : 1;
        std::vector<double> ratios;
        for (size_t i = 0; i < fastest.size(); ++i) {
            if (fastest[i] > 0) ratios.push_back(resampled[b][i] / fastest[i]);
        }
        s.ratioInterval = PercentileInterval(std::move(ratios));
    }
    return result;
}

std::vector<std::string> Warnings(const Measurement& run, const BatchStatistics& statistics) {
    std::vector<std::string> warnings;
    if (run.info.passes < static_cast<int>(kOutlierRepeats)) {
        warnings.push_back("With " + std::to_string(run.info.passes) + (run.info.passes == 1 ? " timed pass" : " timed passes") +
                           " the noise of a sentence and its outliers cannot be told from its work: use --repeat " +
                           std::to_string(kOutlierRepeats) + " or more.");
    }
    for (size_t b = 0; b < statistics.brains.size(); ++b) {
        const BrainStatistics& s = statistics.brains[b];
        const std::string& name = run.brains[b].name;
        if (s.classified && static_cast<double>(s.outliers) > kOutlierWarning * static_cast<double>(s.classified)) {
            warnings.push_back(name + ": " + percent(static_cast<double>(s.outliers) / static_cast<double>(s.classified)) +
                               " of samples are outliers (far from their sentence's median): results may be skewed by "
                               "other work on this machine.");
        }
        if (s.firstReference > 0 && s.firstCall > kSlowFirstCall * s.firstReference) {
            char times[32];
            std::snprintf(times, sizeof times, "%.0fx", s.firstCall / s.firstReference);
            warnings.push_back(name + ": the first timed call took " + DurationText(s.firstCall) + ", " + times +
                               " the median of " +
                               (s.firstReferenceIsSentence ? "its sentence's other calls" : "all its sentences") +
                               ": caches or files may have been cold; more warm-up passes (--warmup N) leave such calls out.");
        }
        if (s.calls && run.info.hostOverheadMs > 0 && s.median < 2 * run.info.hostOverheadMs) {
            warnings.push_back(name + ": its median " + DurationText(s.median) + " is close to the host's own " +
                               DurationText(run.info.hostOverheadMs) + " per call: its ratio says more about the host "
                               "than about the brain.");
        }
    }
    return warnings;
}

}  // namespace tarvik
