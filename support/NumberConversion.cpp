#include "support/NumberConversion.h"

#include <cmath>
#include <limits>

#include "support/Failure.h"

namespace tarvik {

namespace {

template <typename Integer>
Integer roundToInteger(double value) {
    // nearbyint follows the default rounding mode, which is to nearest, ties to even.
    double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<Integer>::min() && rounded <= std::numeric_limits<Integer>::max())) {
        throw Failure(Overflow);
    }
    return static_cast<Integer>(rounded);
}

}  // namespace

std::int16_t ToInteger16(double value) { return roundToInteger<std::int16_t>(value); }

std::int32_t ToInteger32(double value) { return roundToInteger<std::int32_t>(value); }

}  // namespace tarvik
