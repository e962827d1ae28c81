#pragma once
// Scriptlet.TypeLib, which scripts create for its Guid: a new random GUID per object.
#include "script/values/value.h"

namespace vbs {

Value newTypeLib();

}  // namespace vbs
