#pragma once
// Debug, the intrinsic object that writes to an attached script debugger: there is none here, so
// Debug.Write and Debug.WriteLine do nothing, as on Windows without a debugger.
#include "script/values/value.h"

namespace vbs {

Value newDebugObject();

}  // namespace vbs
