#pragma once
// Windows paths on a POSIX file system. Brains are written for Windows: "\" separates folders and
// a "C:" drive prefix means the one file system there is. The name functions work on the text
// alone, as FileSystemObject's do; nativePath() gives the POSIX path to open.
#include <string>
#include <string_view>

#include "script/values/string.h"

namespace vbs {

// "C:\a\b.txt" -> "/a/b.txt" (UTF-8); relative paths stay relative to the current folder. Every
// path the file objects touch comes through here: a NUL in it raises 52.
std::string nativePath(std::u16string_view path);
// The absolute, normalised POSIX path ("." and ".." resolved, no repeated separators).
std::string absolutePath(std::u16string_view path);
// Windows finds "Memory.TXT" when memory.txt exists: when path does not exist as written, each
// missing component is looked up without regard to case. Components not found stay as written.
std::string matchCase(std::string path);

// "\" or "/": Windows takes either.
bool isSeparator(char16_t c);

std::u16string_view fileNamePart(std::u16string_view path);     // GetFileName
std::u16string_view parentPart(std::u16string_view path);       // GetParentFolderName
std::u16string_view baseNamePart(std::u16string_view path);     // GetBaseName
std::u16string_view extensionPart(std::u16string_view path);    // GetExtensionName
std::u16string_view drivePart(std::u16string_view path);        // GetDriveName
String joinPath(std::u16string_view folder, std::u16string_view name);  // BuildPath

// The folder and the last component of an absolute POSIX path ("/" is its own folder).
std::string folderOf(const std::string& path);
std::string leafOf(const std::string& path);
// The path of `name` inside an absolute POSIX folder ("/" included).
std::string childPath(const std::string& folder, const std::string& name);

// The script's view of a POSIX path, as Windows would show it: "\" between folders and an absolute
// path on the one drive ("/tmp/a.txt" is "C:\tmp\a.txt"), so scripts that take paths apart at
// "\" (Left(p, InStrRev(p, "\"))) find the parts. nativePath() turns it back.
String scriptPath(const std::string& native);

// The folders Windows scripts name, as this system has them: %TEMP% is $TMPDIR or /tmp; the Windows
// folder is /usr, which holds the system's programs in /usr/bin as Windows holds them in System32.
std::string temporaryFolder();
inline constexpr const char* kWindowsFolder = "/usr";
inline constexpr const char* kSystemFolder = "/usr/bin";

// Raises the Windows error for errno `err`: missing files are 53 (or 76 when `folder` or the
// parent is missing), access problems 70, existing targets 58.
[[noreturn]] void raiseFileError(int err, bool folder = false);

}  // namespace vbs
