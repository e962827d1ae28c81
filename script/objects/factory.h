#pragma once
// The objects a script can create.
#include <string_view>

#include "script/runtime/context.h"
#include "script/values/value.h"

namespace vbs {

// CreateObject by ProgID (any case). Raises 429 naming any other. host (may be null) shows the
// dialogs of the objects that have them.
Value createObject(std::u16string_view progId, Host* host = nullptr);
// GetObject: no running objects or monikers to bind to here, so 429 naming what was asked for.
[[noreturn]] Value getObject(std::u16string_view path, std::u16string_view progId);
// New RegExp.
Value newRegExp();

}  // namespace vbs
