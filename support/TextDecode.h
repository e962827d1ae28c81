#pragma once
// Text files come from Windows as often as from Linux: bytes that are valid UTF-8 are taken as
// UTF-8 (without a byte-order mark), anything else as Windows-1252. The result is always UTF-8.
#include <string>
#include <string_view>

namespace tarvik {

bool IsValidUtf8(std::string_view bytes);

std::string DecodeText(std::string_view bytes);

}  // namespace tarvik
