#include "script/objects/filesystem.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fnmatch.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "script/convert.h"
#include "script/errors.h"
#include "script/objects/file_folder.h"
#include "script/objects/members.h"
#include "script/objects/paths.h"

namespace vbs {

namespace {

namespace fs = std::filesystem;

enum Id {
    None, FileExists, FolderExists, GetFile, GetFolder, OpenTextFile, CreateTextFile, DeleteFile,
    CopyFile, MoveFile, CreateFolder, DeleteFolder, BuildPath, GetFileName, GetBaseName,
    GetExtensionName, GetParentFolderName, GetAbsolutePathName, GetTempName, GetSpecialFolder,
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
};
constexpr MemberTable kTable(kMembers);

constexpr int kTemporaryFolder = 2;

enum class Kind { Missing, File, Folder };

Kind kindOf(const std::string& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return Kind::Missing;
    return S_ISDIR(st.st_mode) ? Kind::Folder : Kind::File;
}

std::string pathArg(const Value& v) { return matchCase(absolutePath(toString(v).view())); }

bool boolArg(const Value* args, int argc, int i, bool fallback) {
    return hasArg(args, argc, i) ? toBool(args[i]) : fallback;
}

bool hasWildcard(const std::string& name) { return name.find_first_of("*?") != std::string::npos; }

// A destination ending in a separator, or naming a folder, receives the source under its own name.
std::string destinationFor(std::u16string_view dest, const std::string& source) {
    std::string path = matchCase(absolutePath(dest));
    bool intoFolder = (!dest.empty() && (dest.back() == u'\\' || dest.back() == u'/')) || kindOf(path) == Kind::Folder;
    return intoFolder ? (path == "/" ? "" : path) + "/" + leafOf(source) : path;
}

void deleteFiles(const std::string& spec) {
    std::string leaf = leafOf(spec);
    if (!hasWildcard(leaf)) {
        if (kindOf(spec) != Kind::File) raise(errFileNotFound);
        if (::unlink(spec.c_str()) != 0) raiseFileError(errno);
        return;
    }
    // Windows matches wildcards without regard to case.
    std::error_code ec;
    bool any = false;
    for (fs::directory_iterator it(folderOf(spec), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError) || fnmatch(leaf.c_str(), it->path().filename().c_str(), FNM_CASEFOLD) != 0)
            continue;
        any = true;
        if (::unlink(it->path().c_str()) != 0) raiseFileError(errno);
    }
    if (!any) raise(errFileNotFound);
}

void copyFile(const std::string& from, const std::string& to, bool overwrite) {
    if (kindOf(from) != Kind::File) raise(errFileNotFound);
    Kind target = kindOf(to);
    if (target == Kind::Folder) raise(errPermissionDenied);
    if (target == Kind::File && !overwrite) raise(errFileExists);
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

Value createFolder(const std::string& path) {
    if (kindOf(path) != Kind::Missing) raise(errFileExists);
    if (::mkdir(path.c_str(), 0777) != 0) raiseFileError(errno == ENOENT ? ENOTDIR : errno, true);
    return makeFolder(path);
}

// "rad" and five hex digits, as Windows names them.
String tempName() {
    thread_local std::mt19937 random{std::random_device{}()};
    static constexpr char16_t kHex[] = u"0123456789ABCDEF";
    char16_t name[] = u"radXXXXX.tmp";
    for (int i = 3; i < 8; ++i) name[i] = kHex[random() & 15];
    return String(name);
}

std::string temporaryFolder() {
    const char* tmp = std::getenv("TMPDIR");
    return absolutePath(utf8ToUtf16(tmp && *tmp ? tmp : "/tmp"));
}

}  // namespace

Value openTextFile(const std::string& path, IoMode mode, bool create, int format) {
    if (format != 0 && format != -1 && format != -2) raise(errInvalidCall);
    Kind kind = kindOf(path);
    if (kind == Kind::Folder) raise(errPermissionDenied);
    if (kind == Kind::Missing && (mode == ForReading || !create)) raise(errFileNotFound);
    return TextStream::open(path, mode, format == -1);
}

void deleteFolder(const std::string& path) {
    if (kindOf(path) != Kind::Folder) raise(errPathNotFound);
    std::error_code ec;
    fs::remove_all(path, ec);
    if (ec) raiseFileError(ec.value(), true);
}

FileSystem::FileSystem() : TableObject(kTable) {}

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
        case CreateTextFile: {
            std::string path = pathArg(args[0]);
            Kind existing = kindOf(path);
            if (existing == Kind::Folder) raise(errPermissionDenied);
            if (existing == Kind::File && !boolArg(args, argc, 1, true)) raise(errFileExists);
            result = TextStream::open(path, ForWriting, boolArg(args, argc, 2, false));
            return;
        }
        case DeleteFile: deleteFiles(pathArg(args[0])); return;
        case CopyFile: {
            std::string from = pathArg(args[0]);
            copyFile(from, destinationFor(toString(args[1]).view(), from), boolArg(args, argc, 2, true));
            return;
        }
        case MoveFile: {
            std::string from = pathArg(args[0]);
            moveFile(from, destinationFor(toString(args[1]).view(), from));
            return;
        }
        case CreateFolder: result = createFolder(pathArg(args[0])); return;
        case DeleteFolder: deleteFolder(pathArg(args[0])); return;
        case BuildPath: result = Value(joinPath(toString(args[0]).view(), toString(args[1]).view())); return;
        case GetFileName: result = Value(fileNamePart(toString(args[0]).view())); return;
        case GetBaseName: result = Value(baseNamePart(toString(args[0]).view())); return;
        case GetExtensionName: result = Value(extensionPart(toString(args[0]).view())); return;
        case GetParentFolderName: result = Value(parentPart(toString(args[0]).view())); return;
        case GetAbsolutePathName: result = Value(scriptPath(pathArg(args[0]))); return;
        case GetTempName: result = Value(tempName()); return;
        case GetSpecialFolder:
            if (toLong(args[0]) != kTemporaryFolder) raise(errInvalidCall);
            result = makeFolder(temporaryFolder());
            return;
    }
}

}  // namespace vbs
