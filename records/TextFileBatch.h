#pragma once
// The text-file batch: every usable line of the input file is put in the input box and answered by
// an all-brains run, with a fresh result-table header first and the finishing message last.
#include <string>

namespace tarvik {

// What the batch needs of the window that runs it.
class BatchWindow {
public:
    virtual ~BatchWindow() = default;
    virtual bool StopRequested() const = 0;
    virtual void SetStopRequested(bool stop) = 0;
    virtual void SetText1(const std::string& sentence) = 0;
    // Exactly what a click on "All Responses" does, but keeps a brain's failure for the batch's
    // report instead of showing a dialog per line.
    virtual void RunAllBrains() = 0;
    // Lets the window handle the clicks that arrived meanwhile (this is how Stop gets through).
    virtual void ProcessPendingEvents() = 0;
    // The batch is over: its button reads "Read Text" again.
    virtual void BatchEnded() = 0;
    // The input is open and holds this many usable lines: the window can show its progress.
    virtual void BatchStarted(int usableLines) = 0;
    // The last line is done or a stop ended the batch; called before the finishing message.
    virtual void BatchFinished(bool stopped) = 0;
};

// Lines that are empty or a single blank are skipped; anything else is sent as it is.
bool IsUsableLine(const std::string& line);

// Runs the batch. The table is emptied for its header only once the input is open, so a batch that
// cannot start costs nothing. A brain's failure costs only its answer (the window reports it). Any
// other failure passes on, after the input is closed and the button restored.
void DoTextFile(BatchWindow& window);

}  // namespace tarvik
