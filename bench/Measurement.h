#pragma once
// One batch as measured: what ran, where, and every timed call of every brain. The figures, the
// exports and the comparison with an earlier run all start from these samples, so nothing is pooled
// or thrown away here. Plain data: the window, tarvik-bench and its exports share it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tarvik {

// One timed call.
struct Sample {
    std::uint32_t sentence = 0;  // index into Measurement::sentences
    std::uint32_t repeat = 0;    // the timed pass it was made in, from 0
    double milliseconds = 0;     // wall-clock time of the call; 0 when it failed
    std::int32_t failure = -1;   // index into BrainRun::failures; -1 when the brain answered

    bool Answered() const { return failure < 0; }
};

// A call that failed, with what its author needs to find the fault.
struct CallFailure {
    std::uint32_t sentence = 0;
    std::uint32_t repeat = 0;  // the timed pass, or for a warm-up failure the warm-up pass
    int number = 0;            // the engine's error number
    int line = 0, column = 0;  // in the brain's script; 0 when the error has no position
    std::string error;         // "runtime error 11: Division by zero"
    std::string where;         // "Brain 2 (Two, /path/two.vbs), line 2, column 5"
    std::string context;       // the source line with a caret and the procedures; may be ""
};

struct BrainRun {
    int number = 0;  // 1 to 3
    std::string name;
    std::string scriptPath;
    std::string scriptSha256;                // hex; "" when not taken
    std::vector<Sample> samples;             // every timed call, in the order made
    std::vector<CallFailure> failures;       // the timed calls that failed
    std::vector<CallFailure> warmupFailures; // untimed calls that failed: reported once, never counted
    // With --profile or --folded: the timed calls' paths, "GetResponse;Reflect;Split 42" a line (the
    // path's exclusive microseconds); "" when not profiled.
    std::string foldedStacks;

    size_t Answered() const { return samples.size() - failures.size(); }
    // The answered calls' milliseconds, in the order made.
    std::vector<double> Times() const;
    // The answered calls' milliseconds per sentence: element i holds sentence i's repeats in order.
    std::vector<std::vector<double>> TimesBySentence(size_t sentences) const;
    // Sum of the answered calls' milliseconds.
    double TimedMilliseconds() const;
};

// How and where the batch ran.
struct RunInfo {
    std::string tool = "tarvik-bench";
    std::string version;
    std::string startedAt;  // UTC, ISO 8601: "2026-12-09T08:01:02Z"
    std::string host, cpu, kernel, buildType;
    int cores = 0;
    std::string iniPath;
    std::string iniChosenBy;  // "--ini", "current folder" or "beside the program"
    std::string inputPath, inputSha256;
    std::string resultTable, conversationLog;  // the records written; "" for none
    int queryTimeoutMs = 0, memoryLimitMb = 0;  // 0: no limit
    int warmup = 0;            // untimed passes asked for
    int repeat = 1;            // timed passes asked for
    double minTimeSeconds = 0; // more passes until each brain has this much answered time
    std::string prepare;       // shell command run before each pass; "" for none
    bool profiled = false;     // --profile or --folded: the profiler's own work is in every time
    int passes = 0;            // timed passes made (the last may be cut short by a stop)
    std::string stoppedBy;     // "SIGINT", "SIGTERM", a failure of the records; "" when it ran through
    std::string clock;         // the clock that timed the calls
    double clockResolutionNs = 0;
    double clockReadingNs = 0; // the smallest step between two readings in a row
    double hostOverheadMs = 0; // median time of an empty GetResponse timed the same way
};

struct Measurement {
    RunInfo info;
    std::vector<std::string> sentences;  // the usable lines of the input, UTF-8
    std::vector<BrainRun> brains;        // the brains asked, brain 1 first
};

}  // namespace tarvik
