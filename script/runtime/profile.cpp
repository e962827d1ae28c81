#include "script/runtime/profile.h"

#include <algorithm>
#include <cstdio>

#include "script/values/string.h"

namespace vbs {

namespace {

double ms(Profile::Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

}  // namespace

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

std::vector<Profile::Clock::duration> Profile::exclusive() const {
    std::vector<Clock::duration> self(nodes_.size());
    for (size_t i = 0; i < nodes_.size(); ++i) {
        self[i] += nodes_[i].inclusive;
        if (nodes_[i].parent >= 0) self[nodes_[i].parent] -= nodes_[i].inclusive;
    }
    return self;
}

std::vector<Profile::Row> Profile::byFunction() const {
    std::vector<Row> rows(names_.size());
    for (size_t f = 0; f < names_.size(); ++f) rows[f].name = names_[f];
    std::vector<Clock::duration> self = exclusive();
    for (size_t i = 0; i < nodes_.size(); ++i) {
        const Node& n = nodes_[i];
        Row& r = rows[n.function];
        r.calls += n.calls;
        r.exclusive += self[i];
        bool nested = false;  // inside another call of the same function
        for (int up = n.parent; up >= 0 && !nested; up = nodes_[up].parent) nested = nodes_[up].function == n.function;
        if (!nested) r.inclusive += n.inclusive;
    }
    std::erase_if(rows, [](const Row& r) { return r.calls == 0; });
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.exclusive > b.exclusive; });
    return rows;
}

Profile::Clock::duration Profile::total() const {
    Clock::duration sum{};
    for (const Node& n : nodes_)
        if (n.parent < 0) sum += n.inclusive;
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

std::string Profile::folded() const {
    std::vector<Clock::duration> self = exclusive();
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
