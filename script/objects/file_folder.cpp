#include "script/objects/file_folder.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "script/values/convert.h"
#include "script/values/datetime.h"
#include "script/values/errors.h"
#include "script/values/object.h"
#include "script/objects/drive.h"
#include "script/objects/filesystem.h"
#include "script/objects/members.h"
#include "script/objects/paths.h"
#include "script/values/text.h"

namespace vbs {

namespace {

namespace fs = std::filesystem;

// Nothing for the root, as Windows answers for a drive's root folder.
Value parentOf(const std::string& path) {
    return path == "/" ? Value::object(nullptr) : makeFolder(folderOf(path));
}

// Local time, as Windows reports file times.
double localSerial(time_t t) {
    tm parts;
    localtime_r(&t, &parts);
    return joinDateTime(makeDate(parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday),
                        makeTime(parts.tm_hour, parts.tm_min, parts.tm_sec));
}

// Birth time where the file system keeps one, else the last status change.
time_t createdTime(const std::string& path) {
    struct statx sx;
    if (::statx(AT_FDCWD, path.c_str(), 0, STATX_BTIME | STATX_CTIME, &sx) != 0) raiseFileError(errno);
    return sx.stx_mask & STATX_BTIME ? sx.stx_btime.tv_sec : sx.stx_ctime.tv_sec;
}

struct stat statusOf(const std::string& path, bool folder) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) raiseFileError(errno, folder);
    return st;
}

// A Long while it fits, as Windows hands out sizes.
Value sizeValue(double size) { return size <= 2147483647.0 ? Value::lng(static_cast<int32_t>(size)) : Value::dbl(size); }

// Setting Name renames in place; a name already there raises 58. Answers the new path.
std::string renamed(const std::string& path, const Value& name, bool folder) {
    std::string leaf = nativePath(toString(name).view());
    if (leaf.empty() || leaf.find('/') != std::string::npos) raise(errBadFileName);
    std::string to = childPath(folderOf(path), leaf);
    struct stat st;
    if (to != path && ::stat(to.c_str(), &st) == 0) raise(errFileExists);
    if (std::rename(path.c_str(), to.c_str()) != 0) raiseFileError(errno, folder);
    return to;
}

// Windows' attribute bits: ReadOnly when the owner may not write, Directory, and Archive, which
// Windows sets on every file written. Setting them changes only ReadOnly.
constexpr int32_t kReadOnlyBit = 1, kDirectoryBit = 16, kArchiveBit = 32;

int32_t attributesOf(const std::string& path, bool folder) {
    int32_t bits = folder ? kDirectoryBit : kArchiveBit;
    return statusOf(path, folder).st_mode & S_IWUSR ? bits : bits | kReadOnlyBit;
}

void setAttributes(const std::string& path, bool folder, const Value& value) {
    mode_t mode = statusOf(path, folder).st_mode & 07777;
    mode = toLong(value) & kReadOnlyBit ? mode & ~(S_IWUSR | S_IWGRP | S_IWOTH) : mode | S_IWUSR;
    if (::chmod(path.c_str(), mode) != 0) raiseFileError(errno, folder);
}

// The MS-DOS name Windows gives a name that is not one already: six letters of the base, "~1",
// three of the extension, in capitals. The number assumes no other name shares the stem.
std::u16string shortName(std::u16string_view name) {
    auto allowed = [](char16_t c) {
        return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
               std::u16string_view(u"!#$%&'()-@^_`{}~").find(c) != std::u16string_view::npos;
    };
    size_t dot = name.rfind(u'.');
    std::u16string_view base = dot == std::u16string_view::npos ? name : name.substr(0, dot);
    std::u16string_view ext = dot == std::u16string_view::npos ? std::u16string_view() : name.substr(dot + 1);
    bool fits = !base.empty() && base.size() <= 8 && ext.size() <= 3 && std::all_of(base.begin(), base.end(), allowed) &&
                std::all_of(ext.begin(), ext.end(), allowed);
    if (fits || name == u"." || name == u"..") return std::u16string(name);
    auto squeeze = [&](std::u16string_view part, size_t most) {
        std::u16string out;
        for (char16_t c : part)
            if (allowed(c) && out.size() < most) out += toUpper(c);
        return out;
    };
    std::u16string out = squeeze(base, 6) + u"~1";
    std::u16string tail = squeeze(ext, 3);
    return tail.empty() ? out : out + u"." + tail;
}

String shortPath(const std::string& path) {
    std::u16string out;
    std::u16string full = utf8ToUtf16(path);
    for (size_t start = 1; start <= full.size();) {
        size_t end = std::min(full.find(u'/', start), full.size());
        out += u'/';
        out += shortName(std::u16string_view(full).substr(start, end - start));
        start = end + 1;
    }
    return scriptPath(utf16ToUtf8(out.empty() ? u"/" : out));  // shown as every path is
}

// The type Explorer shows: a few registered ones, else "EXT File".
String fileType(const std::string& path) {
    std::u16string name = utf8ToUtf16(leafOf(path));
    std::u16string_view ext = extensionPart(name);
    static constexpr std::pair<std::u16string_view, std::u16string_view> kTypes[] = {
        {u"txt", u"Text Document"}, {u"log", u"Text Document"}, {u"vbs", u"VBScript Script File"},
        {u"ini", u"Configuration settings"}, {u"js", u"JScript Script File"}, {u"bat", u"Windows Batch File"},
    };
    for (auto [e, type] : kTypes)
        if (equalsIgnoreCase(e, ext)) return String(type);
    if (ext.empty()) return String(u"File");
    std::u16string out;
    for (char16_t c : ext) out += toUpper(c);
    return String(out + u" File");
}

class File final : public TableObject {
public:
    explicit File(std::string path) : TableObject(kTable), path_(std::move(path)) {}
    std::u16string_view typeName() const override { return u"File"; }
    void call(int id, Invoke kind, Value* args, int argc, Value& result) override {
        switch (static_cast<Id>(id)) {
            case Path: result = Value(scriptPath(path_)); return;
            case Name:
                if (kind == Invoke::Let) path_ = renamed(path_, args[0], false);
                else result = Value(scriptPath(leafOf(path_)));
                return;
            case Size: result = sizeValue(static_cast<double>(statusOf(path_, false).st_size)); return;
            case DateLastModified: result = Value::date(localSerial(statusOf(path_, false).st_mtime)); return;
            case DateLastAccessed: result = Value::date(localSerial(statusOf(path_, false).st_atime)); return;
            case DateCreated: result = Value::date(localSerial(createdTime(path_))); return;
            case Copy: copyFileTo(path_, toString(args[0]).view(), !hasArg(args, argc, 1) || toBool(args[1])); return;
            case Move: path_ = moveFileTo(path_, toString(args[0]).view()); return;
            case Attributes:
                if (kind == Invoke::Let) setAttributes(path_, false, args[0]);
                else result = Value::lng(attributesOf(path_, false));
                return;
            case ParentFolder: result = parentOf(path_); return;
            case OpenAsTextStream: {
                int mode = hasArg(args, argc, 0) ? toLong(args[0]) : ForReading;
                int format = hasArg(args, argc, 1) ? toLong(args[1]) : 0;
                if (mode != ForReading && mode != ForWriting && mode != ForAppending) raise(errInvalidCall);
                result = openTextFile(path_, static_cast<IoMode>(mode), false, format);
                return;
            }
            case Delete: deleteFile(path_, hasArg(args, argc, 0) && toBool(args[0])); return;
            case ShortName: result = Value(String(shortName(utf8ToUtf16(leafOf(path_))))); return;
            case ShortPath: result = Value(shortPath(path_)); return;
            case Type: result = Value(fileType(path_)); return;
            case Drive: result = makeDrive(); return;
        }
    }

private:
    enum Id {
        Path, Name, Size, DateLastModified, ParentFolder, OpenAsTextStream, Delete, DateLastAccessed, DateCreated, Copy, Move,
        Attributes, ShortName, ShortPath, Type, Drive,
    };
    static constexpr Member kMembers[] = {
        {u"Path", 0, 0, kReadOnly}, {u"Name", 0, 0, kReadWrite}, {u"Size", 0, 0, kReadOnly}, {u"DateLastModified", 0, 0, kReadOnly},
        {u"ParentFolder", 0, 0, kReadOnly}, {u"OpenAsTextStream", 0, 2}, {u"Delete", 0, 1},
        {u"DateLastAccessed", 0, 0, kReadOnly}, {u"DateCreated", 0, 0, kReadOnly}, {u"Copy", 1, 2}, {u"Move", 1, 1},
        {u"Attributes", 0, 0, kReadWrite}, {u"ShortName", 0, 0, kReadOnly}, {u"ShortPath", 0, 0, kReadOnly},
        {u"Type", 0, 0, kReadOnly}, {u"Drive", 0, 0, kReadOnly},
    };
    static constexpr MemberTable kTable{kMembers};
    std::string path_;
};

// NTFS keeps names in the order of their upper-case code units, so "_" sorts after letters.
bool byFolderOrder(const std::u16string& a, const std::u16string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char16_t x, char16_t y) { return toUpper(x) < toUpper(y); });
}

// Files or SubFolders of a folder, as listed when asked for: Windows' order, names compared
// without regard to case.
class FolderItems final : public TableObject {
public:
    FolderItems(const std::string& folder, bool folders)
        : TableObject(kTable), folder_(folder), folders_(folders) {
        std::error_code ec;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
            std::error_code typeError;
            bool isDir = it->is_directory(typeError);
            if (!typeError && (folders ? isDir : it->is_regular_file(typeError)))
                names_.push_back(utf8ToUtf16(it->path().filename().string()));
        }
        if (ec) raiseFileError(ec.value(), true);
        std::sort(names_.begin(), names_.end(), byFolderOrder);
    }

    std::u16string_view typeName() const override { return folders_ ? u"Folders" : u"Files"; }
    void call(int id, Invoke /*kind*/, Value* args, int /*argc*/, Value& result) override {
        if (id == Count) {
            result = Value::lng(static_cast<int32_t>(names_.size()));
            return;
        }
        String name = toString(args[0]);
        if (id == Add) {
            if (!folders_) raise(errNoSuchMember);
            result = createFolder(matchCase(absolutePath(joinPath(scriptPath(folder_).view(), name.view()).view())));
            names_.push_back(std::u16string(fileNamePart(name.view())));
            std::sort(names_.begin(), names_.end(), byFolderOrder);
            return;
        }
        for (const std::u16string& n : names_)
            if (equalsIgnoreCase(n, name.view())) {
                result = item(n);
                return;
            }
        raise(folders_ ? errPathNotFound : errFileNotFound);
    }

    std::unique_ptr<Enumerator> enumerate() override {
        struct Items final : Enumerator {
            Ref<FolderItems> owner;
            size_t i = 0;
            bool next(Value& out) override {
                if (i == owner->names_.size()) return false;
                out = owner->item(owner->names_[i++]);
                return true;
            }
        };
        auto e = std::make_unique<Items>();
        e->owner = Ref<FolderItems>(this);
        return e;
    }

private:
    Value item(const std::u16string& name) const {
        std::string path = childPath(folder_, utf16ToUtf8(name));
        return folders_ ? makeFolder(path) : makeFile(path);
    }

    enum Id { Item, Count, Add };
    static constexpr Member kMembers[] = {{u"Item", 1, 1, kReadOnly}, {u"Count", 0, 0, kReadOnly}, {u"Add", 1, 1}};
    static constexpr MemberTable kTable{kMembers};
    std::string folder_;
    bool folders_;
    std::vector<std::u16string> names_;
};

class Folder final : public TableObject {
public:
    explicit Folder(std::string path) : TableObject(kTable), path_(std::move(path)) {}
    std::u16string_view typeName() const override { return u"Folder"; }
    void call(int id, Invoke kind, Value* args, int argc, Value& result) override {
        switch (static_cast<Id>(id)) {
            case Path: result = Value(scriptPath(path_)); return;
            case Name:
                if (kind == Invoke::Let) path_ = renamed(path_, args[0], true);
                else result = Value(scriptPath(leafOf(path_)));
                return;
            case Files: result = Value::object(new FolderItems(path_, false)); return;
            case SubFolders: result = Value::object(new FolderItems(path_, true)); return;
            case ParentFolder: result = parentOf(path_); return;
            case Delete: deleteFolder(path_); return;
            case DateLastModified: result = Value::date(localSerial(statusOf(path_, true).st_mtime)); return;
            case DateLastAccessed: result = Value::date(localSerial(statusOf(path_, true).st_atime)); return;
            case DateCreated: result = Value::date(localSerial(createdTime(path_))); return;
            case IsRootFolder: result = Value::boolean(path_ == "/"); return;
            case Size: result = sizeValue(totalSize()); return;
            case Attributes:
                if (kind == Invoke::Let) setAttributes(path_, true, args[0]);
                else result = Value::lng(attributesOf(path_, true));
                return;
            case Copy: copyFolderTo(path_, toString(args[0]).view(), !hasArg(args, argc, 1) || toBool(args[1])); return;
            case Move: path_ = moveFolderTo(path_, toString(args[0]).view()); return;
            case CreateTextFile: {
                String name = toString(args[0]);
                std::string path = matchCase(absolutePath(joinPath(scriptPath(path_).view(), name.view()).view()));
                result = createTextFile(path, !hasArg(args, argc, 1) || toBool(args[1]), hasArg(args, argc, 2) && toBool(args[2]));
                return;
            }
            case ShortName: result = Value(String(shortName(utf8ToUtf16(leafOf(path_))))); return;
            case ShortPath: result = Value(shortPath(path_)); return;
            case Type: result = Value(u"File folder"); return;
            case Drive: result = makeDrive(); return;
        }
    }

private:
    // Every file in the folder and below it.
    double totalSize() const {
        double total = 0;
        std::error_code ec;
        for (fs::recursive_directory_iterator it(path_, ec), end; !ec && it != end; it.increment(ec)) {
            std::error_code typeError;
            if (it->is_regular_file(typeError)) total += static_cast<double>(statusOf(it->path().string(), false).st_size);
        }
        if (ec) raiseFileError(ec.value(), true);
        return total;
    }

    enum Id {
        Path, Name, Files, SubFolders, ParentFolder, Delete, DateLastModified, DateLastAccessed, DateCreated, IsRootFolder, Size,
        Attributes, Copy, Move, CreateTextFile, ShortName, ShortPath, Type, Drive,
    };
    static constexpr Member kMembers[] = {
        {u"Path", 0, 0, kReadOnly}, {u"Name", 0, 0, kReadWrite}, {u"Files", 0, 0, kReadOnly}, {u"SubFolders", 0, 0, kReadOnly},
        {u"ParentFolder", 0, 0, kReadOnly}, {u"Delete", 0, 1}, {u"DateLastModified", 0, 0, kReadOnly},
        {u"DateLastAccessed", 0, 0, kReadOnly}, {u"DateCreated", 0, 0, kReadOnly}, {u"IsRootFolder", 0, 0, kReadOnly},
        {u"Size", 0, 0, kReadOnly}, {u"Attributes", 0, 0, kReadWrite}, {u"Copy", 1, 2}, {u"Move", 1, 1},
        {u"CreateTextFile", 1, 3}, {u"ShortName", 0, 0, kReadOnly}, {u"ShortPath", 0, 0, kReadOnly},
        {u"Type", 0, 0, kReadOnly}, {u"Drive", 0, 0, kReadOnly},
    };
    static constexpr MemberTable kTable{kMembers};
    std::string path_;
};

}  // namespace

Value makeFile(std::string path) { return Value::object(new File(std::move(path))); }
Value makeFolder(std::string path) { return Value::object(new Folder(std::move(path))); }

}  // namespace vbs
