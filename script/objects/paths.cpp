#include "script/objects/paths.h"

#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "script/values/errors.h"
#include "script/values/text.h"

namespace vbs {

bool isSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

namespace {

bool hasDrive(std::u16string_view p) {
    return p.size() >= 2 && p[1] == u':' && ((p[0] | 0x20) >= u'a' && (p[0] | 0x20) <= u'z');
}

// Length of the root: "C:\", "C:", "\" or nothing.
size_t rootLength(std::u16string_view p) {
    size_t n = hasDrive(p) ? 2 : 0;
    if (n < p.size() && isSeparator(p[n])) ++n;
    return n;
}

// The path without trailing separators, keeping the root.
std::u16string_view trimmed(std::u16string_view p) {
    size_t root = rootLength(p);
    size_t end = p.size();
    while (end > root && isSeparator(p[end - 1])) --end;
    return p.substr(0, end);
}

// Where the last component of a trimmed path starts.
size_t nameStart(std::u16string_view t) {
    size_t root = rootLength(t);
    size_t i = t.size();
    while (i > root && !isSeparator(t[i - 1])) --i;
    return i;
}

}  // namespace

std::string nativePath(std::u16string_view path) {
    // A NUL would cut the POSIX path short: "keep.txt\0.bak" must not name keep.txt.
    if (path.find(u'\0') != std::u16string_view::npos) raise(errBadFileName);
    if (hasDrive(path)) path.remove_prefix(2);
    std::u16string p(path);
    for (char16_t& c : p)
        if (c == u'\\') c = u'/';
    return utf16ToUtf8(p);
}

std::string absolutePath(std::u16string_view path) {
    std::string p = nativePath(path);
    if (p.empty() || p[0] != '/') {
        std::string cwd(4096, '\0');
        if (!getcwd(cwd.data(), cwd.size())) raiseFileError(errno, true);
        cwd.resize(cwd.find('\0'));
        p = cwd + "/" + p;
    }
    std::vector<std::string_view> parts;
    std::string_view rest(p);
    while (!rest.empty()) {
        size_t slash = rest.find('/');
        std::string_view part = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }
    std::string out;
    for (std::string_view part : parts) {
        out += '/';
        out += part;
    }
    return out.empty() ? "/" : out;
}

std::string matchCase(std::string path) {
    struct stat st;
    if (::stat(path.c_str(), &st) == 0 || path.size() < 2) return path;
    std::string out;
    size_t start = 1;
    while (start <= path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string::npos) end = path.size();
        std::string name = path.substr(start, end - start);
        std::string folder = out.empty() ? "/" : out;
        std::string candidate = out + "/" + name;
        if (::stat(candidate.c_str(), &st) != 0) {
            // Scan the folder once for the same name in another case; stop descending if absent.
            std::u16string wanted = utf8ToUtf16(name);
            bool found = false;
            if (DIR* d = ::opendir(folder.c_str())) {
                while (dirent* e = ::readdir(d))
                    if (equalsIgnoreCase(utf8ToUtf16(e->d_name), wanted)) {
                        candidate = out + "/" + e->d_name;
                        found = true;
                        break;
                    }
                ::closedir(d);
            }
            if (!found) return candidate + path.substr(end);
        }
        out = std::move(candidate);
        start = end + 1;
    }
    return out;
}

std::u16string_view fileNamePart(std::u16string_view path) {
    std::u16string_view t = trimmed(path);
    size_t start = nameStart(t);
    if (start == 0 && hasDrive(t)) return {};
    return t.substr(start);
}

std::u16string_view parentPart(std::u16string_view path) {
    std::u16string_view t = trimmed(path);
    size_t start = nameStart(t);
    if (start == t.size()) return {};  // a root has no parent
    std::u16string_view parent = trimmed(t.substr(0, start));
    return parent;
}

std::u16string_view baseNamePart(std::u16string_view path) {
    std::u16string_view name = fileNamePart(path);
    size_t dot = name.rfind(u'.');
    return dot == std::u16string_view::npos ? name : name.substr(0, dot);
}

std::u16string_view extensionPart(std::u16string_view path) {
    std::u16string_view name = fileNamePart(path);
    size_t dot = name.rfind(u'.');
    return dot == std::u16string_view::npos ? std::u16string_view() : name.substr(dot + 1);
}

// "C:" of "C:\a", "\\server\share" of a network path, else nothing.
std::u16string_view drivePart(std::u16string_view path) {
    if (hasDrive(path)) return path.substr(0, 2);
    if (path.size() < 3 || !isSeparator(path[0]) || !isSeparator(path[1])) return {};
    size_t end = 2;
    for (int part = 0; part < 2; ++part) {
        while (end < path.size() && !isSeparator(path[end])) ++end;
        if (part == 0 && end < path.size()) ++end;
    }
    return path.substr(0, end);
}

String joinPath(std::u16string_view folder, std::u16string_view name) {
    if (folder.empty()) return String(name);
    if (name.empty()) return String(folder);
    bool folderEnds = isSeparator(folder.back()) || (folder.size() == 2 && hasDrive(folder));
    if (folderEnds || isSeparator(name.front())) {
        if (folderEnds && isSeparator(name.front())) name.remove_prefix(1);
        return String::concat(folder, name);
    }
    // Keep to the separator the folder already uses.
    bool posix = folder.find(u'/') != std::u16string_view::npos && folder.find(u'\\') == std::u16string_view::npos;
    String out(folder);
    out.append(posix ? u"/" : u"\\");
    out.append(name);
    return out;
}

std::string folderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == 0 || slash == std::string::npos ? "/" : path.substr(0, slash);
}

std::string leafOf(const std::string& path) { return path.substr(path.rfind('/') + 1); }

std::string childPath(const std::string& folder, const std::string& name) {
    return (folder == "/" ? "" : folder) + "/" + name;
}

String scriptPath(const std::string& native) {
    std::u16string p = utf8ToUtf16(native);
    for (char16_t& c : p)
        if (c == u'/') c = u'\\';
    if (p.starts_with(u'\\') && !p.starts_with(u"\\\\")) p.insert(0, u"C:");
    return String(p);
}

std::string temporaryFolder() {
    const char* tmp = std::getenv("TMPDIR");
    return absolutePath(utf8ToUtf16(tmp && *tmp ? tmp : "/tmp"));
}

void raiseFileError(int err, bool folder) {
    switch (err) {
        case ENOENT: raise(folder ? errPathNotFound : errFileNotFound);
        case ENOTDIR: raise(errPathNotFound);
        case EEXIST: raise(errFileExists);
        case ENOSPC: raise(61);  // Disk full
        default: raise(errPermissionDenied);
    }
}

}  // namespace vbs
