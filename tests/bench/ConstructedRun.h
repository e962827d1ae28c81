#pragma once
// A batch made up for tests: known times, no brains run.
#include <string>
#include <vector>

#include "bench/Measurement.h"

namespace tarvik::testing {

// Brains 1..names.size(); sentence i of brain b costs (i + 1) * b * 0.1 ms * scale, each repeat off by
// up to 2% so there is noise to measure.
inline Measurement ConstructedRun(const std::vector<std::string>& sentences, const std::vector<std::string>& names,
                                  double scale = 1, int repeats = 3) {
    Measurement run;
    run.info.version = "0.1.0";
    run.info.startedAt = "2026-12-09T08:00:00Z";
    run.info.host = "testbox";
    run.info.inputPath = "/data/in put.txt";
    run.info.repeat = run.info.passes = repeats;
    run.sentences = sentences;
    for (size_t b = 0; b < names.size(); ++b) {
        BrainRun brain;
        brain.number = static_cast<int>(b + 1);
        brain.name = names[b];
        brain.scriptPath = "/data/brain" + std::to_string(b + 1) + ".vbs";
        for (int r = 0; r < repeats; ++r) {
            for (size_t i = 0; i < sentences.size(); ++i) {
                double noise = 1 + 0.01 * static_cast<double>(static_cast<int>((i * 7 + static_cast<size_t>(r) * 3) % 5) - 2);
                double ms = static_cast<double>(i + 1) * static_cast<double>(b + 1) * 0.1 * scale * noise;
                brain.samples.push_back({static_cast<std::uint32_t>(i), static_cast<std::uint32_t>(r), ms, -1});
            }
        }
        run.brains.push_back(brain);
    }
    return run;
}

}  // namespace tarvik::testing
