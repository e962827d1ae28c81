#include "bench/clsTimer.h"

#include "support/Failure.h"
#include "support/NumberConversion.h"
#include "support/NumberFormat.h"

std::int32_t clsTimer::TicksPerSecond() const {
    return tarvik::ToInteger32(static_cast<double>(frequency_));
}

double clsTimer::Milliseconds(std::int64_t ticks, std::int64_t frequency) {
    if (frequency == 0) throw tarvik::Failure(tarvik::DivisionByZero);
    return static_cast<double>(ticks) / static_cast<double>(frequency) * 1000;
}

std::string clsTimer::ElapsedText(double milliseconds) {
    return "Execution took " + tarvik::FormatFixed(milliseconds, 3, true) + " ms";
}
