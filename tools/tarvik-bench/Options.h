#pragma once
// tarvik-bench's command line.
#include <array>
#include <optional>
#include <stdexcept>
#include <string>

namespace tarvik {

struct BenchOptions {
    std::string ini;     // "" = Tarvik.ini beside the program
    std::string input;   // "" = the InputFile setting
    int repeat = 1;
    int warmup = 1;
    double minTime = 0;  // seconds of answered calls each brain must have
    std::optional<int> timeout;      // milliseconds; none = the QueryTimeout setting
    std::optional<int> memoryLimit;  // megabytes; none = the MemoryLimit setting
    std::array<bool, 3> brains{true, true, true};
    bool quiet = false;
    bool json = false;
    std::string exportJson, exportCsv, exportMarkdown;  // "" = not written
    std::string prepare;  // shell command before each pass; "" = none
    bool profile = false;  // the table per brain after the run
    std::string folded;    // "" = no folded stacks; else one file per brain, its number before the extension
    std::string report;   // HTML file; "" = none
    std::string saveBaseline, baseline;  // baseline names; "" = none
    std::optional<double> failIfSlower;  // per cent a brain may regress; needs a baseline
    bool help = false;
    bool version = false;
};

// Raises std::invalid_argument with a message that names the offending option.
BenchOptions ParseOptions(int argc, const char* const* argv);

std::string UsageText();

}  // namespace tarvik
