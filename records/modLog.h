#pragma once
// The conversation log: one entry per all-brains run, the sentence and the three reply lines.
#include <cstdint>
#include <string>

namespace modLog {

// The log path copied from LogName at each write, and the last file number obtained.
inline std::string LogPath;
inline std::int16_t LogFileNumber = 0;

// Appends header, CR LF, body and CR LF as one write. False when the log could not be written; no
// failure is passed on (a log that cannot be opened has shown the OpenFile message).
bool WriteLog(const std::string& header, const std::string& body);

}  // namespace modLog
