#pragma once
// The two query commands: one brain alone, or all three in turn (3, 2, 1) with the records.
#include <array>
#include <string>
#include <string_view>

#include "bench/BrainEngines.h"

namespace tarvik {

// What a query reads and writes of the window (the window itself, or a tool's stand-in).
class QueryWindow {
public:
    virtual ~QueryWindow() = default;
    // Read inside the measured interval, as the input box is.
    virtual std::u16string ReadText1() const = 0;
    virtual void SetText2(const std::string& text) = 0;
    // Label4, Label5, Label6, set in that order.
    virtual void SetTimeLabels(const std::string& label4, const std::string& label5, const std::string& label6) = 0;
    virtual bool StopRequested() const = 0;
    virtual std::string DecimalSeparator() const = 0;
};

// "####.####": no leading zeros, the separator always, up to four decimals without trailing zeros
// (0.25 -> ".25", 3 -> "3.", 12.3456789 -> "12.3457").
std::string TimeDisplay(double milliseconds, std::string_view decimalSeparator);

struct TimedResponse {
    vbs::Value response;
    double milliseconds;
};

// One measured query: the interval starts before the input box is read and ends right after the
// engine call, so it excludes the reply reduction and all display work.
TimedResponse TimedQuery(BrainEngines& engines, const QueryWindow& window, int brain);

void SingleBrainQuery(BrainEngines& engines, QueryWindow& window, int brain);

struct AllBrainsResult {
    bool completed = false;          // false when a stop request ended the run early
    std::array<double, 3> times{};   // brains 1, 2, 3, in milliseconds
    std::array<std::string, 3> replies;
};

// Asks brains 3, 2, 1; shows and records in the order 1, 2, 3 (log and table when switched on).
AllBrainsResult AllBrainsRun(BrainEngines& engines, QueryWindow& window);

// The log entry and the table row of a completed run, each when its setting is on.
void WriteRecords(const std::string& sentence, const AllBrainsResult& result);

}  // namespace tarvik
