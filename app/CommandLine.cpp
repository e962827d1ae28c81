#include "app/CommandLine.h"

#include <string_view>

namespace tarvik {

WindowOptions ParseWindowOptions(int argc, const char* const* argv) {
    WindowOptions options;
    if (argc > 0) options.forQt.push_back(argv[0]);
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--ini" || arg.starts_with("--ini=")) {
            if (arg == "--ini" && i + 1 == argc) return options.error = "--ini needs a settings file path", options;
            options.ini = arg == "--ini" ? argv[++i] : arg.substr(6);
            if (options.ini.empty()) return options.error = "--ini needs a settings file path", options;
        } else if (arg.starts_with("--")) {
            return options.error = "unknown option " + std::string(arg), options;
        } else {
            options.forQt.emplace_back(arg);
        }
    }
    return options;
}

std::string WindowUsageText() {
    return "Usage: tarvik [--ini PATH] [Qt options]\n"
           "Times the three brain scripts named in the settings file, side by side, in a window.\n"
           "\n"
           "  --ini PATH   settings file (default: Tarvik.ini beside the program)\n"
           "  --help       this text\n"
           "  --version    the program's version\n"
           "\n"
           "Edit INI File opens the settings in the editor named by VISUAL or EDITOR (else xdg-open).\n"
           "tarvik-bench runs the same batch without a window.\n";
}

}  // namespace tarvik
