#pragma once
// Runs one of the tools as a shell command and keeps what it printed and its exit status.
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "tests/support/TempFolder.h"

namespace tarvik::testing {

struct Outcome {
    int status;
    std::string out, err;
};

// Standard error goes through a file in `folder`, so both streams are read whole without a deadlock.
inline Outcome RunCommand(const std::string& command, const TempFolder& folder) {
    Outcome outcome;
    FILE* pipe = ::popen((command + " 2>" + folder.path("stderr.txt")).c_str(), "r");
    char buffer[4096];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) outcome.out.append(buffer, got);
    outcome.status = WEXITSTATUS(::pclose(pipe));
    outcome.err = folder.read("stderr.txt");
    return outcome;
}

}  // namespace tarvik::testing
