#pragma once
// The program's file routines: open by a one-letter mode, test for a file by a directory search,
// close, and read a whole text file.
#include <cstdint>
#include <string>

namespace modFile {

// Switches handed to ReportError by the settings reader; nothing in the program sets them.
inline std::int16_t ReportToLog = 0;
inline std::int16_t ReportToScreen = 0;

// Mode "I", "O", "A", "B" or "R" (case-sensitive). Returns the file number, or 0 after showing the
// failure in a message box. An unknown letter opens nothing and still returns the free number.
std::int16_t OpenFile(const std::string& path, const std::string& mode);

// True when the pattern (wildcards * and ? in the last component) matches an ordinary file:
// no directories, no hidden files. Never fails.
bool PathExists(const std::string& path);

void CloseFile(std::int16_t fileNumber);

// The whole file as text with its line ends as they are; "" when there is no such file.
std::string ReadTextFile(const std::string& path);

}  // namespace modFile
