#include "bench/report/FlameGraph.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <functional>
#include <map>

#include "bench/report/Markup.h"

namespace tarvik {

namespace {

constexpr double kWidth = 960, kRow = 17, kPad = 4;

struct Frame {
    unsigned long long count = 0;
    std::map<std::string, Frame, std::less<>> children;
};

int depthOf(const Frame& frame) {
    int deepest = 0;
    for (const auto& [name, child] : frame.children) deepest = std::max(deepest, 1 + depthOf(child));
    return deepest;
}

// Warm colours that stay put for a frame name from one report to the next.
std::string colourOf(std::string_view name) {
    unsigned hash = 2166136261u;
    for (unsigned char c : name) hash = (hash ^ c) * 16777619u;
    return "hsl(" + std::to_string(hash % 55) + "," + std::to_string(70 + hash / 55 % 20) + "%," +
           std::to_string(55 + hash / 1100 % 12) + "%)";
}

// The name cut to what fits in `width` pixels of 11 px text, with ".." when cut; "" when nothing fits.
std::string fitted(const std::string& name, double width) {
    size_t room = static_cast<size_t>((width - 6) / 6.2);
    if (room < 3) return "";
    if (name.size() <= room) return name;
    size_t cut = room - 2;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;  // keep UTF-8 whole
    return name.substr(0, cut) + "..";
}

}  // namespace

std::string FlameGraphSvg(std::string_view folded, const std::string& unit) {
    Frame root;
    while (!folded.empty()) {
        size_t end = folded.find('\n');
        std::string_view line = folded.substr(0, end);
        folded.remove_prefix(end == std::string_view::npos ? folded.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        size_t space = line.rfind(' ');
        if (space == std::string_view::npos || space == 0) continue;
        unsigned long long count = 0;
        std::string_view digits = line.substr(space + 1);
        auto [stop, error] = std::from_chars(digits.data(), digits.data() + digits.size(), count);
        if (error != std::errc() || stop != digits.data() + digits.size() || count == 0) continue;
        root.count += count;
        Frame* frame = &root;
        std::string_view stack = line.substr(0, space);
        while (true) {
            size_t semicolon = stack.find(';');
            std::string_view name = stack.substr(0, semicolon);
            auto found = frame->children.find(name);
            if (found == frame->children.end()) found = frame->children.emplace(std::string(name), Frame{}).first;
            frame = &found->second;
            frame->count += count;
            if (semicolon == std::string_view::npos) break;
            stack.remove_prefix(semicolon + 1);
        }
    }
    int depth = depthOf(root);
    double height = kPad * 2 + kRow * (depth + 1);
    std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " + Coordinate(kWidth) + " " +
                      Coordinate(height) + "\" width=\"" + Coordinate(kWidth) + "\" height=\"" + Coordinate(height) +
                      "\" role=\"img\" aria-label=\"Flame graph\" font-family=\"monospace\" font-size=\"11\">\n";
    if (root.count == 0) {
        return out + "<text x=\"" + Coordinate(kWidth / 2) + "\" y=\"" + Coordinate(height / 2 + 4) +
               "\" text-anchor=\"middle\">no stacks</text>\n</svg>\n";
    }
    double perCount = (kWidth - 2 * kPad) / static_cast<double>(root.count);
    std::function<void(const std::string&, const Frame&, double, int)> draw =
        [&](const std::string& name, const Frame& frame, double x, int level) {
            double width = static_cast<double>(frame.count) * perCount;
            if (width < 0.25) return;  // too thin to see or to point at
            double y = height - kPad - kRow * (level + 1);
            char share[16];
            std::snprintf(share, sizeof share, "%.1f%%", 100.0 * static_cast<double>(frame.count) / static_cast<double>(root.count));
            out += "<g><title>" + Escape(name) + ": " + std::to_string(frame.count) + " " + Escape(unit) + " (" + share +
                   ")</title><rect x=\"" +
                   Coordinate(x) + "\" y=\"" + Coordinate(y) + "\" width=\"" + Coordinate(std::max(width - 0.5, 0.25)) +
                   "\" height=\"" + Coordinate(kRow - 1) + "\" fill=\"" + (level == 0 ? std::string("#c8c8c8") : colourOf(name)) +
                   "\"/>";
            std::string label = fitted(name, width);
            if (!label.empty()) {
                out += "<text x=\"" + Coordinate(x + 3) + "\" y=\"" + Coordinate(y + kRow - 5) + "\">" + Escape(label) + "</text>";
            }
            out += "</g>\n";
            for (const auto& [childName, child] : frame.children) {
                draw(childName, child, x, level + 1);
                x += static_cast<double>(child.count) * perCount;
            }
        };
    draw("all", root, kPad, 0);
    return out + "</svg>\n";
}

}  // namespace tarvik
