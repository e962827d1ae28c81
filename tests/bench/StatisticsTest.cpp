#include "bench/Statistics.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tarvik {
namespace {

TEST(Statistics, OddCountInAnyOrder) {
    TimeSummary s = Summarise({5, 1, 3});
    EXPECT_EQ(s.calls, 3u);
    EXPECT_DOUBLE_EQ(s.minimum, 1);
    EXPECT_DOUBLE_EQ(s.median, 3);
    EXPECT_DOUBLE_EQ(s.mean, 3);
    EXPECT_DOUBLE_EQ(s.maximum, 5);
    EXPECT_DOUBLE_EQ(s.deviation, 2);      // sqrt(((−2)² + 0² + 2²) / 2)
    EXPECT_DOUBLE_EQ(s.p95, 4.8);          // rank 1.9 of 0..2: 3 + 0.9 × 2
}

TEST(Statistics, EvenCountTakesTheMeanOfTheMiddleTwo) {
    TimeSummary s = Summarise({4, 1, 2, 3});
    EXPECT_DOUBLE_EQ(s.median, 2.5);
    EXPECT_DOUBLE_EQ(s.mean, 2.5);
    EXPECT_NEAR(s.deviation, 1.2909944487358056, 1e-12);  // sqrt(5/3)
    EXPECT_DOUBLE_EQ(s.p95, 3.85);         // rank 2.85: 3 + 0.85 × 1
    EXPECT_DOUBLE_EQ(s.lowerQuartile, 1.75);  // rank 0.75: 1 + 0.75 × 1
    EXPECT_DOUBLE_EQ(s.upperQuartile, 3.25);  // rank 2.25
}

TEST(Statistics, OneCallHasNoSpread) {
    TimeSummary s = Summarise({0.75});
    EXPECT_EQ(s.calls, 1u);
    EXPECT_DOUBLE_EQ(s.minimum, 0.75);
    EXPECT_DOUBLE_EQ(s.median, 0.75);
    EXPECT_DOUBLE_EQ(s.p95, 0.75);
    EXPECT_DOUBLE_EQ(s.maximum, 0.75);
    EXPECT_DOUBLE_EQ(s.deviation, 0);
}

TEST(Statistics, TiesAndNoCalls) {
    TimeSummary ties = Summarise({2, 2, 2, 9});
    EXPECT_DOUBLE_EQ(ties.median, 2);
    EXPECT_DOUBLE_EQ(ties.p95, 7.95);      // rank 2.85: 2 + 0.85 × 7
    TimeSummary none = Summarise({});
    EXPECT_EQ(none.calls, 0u);
    EXPECT_DOUBLE_EQ(none.median, 0);
}

}  // namespace
}  // namespace tarvik

namespace tarvik {
namespace {

// A brain asked `times[s]` for sentence s, the repeats in order, passes interleaved as the bench asks.
BrainRun brainOf(int number, const SentenceTimes& times) {
    BrainRun brain;
    brain.number = number;
    brain.name = "Brain" + std::to_string(number);
    size_t passes = 0;
    for (const auto& t : times) passes = std::max(passes, t.size());
    for (size_t pass = 0; pass < passes; ++pass) {
        for (size_t s = 0; s < times.size(); ++s) {
            if (pass < times[s].size())
                brain.samples.push_back({static_cast<std::uint32_t>(s), static_cast<std::uint32_t>(pass), times[s][pass], -1});
        }
    }
    return brain;
}

Measurement runOf(const std::vector<SentenceTimes>& brains, int passes) {
    Measurement run;
    run.info.passes = passes;
    run.sentences.resize(brains[0].size(), "s");
    for (size_t b = 0; b < brains.size(); ++b) run.brains.push_back(brainOf(static_cast<int>(b) + 1, brains[b]));
    return run;
}

bool mentions(const std::vector<std::string>& warnings, const std::string& part) {
    return std::any_of(warnings.begin(), warnings.end(), [&](const std::string& w) { return w.find(part) != std::string::npos; });
}

TEST(Statistics, ABrainsFigureIsTheMedianOfItsSentencesMedians) {
    EXPECT_DOUBLE_EQ(Median({4, 1, 3, 2}), 2.5);
    SentenceTimes times{{1, 2, 30}, {10}, {}, {4, 6}};  // medians 2, 10, 5; the empty one is left out
    EXPECT_DOUBLE_EQ(MedianOfMedians(times), 5);
    BatchStatistics stats = Analyse(runOf({times}, 3));
    const BrainStatistics& s = stats.brains[0];
    EXPECT_EQ(s.calls, 6u);
    EXPECT_DOUBLE_EQ(s.median, 5);
    EXPECT_DOUBLE_EQ(s.sentenceMedians.minimum, 2);
    EXPECT_DOUBLE_EQ(s.sentenceMedians.maximum, 10);
    EXPECT_DOUBLE_EQ(s.all.maximum, 30);
    // Noise: {1, 2, 30} deviates 1, 0, 28 from 2, MAD 1, 50%; {4, 6} MAD 1 of 5, 20%: median 35%.
    EXPECT_DOUBLE_EQ(s.noiseMad, 0.35);
    ASSERT_EQ(s.slowest.size(), 3u);
    EXPECT_EQ(s.slowest[0].sentence, 1u);
    EXPECT_EQ(s.slowest[1].sentence, 3u);
    EXPECT_EQ(s.slowest[2].sentence, 0u);
}

TEST(Statistics, FiveSlowestAndNoNoiseWithoutRepeats) {
    BatchStatistics stats = Analyse(runOf({{{3}, {9}, {1}, {7}, {5}, {8}, {2}}}, 1));
    const BrainStatistics& s = stats.brains[0];
    std::vector<size_t> order;
    for (const SentenceMedian& m : s.slowest) order.push_back(m.sentence);
    EXPECT_EQ(order, (std::vector<size_t>{1, 5, 3, 4, 0}));
    EXPECT_DOUBLE_EQ(s.slowest[0].milliseconds, 9);
    EXPECT_LT(s.noiseMad, 0);
    EXPECT_EQ(s.classified, 0u);
}

TEST(Statistics, OutliersAreFarFromTheirOwnSentenceAndWarnedOfWhenMany) {
    // Ten calls of a 1 ms sentence, one of them 100 ms; a 50 ms sentence is work, not an outlier.
    SentenceTimes times{{1, 1, 1, 1, 1, 1, 1, 1, 1, 100}, {50, 50, 50, 50, 50, 50, 50, 50, 50, 50}};
    Measurement run = runOf({times}, 10);
    BatchStatistics stats = Analyse(run);
    EXPECT_EQ(stats.brains[0].outliers, 1u);
    EXPECT_EQ(stats.brains[0].classified, 20u);
    EXPECT_FALSE(mentions(Warnings(run, stats), "outliers"));  // 5%: not more than the limit
    times[1][3] = 500;
    run = runOf({times}, 10);
    stats = Analyse(run);
    EXPECT_EQ(stats.brains[0].outliers, 2u);
    EXPECT_TRUE(mentions(Warnings(run, stats), "Brain1: 10% of samples are outliers"));
    // Jitter of a few per cent is noise, whatever the quartiles say; 30% beyond them is not.
    run = runOf({{{1, 1, 1, 1.1, 1}}}, 5);
    EXPECT_EQ(Analyse(run).brains[0].outliers, 0u);
    run = runOf({{{1, 1, 1, 1.3, 1}}}, 5);
    EXPECT_EQ(Analyse(run).brains[0].outliers, 1u);
}

TEST(Statistics, ASlowFirstCallIsWarnedOf) {
    Measurement run = runOf({{{10, 1, 1}, {1, 1, 1}}}, 3);
    std::vector<std::string> warnings = Warnings(run, Analyse(run));
    EXPECT_TRUE(mentions(warnings, "Brain1: the first timed call took 10.0 ms, 10x the median of its sentence's other calls"));
    run = runOf({{{2.5, 1, 1}, {1, 1, 1}}}, 3);
    EXPECT_FALSE(mentions(Warnings(run, Analyse(run)), "first timed call"));
    run = runOf({{{1}}}, 1);
    EXPECT_TRUE(mentions(Warnings(run, Analyse(run)), "With 1 timed pass"));
}

TEST(Statistics, RatiosAgainstTheFastestWithTheirIntervals) {
    // Every call of brain 2 takes three times brain 1's: every resample says 3.
    SentenceTimes one{{1, 1, 1}, {2, 2, 2}, {4, 4, 4}}, three{{3, 3, 3}, {6, 6, 6}, {12, 12, 12}};
    BatchStatistics stats = Analyse(runOf({three, one}, 3));
    EXPECT_EQ(stats.fastest, 1);
    EXPECT_DOUBLE_EQ(stats.brains[0].ratio, 3);
    EXPECT_DOUBLE_EQ(stats.brains[0].ratioInterval.low, 3);
    EXPECT_DOUBLE_EQ(stats.brains[0].ratioInterval.high, 3);
    EXPECT_DOUBLE_EQ(stats.brains[1].ratio, 1);
    // The median's interval lies within the sentences' medians and holds the median.
    const BrainStatistics& s = stats.brains[1];
    EXPECT_LE(1, s.medianInterval.low);
    EXPECT_LE(s.medianInterval.low, s.median);
    EXPECT_LE(s.median, s.medianInterval.high);
    EXPECT_LE(s.medianInterval.high, 4);
}

TEST(Statistics, TheBootstrapIsReproducibleWithItsSeed) {
    SentenceTimes a{{1.0, 1.3, 0.9, 1.1}, {2.0, 2.4, 1.8}, {0.5, 0.7}, {3.1, 2.9, 3.0}};
    SentenceTimes b{{1.2, 1.5, 1.1, 1.3}, {2.6, 2.2, 2.3}, {0.6, 0.8}, {3.3, 3.9, 3.5}};
    Interval first = BootstrapMedianRatio(b, a, 7), again = BootstrapMedianRatio(b, a, 7);
    EXPECT_EQ(first.low, again.low);
    EXPECT_EQ(first.high, again.high);
    EXPECT_LT(first.low, first.high);
    Interval other = BootstrapMedianRatio(b, a, 8);
    EXPECT_TRUE(other.low != first.low || other.high != first.high);
    EXPECT_LT(first.low, MedianOfMedians(b) / MedianOfMedians(a));
    EXPECT_GT(first.high, MedianOfMedians(b) / MedianOfMedians(a));
    // Sets of different inputs still give an interval around the ratio.
    Interval unpaired = BootstrapMedianRatio(SentenceTimes{{2, 2.2, 1.8}}, SentenceTimes{{1, 1.1}, {0.9}});
    EXPECT_LE(unpaired.low, 2);
    EXPECT_GE(unpaired.high, 2);
    Interval constant = BootstrapMedian(SentenceTimes{{5, 5}, {5}});
    EXPECT_EQ(constant.low, 5);
    EXPECT_EQ(constant.high, 5);
}

TEST(Statistics, ManyRepeatsGiveTheMediansKnownSpread) {
    // The median of n draws from 0..1000 spreads by about 1001 / (2 sqrt(n)): 15.8 for n = 1001, so
    // the 95% interval is about 500 ± 31. Odd and even counts, drawn without drawing every call.
    for (size_t n : {1001u, 1000u}) {
        SentenceTimes times(1);
        for (size_t i = 0; i < n; ++i) times[0].push_back(static_cast<double>(i * 1000 / (n - 1)));
        Interval interval = BootstrapMedian(times);
        EXPECT_GT(interval.low, 460) << n;
        EXPECT_LT(interval.low, 480) << n;
        EXPECT_GT(interval.high, 520) << n;
        EXPECT_LT(interval.high, 540) << n;
    }
}

}  // namespace
}  // namespace tarvik
