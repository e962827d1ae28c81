#include "bench/Statistics.h"

#include <gtest/gtest.h>

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
