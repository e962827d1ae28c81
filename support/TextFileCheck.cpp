#include "support/TextFileCheck.h"

#include <sys/stat.h>

#include <cstdio>

#include "support/Failure.h"
#include "support/modFile.h"

namespace tarvik {

namespace {

std::string megabytes(double bytes, const char* format) {
    char text[32];
    std::snprintf(text, sizeof text, format, bytes / (1 << 20));
    return text;
}

}  // namespace

std::string SizeProblem(const std::string& path, std::uintmax_t maxBytes) {
    struct stat info;
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || std::uintmax_t(info.st_size) <= maxBytes) return "";
    return "is " + megabytes(double(info.st_size), "%.1f") + " MB, more than the " + megabytes(double(maxBytes), "%g") +
           " MB a file like it may have";
}

std::string BinaryProblem(std::string_view text) {
    return text.find('\0') == std::string_view::npos ? "" : "holds NUL bytes: it is a binary file, not text";
}

std::string TextFileProblem(const std::string& path, std::uintmax_t maxBytes) {
    std::string problem = SizeProblem(path, maxBytes);
    if (!problem.empty()) return problem;
    try {
        return BinaryProblem(modFile::ReadTextFile(path));
    } catch (const Failure&) {
        return "";  // unreadable: its opener tells why
    }
}

}  // namespace tarvik
