#include "bench/Comparison.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>

namespace tarvik {

namespace {

constexpr int kResamples = 1000;
constexpr size_t kLeastForInterval = 3;
constexpr std::uint64_t kSeed = 0x7a2c15e0b3d94f61;

// Reorders `values`. Mean of the middle two for an even count.
double median(std::vector<double>& values) {
    auto middle = values.begin() + static_cast<long>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    double upper = *middle;
    if (values.size() % 2) return upper;
    return (upper + *std::max_element(values.begin(), middle)) / 2;
}

double medianOf(std::vector<double> values) { return median(values); }

// Draws below n the same way on every machine (std::uniform_int_distribution is library-defined).
class Draw {
public:
    size_t Below(size_t n) { return static_cast<size_t>((static_cast<unsigned __int128>(engine_()) * n) >> 64); }

private:
    std::mt19937_64 engine_{kSeed};
};

// The medians of a resampling of each sentence's times.
void resampledMedians(const std::vector<const std::vector<double>*>& sentences, Draw& draw, std::vector<double>& scratch,
                      std::vector<double>& medians) {
    medians.clear();
    for (const std::vector<double>* times : sentences) {
        if (times->size() == 1) {
            medians.push_back(times->front());
            continue;
        }
        scratch.clear();
        for (size_t k = 0; k < times->size(); ++k) scratch.push_back((*times)[draw.Below(times->size())]);
        medians.push_back(median(scratch));
    }
}

Verdict judge(double estimate, double low, double high) {
    if (low <= 0 && high >= 0) return Verdict::NoChange;
    if (std::max(std::abs(low), std::abs(high)) < kNoiseThreshold) return Verdict::NoChange;
    return estimate < 0 ? Verdict::Improved : Verdict::Regressed;
}

// The 2.5th and 97.5th percentiles of the resampled changes give the interval.
void finish(Change& change, std::vector<double>& changes) {
    std::sort(changes.begin(), changes.end());
    auto at = [&](double fraction) { return changes[static_cast<size_t>(fraction * static_cast<double>(changes.size() - 1) + 0.5)]; };
    change.low = std::min(at(0.025), change.estimate);
    change.high = std::max(at(0.975), change.estimate);
    change.verdict = judge(change.estimate, change.low, change.high);
}

// One sentence's times against its baseline times, each side resampled on its own.
Change sentenceChange(const std::vector<double>& before, const std::vector<double>& after) {
    Change change;
    change.before = medianOf(before);
    change.after = medianOf(after);
    change.estimate = change.after / change.before - 1;
    if (before.size() < kLeastForInterval || after.size() < kLeastForInterval) return change;
    Draw draw;
    std::vector<double> scratch, changes;
    auto resampled = [&](const std::vector<double>& times) {
        scratch.clear();
        for (size_t k = 0; k < times.size(); ++k) scratch.push_back(times[draw.Below(times.size())]);
        return median(scratch);
    };
    for (int r = 0; r < kResamples; ++r) {
        double b = resampled(before);
        changes.push_back(resampled(after) / b - 1);
    }
    finish(change, changes);
    return change;
}

}  // namespace

BrainComparison Compare(const SentenceTimes& before, const SentenceTimes& after, bool sameInput, size_t sentences) {
    BrainComparison result;
    // Paired runs use only the sentences both answered; a sentence is the unit that is resampled.
    std::vector<const std::vector<double>*> used[2];
    size_t samples[2] = {0, 0};
    const SentenceTimes* runs[2] = {&before, &after};
    for (int side = 0; side < 2; ++side) {
        for (size_t i = 0; i < runs[side]->size(); ++i) {
            const std::vector<double>& times = (*runs[side])[i];
            const SentenceTimes& other = *runs[1 - side];
            if (times.empty() || (sameInput && (i >= other.size() || other[i].empty()))) continue;
            used[side].push_back(&times);
            samples[side] += times.size();
        }
    }
    if (used[0].empty() || used[1].empty()) return result;
    std::vector<double> medians[2];
    for (int side = 0; side < 2; ++side) {
        for (const std::vector<double>* times : used[side]) medians[side].push_back(medianOf(*times));
    }
    Change& change = result.median;
    change.before = medianOf(medians[0]);
    change.after = medianOf(medians[1]);
    if (!(change.before > 0)) return result;  // below the clock's resolution: no ratio
    // Paired, the change is the median of the sentences' own changes: each ratio cancels its sentence's
    // cost, so the interval reflects noise, not how much the sentences differ from one another.
    std::vector<double> ratios;
    auto changeOf = [&](std::vector<double>& b, std::vector<double>& a, const std::vector<size_t>* pairs) {
        if (!pairs) return median(a) / median(b) - 1;
        ratios.clear();
        for (size_t i : *pairs) ratios.push_back(a[i] / b[i]);
        return median(ratios) - 1;
    };
    std::vector<size_t> all(medians[0].size());
    for (size_t i = 0; i < all.size(); ++i) all[i] = i;
    {
        std::vector<double> b = medians[0], a = medians[1];
        change.estimate = changeOf(b, a, sameInput ? &all : nullptr);
    }
    if (samples[0] >= kLeastForInterval && samples[1] >= kLeastForInterval) {
        Draw draw;
        std::vector<double> scratch, resampled[2], picked[2], changes;
        std::vector<size_t> drawn;
        for (int r = 0; r < kResamples; ++r) {
            for (int side = 0; side < 2; ++side) resampledMedians(used[side], draw, scratch, resampled[side]);
            if (sameInput) {
                drawn.clear();
                for (size_t k = 0; k < all.size(); ++k) drawn.push_back(draw.Below(all.size()));
                changes.push_back(changeOf(resampled[0], resampled[1], &drawn));
                continue;
            }
            for (int side = 0; side < 2; ++side) {
                picked[side].clear();
                for (size_t k = 0; k < resampled[side].size(); ++k) {
                    picked[side].push_back(resampled[side][draw.Below(resampled[side].size())]);
                }
            }
            changes.push_back(changeOf(picked[0], picked[1], nullptr));
        }
        finish(change, changes);
    }
    if (!sameInput) return result;
    for (size_t i = 0; i < std::min(before.size(), after.size()); ++i) {
        if (before[i].empty() || after[i].empty()) continue;
        SentenceChange moved{i, {}};
        moved.change.before = medianOf(before[i]);
        moved.change.after = medianOf(after[i]);
        if (moved.change.before > 0 && moved.change.after > 0) result.mostChanged.push_back(moved);
    }
    auto size = [](const SentenceChange& s) { return std::abs(std::log(s.change.after / s.change.before)); };
    std::sort(result.mostChanged.begin(), result.mostChanged.end(),
              [&](const SentenceChange& a, const SentenceChange& b) { return size(a) > size(b); });
    if (result.mostChanged.size() > sentences) result.mostChanged.resize(sentences);
    for (SentenceChange& moved : result.mostChanged) moved.change = sentenceChange(before[moved.sentence], after[moved.sentence]);
    return result;
}

std::string ChangeText(const Change& change) {
    char text[128];
    if (change.verdict == Verdict::Unknown) {
        std::snprintf(text, sizeof text, "change: %+.1f%% (too few times for an interval)", 100 * change.estimate);
        return text;
    }
    const char* verdict = change.verdict == Verdict::Improved    ? "improved"
                          : change.verdict == Verdict::Regressed ? "regressed"
                                                                 : "no change beyond noise";
    std::snprintf(text, sizeof text, "change: %+.1f%% [%+.1f%%, %+.1f%%] %s", 100 * change.estimate, 100 * change.low,
                  100 * change.high, verdict);
    return text;
}

}  // namespace tarvik
