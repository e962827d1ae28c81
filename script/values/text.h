#pragma once
// Character-level helpers shared by the built-ins, Dictionary's text mode and the comparisons.
// Case mapping is Unicode's simple mapping, whatever the process locale.
#include <cstdint>
#include <string_view>

#include "script/values/string.h"

namespace vbs {

char16_t toUpper(char16_t c);
char16_t toLower(char16_t c);
// Case mapping four code units at once, packed 16 bits each as an 8-byte load of them gives:
// ASCII by bit arithmetic (a lane in the letter range gets its 0x20 bit flipped), others through
// the tables.
constexpr uint64_t kBlockLanes = 0x0001000100010001;
constexpr uint64_t kBlockNonAscii = kBlockLanes * 0xFF80;
template <bool Upper>
constexpr uint64_t asciiCaseBlock(uint64_t units) {
    constexpr uint64_t first = Upper ? 'a' : 'A', last = Upper ? 'z' : 'Z';
    uint64_t letter = (units + kBlockLanes * (0x80 - first)) & ~(units + kBlockLanes * (0x7F - last));
    return units ^ (letter & kBlockLanes * 0x80) >> 2;
}
uint64_t lowerBlockSlow(uint64_t units);
inline uint64_t lowerBlock(uint64_t units) {
    return units & kBlockNonAscii ? lowerBlockSlow(units) : asciiCaseBlock<false>(units);
}
// s itself when no character changes.
String upper(const String& s);
String lower(const String& s);
// <0, 0, >0 like memcmp: binary compares code units, text compares ignoring case.
int compareBinary(std::u16string_view a, std::u16string_view b);
int compareText(std::u16string_view a, std::u16string_view b);
// StrComp's text order, Windows' in locale 1033: symbols before digits before letters, accents
// and case counting less than letters ("a" < "ä" < "b"), hyphens and apostrophes least.
int collateText(std::u16string_view a, std::u16string_view b);
bool equalsIgnoreCase(std::u16string_view a, std::u16string_view b);

}  // namespace vbs
