#include "support/MessageBox.h"

#include <cstdio>
#include <utility>

namespace tarvik {

namespace {

void printToStandardError(const std::string& text, const std::string& title) {
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
}

MessageBoxSink& currentSink() {
    static MessageBoxSink sink = printToStandardError;
    return sink;
}

}  // namespace

MessageBoxSink SetMessageBoxSink(MessageBoxSink sink) {
    return std::exchange(currentSink(), sink ? std::move(sink) : printToStandardError);
}

void ShowMessageBox(const std::string& text, const std::string& title) {
    currentSink()(text, title);
}

}  // namespace tarvik
