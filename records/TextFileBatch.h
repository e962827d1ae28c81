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
    // Exactly what a click on "All Responses" does, but returns the failures of brains in it ("" when
    // every brain answered) instead of showing them: the batch sums them up at its end.
    virtual std::string RunAllBrains() = 0;
    // Lets the window handle the clicks that arrived meanwhile (this is how Stop gets through).
    virtual void ProcessPendingEvents() = 0;
    // The batch is over: its button reads "Read Text" again.
    virtual void BatchEnded() = 0;
};

// Lines that are empty or a single blank are skipped; anything else is sent as it is.
bool IsUsableLine(const std::string& line);

// Runs the batch. The table is emptied for its header only once the input is open, so a batch that
// cannot start costs nothing. A brain's failure costs only its answer; the finishing message counts
// such sentences and shows the first failure. Any other failure passes on, after the input is closed
// and the button restored.
void DoTextFile(BatchWindow& window);

}  // namespace tarvik
