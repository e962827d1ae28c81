#pragma once
// The classic runtime's numbered files: a table of open files named by 16-bit numbers from 1.
// Every routine raises a Failure with the runtime's number when it cannot do its work.
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvik {

enum class FileMode { Input, Output, Append, Binary, Random };

// The lowest number not in use, starting at 1.
std::int16_t FreeFile();

// Output empties or creates the file, Append creates it or writes at its end, Binary and Random
// open it for reading and writing (creating it). Input reads the whole file as text at once.
void OpenNumbered(const std::string& path, FileMode mode, std::int16_t number);

// Closing a number that is not open does nothing, as in the classic runtime.
void CloseNumbered(std::int16_t number);

void PrintText(std::int16_t number, std::string_view text);
// Writes the text and a CR LF line end.
void PrintLine(std::int16_t number, std::string_view text);

// The next line of an input file, without its CR LF, CR or LF.
std::string LineInput(std::int16_t number);
bool AtEndOfFile(std::int16_t number);

}  // namespace tarvik
