#include "tools/tarvik-bench/StopSignal.h"

#include <csignal>

namespace tarvik {

namespace {

volatile std::sig_atomic_t caught = 0;

void noteSignal(int signal) { caught = signal; }

}  // namespace

void CatchStopSignals() {
    struct sigaction action {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    // Restart interrupted writes; the default action again for a second signal.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

int StopSignal() { return caught; }

}  // namespace tarvik
