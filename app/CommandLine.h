#pragma once
// The window's own options; everything else on the command line is left to Qt (-platform, -style).
#include <string>
#include <vector>

namespace tarvik {

struct WindowOptions {
    std::string ini;  // "" = Tarvik.ini beside the program
    bool help = false;
    bool version = false;
    std::string error;                // names a bad option; "" when the line is fine
    std::vector<std::string> forQt;   // the program name and the arguments that are not ours
};

WindowOptions ParseWindowOptions(int argc, const char* const* argv);

std::string WindowUsageText();

}  // namespace tarvik
