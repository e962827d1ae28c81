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

// The three reply lines, brain 1 first, as the log keeps them.
std::string ReplyLines(const AllBrainsResult& result) {
    return ReplyLine(1, result.replies[0]) + ReplyLine(2, result.replies[1]) + ReplyLine(3, result.replies[2]);
}

// The same lines as the output box shows them: a failure names its line.
std::string ShownLines(const AllBrainsResult& result) {
    std::string text;
    for (int b = 0; b < 3; ++b)
        text += ReplyLine(b + 1, result.failures[b] ? ShownFailure(*result.failures[b]) : result.replies[b]);
    return text;
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

std::string FailedReply(const BrainFailure& failure) {
    return "[error " + std::to_string(failure.Cause.number) + ": " + vbs::utf16ToUtf8(failure.Cause.description) + "]";
}

std::string ShownFailure(const BrainFailure& failure) {
    if (failure.Cause.line <= 0) return FailedReply(failure);
    return "[error " + std::to_string(failure.Cause.number) + ", line " + std::to_string(failure.Cause.line) + ": " +
           vbs::utf16ToUtf8(failure.Cause.description) + "]";
}

BrainAnswer AskBrain(BrainEngines& engines, const QueryWindow& window, int brain) {
    try {
        TimedResponse timed = TimedQuery(engines, window, brain);
        return {timed.milliseconds, BrainReply(brain, timed.response), std::nullopt};
    } catch (BrainFailure& failure) {
        return {0, FailedReply(failure), std::move(failure)};
    }
}

std::optional<BrainFailure> SingleBrainQuery(BrainEngines& engines, QueryWindow& window, int brain) {
    BrainAnswer answer = AskBrain(engines, window, brain);
    window.SetText2(ReplyLine(brain, answer.failure ? ShownFailure(*answer.failure) : answer.reply));
    std::string shown = answer.failure ? "" : TimeDisplay(answer.milliseconds, window.DecimalSeparator());
    window.SetTimeLabels(brain == 1 ? shown : "", brain == 2 ? shown : "", brain == 3 ? shown : "");
    return std::move(answer.failure);
}

std::string AllBrainsResult::FailureText() const {
    std::string text;
    for (const auto& failure : failures) {
        if (failure) text += (text.empty() ? "" : "\r\n\r\n") + failure->Message();
    }
    return text;
}

AllBrainsResult AskBrains(BrainEngines& engines, const QueryWindow& window, const std::array<bool, 3>& chosen) {
    AllBrainsResult result;
    for (int brain = 3; brain >= 1; --brain) {
        if (!chosen[brain - 1]) continue;
        BrainAnswer answer = AskBrain(engines, window, brain);
        result.times[brain - 1] = answer.milliseconds;
        if (window.StopRequested()) return result;
        result.replies[brain - 1] = std::move(answer.reply);
        result.failures[brain - 1] = std::move(answer.failure);
    }
    result.completed = true;
    return result;
}

bool WriteRecords(const std::string& sentence, const AllBrainsResult& result) {
    if (modGlobals::CreateCSV == vbTrue) {
        std::array<std::optional<double>, 3> cells;
        for (int b = 0; b < 3; ++b) {
            if (!result.failures[b]) cells[b] = result.times[b];
        }
        AppendLine(modGlobals::ResolvePath(modGlobals::CSVName), ResultTableRow(cells));
    }
    return modGlobals::CreateLog != vbTrue || modLog::WriteLog("Sent: " + sentence, ReplyLines(result));
}

AllBrainsResult AllBrainsRun(BrainEngines& engines, QueryWindow& window) {
    AllBrainsResult result = AskBrains(engines, window);
    if (!result.completed) return result;

    window.SetText2(ShownLines(result));
    std::string separator = window.DecimalSeparator();
    auto shown = [&](int b) { return result.failures[b] ? std::string() : TimeDisplay(result.times[b], separator); };
    window.SetTimeLabels(shown(0), shown(1), shown(2));
    WriteRecords(vbs::utf16ToUtf8(window.ReadText1()), result);
    return result;
}

}  // namespace tarvik
