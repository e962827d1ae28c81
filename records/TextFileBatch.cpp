#include "records/TextFileBatch.h"

#include "records/ResultTable.h"
#include "settings/modGlobals.h"
#include "support/Boolean16.h"
#include "support/FileTable.h"
#include "support/MessageBox.h"
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

// Returns true when the input ran out (rather than a stop).
bool runLines(BatchWindow& window, std::int16_t input) {
    // An empty file has nothing to read: reading it would fail.
    if (AtEndOfFile(input)) return true;
    while (!window.StopRequested()) {
        std::string line = LineInput(input);
        if (IsUsableLine(line)) {
            window.SetText1(line);
            window.RunAllBrains();
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
    bool exhausted;
    try {
        if (modGlobals::CreateCSV == vbTrue) WriteResultTableHeader(modGlobals::ResolvePath(modGlobals::CSVName));
        OpenInput input(modFile::OpenFile(modGlobals::ResolvePath(modGlobals::InputFile), "I"));
        if (input.number() == 0) {  // OpenFile has shown why
            window.BatchEnded();
            return;
        }
        exhausted = runLines(window, input.number());
    } catch (...) {
        window.BatchEnded();
        throw;
    }
    ShowMessageBox("Read Text is Finished!");
    window.SetStopRequested(false);
    if (exhausted) window.BatchEnded();
}

}  // namespace tarvik
