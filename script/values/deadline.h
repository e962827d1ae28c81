#pragma once
// An engine's time-out, checked for one relaxed load at calls and backward jumps: a thread for the
// whole process watches the deadlines of the engines inside a host call and raises their flag
// once a deadline has passed. The dispatch loop never reads the clock itself.
#include <atomic>
#include <cstdint>

namespace vbs {

struct ScriptError;

// The time-out error itself.
ScriptError timedOut(int ms);
[[noreturn]] void raiseTimedOut(int ms);

class Deadline {
public:
    Deadline();   // watched from the start
    ~Deadline();
    Deadline(const Deadline&) = delete;
    Deadline& operator=(const Deadline&) = delete;

    // A host call begins (ms <= 0: no limit) or ends. Arming makes this the running deadline of
    // the thread, which long built-ins poll.
    void arm(int ms);
    void disarm();

    // Tripped by the watcher; the engine then asks expired().
    bool tripped() const { return tripped_.load(std::memory_order_relaxed); }
    bool expired();        // the deadline has passed (reads the clock); lowers a stale flag

    int64_t dueNs() const { return due_.load(std::memory_order_relaxed); }
    void trip() { tripped_.store(true, std::memory_order_relaxed); }
    int limitMs() const { return ms_; }

private:
    std::atomic<bool> tripped_{false};
    std::atomic<int64_t> due_{0};  // steady-clock nanoseconds; 0 while no call runs
    int ms_ = 0;
    Deadline* outer_ = nullptr;
};

extern thread_local constinit Deadline* runningDeadline;

// For built-ins that may run long on one call (big strings, file reads): raises the running
// engine's time-out error once its deadline has passed. One load of the flag when it has not.
inline void pollDeadline() {
    Deadline* d = runningDeadline;
    if (d && d->tripped() && d->expired()) raiseTimedOut(d->limitMs());
}


}  // namespace vbs
