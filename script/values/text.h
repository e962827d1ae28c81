#pragma once
// Character-level helpers shared by the built-ins, Dictionary's text mode and the comparisons.
// Case mapping is Unicode's simple mapping, whatever the process locale.
#include <string_view>

#include "script/values/string.h"

namespace vbs {

char16_t toUpper(char16_t c);
char16_t toLower(char16_t c);
String upper(std::u16string_view s);
String lower(std::u16string_view s);
// <0, 0, >0 like memcmp: binary compares code units, text compares ignoring case.
int compareBinary(std::u16string_view a, std::u16string_view b);
int compareText(std::u16string_view a, std::u16string_view b);
// StrComp's text order, Windows' in locale 1033: symbols before digits before letters, accents
// and case counting less than letters ("a" < "ä" < "b"), hyphens and apostrophes least.
int collateText(std::u16string_view a, std::u16string_view b);
bool equalsIgnoreCase(std::u16string_view a, std::u16string_view b);

}  // namespace vbs
