#include "tools/tarvik-bench/Profiling.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "script/runtime/profile.h"

namespace tarvik {

namespace {

bool writeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    return static_cast<bool>(out);
}

}  // namespace

BrainProfiles::BrainProfiles(bool table, std::string foldedPath, BrainEngines& engines,
                             const std::array<bool, 3>& brains)
    : table_(table), foldedPath_(std::move(foldedPath)), engines_(engines) {
    if (table_ || !foldedPath_.empty()) brains_ = brains;
}

std::string BrainProfiles::Start() {
    for (int brain = 1; brain <= 3; ++brain) {
        if (!brains_[brain - 1]) continue;
        // Made now, empty, so that a path that cannot be written stops the start, not the end.
        std::string path = FoldedPath(foldedPath_, brain);
        if (!foldedPath_.empty() && !writeFile(path, "")) return path + ": cannot write the folded stacks";
        engines_.SC(brain).startProfile();
    }
    return "";
}

std::string BrainProfiles::FoldedPath(const std::string& path, int brain) {
    std::filesystem::path p(path);
    std::filesystem::path name = p.stem();
    name += "." + std::to_string(brain);
    name += p.extension();
    return (p.parent_path() / name).string();
}

void BrainProfiles::TimingStarts() {
    for (int brain = 1; brain <= 3; ++brain)
        if (brains_[brain - 1]) engines_.SC(brain).startProfile();
}

void BrainProfiles::Collect(Measurement& run) const {
    for (BrainRun& brain : run.brains)
        if (const vbs::Profile* p = brains_[brain.number - 1] ? engines_.SC(brain.number).profile() : nullptr)
            brain.foldedStacks = p->folded();
}

bool BrainProfiles::Report(const Measurement& run, std::ostream& out) const {
    bool written = true;
    for (const BrainRun& brain : run.brains) {
        const vbs::Profile* p = brains_[brain.number - 1] ? engines_.SC(brain.number).profile() : nullptr;
        if (!p) continue;
        if (table_) {
            // The host's own share of each measured call is outside the brain's profile.
            char line[160];
            std::snprintf(line, sizeof line, "%zu timed calls, %.3f ms measured, %.3f ms of it the host's (%.0f ns a call)\n",
                          brain.Answered(), brain.TimedMilliseconds(), run.info.hostOverheadMs * double(brain.Answered()),
                          run.info.hostOverheadMs * 1e6);
            out << "\nBrain " << brain.number << " (" << brain.name << "): " << line << p->table() << p->lineTable();
        }
        if (foldedPath_.empty()) continue;
        std::string path = FoldedPath(foldedPath_, brain.number);
        if (!writeFile(path, p->folded())) {
            std::cerr << "tarvik-bench: " << path << ": cannot write the folded stacks\n";
            written = false;
        }
    }
    out << std::flush;
    return written;
}

}  // namespace tarvik
