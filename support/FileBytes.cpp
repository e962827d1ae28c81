#include "support/FileBytes.h"

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

namespace tarvik {

namespace {

bool parentExists(const std::string& path) {
    std::filesystem::path parent = std::filesystem::path(path).parent_path();
    std::error_code error;
    return parent.empty() || std::filesystem::is_directory(parent, error);
}

// The failure for an open that failed with errno `error`.
Failure openFailure(const std::string& path, int error) {
    switch (error) {
    case ENOENT: return Failure(parentExists(path) ? FileNotFound : PathNotFound);
    case ENOTDIR: return Failure(PathNotFound);
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY: return Failure(PermissionDenied);
    case ENAMETOOLONG: return Failure(BadFileNameOrNumber);
    default: return Failure(PathFileAccessError);
    }
}

}  // namespace

std::FILE* OpenStream(const std::string& path, const char* fopenMode) {
    std::FILE* stream = std::fopen(path.c_str(), fopenMode);
    if (!stream) throw openFailure(path, errno);
    struct stat info;
    if (::fstat(::fileno(stream), &info) != 0 || S_ISDIR(info.st_mode)) {
        std::fclose(stream);
        throw Failure(PathFileAccessError);
    }
    return stream;
}

std::string ReadFileBytes(const std::string& path) {
    // A pipe or a device has no size to check first, and one like /dev/zero never ends.
    constexpr size_t kMaxUnsizedBytes = size_t(256) << 20;
    std::FILE* stream = OpenStream(path, "rb");
    struct stat info;
    bool sized = ::fstat(::fileno(stream), &info) == 0 && S_ISREG(info.st_mode);
    std::string bytes;
    char buffer[65536];
    size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, stream)) > 0) {
        bytes.append(buffer, count);
        if (!sized && bytes.size() > kMaxUnsizedBytes) {
            std::fclose(stream);
            throw Failure(PathFileAccessError);
        }
    }
    bool failed = std::ferror(stream) != 0;
    std::fclose(stream);
    if (failed) throw Failure(DeviceIOError);
    return bytes;
}

}  // namespace tarvik
