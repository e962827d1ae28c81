#include "bench/Measurement.h"

namespace tarvik {

std::vector<double> BrainRun::Times() const {
    std::vector<double> times;
    times.reserve(Answered());
    for (const Sample& s : samples) {
        if (s.Answered()) times.push_back(s.milliseconds);
    }
    return times;
}

std::vector<std::vector<double>> BrainRun::TimesBySentence(size_t sentences) const {
    std::vector<std::vector<double>> times(sentences);
    for (const Sample& s : samples) {
        if (s.Answered() && s.sentence < sentences) times[s.sentence].push_back(s.milliseconds);
    }
    return times;
}

double BrainRun::TimedMilliseconds() const {
    double sum = 0;
    for (const Sample& s : samples) {
        if (s.Answered()) sum += s.milliseconds;
    }
    return sum;
}

}  // namespace tarvik
