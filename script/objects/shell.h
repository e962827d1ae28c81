#pragma once
// WScript.Shell and WScript.Network, the WSH objects scripts create for the environment, the
// current folder, starting programs and who is running them (registry.h has the registry). Run and Exec
// start programs only where the host allows it (the command-line runner does; a brain must not
// start other programs behind the user's back). No other programs' windows are here to drive:
// AppActivate finds none, SendKeys types nowhere.
#include <cstdint>
#include <string>
#include <string_view>

#include "script/runtime/context.h"
#include "script/values/value.h"

namespace vbs {

// host (may be null) shows Popup and allows Run and Exec.
Value newShell(Host* host);
Value newNetwork();

// Raises an error as the WSH objects do: an HRESULT, their own text and the member as Source.
[[noreturn]] void wshError(int32_t number, std::u16string description, std::u16string_view source);

}  // namespace vbs
