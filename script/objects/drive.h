#pragma once
// Drive and the Drives collection. The one file system here is drive C:, as paths.h maps every
// "C:\..." path to it.
#include <string_view>

#include "script/values/value.h"

namespace vbs {

// "C", "c:", "C:\" or a path on it give drive C; any other letter does not exist.
bool isDriveName(std::u16string_view spec);
Value makeDrive();
Value makeDrives();

}  // namespace vbs
