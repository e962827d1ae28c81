#include "app/BatchProgress.h"

#include <cstdio>

namespace tarvik {

namespace {

std::string count(int n, const char* one, const char* many) { return std::to_string(n) + " " + (n == 1 ? one : many); }

std::string clock(double seconds) {
    long whole = static_cast<long>(seconds);
    char text[32];
    if (whole >= 3600) {
        std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", whole / 3600, whole / 60 % 60, whole % 60);
    } else {
        std::snprintf(text, sizeof text, "%ld:%02ld", whole / 60, whole % 60);
    }
    return text;
}

}  // namespace

void BatchProgress::Start(int usableLines) {
    *this = BatchProgress();
    started_ = true;
    total_ = usableLines;
}

void BatchProgress::LineDone(const std::string& sentence, const std::array<std::optional<double>, 3>& times,
                             const std::vector<std::string>& failures) {
    ++done_;
    for (int b = 0; b < 3; ++b) {
        if (times[b]) times_[b].push_back({done_, *times[b]});
    }
    for (const auto& failure : failures) {
        failures_.push_back("Line " + std::to_string(done_) + " (\"" + sentence + "\"): " + failure);
    }
}

std::string BatchProgress::Status(double elapsedSeconds) const {
    std::string where = !finished_ ? "Line " + std::to_string(done_ + (done_ < total_)) + " of " + std::to_string(total_)
                        : stopped_ ? "Stopped after " + std::to_string(done_) + " of " + count(total_, "line", "lines")
                                   : "Read " + count(done_, "line", "lines");
    std::string failed = failures_.empty() ? "no failures" : count(static_cast<int>(failures_.size()), "failure", "failures");
    return where + " \u2014 " + clock(elapsedSeconds) + " \u2014 " + failed;
}

}  // namespace tarvik
