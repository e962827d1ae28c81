#pragma once
// --prepare: a shell command before each pass (to reset a brain's memory files), as hyperfine has.
#include <string>

namespace tarvik {

// Runs `command` with /bin/sh, its output sent to standard error so that standard output keeps only
// the summary. "" when it succeeded; else what went wrong.
std::string RunPrepare(const std::string& command);

}  // namespace tarvik
