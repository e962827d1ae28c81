#pragma once
// Message boxes with an OK button. The program installs where they go: the window shows a dialog,
// command-line tools print, tests record.
#include <functional>
#include <string>

namespace tarvik {

inline constexpr const char* ProgramTitle = "Tarvik";

using MessageBoxSink = std::function<void(const std::string& text, const std::string& title)>;

// Installs the sink and returns the previous one, so a caller can put it back.
// Until one is installed, boxes go to standard error.
MessageBoxSink SetMessageBoxSink(MessageBoxSink sink);

void ShowMessageBox(const std::string& text, const std::string& title = ProgramTitle);

}  // namespace tarvik
