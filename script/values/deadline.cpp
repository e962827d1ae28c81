#include "script/values/deadline.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <ctime>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "script/values/errors.h"

namespace vbs {

namespace {

// The coarse clock (the last timer tick, a few ms of resolution) is read without the hardware
// counter: about a tenth of steady_clock's cost, which matters as every host call arms a deadline.
int64_t nowNs() {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC_COARSE, &t);
    return int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// One thread for the process. It sleeps until the earliest armed deadline (at most 50 ms, as
// arming does not wake it: a call must stay cheap), then raises the flags of those past due.
class Watcher {
public:
    void add(Deadline* d) {
        std::lock_guard lock(mutex_);
        watched_.push_back(d);
        if (!started_) {
            started_ = true;
            std::thread([this] { run(); }).detach();
        }
        wake_.notify_one();
    }
    void remove(Deadline* d) {
        std::lock_guard lock(mutex_);
        watched_.erase(std::find(watched_.begin(), watched_.end(), d));
    }

private:
    void run() {
        constexpr int64_t kIdleNs = 50'000'000;
        std::unique_lock lock(mutex_);
        for (;;) {
            if (watched_.empty()) {
                wake_.wait(lock);
                continue;
            }
            int64_t now = nowNs(), sleep = kIdleNs;
            for (Deadline* d : watched_) {
                int64_t due = d->dueNs();
                if (due == 0) continue;
                if (now >= due) d->trip();
                else sleep = std::min(sleep, due - now);
            }
            wake_.wait_for(lock, std::chrono::nanoseconds(std::max<int64_t>(sleep, 500'000)));
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::vector<Deadline*> watched_;
    bool started_ = false;
};

// Never destroyed: the detached thread may still be waiting when the process exits.
Watcher& watcher() {
    static Watcher* w = new Watcher;
    return *w;
}

}  // namespace

thread_local constinit Deadline* runningDeadline = nullptr;

Deadline::Deadline() { watcher().add(this); }
Deadline::~Deadline() { watcher().remove(this); }

void Deadline::arm(int ms) {
    ms_ = ms;
    outer_ = runningDeadline;
    runningDeadline = this;
    tripped_.store(false, std::memory_order_relaxed);
    due_.store(ms > 0 ? nowNs() + int64_t(ms) * 1'000'000 : 0, std::memory_order_relaxed);
}

void Deadline::disarm() {
    due_.store(0, std::memory_order_relaxed);
    runningDeadline = outer_;
}

bool Deadline::expired() {
    int64_t due = due_.load(std::memory_order_relaxed);
    if (due != 0 && nowNs() >= due) return true;
    tripped_.store(false, std::memory_order_relaxed);
    return false;
}

void raiseTimedOut(int ms) { throw timedOut(ms); }

ScriptError timedOut(int ms) {
    ScriptError e;
    e.number = errTimedOut;
    e.description = u"script timed out after ";
    for (char c : std::to_string(ms)) e.description += static_cast<char16_t>(c);
    e.description += u" ms";
    e.source = u"Tarvik";
    return e;
}

}  // namespace vbs
