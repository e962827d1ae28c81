#pragma once
// Substring search shared by InStr, Replace, Split and Filter.
#include <cstddef>
#include <string_view>

namespace vbs::builtin {

// Position of `what` (not empty) in s at or after `from`, case-insensitive when `text`; npos if none.
size_t findIn(std::u16string_view s, std::u16string_view what, size_t from, bool text);

}  // namespace vbs::builtin
