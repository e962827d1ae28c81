#include "support/NumberFormat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tarvik {

namespace {

constexpr int kSignificantDigits = 15;

// Rounds the 15-digit decimal form of |value| to `decimals` places and returns its digits without
// a decimal point (at least decimals + 1 of them).
std::string roundedDigits(double magnitude, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*e", kSignificantDigits - 1, magnitude);
    std::string digits;
    digits += text[0];
    digits.append(text + 2, kSignificantDigits - 1);
    int exponent = std::atoi(text + kSignificantDigits + 2);

    // digits holds d0 d1 ... with d0 at the place 10^exponent; keep places down to 10^-decimals.
    int keep = exponent + 1 + decimals;
    if (keep < 0) return std::string(decimals + 1, '0');
    if (keep >= kSignificantDigits) {
        digits.append(keep - kSignificantDigits, '0');
    } else {
        bool roundUp = digits[keep] >= '5';
        digits.resize(keep);
        for (int i = keep - 1; roundUp && i >= 0; --i) {
            roundUp = digits[i] == '9';
            digits[i] = roundUp ? '0' : digits[i] + 1;
        }
        if (roundUp) digits.insert(digits.begin(), '1');
    }
    if (digits.size() < static_cast<size_t>(decimals + 1)) {
        digits.insert(0, decimals + 1 - digits.size(), '0');
    }
    return digits;
}

}  // namespace

std::string FormatFixed(double value, int decimals, bool groupThousands) {
    if (!std::isfinite(value)) return std::isnan(value) ? "NaN" : (value < 0 ? "-Infinity" : "Infinity");
    std::string digits = roundedDigits(std::fabs(value), decimals);
    size_t integerDigits = digits.size() - decimals;

    std::string out;
    if (std::signbit(value) && digits.find_first_not_of('0') != std::string::npos) out += '-';
    for (size_t i = 0; i < integerDigits; ++i) {
        if (groupThousands && i > 0 && (integerDigits - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    if (decimals > 0) {
        out += '.';
        out.append(digits, integerDigits, decimals);
    }
    return out;
}

}  // namespace tarvik
