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

// 8-bit text: UTF-8 when the bytes are valid UTF-8 (a UTF-8 byte-order mark dropped), else
// Windows-1252. This is how a script's text streams read files without a format, so a UTF-16 file
// reads byte for byte, as on Windows.
std::u16string decodeAnsiText(std::string_view bytes);
// A file the program reads whole (a script, the settings): a UTF-16 byte-order mark decides, else
// as decodeAnsiText.
std::u16string decodeFileText(std::string_view bytes);

}  // namespace vbs
