#pragma once
// WshShell.Run and WshShell.Exec: a Windows command line started as a program here. The line is
// split as Windows splits it; "cmd /c ..." (and %ComSpec%) runs its command with /bin/sh -c, and
// cscript, wscript or a .vbs file runs this program again on the script.
#include <cstdint>
#include <string_view>

#include "script/values/value.h"

namespace vbs {

// Runs command; with wait, returns its exit status once it ends, else 0 at once.
int32_t runProgram(std::u16string_view command, bool wait);
// Starts command with its standard streams on pipes: a WshScriptExec.
Value execProgram(std::u16string_view command);

}  // namespace vbs
