#include "tools/tarvik-bench/HostOverhead.h"

#include <time.h>

#include <algorithm>
#include <vector>

#include "bench/BrainEngines.h"
#include "bench/Queries.h"
#include "bench/Statistics.h"
#include "bench/clsTimer.h"
#include "script/values/string.h"

namespace tarvik {

namespace {

class FixedSentence : public QueryWindow {
public:
    explicit FixedSentence(std::u16string text) : text_(std::move(text)) {}
    std::u16string ReadText1() const override { return text_; }
    void SetText2(const std::string&) override {}
    void SetTimeLabels(const std::string&, const std::string&, const std::string&) override {}
    bool StopRequested() const override { return false; }
    std::string DecimalSeparator() const override { return "."; }

private:
    std::u16string text_;
};

}  // namespace

ClockFacts ExamineClock() {
    static_assert(clsTimer::Clock::is_steady, "calls are timed on a monotonic clock");
    ClockFacts facts;
    // libstdc++'s steady_clock reads CLOCK_MONOTONIC.
    facts.name = "std::chrono::steady_clock (CLOCK_MONOTONIC)";
    timespec resolution{};
    ::clock_getres(CLOCK_MONOTONIC, &resolution);
    facts.resolutionNs = static_cast<double>(resolution.tv_sec) * 1e9 + static_cast<double>(resolution.tv_nsec);
    auto smallest = clsTimer::Clock::duration::max();
    for (int i = 0; i < 1000; ++i) {
        auto a = clsTimer::Clock::now(), b = clsTimer::Clock::now();
        if (b > a) smallest = std::min(smallest, b - a);
    }
    facts.readingNs = static_cast<double>(smallest.count());
    return facts;
}

double HostOverhead(const std::string& sentence) {
    BrainEngines engines;
    engines.TakeSettings();
    engines.LoadSource(1, u"Function GetResponse(Sentence, UserName, ComputerName, LearningLevel, WorkingDir, "
                          u"A1, A2, A3, A4, A5, A6, A7, A8, A9, A10)\nEnd Function\n");
    FixedSentence window(vbs::utf8ToUtf16(sentence));
    constexpr int kWarm = 100, kTimed = 2000;
    std::vector<double> times;
    times.reserve(kTimed);
    for (int i = 0; i < kWarm + kTimed; ++i) {
        double milliseconds = TimedQuery(engines, window, 1).milliseconds;
        if (i >= kWarm) times.push_back(milliseconds);
    }
    return Median(std::move(times));
}

}  // namespace tarvik
