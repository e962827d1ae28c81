#pragma once
// What a time includes besides the brain: the clock's own grain and the host's work per call.
#include <string>

namespace tarvik {

struct ClockFacts {
    std::string name;          // the clock the calls are timed with
    double resolutionNs = 0;   // as the system states it
    double readingNs = 0;      // the smallest step seen between two readings in a row
};

ClockFacts ExamineClock();

// The median milliseconds of an empty GetResponse in an engine of its own, asked `sentence` and
// timed exactly as a brain's call is: the part of every time that is the host's.
double HostOverhead(const std::string& sentence);

}  // namespace tarvik
