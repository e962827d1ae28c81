#include "records/RecordFiles.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "records/ResultTable.h"
#include "settings/modGlobals.h"
#include "support/Boolean16.h"
#include "support/modFile.h"

namespace tarvik {

std::string WriteProblem(const std::string& what, const std::string& path) {
    if (path.empty()) return "no " + what + ": set its name in the settings";
    int file = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (file >= 0) {
        ::close(file);
        return "";
    }
    if (errno != ENOENT) return "the " + what + " cannot be written: " + path + ": " + std::strerror(errno);
    std::string folder = std::filesystem::path(path).parent_path().string();
    if (folder.empty()) folder = ".";
    file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (file >= 0) {
        ::close(file);
        ::unlink(path.c_str());
        return "";
    }
    if (errno == ENOENT || errno == ENOTDIR) return "folder of the " + what + " not found: " + folder;
    return "the " + what + " cannot be created in the folder " + folder + ": " + std::strerror(errno);
}

std::string RecordsProblem() {
    using namespace modGlobals;
    std::string problem;
    if (CreateCSV == vbTrue) problem = WriteProblem("result table", ResolvePath(CSVName));
    if (problem.empty() && CreateLog == vbTrue) problem = WriteProblem("conversation log", ResolvePath(LogName));
    return problem;
}

void StartRecords() {
    using namespace modGlobals;
    if (CreateCSV == vbTrue) WriteResultTableHeader(ResolvePath(CSVName));
    if (CreateLog == vbTrue) {
        std::int16_t number = modFile::OpenFile(ResolvePath(LogName), "A");
        if (number > 0) modFile::CloseFile(number);
    }
}

}  // namespace tarvik
