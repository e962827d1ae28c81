#include "bench/Queries.h"

#include <charconv>

#include "bench/clsTimer.h"
#include "records/ResultTable.h"
#include "records/modLog.h"
#include "settings/modGlobals.h"
#include "support/Boolean16.h"

namespace tarvik {

namespace {

// Brain n's name + ": " + reply + CR LF.
std::string ReplyLine(int brain, const std::string& reply) { return modGlobals::BrainName(brain) + ": " + reply + "\r\n"; }

// The three reply lines, brain 1 first: what the output box shows and the log keeps.
std::string ReplyLines(const AllBrainsResult& result) {
    return ReplyLine(1, result.replies[0]) + ReplyLine(2, result.replies[1]) + ReplyLine(3, result.replies[2]);
}

}  // namespace

std::string TimeDisplay(double milliseconds, std::string_view decimalSeparator) {
    char buffer[64];
    auto end = std::to_chars(buffer, buffer + sizeof buffer, milliseconds, std::chars_format::fixed, 4).ptr;
    std::string_view digits(buffer, end - buffer);
    std::string sign;
    if (!digits.empty() && digits.front() == '-') {
        sign = "-";
        digits.remove_prefix(1);
    }
    size_t point = digits.find('.');
    std::string_view whole = digits.substr(0, point), decimals = digits.substr(point + 1);
    while (!whole.empty() && whole.front() == '0') whole.remove_prefix(1);
    while (!decimals.empty() && decimals.back() == '0') decimals.remove_suffix(1);
    if (whole.empty() && decimals.empty()) sign.clear();  // a value that rounds to zero shows "."
    return sign + std::string(whole) + std::string(decimalSeparator) + std::string(decimals);
}

TimedResponse TimedQuery(BrainEngines& engines, const QueryWindow& window, int brain) {
    clsTimer timer;
    timer.ResetTimer();
    std::u16string sentence = window.ReadText1();
    vbs::Value response = engines.QueryCall(brain, sentence);
    timer.StopTimer();
    return {std::move(response), timer.Elapsed()};
}

void SingleBrainQuery(BrainEngines& engines, QueryWindow& window, int brain) {
    TimedResponse timed = TimedQuery(engines, window, brain);
    window.SetText2(ReplyLine(brain, BrainReply(brain, timed.response)));
    std::string shown = TimeDisplay(timed.milliseconds, window.DecimalSeparator());
    window.SetTimeLabels(brain == 1 ? shown : "", brain == 2 ? shown : "", brain == 3 ? shown : "");
}

void WriteRecords(const std::string& sentence, const AllBrainsResult& result) {
    if (modGlobals::CreateLog == vbTrue) modLog::WriteLog("Sent: " + sentence, ReplyLines(result));
    if (modGlobals::CreateCSV == vbTrue) {
        AppendLine(modGlobals::ResolvePath(modGlobals::CSVName),
                   ResultTableRow(result.times[0], result.times[1], result.times[2]));
    }
}

AllBrainsResult AllBrainsRun(BrainEngines& engines, QueryWindow& window) {
    AllBrainsResult result;
    for (int brain = 3; brain >= 1; --brain) {
        TimedResponse timed = TimedQuery(engines, window, brain);
        result.times[brain - 1] = timed.milliseconds;
        if (window.StopRequested()) return result;
        result.replies[brain - 1] = BrainReply(brain, timed.response);
    }
    result.completed = true;

    window.SetText2(ReplyLines(result));
    std::string separator = window.DecimalSeparator();
    window.SetTimeLabels(TimeDisplay(result.times[0], separator), TimeDisplay(result.times[1], separator),
                         TimeDisplay(result.times[2], separator));
    WriteRecords(vbs::utf16ToUtf8(window.ReadText1()), result);
    return result;
}

}  // namespace tarvik
