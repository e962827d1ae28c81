#include "settings/SettingText.h"

#include <cmath>
#include <charconv>
#include <string>

#include "support/Boolean16.h"
#include "support/NumberConversion.h"

namespace tarvik {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double LeadingNumber(std::string_view text) { return ParseLeadingNumber(text).value_or(0); }

std::optional<double> ParseLeadingNumber(std::string_view text) {
    std::string blanksRemoved;
    for (char c : text) {
        if (!isBlank(c)) blanksRemoved += c;
    }
    std::string_view s = blanksRemoved;

    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t digitsStart = i;
    while (i < s.size() && isDigit(s[i])) ++i;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) ++i;
    }
    if (i == digitsStart || (i == digitsStart + 1 && s[digitsStart] == '.')) return std::nullopt;
    size_t mantissaEnd = i;
    std::string number(s.substr(s[0] == '+' ? 1 : 0, mantissaEnd - (s[0] == '+' ? 1 : 0)));

    // An exponent counts only with at least one digit after its letter and sign.
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        size_t exponentDigits = j;
        while (j < s.size() && isDigit(s[j])) ++j;
        if (j > exponentDigits) number += 'e' + std::string(s.substr(i + 1, j - i - 1));
    }
    double value = 0;
    auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // A number too small to hold is zero; one too large is infinite, which nothing converts.
        if (number.find("e-") != std::string::npos) return 0.0;
        return number[0] == '-' ? -HUGE_VAL : HUGE_VAL;
    }
    return value;
}

std::optional<std::int64_t> WholeNumber(std::string_view text) {
    size_t first = 0, last = text.size();
    while (first < last && isBlank(text[first])) ++first;
    while (last > first && isBlank(text[last - 1])) --last;
    std::string_view digits = text.substr(first, last - first);
    if (digits.starts_with('+')) {
        digits.remove_prefix(1);
        if (digits.starts_with('-')) return std::nullopt;
    }
    std::int64_t value = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return value;
}

std::int16_t ToLearningLevel(std::string_view text) { return ToInteger16(LeadingNumber(text)); }

std::int16_t ToSwitch(std::string_view text) {
    std::string upper;
    for (char c : text) upper += c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
    size_t first = upper.find_first_not_of(' ');
    size_t last = upper.find_last_not_of(' ');
    bool isTrue = first != std::string::npos && upper.compare(first, last - first + 1, "TRUE") == 0;
    return isTrue ? vbTrue : vbFalse;
}

}  // namespace tarvik
