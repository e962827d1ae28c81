#pragma once
// The stopwatch around a brain call: ticks of the monotonic clock, reported in milliseconds.
#include <chrono>
#include <cstdint>
#include <string>
#include <type_traits>

class clsTimer {
public:
    using Clock = std::chrono::steady_clock;
    static_assert(std::is_same_v<Clock::period, std::nano>, "the tick rate below assumes nanoseconds");

    // Ticks of the monotonic clock: nanoseconds.
    clsTimer() : clsTimer(1'000'000'000) {}
    // Reads the counter with its own tick rate; 0 means there is no counter.
    explicit clsTimer(std::int64_t ticksPerSecond)
        : frequency_(ticksPerSecond), hasCounter_(ticksPerSecond != 0) {}

    bool HasCounter() const { return hasCounter_; }
    // The tick rate as a 32-bit integer; the overflow failure beyond that range.
    std::int32_t TicksPerSecond() const;

    // One clock read each and nothing else: they sit right beside the measured call.
    void ResetTimer() { startCount_ = Clock::now().time_since_epoch().count(); }
    void StopTimer() { stopCount_ = Clock::now().time_since_epoch().count(); }

    // Milliseconds between the last reset and the last stop; division by zero without a counter.
    double Elapsed() const { return Milliseconds(stopCount_ - startCount_, frequency_); }
    // "Execution took 1,234.500 ms"
    std::string strElapsed() const { return ElapsedText(Elapsed()); }

    // (ticks as double) / (frequency as double) * 1000, failing on a zero frequency.
    static double Milliseconds(std::int64_t ticks, std::int64_t frequency);
    // The milliseconds in the form "###,##0.000" between "Execution took " and " ms".
    static std::string ElapsedText(double milliseconds);

private:
    std::int64_t frequency_;
    bool hasCounter_;
    std::int64_t startCount_ = 0;
    std::int64_t stopCount_ = 0;
};
