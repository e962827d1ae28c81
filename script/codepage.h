#pragma once
// Bytes from files as text. Windows-1252 is the ANSI code page of locale 1033: what Asc and Chr
// speak and what 8-bit files written on Windows hold.
#include <string>
#include <string_view>

namespace vbs {

char16_t fromWindows1252(unsigned char byte);
// '?' (63) for a character the code page lacks, as Windows answers.
unsigned char toWindows1252(char16_t c);

bool isValidUtf8(std::string_view bytes);
std::u16string decodeUtf16(std::string_view bytes, bool bigEndian);

// A text file's bytes: a byte-order mark decides (UTF-8, UTF-16LE, UTF-16BE); without one, UTF-8
// when the bytes are valid UTF-8, else Windows-1252.
std::u16string decodeFileText(std::string_view bytes);

}  // namespace vbs
