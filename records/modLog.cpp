#include "records/modLog.h"

#include "settings/modGlobals.h"
#include "support/FileTable.h"
#include "support/modFile.h"

namespace modLog {

bool WriteLog(const std::string& header, const std::string& body) {
    try {
        LogPath = modGlobals::ResolvePath(modGlobals::LogName);
        LogFileNumber = modFile::OpenFile(LogPath, "A");
        if (LogFileNumber <= 0) return false;
        try {
            tarvik::PrintText(LogFileNumber, header + "\r\n" + body + "\r\n");
        } catch (...) {
            modFile::CloseFile(LogFileNumber);
            return false;
        }
        modFile::CloseFile(LogFileNumber);
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace modLog
