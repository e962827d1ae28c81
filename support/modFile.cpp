#include "support/modFile.h"

#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>

#include <string_view>
#include <utility>

#include "support/Failure.h"
#include "support/FileBytes.h"
#include "support/FileTable.h"
#include "support/MessageBox.h"
#include "support/TextDecode.h"

namespace modFile {

using tarvik::Failure;
using tarvik::FileMode;

namespace {

bool isOrdinaryFile(const std::string& path, std::string_view name) {
    struct stat info;
    return !name.empty() && name[0] != '.' && ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// Windows patterns know only * and ?; brackets are ordinary characters there, and "*.*" also
// matches names without a dot.
std::string toFnmatchPattern(std::string_view pattern) {
    if (pattern == "*.*") return "*";
    std::string out;
    for (char c : pattern) {
        if (c == '[') {
            out += "[[]";
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

std::int16_t OpenFile(const std::string& path, const std::string& mode) {
    try {
        std::int16_t number = tarvik::FreeFile();
        static constexpr std::pair<std::string_view, FileMode> kModes[] = {
            {"I", FileMode::Input}, {"O", FileMode::Output}, {"A", FileMode::Append},
            {"B", FileMode::Binary}, {"R", FileMode::Random},
        };
        for (const auto& [letter, fileMode] : kModes) {
            if (mode == letter) {
                tarvik::OpenNumbered(path, fileMode, number);
                break;
            }
        }
        return number;
    } catch (const Failure& failure) {
        tarvik::ShowMessageBox(failure.Description + "Error " + std::to_string(failure.Number));
        return 0;
    }
}

bool PathExists(const std::string& path) {
    size_t slash = path.rfind('/');
    std::string folder = slash == std::string::npos ? "./" : path.substr(0, slash + 1);
    std::string pattern = slash == std::string::npos ? path : path.substr(slash + 1);

    if (pattern.find_first_of("*?") == std::string::npos) return isOrdinaryFile(path, pattern);
    DIR* directory = ::opendir(folder.c_str());
    if (!directory) return false;
    std::string fnmatchPattern = toFnmatchPattern(pattern);
    bool found = false;
    while (!found) {
        const dirent* entry = ::readdir(directory);
        if (!entry) break;
        found = ::fnmatch(fnmatchPattern.c_str(), entry->d_name, FNM_NOESCAPE) == 0 &&
                isOrdinaryFile(folder + entry->d_name, entry->d_name);
    }
    ::closedir(directory);
    return found;
}

void CloseFile(std::int16_t fileNumber) { tarvik::CloseNumbered(fileNumber); }

std::string ReadTextFile(const std::string& path) {
    struct stat info;
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return "";
    return tarvik::DecodeText(tarvik::ReadFileBytes(path));
}

}  // namespace modFile
