#pragma once
// The terminal as the runner's scripts see it. Output is buffered here rather than in stdio so that
// a signal (Ctrl+C, kill, WScript.Timeout) can still write out what the script printed before it ends.
// Input is read by lines, as a console delivers it.
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvik::console {

enum Stream { Out = 1, Err = 2 };

// UTF-8 to the stream. Writing to Err first writes out what is pending for Out, keeping the order.
void write(Stream s, std::u16string_view text);
void flush();

// Line and Column after text, 1-based, as TextStream counts them.
void track(int32_t& line, int32_t& column, std::u16string_view text);

// SIGINT, SIGTERM and SIGHUP write the pending output, then end the process by the same signal.
void flushOnSignals();
// After `seconds`, the pending output is written, `message` goes to stderr and the process exits
// with status 1. 0 cancels.
void endAfter(int seconds, const char* message);

// Standard input, decoded from UTF-8 a line at a time.
class Input {
public:
    // Up to n characters; fewer at the end of input.
    std::u16string read(size_t n);
    // The next line without its end; false at the end of input.
    bool readLine(std::u16string& out);
    std::u16string readAll();
    bool atEnd();
    bool atEndOfLine();
    int32_t line() const { return line_; }
    int32_t column() const { return column_; }

private:
    bool fill();  // one more line into pending_; false at the end of input
    std::u16string take(size_t n);

    std::u16string pending_;
    size_t pos_ = 0;
    int32_t line_ = 1, column_ = 1;
};

Input& input();

}  // namespace tarvik::console
