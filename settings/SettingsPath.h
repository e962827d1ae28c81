#pragma once
// Paths in the settings may be written for Windows ("\") or Linux ("/"); a relative one means the
// folder of the settings file, so the program works from any current directory.
#include <string>

namespace tarvik {

// "" stays "" (an unset path is not the folder itself).
std::string ResolveSettingsPath(const std::string& path, const std::string& iniPath);

}  // namespace tarvik
