#pragma once
// Script files as Windows editors save them: UTF-8 (with or without a BOM), UTF-16 with a BOM, or
// Windows-1252 when the bytes are not valid UTF-8.
#include <string>
#include <string_view>

namespace tarvik {

std::u16string decodeScript(std::string_view bytes);

}  // namespace tarvik
