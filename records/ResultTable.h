#pragma once
// The result table: a comma-separated file with a header of brain names per batch and a row of three
// times per all-brains run. It is data for other programs, so times always use "." and a name with a
// comma or a double quote is quoted.
#include <string>

namespace tarvik {

// Brain1Name,Brain2Name,Brain3Name.
std::string ResultTableHeader();
// t1,t2,t3 in milliseconds, each in the general form of a double (up to 15 significant digits).
std::string ResultTableRow(double t1, double t2, double t3);

// Appends one line and CR LF. When the file cannot be opened the OpenFile message has been shown and
// the line is skipped.
void AppendLine(const std::string& path, const std::string& line);

// Empties the table and writes a fresh header: the start of a batch.
void WriteResultTableHeader(const std::string& path);

}  // namespace tarvik
