#pragma once
// A flame graph drawn from folded stacks, the text form profilers and flamegraph.pl share.
#include <string>
#include <string_view>

namespace tarvik {

// `folded` holds lines "outer;inner;innermost COUNT". Frames with the same path merge; siblings are
// drawn in name order, each as wide as its share of the total, the outermost frame at the bottom.
// Lines without a count are skipped. Each frame's tooltip gives its count in `unit` and its share.
std::string FlameGraphSvg(std::string_view folded, const std::string& unit);

}  // namespace tarvik
