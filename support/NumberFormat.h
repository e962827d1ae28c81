#pragma once
// Fixed-point number text in the United States English form: "," groups thousands, "." separates
// the decimals.
#include <string>

namespace tarvik {

// The classic runtime's "#,##0.000"-style patterns: at least one integer digit, exactly `decimals`
// decimals, halves rounded away from zero on the value's 15 significant digits.
std::string FormatFixed(double value, int decimals, bool groupThousands);

}  // namespace tarvik
