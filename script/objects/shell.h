#pragma once
// WScript.Shell and WScript.Network, the WSH objects brains create for the environment, the
// current folder and who is running them. There is no registry and no launching of programs: a
// brain must not start other programs behind the user's back, so Run and Exec raise, and it has no
// other programs' windows to drive (AppActivate finds none, SendKeys types nowhere).
#include "script/runtime/context.h"
#include "script/values/value.h"

namespace vbs {

// host (may be null) shows Popup.
Value newShell(Host* host);
Value newNetwork();

}  // namespace vbs
