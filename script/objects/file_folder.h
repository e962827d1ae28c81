#pragma once
// File, Folder and the Files and Folders collections a Folder hands out. Each holds the absolute
// POSIX path it was made for and reads the disk when asked.
#include <string>

#include "script/values/value.h"

namespace vbs {

Value makeFile(std::string path);    // an existing regular file
Value makeFolder(std::string path);  // an existing folder

}  // namespace vbs
