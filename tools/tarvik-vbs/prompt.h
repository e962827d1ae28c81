#pragma once
// The console's prompt on a terminal: line editing and a history kept between sessions (libedit),
// in $XDG_STATE_HOME/tarvik/brain-history, else ~/.local/state/tarvik/brain-history.
#include <string>

namespace tarvik {

class Prompt {
public:
    Prompt();  // reads the history file, if there is one
    // The next line typed; false at the end of input (Ctrl+D).
    bool read(std::string& line);

    // Where the history is kept; "" without a home folder.
    static std::string historyPath();

private:
    std::string path_;
    bool warned_ = false;
};

}  // namespace tarvik
