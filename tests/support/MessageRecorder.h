#pragma once
// Records the message boxes shown while it lives, instead of printing them.
#include <string>
#include <vector>

#include "support/MessageBox.h"

namespace tarvik::testing {

struct ShownMessage {
    std::string text;
    std::string title;
};

class MessageRecorder {
public:
    MessageRecorder()
        : previous_(SetMessageBoxSink([this](const std::string& text, const std::string& title) {
              shown.push_back({text, title});
          })) {}
    ~MessageRecorder() { SetMessageBoxSink(previous_); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    std::vector<ShownMessage> shown;

private:
    MessageBoxSink previous_;
};

}  // namespace tarvik::testing
