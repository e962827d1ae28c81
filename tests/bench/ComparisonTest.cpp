#include "bench/Comparison.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "tests/bench/ConstructedRun.h"

namespace tarvik {
namespace {

// Sentences whose costs spread over two decades, each timed `repeats` times with a few per cent of
// noise; `slower` scales the cost of every sentence, `slowerSentence` of one more.
SentenceTimes timings(unsigned seed, size_t repeats, double slower = 1, size_t slowSentence = SIZE_MAX, double slowerSentence = 1) {
    std::mt19937 random(seed);
    std::lognormal_distribution<double> noise(0, 0.03);
    SentenceTimes times(30);
    for (size_t i = 0; i < times.size(); ++i) {
        double cost = 0.1 * std::pow(100.0, static_cast<double>((i * 7) % 30) / 29) * slower;
        if (i == slowSentence) cost *= slowerSentence;
        for (size_t r = 0; r < repeats; ++r) times[i].push_back(cost * noise(random));
    }
    return times;
}

TEST(Comparison, SameBrainIsNoChangeAndRerunsPrintTheSameInterval) {
    for (size_t repeats : {1, 5}) {
        SentenceTimes before = timings(1, repeats), after = timings(2, repeats);
        BrainComparison first = Compare(before, after, true), second = Compare(before, after, true);
        EXPECT_EQ(first.median.verdict, Verdict::NoChange) << ChangeText(first.median);
        EXPECT_LE(first.median.low, 0);
        EXPECT_GE(first.median.high, 0);
        EXPECT_LT(first.median.high - first.median.low, 0.1) << "pairing by sentence keeps the interval narrow";
        EXPECT_EQ(first.median.low, second.median.low);
        EXPECT_EQ(first.median.high, second.median.high);
    }
}

TEST(Comparison, SlowerAndFasterBrainsAreJudgedWithAnIntervalAroundTheChange) {
    for (size_t repeats : {1, 5}) {
        BrainComparison slower = Compare(timings(1, repeats), timings(2, repeats, 1.5), true);
        EXPECT_EQ(slower.median.verdict, Verdict::Regressed) << ChangeText(slower.median);
        EXPECT_GT(slower.median.low, 0.4);
        EXPECT_LT(slower.median.high, 0.6);
        BrainComparison faster = Compare(timings(1, repeats), timings(2, repeats, 0.8), true);
        EXPECT_EQ(faster.median.verdict, Verdict::Improved) << ChangeText(faster.median);
        EXPECT_NEAR(faster.median.estimate, -0.2, 0.03);
    }
}

TEST(Comparison, TheSentenceThatMovedIsNamedFirstWithItsOwnVerdict) {
    BrainComparison result = Compare(timings(1, 5), timings(2, 5, 1, 17, 4), true, 3);
    EXPECT_EQ(result.median.verdict, Verdict::NoChange) << "one sentence does not move the median";
    ASSERT_EQ(result.mostChanged.size(), 3u);
    EXPECT_EQ(result.mostChanged[0].sentence, 17u);
    EXPECT_EQ(result.mostChanged[0].change.verdict, Verdict::Regressed);
    EXPECT_NEAR(result.mostChanged[0].change.estimate, 3, 0.3);
    EXPECT_TRUE(Compare(timings(1, 5), timings(2, 5), false).mostChanged.empty()) << "other input: no sentence pairs";
}

TEST(Comparison, TooFewTimesGiveNoVerdict) {
    BrainComparison result = Compare({{2.0}}, {{3.0}}, true);
    EXPECT_EQ(result.median.verdict, Verdict::Unknown);
    EXPECT_EQ(ChangeText(result.median), "change: +50.0% (too few times for an interval)");
    Change judged{1, 0.969, -0.031, -0.040, -0.022, Verdict::Improved};
    EXPECT_EQ(ChangeText(judged), "change: -3.1% [-4.0%, -2.2%] improved");
}

TEST(Comparison, RunsAreMatchedBrainByBrainAndASlowerOneFailsTheGuard) {
    std::vector<std::string> sentences{"a", "b", "c", "d", "e", "f"};
    Measurement baseline = testing::ConstructedRun(sentences, {"One", "Two"});
    Measurement run = testing::ConstructedRun(sentences, {"One", "Two", "Three"}, 1.5);
    BaselineComparison c = CompareWithBaseline(run, baseline, "main", "/x/baselines/main.json");
    ASSERT_EQ(c.brains.size(), 3u);
    EXPECT_TRUE(c.sameInput);
    EXPECT_FALSE(c.brains[2]) << "the baseline has no brain 3";
    EXPECT_EQ(c.brains[1]->median.verdict, Verdict::Regressed);
    EXPECT_NEAR(c.brains[1]->median.estimate, 0.5, 0.02);
    EXPECT_EQ(RegressionsBeyond(run, c, 20),
              (std::vector<std::string>{"Brain 1 (One) regressed by 50.0%, more than 20%", "Brain 2 (Two) regressed by 50.0%, more than 20%"}));
    EXPECT_TRUE(RegressionsBeyond(run, c, 60).empty());
    std::string text = ComparisonText(run, c);
    EXPECT_NE(text.find("Compared with baseline 'main' (/x/baselines/main.json, 2026-12-09T08:00:00Z):"), std::string::npos) << text;
    EXPECT_NE(text.find("Three  not in the baseline"), std::string::npos) << text;
    EXPECT_TRUE(c.notes.empty()) << c.notes.front();

    run.info.host = "otherbox";
    run.info.hostOverheadMs = 2 * (baseline.info.hostOverheadMs = 0.0001);
    c = CompareWithBaseline(run, baseline, "main", "");
    EXPECT_EQ(c.notes.size(), 2u);
    EXPECT_NE(ComparisonText(run, c).find("note: the baseline ran on testbox, this run otherbox"), std::string::npos);

    run.sentences.back() = "changed";
    c = CompareWithBaseline(run, baseline, "main", "");
    EXPECT_FALSE(c.sameInput);
    EXPECT_TRUE(c.brains[0]->mostChanged.empty());
    EXPECT_NE(ComparisonText(run, c).find("The input differs"), std::string::npos);
}

}  // namespace
}  // namespace tarvik
