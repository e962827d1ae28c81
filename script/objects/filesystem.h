#pragma once
// Scripting.FileSystemObject over the POSIX file system, taking Windows paths (see paths.h) and
// raising Windows' error numbers.
#include <string>

#include "script/runtime/context.h"
#include "script/values/object.h"
#include "script/objects/members.h"
#include "script/objects/textstream.h"

namespace vbs {

class FileSystem final : public TableObject {
public:
    explicit FileSystem(Host* host = nullptr);
    std::u16string_view typeName() const override { return u"FileSystemObject"; }

private:
    void call(int id, Invoke kind, Value* args, int argc, Value& result) override;
    Host* host_;
};

// OpenTextFile's rules on an absolute POSIX path: a missing file raises 53 unless created;
// format -1 is UTF-16LE, 0 and -2 the default text format.
Value openTextFile(const std::string& path, IoMode mode, bool create, int format);
// CopyFile and MoveFile of one existing file; a destination that is a folder, or ends in a
// separator, receives it under its own name. moveFileTo answers where the file went.
void copyFileTo(const std::string& from, std::u16string_view dest, bool overwrite);
std::string moveFileTo(const std::string& from, std::u16string_view dest);
// CopyFolder and MoveFolder of one existing folder: into a destination ending in a separator,
// else to it. moveFolderTo answers where the folder went.
void copyFolderTo(const std::string& from, std::u16string_view dest, bool overwrite);
std::string moveFolderTo(const std::string& from, std::u16string_view dest);
// CreateTextFile's rules on an absolute POSIX path.
Value createTextFile(const std::string& path, bool overwrite, bool unicode);
// A new folder; 58 when something is there already.
Value createFolder(const std::string& path);
// Removes a file; a read-only one raises 70 unless forced.
void deleteFile(const std::string& path, bool force);
// Removes a folder and everything in it; 76 when it is not there.
void deleteFolder(const std::string& path);

}  // namespace vbs
