#pragma once
// How the text of a setting becomes a number or a switch.
#include <cstdint>
#include <optional>
#include <string_view>

namespace tarvik {

// The longest leading decimal number, the classic Val: blanks anywhere skipped, optional sign,
// digits, "." and decimals, exponent with E or D. No number gives 0.
double LeadingNumber(std::string_view text);
// The same, but no number at all gives nothing rather than 0.
std::optional<double> ParseLeadingNumber(std::string_view text);

// A whole decimal number and nothing else but blanks around it; nothing otherwise.
std::optional<std::int64_t> WholeNumber(std::string_view text);

// The leading number rounded half to even; outside the 16-bit range the overflow failure.
std::int16_t ToLearningLevel(std::string_view text);

// -1 when the text, upper-cased and stripped of leading and trailing spaces, is "TRUE"; else 0.
std::int16_t ToSwitch(std::string_view text);

}  // namespace tarvik
