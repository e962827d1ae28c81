#pragma once
// Saved runs, kept as JSON in a baselines folder beside the settings file, for later runs to be
// compared with.
#include <filesystem>
#include <stdexcept>
#include <string>

namespace tarvik {

// A baseline that cannot be named, written or read; the message names the file.
struct BaselineProblem : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// "" when `name` can name a baseline: a plain file name, not empty, no path separators, not starting
// with a dot, no control characters; else what is wrong with it.
std::string BaselineNameProblem(const std::string& name);

// <folder of iniPath>/baselines/<name>.json; a BaselineProblem for a name that cannot be one.
std::filesystem::path BaselinePath(const std::filesystem::path& iniPath, const std::string& name);

// Replaces the file whole: a run stopped while saving leaves the old baseline, not half a new one.
void SaveBaseline(const std::filesystem::path& path, const std::string& json);

}  // namespace tarvik
