#pragma once
// How TextStream turns file bytes into script text and back. Files in the default format read as
// UTF-8 when they are valid UTF-8 and as Windows-1252 otherwise (what Windows' ANSI code page
// gives for files written there), so a UTF-16 file opened without a format reads byte for byte as
// on Windows. Unicode files are UTF-16LE, their byte-order mark skipped. Text files are written as
// Windows writes them: a byte of Windows-1252 per character ('?' for the rest), or UTF-16LE.
#include <string>
#include <string_view>

namespace vbs {

std::u16string decodeText(std::string_view bytes, bool unicode);
// UTF-16LE when unicode (the caller writes the byte-order mark), else Windows-1252.
std::string encodeText(std::u16string_view text, bool unicode);

constexpr std::string_view kUtf16Bom = "\xFF\xFE";

}  // namespace vbs
