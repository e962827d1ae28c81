#pragma once
// The settings-file reader: values from a sectioned file of key=value lines, the file read once.
#include <cstdint>
#include <string>

namespace modINI {

// Settings files are small; anything bigger is not one.
inline constexpr std::uintmax_t kMaxIniBytes = std::uintmax_t(1) << 20;

// The file's text, read once for all the values of a settings load.
struct IniFile {
    std::string text;
};

// A missing file reads as empty, silently. A file bigger than kMaxIniBytes, holding NUL bytes, or
// with lines but no [section] at all raises tarvik::SettingsProblem naming it.
IniFile ReadIniFile(const std::string& iniPath);

// Section and key names match without regard to case; blanks around the key, the "=" and the
// value do not count; a value in a matching pair of double or single quotes loses them; lines
// starting with ";" are comments; the first matching section and key win. The value is cut to
// 254 characters. A missing key reads as "".
std::string GetIniValue(const IniFile& file, const std::string& section, const std::string& key);
// Reads the file for this one value.
std::string GetIniValue(const std::string& iniPath, const std::string& section, const std::string& key);

}  // namespace modINI
