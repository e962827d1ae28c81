#include "support/FileTable.h"

#include <sys/stat.h>

#include <cstdio>
#include <map>

#include "support/FileBytes.h"
#include "support/TextDecode.h"

namespace tarvik {

namespace {

// The classic runtime's limit for FreeFile's first range.
constexpr std::int16_t kLastNumber = 255;

struct NumberedFile {
    FileMode mode;
    dev_t device = 0;
    ino_t inode = 0;
    std::FILE* handle = nullptr;  // every mode but Input
    std::string text;             // Input: the whole file, decoded
    size_t position = 0;
};

std::map<std::int16_t, NumberedFile>& table() {
    static std::map<std::int16_t, NumberedFile> files;
    return files;
}

bool writes(FileMode mode) { return mode == FileMode::Output || mode == FileMode::Append; }

// A file may be read by several numbers at once, but one being written belongs to one number only.
void checkNotOpenElsewhere(const std::string& path, FileMode mode) {
    struct stat info;
    if (::stat(path.c_str(), &info) != 0) return;
    for (const auto& [number, file] : table()) {
        if (file.device == info.st_dev && file.inode == info.st_ino && (writes(mode) || writes(file.mode))) {
            throw Failure(FileAlreadyOpen);
        }
    }
}

const char* fopenMode(FileMode mode) {
    if (mode == FileMode::Output) return "wb";
    if (mode == FileMode::Append) return "ab";
    return "r+b";
}

std::FILE* openHandle(const std::string& path, FileMode mode) {
    try {
        return OpenStream(path, fopenMode(mode));
    } catch (const Failure& failure) {
        // Binary and random access create a missing file.
        bool create = failure.Number == FileNotFound && (mode == FileMode::Binary || mode == FileMode::Random);
        if (!create) throw;
        return OpenStream(path, "w+b");
    }
}

NumberedFile& openedFile(std::int16_t number) {
    auto found = table().find(number);
    if (found == table().end()) throw Failure(BadFileNameOrNumber);
    return found->second;
}

NumberedFile& inputFile(std::int16_t number) {
    NumberedFile& file = openedFile(number);
    if (file.mode != FileMode::Input) throw Failure(BadFileMode);
    return file;
}

}  // namespace

std::int16_t FreeFile() {
    std::int16_t number = 1;
    for (const auto& entry : table()) {
        if (entry.first != number) break;
        ++number;
    }
    if (number > kLastNumber) throw Failure(TooManyFiles);
    return number;
}

void OpenNumbered(const std::string& path, FileMode mode, std::int16_t number) {
    if (number < 1 || number > kLastNumber || path.empty()) throw Failure(BadFileNameOrNumber);
    if (table().contains(number)) throw Failure(FileAlreadyOpen);
    checkNotOpenElsewhere(path, mode);

    NumberedFile file;
    file.mode = mode;
    if (mode == FileMode::Input) {
        file.text = DecodeText(ReadFileBytes(path));
    } else {
        file.handle = openHandle(path, mode);
    }
    struct stat info;
    if (::stat(path.c_str(), &info) == 0) {
        file.device = info.st_dev;
        file.inode = info.st_ino;
    }
    table().emplace(number, std::move(file));
}

void CloseNumbered(std::int16_t number) {
    auto found = table().find(number);
    if (found == table().end()) return;
    std::FILE* handle = found->second.handle;
    table().erase(found);
    if (handle && std::fclose(handle) != 0) throw Failure(DeviceIOError);
}

void PrintText(std::int16_t number, std::string_view text) {
    NumberedFile& file = openedFile(number);
    if (!file.handle) throw Failure(BadFileMode);
    if (std::fwrite(text.data(), 1, text.size(), file.handle) != text.size()) throw Failure(DeviceIOError);
}

void PrintLine(std::int16_t number, std::string_view text) {
    PrintText(number, text);
    PrintText(number, "\r\n");
}

std::string LineInput(std::int16_t number) {
    NumberedFile& file = inputFile(number);
    if (file.position >= file.text.size()) throw Failure(InputPastEndOfFile);
    // A line ends at CR LF or a CR alone, as Windows reads it, or at an LF alone, as Linux files end lines.
    size_t end = file.text.find_first_of("\r\n", file.position);
    if (end == std::string::npos) end = file.text.size();
    size_t next = end + (file.text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    std::string line = file.text.substr(file.position, end - file.position);
    file.position = next;
    return line;
}

bool AtEndOfFile(std::int16_t number) {
    const NumberedFile& file = inputFile(number);
    return file.position >= file.text.size();
}

}  // namespace tarvik
