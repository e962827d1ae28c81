#include "script/objects/filesystem.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fnmatch.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "script/values/convert.h"
#include "script/values/errors.h"
#include "script/objects/drive.h"
#include "script/objects/file_folder.h"
#include "script/objects/members.h"
#include "script/objects/paths.h"

namespace vbs {

namespace {

namespace fs = std::filesystem;

enum Id {
    None, FileExists, FolderExists, GetFile, GetFolder, OpenTextFile, CreateTextFile, DeleteFile,
    CopyFile, MoveFile, CreateFolder, DeleteFolder, BuildPath, GetFileName, GetBaseName,
    GetExtensionName, GetParentFolderName, GetAbsolutePathName, GetTempName, GetSpecialFolder, GetDriveName,
    CopyFolder, MoveFolder, Drives, DriveExists, GetDrive, GetStandardStream, GetFileVersion,
};

constexpr Member kMembers[] = {
    {},  // no default member
    {u"FileExists", 1, 1},
    {u"FolderExists", 1, 1},
    {u"GetFile", 1, 1},
    {u"GetFolder", 1, 1},
    {u"OpenTextFile", 1, 4},
    {u"CreateTextFile", 1, 3},
    {u"DeleteFile", 1, 2},
    {u"CopyFile", 2, 3},
    {u"MoveFile", 2, 2},
    {u"CreateFolder", 1, 1},
    {u"DeleteFolder", 1, 2},
    {u"BuildPath", 2, 2},
    {u"GetFileName", 1, 1},
    {u"GetBaseName", 1, 1},
    {u"GetExtensionName", 1, 1},
    {u"GetParentFolderName", 1, 1},
    {u"GetAbsolutePathName", 1, 1},
    {u"GetTempName", 0, 0},
    {u"GetSpecialFolder", 1, 1},
    {u"GetDriveName", 1, 1},
    {u"CopyFolder", 2, 3},
    {u"MoveFolder", 2, 2},
    {u"Drives", 0, 0, kReadOnly},
    {u"DriveExists", 1, 1},
    {u"GetDrive", 1, 1},
    {u"GetStandardStream", 1, 2},
    {u"GetFileVersion", 1, 1},
};
constexpr MemberTable kTable(kMembers);

constexpr int kTemporaryFolder = 2;

enum class Kind { Missing, File, Folder };

Kind kindOf(const std::string& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return Kind::Missing;
    return S_ISDIR(st.st_mode) ? Kind::Folder : Kind::File;
}

// Windows refuses to write a read-only file (70) even where POSIX would let this process.
void needWritable(const std::string& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) == 0 && !(st.st_mode & S_IWUSR)) raise(errPermissionDenied);
}

std::string pathArg(const Value& v) { return matchCase(absolutePath(toString(v).view())); }

bool boolArg(const Value* args, int argc, int i, bool fallback) {
    return hasArg(args, argc, i) ? toBool(args[i]) : fallback;
}

bool hasWildcard(const std::string& name) { return name.find_first_of("*?") != std::string::npos; }

bool endsInSeparator(std::u16string_view path) { return !path.empty() && isSeparator(path.back()); }

// A destination ending in a separator, or naming a folder, receives the source under its own name.
std::string destinationFor(std::u16string_view dest, const std::string& source) {
    std::string path = matchCase(absolutePath(dest));
    bool intoFolder = endsInSeparator(dest) || kindOf(path) == Kind::Folder;
    return intoFolder ? childPath(path, leafOf(source)) : path;
}

// The files (or folders) a source names: itself, or those its wildcard name matches; 53 (76 for
// folders) when there are none.
std::vector<std::string> sources(const std::string& pattern, Kind kind) {
    int none = kind == Kind::File ? errFileNotFound : errPathNotFound;
    std::string leaf = leafOf(pattern);
    if (!hasWildcard(leaf)) {
        if (kindOf(pattern) != kind) raise(none);
        return {pattern};
    }
    // Windows matches wildcards without regard to case, and "[" is an ordinary character to it.
    std::string glob;
    for (char c : leaf) glob += c == '[' ? std::string("[[]") : std::string(1, c);
    std::vector<std::string> found;
    std::error_code ec;
    for (fs::directory_iterator it(folderOf(pattern), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        bool wanted = kind == Kind::File ? it->is_regular_file(typeError) : it->is_directory(typeError);
        if (wanted && fnmatch(glob.c_str(), it->path().filename().c_str(), FNM_CASEFOLD | FNM_NOESCAPE) == 0)
            found.push_back(it->path().string());
    }
    if (found.empty()) raise(none);
    return found;
}

// The existing folder that wildcard sources, or a destination ending in a separator, go into.
std::string intoFolder(std::u16string_view dest, const std::string& source) {
    std::string folder = matchCase(absolutePath(dest));
    if (kindOf(folder) != Kind::Folder) raise(errPathNotFound);
    return childPath(folder, leafOf(source));
}

// Where each file goes: with wildcards the destination is always a folder.
std::string targetFor(std::u16string_view dest, const std::string& pattern, const std::string& source) {
    return hasWildcard(leafOf(pattern)) ? intoFolder(dest, source) : destinationFor(dest, source);
}

// Where each folder goes: into the destination with wildcards or a final separator, else to it.
std::string folderTargetFor(std::u16string_view dest, const std::string& pattern, const std::string& source) {
    bool into = hasWildcard(leafOf(pattern)) || endsInSeparator(dest);
    return into ? intoFolder(dest, source) : matchCase(absolutePath(dest));
}

void deleteFiles(const std::string& pattern, bool force) {
    for (const std::string& path : sources(pattern, Kind::File)) deleteFile(path, force);
}

void copyFile(const std::string& from, const std::string& to, bool overwrite) {
    if (kindOf(from) != Kind::File) raise(errFileNotFound);
    Kind target = kindOf(to);
    if (target == Kind::Folder) raise(errPermissionDenied);
    if (target == Kind::File && !overwrite) raise(errFileExists);
    if (target == Kind::File) needWritable(to);
    std::error_code ec;
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
    if (ec) raiseFileError(ec.value() == ENOENT ? ENOTDIR : ec.value());
}

void moveFile(const std::string& from, const std::string& to) {
    if (kindOf(from) != Kind::File) raise(errFileNotFound);
    if (kindOf(to) != Kind::Missing) raise(errFileExists);
    if (std::rename(from.c_str(), to.c_str()) == 0) return;
    if (errno != EXDEV) raiseFileError(errno == ENOENT ? ENOTDIR : errno);
    copyFile(from, to, false);  // another file system: copy, then remove the original
    if (::unlink(from.c_str()) != 0) raiseFileError(errno);
}

// Copies a folder's contents into `to`, made when missing; an existing file there raises 58.
void copyTree(const std::string& from, const std::string& to, bool overwrite) {
    if (to == from || to.starts_with(from + "/")) raise(errPermissionDenied);  // would never end
    Kind target = kindOf(to);
    if (target == Kind::File) raise(errFileExists);
    if (target == Kind::Missing && ::mkdir(to.c_str(), 0777) != 0) raiseFileError(errno == ENOENT ? ENOTDIR : errno, true);
    std::error_code ec;
    for (fs::directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        std::string name = it->path().filename().string();
        if (it->is_directory(typeError)) copyTree(it->path().string(), to + "/" + name, overwrite);
        else if (it->is_regular_file(typeError)) copyFile(it->path().string(), to + "/" + name, overwrite);
    }
    if (ec) raiseFileError(ec.value(), true);
}

void moveFolder(const std::string& from, const std::string& to) {
    if (kindOf(to) != Kind::Missing) raise(errFileExists);
    if (std::rename(from.c_str(), to.c_str()) == 0) return;
    if (errno != EXDEV) raiseFileError(errno == ENOENT ? ENOTDIR : errno, true);
    copyTree(from, to, false);  // another file system: copy, then remove the original
    deleteFolder(from);
}

// "rad" and five hex digits, as Windows names them.
String tempName() {
    thread_local std::mt19937 random{std::random_device{}()};
    static constexpr char16_t kHex[] = u"0123456789ABCDEF";
    char16_t name[] = u"radXXXXX.tmp";
    for (int i = 3; i < 8; ++i) name[i] = kHex[random() & 15];
    return String(name);
}

}  // namespace

Value createFolder(const std::string& path) {
    if (kindOf(path) != Kind::Missing) raise(errFileExists);
    if (::mkdir(path.c_str(), 0777) != 0) raiseFileError(errno == ENOENT ? ENOTDIR : errno, true);
    return makeFolder(path);
}

void copyFolderTo(const std::string& from, std::u16string_view dest, bool overwrite) {
    copyTree(from, folderTargetFor(dest, from, from), overwrite);
}

std::string moveFolderTo(const std::string& from, std::u16string_view dest) {
    std::string to = folderTargetFor(dest, from, from);
    moveFolder(from, to);
    return to;
}

Value createTextFile(const std::string& path, bool overwrite, bool unicode) {
    Kind existing = kindOf(path);
    if (existing == Kind::Folder) raise(errPermissionDenied);
    if (existing == Kind::File && !overwrite) raise(errFileExists);
    if (existing == Kind::File) needWritable(path);
    return TextStream::open(path, ForWriting, unicode);
}

void deleteFile(const std::string& path, bool force) {
    if (!force) needWritable(path);  // a read-only file stays unless forced
    if (::unlink(path.c_str()) != 0) raiseFileError(errno);
}

void copyFileTo(const std::string& from, std::u16string_view dest, bool overwrite) {
    copyFile(from, destinationFor(dest, from), overwrite);
}

std::string moveFileTo(const std::string& from, std::u16string_view dest) {
    std::string to = destinationFor(dest, from);
    moveFile(from, to);
    return to;
}

Value openTextFile(const std::string& path, IoMode mode, bool create, int format) {
    if (format != 0 && format != -1 && format != -2) raise(errInvalidCall);
    Kind kind = kindOf(path);
    if (kind == Kind::Folder) raise(errPermissionDenied);
    if (kind == Kind::File && mode != ForReading) needWritable(path);
    if (kind == Kind::Missing) {
        if (!create) raise(errFileNotFound);
        // Windows creates the file whatever the mode, so reading a new one finds it empty.
        if (mode == ForReading) TextStream::open(path, ForWriting, false);
    }
    return TextStream::open(path, mode, format == -1);
}

void deleteFolder(const std::string& path) {
    for (const std::string& folder : sources(path, Kind::Folder)) {
        std::error_code ec;
        fs::remove_all(folder, ec);
        if (ec) raiseFileError(ec.value(), true);
    }
}

FileSystem::FileSystem(Host* host) : TableObject(kTable), host_(host) {}

void FileSystem::call(int id, Invoke /*kind*/, Value* args, int argc, Value& result) {
    switch (static_cast<Id>(id)) {
        case None: return;  // not reached: check() rejects it
        case FileExists: result = Value::boolean(kindOf(pathArg(args[0])) == Kind::File); return;
        case FolderExists: result = Value::boolean(kindOf(pathArg(args[0])) == Kind::Folder); return;
        case GetFile: {
            std::string path = pathArg(args[0]);
            if (kindOf(path) != Kind::File) raise(errFileNotFound);
            result = makeFile(std::move(path));
            return;
        }
        case GetFolder: {
            std::string path = pathArg(args[0]);
            if (kindOf(path) != Kind::Folder) raise(errPathNotFound);
            result = makeFolder(std::move(path));
            return;
        }
        case OpenTextFile: {
            int mode = hasArg(args, argc, 1) ? toLong(args[1]) : ForReading;
            if (mode != ForReading && mode != ForWriting && mode != ForAppending) raise(errInvalidCall);
            int format = hasArg(args, argc, 3) ? toLong(args[3]) : 0;
            result = openTextFile(pathArg(args[0]), static_cast<IoMode>(mode), boolArg(args, argc, 2, false), format);
            return;
        }
        case CreateTextFile:
            result = createTextFile(pathArg(args[0]), boolArg(args, argc, 1, true), boolArg(args, argc, 2, false));
            return;
        case DeleteFile: deleteFiles(pathArg(args[0]), boolArg(args, argc, 1, false)); return;
        case CopyFile: {
            std::string pattern = pathArg(args[0]);
            String dest = toString(args[1]);
            bool overwrite = boolArg(args, argc, 2, true);
            for (const std::string& from : sources(pattern, Kind::File)) copyFile(from, targetFor(dest.view(), pattern, from), overwrite);
            return;
        }
        case MoveFile: {
            std::string pattern = pathArg(args[0]);
            String dest = toString(args[1]);
            for (const std::string& from : sources(pattern, Kind::File)) moveFile(from, targetFor(dest.view(), pattern, from));
            return;
        }
        case CreateFolder: result = createFolder(pathArg(args[0])); return;
        case DeleteFolder: deleteFolder(pathArg(args[0])); return;
        case CopyFolder: {
            std::string pattern = pathArg(args[0]);
            String dest = toString(args[1]);
            bool overwrite = boolArg(args, argc, 2, true);
            for (const std::string& from : sources(pattern, Kind::Folder))
                copyTree(from, folderTargetFor(dest.view(), pattern, from), overwrite);
            return;
        }
        case MoveFolder: {
            std::string pattern = pathArg(args[0]);
            String dest = toString(args[1]);
            for (const std::string& from : sources(pattern, Kind::Folder))
                moveFolder(from, folderTargetFor(dest.view(), pattern, from));
            return;
        }
        case BuildPath: result = Value(joinPath(toString(args[0]).view(), toString(args[1]).view())); return;
        case GetFileName: result = Value(fileNamePart(toString(args[0]).view())); return;
        case GetBaseName: result = Value(baseNamePart(toString(args[0]).view())); return;
        case GetExtensionName: result = Value(extensionPart(toString(args[0]).view())); return;
        case GetParentFolderName: result = Value(parentPart(toString(args[0]).view())); return;
        case GetDriveName: result = Value(drivePart(toString(args[0]).view())); return;
        case GetAbsolutePathName: result = Value(scriptPath(pathArg(args[0]))); return;
        case GetTempName: result = Value(tempName()); return;
        case Drives: result = makeDrives(); return;
        case DriveExists: result = Value::boolean(isDriveName(toString(args[0]).view())); return;
        case GetDrive: {
            String spec = toString(args[0]);
            if (isDriveName(spec.view())) result = makeDrive();
            else raise(drivePart(spec.view()).size() == 2 || spec.view().size() == 1 ? 68 : errInvalidCall);  // Device unavailable
            return;
        }
        case GetStandardStream: {
            int which = toLong(args[0]);
            if (which < 0 || which > 2) raise(errInvalidCall);
            if (Object* stream = host_ ? host_->standardStream(which) : nullptr) {
                result = Value::object(stream);
                return;
            }
            ScriptError e;
            e.number = -2147024890;
            e.description = u"The handle is invalid.";
            throw e;
        }
        case GetFileVersion:
            if (kindOf(pathArg(args[0])) != Kind::File) raise(errFileNotFound);
            result = Value(String());  // no version resource in files here
            return;
        case GetSpecialFolder: {
            int32_t which = toLong(args[0]);
            if (which < 0 || which > kTemporaryFolder) raise(errInvalidCall);
            result = makeFolder(which == kTemporaryFolder ? temporaryFolder() : which ? kSystemFolder : kWindowsFolder);
            return;
        }
    }
}

}  // namespace vbs
