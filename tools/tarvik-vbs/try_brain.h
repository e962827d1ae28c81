#pragma once
// tarvik-vbs --brain: a brain loaded as the bench loads it, asked one sentence per line of input.
#include <string>
#include <vector>

namespace tarvik {

// args: what follows "--brain" (the script, then --user, --computer, --level, --workdir, --timeout,
// --memory-limit). timeoutMs > 0 replaces the bench's 10 s limit per call, memoryMb >= 0 its 1 GiB
// cap of script data (0: none); the options after the script win. Returns the exit status.
int tryBrain(const std::vector<std::string>& args, int timeoutMs, long long memoryMb);

}  // namespace tarvik
