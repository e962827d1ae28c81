#pragma once
// The SHA-256 of a file, so a result names exactly which input and scripts it measured.
#include <string>

namespace tarvik {

// Lower-case hex; "" when the file cannot be read.
std::string FileSha256(const std::string& path);

}  // namespace tarvik
