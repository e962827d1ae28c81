#pragma once
// WScript.Shell's CreateShortcut: WshShortcut (.lnk) and WshURLShortcut (.url). There is no Windows
// shell to read a binary .lnk, so Save writes the settings as text in the .url files' own INI form,
// and a shortcut opened again reads them back: a script that makes a shortcut and checks it works.
#include <string>

#include "script/values/value.h"

namespace vbs {

// path: the shortcut's absolute POSIX path; url: a .url file rather than a .lnk.
Value newShortcut(std::string path, bool url);

}  // namespace vbs
