#include "bench/clsTimer.h"

#include <gtest/gtest.h>

#include <thread>

#include "support/Failure.h"
#include "tests/support/FailureNumberOf.h"

namespace {

using namespace std::chrono_literals;
using tarvik::testing::FailureNumberOf;

TEST(clsTimerArithmetic, DividesTicksByTheFrequencyInMilliseconds) {
    EXPECT_DOUBLE_EQ(clsTimer::Milliseconds(25'000, 10'000'000), 2.5);
    EXPECT_DOUBLE_EQ(clsTimer::Milliseconds(1'000'000'000, 1'000'000'000), 1000.0);
    EXPECT_DOUBLE_EQ(clsTimer::Milliseconds(1, 1'000'000'000), 1e-6);
    EXPECT_DOUBLE_EQ(clsTimer::Milliseconds(0, 3'579'545), 0.0);
    EXPECT_DOUBLE_EQ(clsTimer::Milliseconds(-500, 1'000), -500.0);
}

TEST(clsTimerArithmetic, AZeroFrequencyIsADivisionByZero) {
    EXPECT_EQ(FailureNumberOf([] { clsTimer::Milliseconds(25'000, 0); }), tarvik::DivisionByZero);
    EXPECT_EQ(FailureNumberOf([] { clsTimer::Milliseconds(0, 0); }), tarvik::DivisionByZero);
}

TEST(clsTimerText, ShowsThreeDecimalsBetweenTheWords) {
    EXPECT_EQ(clsTimer::ElapsedText(0.5), "Execution took 0.500 ms");
    EXPECT_EQ(clsTimer::ElapsedText(2.5), "Execution took 2.500 ms");
    EXPECT_EQ(clsTimer::ElapsedText(0), "Execution took 0.000 ms");
    EXPECT_EQ(clsTimer::ElapsedText(0.0123456), "Execution took 0.012 ms");
}

TEST(clsTimerText, GroupsThousandsWithCommas) {
    EXPECT_EQ(clsTimer::ElapsedText(1234.5), "Execution took 1,234.500 ms");
    EXPECT_EQ(clsTimer::ElapsedText(1234567.0625), "Execution took 1,234,567.063 ms");
    EXPECT_EQ(clsTimer::ElapsedText(999.9999), "Execution took 1,000.000 ms");
}

TEST(clsTimer, CountsNanosecondsOfTheMonotonicClock) {
    clsTimer timer;
    EXPECT_TRUE(timer.HasCounter());
    EXPECT_EQ(timer.TicksPerSecond(), 1'000'000'000);
}

TEST(clsTimer, ResetThenStopAtOnceIsASmallNonNegativeTime) {
    clsTimer timer;
    timer.ResetTimer();
    timer.StopTimer();
    EXPECT_GE(timer.Elapsed(), 0.0);
    EXPECT_LT(timer.Elapsed(), 100.0);
}

TEST(clsTimer, MeasuresASleepInMilliseconds) {
    clsTimer timer;
    timer.ResetTimer();
    std::this_thread::sleep_for(20ms);
    timer.StopTimer();
    EXPECT_GE(timer.Elapsed(), 20.0);
    EXPECT_LT(timer.Elapsed(), 2000.0);
    EXPECT_EQ(timer.strElapsed(), clsTimer::ElapsedText(timer.Elapsed()));
}

TEST(clsTimer, EachElapsedReflectsOnlyTheLatestResetAndStop) {
    clsTimer timer;
    timer.ResetTimer();
    std::this_thread::sleep_for(30ms);
    timer.StopTimer();
    ASSERT_GE(timer.Elapsed(), 30.0);
    timer.ResetTimer();
    timer.StopTimer();
    EXPECT_LT(timer.Elapsed(), 30.0);
}

TEST(clsTimer, ElapsedIsNotGuardedAgainstAResetAfterTheStop) {
    clsTimer timer;
    EXPECT_EQ(timer.Elapsed(), 0.0);
    timer.ResetTimer();
    EXPECT_LT(timer.Elapsed(), 0.0);
}

TEST(clsTimer, UsesTheFrequencyItWasGiven) {
    // Nanosecond ticks read as microseconds make a 2 ms sleep look like 2 seconds.
    clsTimer timer(1'000'000);
    timer.ResetTimer();
    std::this_thread::sleep_for(2ms);
    timer.StopTimer();
    EXPECT_GE(timer.Elapsed(), 2000.0);
    EXPECT_EQ(timer.TicksPerSecond(), 1'000'000);
}

TEST(clsTimer, WithoutACounterStillRunsButCannotReport) {
    clsTimer timer(0);
    EXPECT_FALSE(timer.HasCounter());
    EXPECT_EQ(timer.TicksPerSecond(), 0);
    timer.ResetTimer();
    timer.StopTimer();
    EXPECT_EQ(FailureNumberOf([&] { timer.Elapsed(); }), tarvik::DivisionByZero);
    EXPECT_EQ(FailureNumberOf([&] { timer.strElapsed(); }), tarvik::DivisionByZero);
}

TEST(clsTimer, AFrequencyBeyondThirtyTwoBitsOverflowsTicksPerSecond) {
    clsTimer timer(3'000'000'000);
    EXPECT_EQ(FailureNumberOf([&] { timer.TicksPerSecond(); }), tarvik::Overflow);
    EXPECT_TRUE(timer.HasCounter());
}

}  // namespace
