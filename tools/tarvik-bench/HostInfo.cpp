#include "tools/tarvik-bench/HostInfo.h"

#include <sys/utsname.h>
#include <unistd.h>

#include <ctime>
#include <fstream>
#include <thread>

namespace tarvik {

namespace {

std::string cpuModel() {
    std::ifstream in("/proc/cpuinfo");
    for (std::string line; std::getline(in, line);) {
        if (!line.starts_with("model name")) continue;
        size_t colon = line.find(':');
        if (colon == std::string::npos) break;
        size_t start = line.find_first_not_of(" \t", colon + 1);
        return start == std::string::npos ? "" : line.substr(start);
    }
    return "unknown";
}

}  // namespace

void TakeHostInfo(RunInfo& info) {
    std::time_t now = std::time(nullptr);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%SZ", std::gmtime(&now));
    info.startedAt = stamp;
    char host[256] = {};
    if (::gethostname(host, sizeof host - 1) == 0) info.host = host;
    info.cpu = cpuModel();
    info.cores = static_cast<int>(std::thread::hardware_concurrency());
    utsname system{};
    if (::uname(&system) == 0) info.kernel = std::string(system.sysname) + " " + system.release + " " + system.machine;
    info.buildType = TARVIK_BUILD_TYPE;
}

}  // namespace tarvik
