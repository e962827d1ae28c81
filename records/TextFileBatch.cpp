#include "records/TextFileBatch.h"

#include "records/RecordFiles.h"
#include "settings/modGlobals.h"
#include "support/Boolean16.h"
#include "support/FileTable.h"
#include "support/MessageBox.h"
#include "support/TextFileCheck.h"
#include "support/modFile.h"

namespace tarvik {

namespace {

// Closes the input however the batch ends.
class OpenInput {
public:
    explicit OpenInput(std::int16_t number) : number_(number) {}
    ~OpenInput() { if (number_ > 0) modFile::CloseFile(number_); }
    std::int16_t number() const { return number_; }
    OpenInput(const OpenInput&) = delete;
    OpenInput& operator=(const OpenInput&) = delete;

private:
    std::int16_t number_;
};

struct Tally {
    int sent = 0, failed = 0;
    std::string firstFailure;
};

std::string finishedMessage(const Tally& tally) {
    std::string message = "Read Text is Finished!";
    if (tally.failed == 0) return message;
    return message + "\n\nA brain failed on " + std::to_string(tally.failed) + " of " + std::to_string(tally.sent) +
           " sentences; the first failure:\n\n" + tally.firstFailure;
}

// Returns true when the input ran out (rather than a stop).
bool runLines(BatchWindow& window, std::int16_t input, Tally& tally) {
    // An empty file has nothing to read: reading it would fail.
    if (AtEndOfFile(input)) return true;
    while (!window.StopRequested()) {
        std::string line = LineInput(input);
        if (IsUsableLine(line)) {
            window.SetText1(line);
            std::string failures = window.RunAllBrains();
            ++tally.sent;
            if (!failures.empty() && tally.failed++ == 0) tally.firstFailure = failures;
            window.ProcessPendingEvents();
        }
        if (window.StopRequested()) break;
        window.ProcessPendingEvents();
        if (AtEndOfFile(input)) return true;
    }
    return false;
}

}  // namespace

bool IsUsableLine(const std::string& line) { return !line.empty() && line != " "; }

void DoTextFile(BatchWindow& window) {
    if (window.StopRequested()) return;
    auto refuse = [&](const std::string& why) {
        ShowMessageBox("Read Text cannot start: " + why + ".");
        window.BatchEnded();
    };
    std::string inputPath = modGlobals::ResolvePath(modGlobals::InputFile);
    if (std::string problem = TextFileProblem(inputPath, kMaxInputBytes); !problem.empty()) {
        return refuse("the input file " + inputPath + " " + problem);
    }
    bool exhausted;
    Tally tally;
    try {
        OpenInput input(modFile::OpenFile(inputPath, "I"));
        if (input.number() == 0) {  // OpenFile has shown why
            window.BatchEnded();
            return;
        }
        if (std::string problem = RecordsProblem(); !problem.empty()) return refuse(problem);
        StartRecords();
        exhausted = runLines(window, input.number(), tally);
    } catch (...) {
        window.BatchEnded();
        throw;
    }
    ShowMessageBox(finishedMessage(tally));
    window.SetStopRequested(false);
    if (exhausted) window.BatchEnded();
}

}  // namespace tarvik
