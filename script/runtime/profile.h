#pragma once
// Where a script spends its time. The VM reports each call of a procedure, built-in function or
// object member when it starts and when it ends (nothing per instruction); the profile keeps one
// node per distinct call path with its calls and inclusive time, from which exclusive time, the
// table per function and folded stacks follow.
// Per line: code compiled while profiling counts the runs of each statement at its start; time per
// line is sampled. A clock thread counts 100 us ticks; the statement start (or the call's end)
// that sees new ticks gives them to the line that was running, built-ins it called included. A line's time is its share of the samples of the calls' measured time. No statement
// reads the clock.
// Calls read the processor's time-stamp counter where there is one (about half the cost of
// steady_clock on a virtual machine), turned into time at the rate it ran against steady_clock.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>
#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#endif

namespace vbs {

class Profile {
public:
    using Clock = std::chrono::steady_clock;
    using Stamp = int64_t;  // a reading of the time-stamp counter
    static Stamp stamp() {
#if defined(__x86_64__) || defined(__i386__)
        return static_cast<Stamp>(__rdtsc());
#else
        return Clock::now().time_since_epoch().count();
#endif
    }

    Profile();
    // Forgets the calls, runs and times so far; what is known of the script stays.
    void clear();

    // The id of the function called name, made on its first use.
    int function(std::u16string_view name);

    // The id of a line of function, made when code is compiled; text is its source.
    int line(int function, int number, std::u16string_view text);
    // A statement on that line starts.
    void hit(int line) {
        if (ticks.load(std::memory_order_relaxed) != seen_) [[unlikely]] sample();
        current_ = line;
        ++lines_[line].hits;
    }

    // A call starts of what key and member stand for: a built-in (its address), an object's member
    // (its type key and member id), or a procedure (nullptr and its function id). function() answers
    // the function id the first time the call path is seen.
    template <class FunctionId>
    void enter(const void* key, int member, FunctionId&& function) {
        int parent = open_.empty() ? -1 : open_.back().node;
        int& node = path(parent, key, member);
        if (node < 0) {
            node = static_cast<int>(nodes_.size());
            nodes_.push_back({function(), parent});
        }
        ++nodes_[node].calls;
        Stamp now = stamp();
        if (parent < 0) startSampling();
        open_.push_back({node, current_, now});
    }
    void leave() {
        if (open_.empty()) return;  // started while calls were running
        const Open& o = open_.back();
        Stamp now = stamp();
        nodes_[o.node].inclusive += now - o.start;
        // The callee's last line ran up to here; the caller's line runs on.
        if (ticks.load(std::memory_order_relaxed) != seen_) sample();
        current_ = o.line;
        open_.pop_back();
        if (open_.empty()) calibrate(now);
    }

    // Times one call, however it ends.
    struct Scope {
        Profile& profile;
        template <class FunctionId>
        Scope(Profile& p, const void* key, int member, FunctionId&& function) : profile(p) {
            p.enter(key, member, function);
        }
        ~Scope() { profile.leave(); }
    };
    bool idle() const { return open_.empty(); }

    struct Row {
        std::u16string name;
        uint64_t calls = 0;
        // A recursive function's inclusive time counts its outermost calls only.
        Clock::duration inclusive{}, exclusive{};
    };
    std::vector<Row> byFunction() const;  // most exclusive time first
    Clock::duration total() const;        // the calls from the host, inclusive
    // The first rows of byFunction as a table, with the total.
    std::string table(size_t rows = 20) const;
    // One line per call path: "a;b;c N" with the path's exclusive time N in microseconds.
    std::string folded() const;

    struct LineRow {
        int number = 0;
        std::u16string text;
        uint64_t hits = 0;
        uint64_t samples = 0;
        Clock::duration time{};  // estimated from the samples
    };
    // The lines of a function that ran, most time first (then most hits).
    std::vector<LineRow> linesOf(std::u16string_view function) const;
    uint64_t samples() const;  // of every line
    // The busiest lines of the first procedures of the table that have lines.
    std::string lineTable(size_t procedures = 5, size_t rows = 5) const;

    // Bumped by the clock thread.
    static std::atomic<uint32_t> ticks;

private:
    struct Node {
        int function;
        int parent;  // -1: a call from the host
        uint64_t calls = 0;
        Stamp inclusive = 0;
    };
    struct Open {
        int node;
        int line;  // the caller's running line
        Stamp start;
    };
    struct Line {
        int function;
        int number;
        std::u16string text;
        uint64_t hits = 0, samples = 0;
    };
    [[gnu::noinline]] void sample();
    void startSampling();  // ticks between calls count for nothing
    void calibrate(Stamp now);  // measures the counter's rate
    Clock::duration time(Stamp counts) const {
        return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double, std::nano>(counts * nsPerTick_));
    }
    std::vector<Clock::duration> inclusive() const;  // per node
    // Call paths in an open-addressing table: one probe per call, no allocation.
    struct Path {
        const void* key;
        int member;
        int parent;
        int node = -1;
    };
    int& path(int parent, const void* key, int member) {
        for (size_t i = hash(parent, key, member);; i = (i + 1) & (paths_.size() - 1)) {
            Path& p = paths_[i];
            if (p.key == key && p.member == member && p.parent == parent && p.node >= 0) return p.node;
            if (p.node < 0) {
                if (2 * (nodes_.size() + 1) > paths_.size()) {
                    grow();
                    return path(parent, key, member);
                }
                p = {key, member, parent, -1};
                return p.node;
            }
        }
    }
    size_t hash(int parent, const void* key, int member) const {
        uint64_t h = reinterpret_cast<uintptr_t>(key) ^ static_cast<uint64_t>(static_cast<uint32_t>(member)) << 32 ^
                     static_cast<uint64_t>(static_cast<uint32_t>(parent)) * 0x9e3779b97f4a7c15u;
        return static_cast<size_t>((h * 0xff51afd7ed558ccdu) >> 32) & (paths_.size() - 1);
    }
    void grow();
    std::vector<Clock::duration> exclusive(const std::vector<Clock::duration>& inclusive) const;  // per node

    std::vector<Node> nodes_;  // a parent comes before its children
    std::vector<Open> open_;
    std::vector<Path> paths_ = std::vector<Path>(1024);  // a power of two, at most half full
    std::vector<std::u16string> names_;
    std::unordered_map<std::u16string, int> ids_;
    std::vector<Line> lines_;
    std::unordered_map<uint64_t, int> lineIds_;  // function << 32 | number
    int current_ = -1;      // the line running, -1 before the first statement of a call
    uint32_t seen_ = 0;     // the last tick sampled
    Clock::time_point born_ = Clock::now();
    Stamp bornStamp_ = stamp();
    double nsPerTick_ = 1;
};

}  // namespace vbs
