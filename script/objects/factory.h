#pragma once
// The objects a script can create.
#include <string_view>

#include "script/value.h"

namespace vbs {

// CreateObject: "Scripting.Dictionary", "Scripting.FileSystemObject", "VBScript.RegExp" (any case).
// Raises 429 for any other name.
Value createObject(std::u16string_view progId);
// New RegExp.
Value newRegExp();

}  // namespace vbs
