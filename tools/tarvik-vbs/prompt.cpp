#include "tools/tarvik-vbs/prompt.h"

#include <editline/readline.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace tarvik {

namespace {

constexpr int kKept = 1000;  // lines of history

}  // namespace

std::string Prompt::historyPath() {
    namespace fs = std::filesystem;
    const char* state = std::getenv("XDG_STATE_HOME");
    const char* home = std::getenv("HOME");
    fs::path folder;
    if (state && *state == '/') folder = state;  // a relative one is to be ignored
    else if (home && *home) folder = fs::path(home) / ".local" / "state";
    else return "";
    return (folder / "tarvik" / "brain-history").string();
}

Prompt::Prompt() : path_(historyPath()) {
    using_history();
    stifle_history(kKept);
    if (!path_.empty()) read_history(path_.c_str());  // none yet on the first session
}

bool Prompt::read(std::string& line) {
    char* typed = readline("> ");
    if (!typed) return false;
    line = typed;
    std::free(typed);
    if (line.empty()) return true;
    add_history(line.c_str());
    if (path_.empty()) return true;
    // Written at once: a session ended by Ctrl+C or a time-out keeps its lines.
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), ignored);
    if (write_history(path_.c_str()) != 0 && !warned_) {
        warned_ = true;
        std::fprintf(stderr, "tarvik-vbs: cannot keep the history in %s\n", path_.c_str());
    }
    return true;
}

}  // namespace tarvik
