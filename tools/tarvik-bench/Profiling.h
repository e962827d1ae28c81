#pragma once
// tarvik-bench --profile and --folded: each brain asked runs with its engine's profiler, started
// before its script is loaded; the figures cover the timed passes only.
#include <array>
#include <ostream>
#include <string>

#include "bench/BrainEngines.h"
#include "bench/Measurement.h"

namespace tarvik {

class BrainProfiles {
public:
    BrainProfiles(bool table, std::string foldedPath, BrainEngines& engines, const std::array<bool, 3>& brains);
    // Before the scripts are loaded: starts the profilers when table or foldedPath asks for them.
    // Answers what is wrong ("" when nothing): a folded file that cannot be written stops the start.
    std::string Start();

    // The warm-up is over: its calls do not count.
    void TimingStarts();
    // Each brain's folded stacks into run.
    void Collect(Measurement& run) const;
    // The table per brain on out and the folded files. False when a file could not be written,
    // said on stderr.
    bool Report(const Measurement& run, std::ostream& out) const;

    // brain n's folded file: out.folded -> out.n.folded
    static std::string FoldedPath(const std::string& path, int brain);

private:
    bool table_;
    std::string foldedPath_;
    BrainEngines& engines_;
    std::array<bool, 3> brains_{};
};

}  // namespace tarvik
