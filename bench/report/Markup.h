#pragma once
// Text placed into the HTML report or its SVG: sentences and script names are user input.
#include <string>
#include <string_view>

namespace tarvik {

// The text with & < > " ' as character references, and bytes that are not valid UTF-8 as U+FFFD,
// so it reads the same in element content and in attribute values.
std::string Escape(std::string_view text);

// A number with at most `decimals` decimals and no trailing zeros, for SVG coordinates.
std::string Coordinate(double value, int decimals = 1);

}  // namespace tarvik
