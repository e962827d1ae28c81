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

int countUsableLines(const std::string& path) {
    OpenInput input(modFile::OpenFile(path, "I"));
    int lines = 0;
    while (input.number() > 0 && !AtEndOfFile(input.number())) lines += IsUsableLine(LineInput(input.number()));
    return lines;
}

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
    auto refuse = [&](const std::string& why) {
        ShowMessageBox("Read Text cannot start: " + why + ".");
        window.BatchEnded();
    };
    std::string inputPath = modGlobals::ResolvePath(modGlobals::InputFile);
    if (std::string problem = TextFileProblem(inputPath, kMaxInputBytes); !problem.empty()) {
        return refuse("the input file " + inputPath + " " + problem);
    }
    bool exhausted;
    try {
        OpenInput input(modFile::OpenFile(inputPath, "I"));
        if (input.number() == 0) {  // OpenFile has shown why
            window.BatchEnded();
            return;
        }
        if (std::string problem = RecordsProblem(); !problem.empty()) return refuse(problem);
        StartRecords();
        window.BatchStarted(countUsableLines(inputPath));
        exhausted = runLines(window, input.number());
    } catch (...) {
        window.BatchEnded();
        throw;
    }
    window.BatchFinished(!exhausted);
    ShowMessageBox("Read Text is Finished!");
    window.SetStopRequested(false);
    if (exhausted) window.BatchEnded();
}

}  // namespace tarvik
