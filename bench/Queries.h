#pragma once
// The two query commands: one brain alone, or all three in turn (3, 2, 1) with the records. A
// brain's failure costs only its own answer: the others are still asked, shown and recorded.
#include <array>
#include <optional>
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
// engine call, so it excludes the reply reduction and all display work. Raises BrainFailure.
TimedResponse TimedQuery(BrainEngines& engines, const QueryWindow& window, int brain);

// What stands in a reply line for a brain that failed: "[error 11: Division by zero]".
std::string FailedReply(const BrainFailure& failure);
// The same on screen, where the author also wants the line: "[error 11, line 4: Division by zero]".
std::string ShownFailure(const BrainFailure& failure);

struct BrainAnswer {
    double milliseconds = 0;
    std::string reply;                     // FailedReply when the brain failed
    std::optional<BrainFailure> failure;
};

// One brain asked and timed, its failure kept in the answer rather than raised.
BrainAnswer AskBrain(BrainEngines& engines, const QueryWindow& window, int brain);

// Shows brain n's reply line and time (an empty time when it failed); returns its failure.
std::optional<BrainFailure> SingleBrainQuery(BrainEngines& engines, QueryWindow& window, int brain);

struct AllBrainsResult {
    bool completed = false;          // false when a stop request ended the run early
    std::array<double, 3> times{};   // brains 1, 2, 3, in milliseconds
    std::array<std::string, 3> replies;
    std::array<std::optional<BrainFailure>, 3> failures;

    // The failures' messages, brain 1 first, between empty lines; "" when every brain answered.
    std::string FailureText() const;
};

inline constexpr std::array<bool, 3> kAllBrains{true, true, true};

// Asks the chosen brains 3, 2, 1, stopping (not completed) when a stop is requested after one.
AllBrainsResult AskBrains(BrainEngines& engines, const QueryWindow& window, const std::array<bool, 3>& chosen = kAllBrains);

// Asks brains 3, 2, 1; shows and records in the order 1, 2, 3 (log and table when switched on).
AllBrainsResult AllBrainsRun(BrainEngines& engines, QueryWindow& window);

// The table row and the log entry of a completed run, each when its setting is on, one after the
// other: a failed brain has an empty cell and its FailedReply in the log. False when the log entry
// could not be written (the window goes on, as the log is optional; a batch tool must not).
bool WriteRecords(const std::string& sentence, const AllBrainsResult& result);

}  // namespace tarvik
