#pragma once
// The binary shortcut (.lnk) files Windows writes, read for WshShell.CreateShortcut: the target,
// its arguments and the other settings a shortcut object shows.
#include <cstdint>
#include <string>
#include <string_view>

namespace vbs {

struct ShellLink {
    std::u16string targetPath, arguments, description, workingDirectory, iconLocation, relativePath;
    int32_t iconIndex = 0;
    int32_t showCommand = 1;  // a normal window
};

// False when bytes are not a shell link (a shortcut saved here as text, say).
bool readShellLink(std::string_view bytes, ShellLink& link);

}  // namespace vbs
