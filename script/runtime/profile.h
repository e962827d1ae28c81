#pragma once
// Where a script spends its time. The VM reports each call of a procedure, built-in function or
// object member when it starts and when it ends (nothing per instruction); the profile keeps one
// node per distinct call path with its calls and inclusive time, from which exclusive time, the
// table per function and folded stacks follow.
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vbs {

class Profile {
public:
    using Clock = std::chrono::steady_clock;

    // The id of the function called name, made on its first use.
    int function(std::u16string_view name);

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
        open_.push_back({node, Clock::now()});
    }
    void leave() {
        if (open_.empty()) return;  // started while calls were running
        const Open& o = open_.back();
        nodes_[o.node].inclusive += Clock::now() - o.start;
        open_.pop_back();
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

private:
    struct Node {
        int function;
        int parent;  // -1: a call from the host
        uint64_t calls = 0;
        Clock::duration inclusive{};
    };
    struct Open {
        int node;
        Clock::time_point start;
    };
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
    std::vector<Clock::duration> exclusive() const;  // per node

    std::vector<Node> nodes_;  // a parent comes before its children
    std::vector<Open> open_;
    std::vector<Path> paths_ = std::vector<Path>(1024);  // a power of two, at most half full
    std::vector<std::u16string> names_;
    std::unordered_map<std::u16string, int> ids_;
};

}  // namespace vbs
