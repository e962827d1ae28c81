#include "bench/Comparison.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "bench/DurationText.h"

namespace tarvik {

namespace {

constexpr size_t kLeastForInterval = 3;
constexpr size_t kResampledTimes = 20'000'000, kLeastResamples = 200;

Verdict judge(double estimate, Interval interval) {
    if (interval.low <= 0 && interval.high >= 0) return Verdict::NoChange;
    if (std::max(std::abs(interval.low), std::abs(interval.high)) < kNoiseThreshold) return Verdict::NoChange;
    return estimate < 0 ? Verdict::Improved : Verdict::Regressed;
}

// The interval widened to hold the estimate: an even count's median can fall outside its resamples.
void judged(Change& change, Interval ratio) {
    change.low = std::min(ratio.low - 1, change.estimate);
    change.high = std::max(ratio.high - 1, change.estimate);
    change.verdict = judge(change.estimate, {change.low, change.high});
}

size_t timesIn(const SentenceTimes& times) {
    size_t count = 0;
    for (const std::vector<double>& t : times) count += t.size();
    return count;
}

// Sentence for sentence: the median of the ratios of the sentences both runs answered.
void pairedChange(const SentenceTimes& before, const SentenceTimes& after, Change& change) {
    // Each side's times of the paired sentences, sorted for the resamples.
    SentenceTimes pairs[2];
    for (size_t i = 0; i < std::min(before.size(), after.size()); ++i) {
        if (before[i].empty() || after[i].empty() || Median(before[i]) <= 0) continue;
        pairs[0].push_back(before[i]);
        pairs[1].push_back(after[i]);
    }
    if (pairs[0].empty()) return;
    size_t count = pairs[0].size();
    for (SentenceTimes& side : pairs) {
        for (std::vector<double>& times : side) std::sort(times.begin(), times.end());
    }
    std::vector<double> ratios;
    for (size_t i = 0; i < count; ++i) ratios.push_back(Median(pairs[1][i]) / Median(pairs[0][i]));
    change.estimate = Median(ratios) - 1;
    size_t times[2] = {timesIn(pairs[0]), timesIn(pairs[1])};
    bool repeats = HasRepeats(pairs[0]) || HasRepeats(pairs[1]);
    if (std::min(times[0], times[1]) < kLeastForInterval) return;
    Random random(kBootstrapSeed);
    std::vector<double> resampledRatios, drawnRatios;
    // Large batches get fewer resamples: their intervals are narrow, and the summary should not wait.
    int resamples = static_cast<int>(std::clamp<size_t>(kResampledTimes / (times[0] + times[1]), kLeastResamples,
                                                        kBootstrapResamples));
    for (int r = 0; r < resamples; ++r) {
        if (repeats) {
            ratios.clear();
            for (size_t i = 0; i < count; ++i) {
                double b = ResampledMedian(pairs[0][i], random);
                ratios.push_back(b > 0 ? ResampledMedian(pairs[1][i], random) / b : 1);
            }
        }
        drawnRatios.resize(count);
        for (double& ratio : drawnRatios) ratio = ratios[random.Below(count)];
        resampledRatios.push_back(Median(drawnRatios));
    }
    judged(change, PercentileInterval(std::move(resampledRatios)));
}

// The brains' (or one sentence's) medians, the repeats resampled on each side.
Change unpairedChange(const SentenceTimes& before, const SentenceTimes& after) {
    Change change;
    change.before = MedianOfMedians(before);
    change.after = MedianOfMedians(after);
    if (!(change.before > 0)) return change;  // below the clock's resolution: no ratio
    change.estimate = change.after / change.before - 1;
    if (timesIn(before) >= kLeastForInterval && timesIn(after) >= kLeastForInterval && HasRepeats(before) && HasRepeats(after)) {
        judged(change, BootstrapMedianRatio(after, before));
    }
    return change;
}

std::string percent(double fraction) {
    char text[32];
    std::snprintf(text, sizeof text, "%+.1f%%", 100 * fraction);
    return text;
}

size_t characters(const std::string& text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string shortened(const std::string& sentence, size_t limit) {
    size_t count = 0;
    for (size_t i = 0; i < sentence.size(); ++i) {
        if ((static_cast<unsigned char>(sentence[i]) & 0xC0) != 0x80 && count++ == limit) return sentence.substr(0, i) + "...";
    }
    return sentence;
}

std::vector<std::string> differences(const RunInfo& now, const RunInfo& then) {
    std::vector<std::string> notes;
    auto differ = [&](const char* what, const std::string& a, const std::string& b) {
        if (a != b) notes.push_back(std::string("the baseline ran ") + what + " " + (b.empty() ? "(unknown)" : b) + ", this run " + a);
    };
    differ("on", now.host, then.host);
    differ("on the CPU", now.cpu, then.cpu);
    differ("in a build of type", now.buildType, then.buildType);
    differ("with version", now.version, then.version);
    differ("with passes", std::to_string(now.warmup) + " warm-up + " + std::to_string(now.passes) + " timed",
           std::to_string(then.warmup) + " warm-up + " + std::to_string(then.passes) + " timed");
    if (now.profiled != then.profiled) {
        notes.push_back(std::string("the baseline ran ") + (then.profiled ? "profiled" : "without the profiler") + ", this run " +
                        (now.profiled ? "profiled" : "without it") + ": the profiler's own work is in every time of the profiled run");
    }
    // The empty brain does the same work in both runs: when it moved, the machine did.
    if (now.hostOverheadMs > 0 && then.hostOverheadMs > 0 && std::abs(now.hostOverheadMs / then.hostOverheadMs - 1) > 0.2) {
        notes.push_back("the host's own time per call went from " + DurationText(then.hostOverheadMs) + " to " +
                        DurationText(now.hostOverheadMs) + ": the machine itself ran at another speed, and every brain's change shares it");
    }
    return notes;
}

}  // namespace

BrainComparison Compare(const SentenceTimes& before, const SentenceTimes& after, bool sameInput, size_t sentences) {
    BrainComparison result;
    if (!sameInput) {
        result.median = unpairedChange(before, after);
        return result;
    }
    result.median.before = MedianOfMedians(before);
    result.median.after = MedianOfMedians(after);
    pairedChange(before, after, result.median);
    for (size_t i = 0; i < std::min(before.size(), after.size()); ++i) {
        if (before[i].empty() || after[i].empty()) continue;
        SentenceChange moved{i, {}};
        moved.change.before = Median(before[i]);
        moved.change.after = Median(after[i]);
        if (moved.change.before > 0 && moved.change.after > 0) result.mostChanged.push_back(moved);
    }
    auto size = [](const SentenceChange& s) { return std::abs(std::log(s.change.after / s.change.before)); };
    std::stable_sort(result.mostChanged.begin(), result.mostChanged.end(),
                     [&](const SentenceChange& a, const SentenceChange& b) { return size(a) > size(b); });
    if (result.mostChanged.size() > sentences) result.mostChanged.resize(sentences);
    for (SentenceChange& moved : result.mostChanged) moved.change = unpairedChange({before[moved.sentence]}, {after[moved.sentence]});
    return result;
}

BaselineComparison CompareWithBaseline(const Measurement& run, const Measurement& baseline, const std::string& name,
                                       const std::string& path) {
    BaselineComparison result{name, path, baseline.info, run.sentences == baseline.sentences,
                              differences(run.info, baseline.info), {}};
    for (const BrainRun& brain : run.brains) {
        auto old = std::find_if(baseline.brains.begin(), baseline.brains.end(),
                                [&](const BrainRun& b) { return b.number == brain.number; });
        if (old == baseline.brains.end() || !old->Answered() || !brain.Answered()) {
            result.brains.emplace_back();
            continue;
        }
        result.brains.push_back(Compare(old->TimesBySentence(baseline.sentences.size()),
                                        brain.TimesBySentence(run.sentences.size()), result.sameInput));
    }
    return result;
}

std::string ChangeFigures(const Change& change) {
    std::string figures = percent(change.estimate);
    if (change.verdict != Verdict::Unknown) figures += " [" + percent(change.low) + ", " + percent(change.high) + "]";
    return figures;
}

std::string VerdictText(Verdict verdict) {
    switch (verdict) {
    case Verdict::Improved: return "improved";
    case Verdict::Regressed: return "regressed";
    case Verdict::NoChange: return "no change beyond noise";
    case Verdict::Unknown: break;
    }
    return "too few times for an interval";
}

std::string ChangeText(const Change& change) {
    if (change.verdict == Verdict::Unknown) return "change: " + ChangeFigures(change) + " (" + VerdictText(change.verdict) + ")";
    return "change: " + ChangeFigures(change) + " " + VerdictText(change.verdict);
}

std::string ComparisonText(const Measurement& run, const BaselineComparison& comparison) {
    std::string out = "Compared with baseline '" + comparison.name + "' (" + comparison.path + ", " +
                      comparison.baseline.startedAt + "):\n";
    size_t width = 0;
    for (const BrainRun& brain : run.brains) width = std::max(width, characters(brain.name));
    for (size_t b = 0; b < run.brains.size(); ++b) {
        const BrainRun& brain = run.brains[b];
        out += "  " + brain.name + std::string(width - characters(brain.name) + 2, ' ');
        if (!comparison.brains[b]) {
            out += brain.Answered() ? "not in the baseline, or no answers there\n" : "no answers\n";
            continue;
        }
        const BrainComparison& c = *comparison.brains[b];
        out += DurationText(c.median.before) + " -> " + DurationText(c.median.after) + "  " + ChangeText(c.median) + "\n";
        for (size_t k = 0; k < std::min<size_t>(c.mostChanged.size(), 3); ++k) {
            const SentenceChange& s = c.mostChanged[k];
            out += "    sentence " + std::to_string(s.sentence + 1) + " \"" + shortened(run.sentences[s.sentence], 40) +
                   "\": " + DurationText(s.change.before) + " -> " + DurationText(s.change.after) + "  " +
                   ChangeText(s.change) + "\n";
        }
    }
    if (!comparison.sameInput) {
        out += "  The input differs from the baseline's: each brain's median is compared over different sentences.\n";
    }
    for (const std::string& note : comparison.notes) out += "  note: " + note + "\n";
    return out;
}

std::vector<std::string> RegressionsBeyond(const Measurement& run, const BaselineComparison& comparison, double percent) {
    std::vector<std::string> regressions;
    for (size_t b = 0; b < run.brains.size(); ++b) {
        const std::optional<BrainComparison>& c = comparison.brains[b];
        if (!c || c->median.verdict != Verdict::Regressed || 100 * c->median.estimate <= percent) continue;
        char text[64];
        std::snprintf(text, sizeof text, " regressed by %.1f%%, more than %g%%", 100 * c->median.estimate, percent);
        regressions.push_back("Brain " + std::to_string(run.brains[b].number) + " (" + run.brains[b].name + ")" + text);
    }
    return regressions;
}

}  // namespace tarvik
