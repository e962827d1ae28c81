// What keeping every sample costs a batch: 100,000 calls of a one-line brain (the cheapest a brain
// can be, so the bookkeeping weighs most) asked as tarvik-bench asks them, once discarding the
// times and once keeping each as a Sample, then the statistics of those 100,000 samples.
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bench/BrainEngines.h"
#include "bench/Measurement.h"
#include "bench/Queries.h"
#include "bench/Statistics.h"
#include "settings/modGlobals.h"

namespace {

constexpr const char16_t* kConstantBrain =
    u"Function GetResponse(Sentence, UserName, ComputerName, LearningLevel, WorkingDir, "
    u"A1, A2, A3, A4, A5, A6, A7, A8, A9, A10)\n"
    u"    GetResponse = \"Hello. <STOP>\"\n"
    u"End Function\n";

constexpr size_t kSentences = 100, kPasses = 334;  // x 3 brains: 100,200 calls

class Sentence : public tarvik::QueryWindow {
public:
    std::u16string text;
    std::u16string ReadText1() const override { return text; }
    void SetText2(const std::string&) override {}
    void SetTimeLabels(const std::string&, const std::string&, const std::string&) override {}
    bool StopRequested() const override { return false; }
    std::string DecimalSeparator() const override { return "."; }
};

// One batch; with `keep`, every call's time goes into `run` as tarvik-bench keeps it.
void batch(tarvik::BrainEngines& engines, std::vector<std::u16string>& sentences, tarvik::Measurement* run) {
    Sentence window;
    for (size_t pass = 0; pass < kPasses; ++pass) {
        for (size_t i = 0; i < sentences.size(); ++i) {
            window.text = sentences[i];
            tarvik::AllBrainsResult result = tarvik::AskBrains(engines, window);
            if (!run) {
                benchmark::DoNotOptimize(result.times);
                continue;
            }
            for (size_t b = 3; b-- > 0;) {
                run->brains[b].samples.push_back({static_cast<std::uint32_t>(i), static_cast<std::uint32_t>(pass),
                                                  result.times[b], -1});
            }
        }
    }
}

void KeepingEverySample(benchmark::State& state) {
    tarvik::BrainEngines engines;
    engines.TakeSettings();
    for (int brain = 1; brain <= 3; ++brain) engines.LoadSource(brain, kConstantBrain);
    std::vector<std::u16string> sentences;
    for (size_t i = 0; i < kSentences; ++i) sentences.push_back(u"sentence number " + std::u16string(i % 20, u'x'));
    // The process's CPU time, and the fastest of the iterations: on a machine shared with other
    // work the wall-clock time of each half would mostly measure the others.
    auto now = [] {
        timespec t{};
        ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
    };
    double discarding = 1e9, keeping = 1e9, analysing = 1e9;
    for (auto _ : state) {
        // Alternated, so a change in the machine's load falls on both.
        double start = now();
        batch(engines, sentences, nullptr);
        double middle = now();
        tarvik::Measurement run;
        run.sentences.resize(kSentences);
        run.info.passes = static_cast<int>(kPasses);
        for (int b = 1; b <= 3; ++b) {
            run.brains.emplace_back().number = b;
            run.brains.back().samples.reserve(kSentences * kPasses);  // as tarvik-bench reserves its passes
        }
        batch(engines, sentences, &run);
        double end = now();
        benchmark::DoNotOptimize(tarvik::Analyse(run));
        double analysed = now();
        discarding = std::min(discarding, middle - start);
        keeping = std::min(keeping, end - middle);
        analysing = std::min(analysing, analysed - end);
    }
    state.counters["calls"] = static_cast<double>(kSentences * kPasses * 3);
    state.counters["keeping_overhead_pct"] = (keeping - discarding) / discarding * 100;
    state.counters["statistics_pct_of_batch"] = analysing / discarding * 100;
}
BENCHMARK(KeepingEverySample)->Unit(benchmark::kMillisecond)->Iterations(9);

}  // namespace

BENCHMARK_MAIN();
