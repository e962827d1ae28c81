#pragma once
// Text files come from Windows as often as from Linux: a byte-order mark decides (UTF-8 or
// UTF-16); otherwise bytes that are valid UTF-8 are UTF-8, anything else Windows-1252. The result
// is always UTF-8.
#include <string>
#include <string_view>

namespace tarvik {

std::string DecodeText(std::string_view bytes);

}  // namespace tarvik
