#pragma once
// The result table: a comma-separated file with a header of brain names per batch and a row of three
// times per all-brains run. It is data for other programs, so times always use "." and a name with a
// comma or a double quote is quoted.
#include <array>
#include <optional>
#include <string>

namespace tarvik {

// Brain1Name,Brain2Name,Brain3Name.
std::string ResultTableHeader();
// t1,t2,t3 in milliseconds, each in the general form of a double (up to 15 significant digits); a
// brain without a time (it failed) leaves its cell empty, so the row keeps the others' times.
std::string ResultTableRow(const std::array<std::optional<double>, 3>& times);

// Appends one line and CR LF. When the file cannot be opened the OpenFile message has been shown and
// the line is skipped; a write that fails raises a Failure naming the file.
void AppendLine(const std::string& path, const std::string& line);

// Empties the table and writes a fresh header: the start of a batch.
void WriteResultTableHeader(const std::string& path);

}  // namespace tarvik
