#pragma once
// The classic runtime's integer conversions: round half to even, overflow failure 6 out of range.
#include <cstdint>

namespace tarvik {

std::int16_t ToInteger16(double value);
std::int32_t ToInteger32(double value);

}  // namespace tarvik
