#pragma once
// What the status bar tells of a text-file batch: how far it is, how long it has run, which brains
// failed on which lines.
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tarvik {

class BatchProgress {
public:
    void Start(int usableLines);
    struct TimedLine {
        int line;  // 1 for the batch's first sentence
        double milliseconds;
    };

    // One sentence answered: the times of brains 1, 2, 3 (none for a brain that failed) and the
    // failures' messages.
    void LineDone(const std::string& sentence, const std::array<std::optional<double>, 3>& times,
                  const std::vector<std::string>& failures);
    void Finish(bool stopped) { finished_ = true, stopped_ = stopped && done_ < total_; }

    bool Running() const { return started_ && !finished_; }
    int Done() const { return done_; }
    int Total() const { return total_; }
    // Every failure so far, one entry each, naming the line and sentence.
    const std::vector<std::string>& Failures() const { return failures_; }
    const std::vector<TimedLine>& Times(int brain) const { return times_[brain - 1]; }
    // "Line 3 of 10 - 0:04 - 1 failure" while running; "Read 10 lines - ...", or "Stopped after 3 of
    // 10 lines - ..." at the end.
    std::string Status(double elapsedSeconds) const;

private:
    bool started_ = false, finished_ = false, stopped_ = false;
    int total_ = 0, done_ = 0;
    std::vector<std::string> failures_;
    std::array<std::vector<TimedLine>, 3> times_;
};

}  // namespace tarvik
