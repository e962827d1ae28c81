#pragma once
// What --profile and --folded write after the run.
#include <chrono>
#include <string>

#include "script/runtime/profile.h"

namespace tarvik {

// The table (with the measured run time) on stdout when table is set; the folded stacks to
// foldedPath unless it is empty. False, with a message on stderr, when the file cannot be written.
bool writeProfile(const vbs::Profile& profile, bool table, const std::string& foldedPath,
                  std::chrono::steady_clock::duration run);

}  // namespace tarvik
