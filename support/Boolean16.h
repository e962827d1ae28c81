#pragma once
// Settings and switches keep the classic runtime's booleans: -1 is true, 0 is false,
// and every test compares with -1.
#include <cstdint>

namespace tarvik {

inline constexpr std::int16_t vbTrue = -1;
inline constexpr std::int16_t vbFalse = 0;

}  // namespace tarvik
