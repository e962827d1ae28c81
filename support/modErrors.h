#pragma once
// The error reporter: writes a trouble report to an error log and/or shows it on screen.
#include <cstdint>
#include <string>

namespace modErrors {

// The error log's path; nothing in the program assigns it.
inline std::string ErrorLogName;

// A switch counts as on only when it holds -1. With both off nothing happens at all.
void ReportError(const std::string& description, const std::string& reason, std::int16_t& logSwitch,
                 std::int16_t& screenSwitch);

}  // namespace modErrors
