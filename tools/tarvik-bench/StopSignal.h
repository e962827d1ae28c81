#pragma once
// SIGINT and SIGTERM ask the batch to stop between two calls instead of killing it mid-write, so
// every recorded line stays whole. A second signal ends the program at once.
namespace tarvik {

void CatchStopSignals();

// The signal that asked to stop, or 0.
int StopSignal();

}  // namespace tarvik
