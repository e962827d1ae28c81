#include "script/runtime/profile.h"

#include <algorithm>
#include <cstdio>
#include <mutex>
#include <thread>

#include "script/values/string.h"

namespace vbs {

namespace {

double ms(Profile::Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

constexpr auto kTick = std::chrono::microseconds(100);

}  // namespace

std::atomic<uint32_t> Profile::ticks{0};

Profile::Profile() {
    // One clock for the process, never stopped (as the time-out's watcher).
    static std::once_flag started;
    std::call_once(started, [] {
        // The count of ticks since it started: a late wake-up makes up the ticks it missed.
        // Waited for: on a busy machine a new thread may first run milliseconds later, and a short
        // script would get no samples at all.
        static std::atomic<bool> running{false};  // static: the thread outlives this call
        std::thread([] {
            const auto start = Clock::now();
            running.store(true);
            running.notify_one();
            for (uint32_t n = 1;; ++n) {
                std::this_thread::sleep_until(start + n * kTick);
                n = static_cast<uint32_t>((Clock::now() - start) / kTick);
                ticks.store(n, std::memory_order_relaxed);
            }
        }).detach();
        running.wait(false);
    });
}

void Profile::clear() {
    if (!open_.empty()) return;  // figures of calls still running would not add up
    for (Node& n : nodes_) n.calls = 0, n.inclusive = 0;
    for (Line& l : lines_) l.hits = 0, l.samples = 0;
}

int Profile::line(int function, int number, std::u16string_view text) {
    uint64_t key = static_cast<uint64_t>(static_cast<uint32_t>(function)) << 32 | static_cast<uint32_t>(number);
    auto [it, added] = lineIds_.try_emplace(key, static_cast<int>(lines_.size()));
    if (added) lines_.push_back({function, number, std::u16string(text)});
    return it->second;
}

void Profile::sample() {
    uint32_t now = ticks.load(std::memory_order_relaxed);
    if (current_ >= 0) lines_[current_].samples += now - seen_;  // several when a built-in ran long
    seen_ = now;
}

void Profile::startSampling() {
    current_ = -1;
    seen_ = ticks.load(std::memory_order_relaxed);
}

void Profile::calibrate(Stamp now) {
    if (now > bornStamp_) nsPerTick_ = std::chrono::duration<double, std::nano>(Clock::now() - born_).count() / double(now - bornStamp_);
}

std::vector<Profile::Clock::duration> Profile::inclusive() const {
    std::vector<Clock::duration> all(nodes_.size());
    for (size_t i = 0; i < nodes_.size(); ++i) all[i] = time(nodes_[i].inclusive);
    return all;
}

int Profile::function(std::u16string_view name) {
    auto [it, added] = ids_.try_emplace(std::u16string(name), static_cast<int>(names_.size()));
    if (added) names_.emplace_back(name);
    return it->second;
}

void Profile::grow() {
    std::vector<Path> old(paths_.size() * 2);
    old.swap(paths_);
    for (const Path& p : old)
        if (p.node >= 0) path(p.parent, p.key, p.member) = p.node;
}

std::vector<Profile::Clock::duration> Profile::exclusive(const std::vector<Clock::duration>& inclusive) const {
    std::vector<Clock::duration> self(nodes_.size());
    for (size_t i = 0; i < nodes_.size(); ++i) {
        self[i] += inclusive[i];
        if (nodes_[i].parent >= 0) self[nodes_[i].parent] -= inclusive[i];
    }
    return self;
}

std::vector<Profile::Row> Profile::byFunction() const {
    std::vector<Row> rows(names_.size());
    for (size_t f = 0; f < names_.size(); ++f) rows[f].name = names_[f];
    std::vector<Clock::duration> all = inclusive(), self = exclusive(all);
    for (size_t i = 0; i < nodes_.size(); ++i) {
        const Node& n = nodes_[i];
        Row& r = rows[n.function];
        r.calls += n.calls;
        r.exclusive += self[i];
        bool nested = false;  // inside another call of the same function
        for (int up = n.parent; up >= 0 && !nested; up = nodes_[up].parent) nested = nodes_[up].function == n.function;
        if (!nested) r.inclusive += all[i];
    }
    std::erase_if(rows, [](const Row& r) { return r.calls == 0; });
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.exclusive > b.exclusive; });
    return rows;
}

Profile::Clock::duration Profile::total() const {
    std::vector<Clock::duration> all = inclusive();
    Clock::duration sum{};
    for (size_t i = 0; i < nodes_.size(); ++i)
        if (nodes_[i].parent < 0) sum += all[i];
    return sum;
}

std::string Profile::table(size_t rows) const {
    std::vector<Row> all = byFunction();
    double whole = ms(total());
    char line[160];
    std::snprintf(line, sizeof line, "profile: %.3f ms in calls, %zu functions (top %zu by exclusive time)\n",
                  whole, all.size(), std::min(rows, all.size()));
    std::string out = line;
    out += "      calls     incl ms     excl ms  excl %  function\n";
    for (size_t i = 0; i < all.size() && i < rows; ++i) {
        const Row& r = all[i];
        double self = ms(r.exclusive);
        std::snprintf(line, sizeof line, "%11llu %11.3f %11.3f %6.1f%%  ", static_cast<unsigned long long>(r.calls),
                      ms(r.inclusive), self, whole > 0 ? 100 * self / whole : 0.0);
        out += line;
        out += utf16ToUtf8(r.name);
        out += '\n';
    }
    return out;
}

std::vector<Profile::LineRow> Profile::linesOf(std::u16string_view function) const {
    std::vector<LineRow> rows;
    auto id = ids_.find(std::u16string(function));
    if (id == ids_.end()) return rows;
    uint64_t all = samples();
    double perSample = all ? std::chrono::duration<double>(total()).count() / double(all) : 0;
    for (const Line& l : lines_)
        if (l.function == id->second && (l.hits > 0 || l.samples > 0))
            rows.push_back({l.number, l.text, l.hits, l.samples,
                            std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(perSample * double(l.samples)))});
    std::stable_sort(rows.begin(), rows.end(), [](const LineRow& a, const LineRow& b) {
        return a.time != b.time ? a.time > b.time : a.hits > b.hits;
    });
    return rows;
}

uint64_t Profile::samples() const {
    uint64_t all = 0;
    for (const Line& l : lines_) all += l.samples;
    return all;
}

std::string Profile::lineTable(size_t procedures, size_t rows) const {
    double whole = ms(total());
    std::string out;
    char line[160];
    size_t shown = 0;
    for (const Row& r : byFunction()) {
        if (shown == procedures) break;
        std::vector<LineRow> lines = linesOf(r.name);
        if (lines.empty()) continue;
        if (shown++ == 0) {
            std::snprintf(line, sizeof line,
                          "\nbusiest lines (runs counted; time from %llu samples of 100 us, with the built-ins each line"
                          " calls)\n",
                          static_cast<unsigned long long>(samples()));
            out += line;
            out += "       line        hits          ms      %  source\n";
        }
        out += "  " + utf16ToUtf8(r.name) + "\n";
        for (size_t i = 0; i < lines.size() && i < rows; ++i) {
            const LineRow& l = lines[i];
            double t = ms(l.time);
            std::snprintf(line, sizeof line, "%11d %11llu %11.3f %5.1f%%  ", l.number,
                          static_cast<unsigned long long>(l.hits), t, whole > 0 ? 100 * t / whole : 0.0);
            out += line;
            std::u16string_view text = l.text;
            while (!text.empty() && (text.front() == u' ' || text.front() == u'\t')) text.remove_prefix(1);
            constexpr size_t kWidth = 60;
            if (text.size() > kWidth) {
                size_t cut = kWidth - ((text[kWidth - 1] & 0xFC00) == 0xD800 ? 1 : 0);  // whole characters
                out += utf16ToUtf8(text.substr(0, cut)) + "...";
            } else {
                out += utf16ToUtf8(text);
            }
            out += '\n';
        }
    }
    return out;
}

std::string Profile::folded() const {
    std::vector<Clock::duration> self = exclusive(inclusive());
    std::string out;
    std::vector<int> path;
    for (size_t i = 0; i < nodes_.size(); ++i) {
        auto us = std::chrono::duration_cast<std::chrono::microseconds>(self[i]).count();
        if (us <= 0) continue;
        path.clear();
        for (int n = static_cast<int>(i); n >= 0; n = nodes_[n].parent) path.push_back(nodes_[n].function);
        for (auto f = path.rbegin(); f != path.rend(); ++f) {
            out += utf16ToUtf8(names_[*f]);
            out += f + 1 == path.rend() ? ' ' : ';';
        }
        out += std::to_string(us);
        out += '\n';
    }
    return out;
}

}  // namespace vbs
