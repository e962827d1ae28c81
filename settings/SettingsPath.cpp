#include "settings/SettingsPath.h"

#include <algorithm>
#include <filesystem>

namespace tarvik {

std::string ResolveSettingsPath(const std::string& path, const std::string& iniPath) {
    if (path.empty()) return path;
    std::string slashed = path;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    std::filesystem::path resolved(slashed);
    if (resolved.is_relative()) resolved = std::filesystem::path(iniPath).parent_path() / resolved;
    return resolved.lexically_normal().string();
}

}  // namespace tarvik
