#pragma once
// The settings-file reader: one value from a sectioned file of key=value lines.
#include <string>

namespace modINI {

// Section and key names match without regard to case; blanks around the key, the "=" and the
// value do not count; a value in a matching pair of double or single quotes loses them; lines
// starting with ";" are comments; the first matching section and key win. The value is cut to
// 254 characters. A missing file or key reads as "", silently.
std::string GetIniValue(const std::string& iniPath, const std::string& section, const std::string& key);

}  // namespace modINI
