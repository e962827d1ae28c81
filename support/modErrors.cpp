#include "support/modErrors.h"

#include <cstdio>
#include <ctime>

#include "support/Boolean16.h"
#include "support/MessageBox.h"
#include "support/modFile.h"
#include "support/FileTable.h"

namespace modErrors {

namespace {

// The runtime's default date-time text in United States English: "12/8/2026 1:18:04 PM",
// and only the date at midnight.
std::string nowText() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char text[40];
    int length = std::snprintf(text, sizeof text, "%d/%d/%d", local.tm_mon + 1, local.tm_mday, local.tm_year + 1900);
    if (local.tm_hour != 0 || local.tm_min != 0 || local.tm_sec != 0) {
        int hour = local.tm_hour % 12 == 0 ? 12 : local.tm_hour % 12;
        std::snprintf(text + length, sizeof text - length, " %d:%02d:%02d %s", hour, local.tm_min, local.tm_sec,
                      local.tm_hour < 12 ? "AM" : "PM");
    }
    return text;
}

}  // namespace

void ReportError(const std::string& description, const std::string& reason, std::int16_t& logSwitch,
                 std::int16_t& screenSwitch) {
    std::string entry = "Description: " + description + "\tReason: " + reason;
    if (logSwitch == tarvik::vbTrue) {
        std::int16_t number = modFile::OpenFile(ErrorLogName, "A");
        if (number > 0) {
            tarvik::PrintLine(number, nowText() + "\t" + entry);
            modFile::CloseFile(number);
        }
    }
    if (screenSwitch == tarvik::vbTrue) {
        tarvik::ShowMessageBox("Error!!\nDescription: " + description + "\nReason: " + reason, "Error");
    }
}

}  // namespace modErrors
