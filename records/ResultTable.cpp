#include "records/ResultTable.h"

#include "script/values/convert.h"
#include "settings/modGlobals.h"
#include "support/Failure.h"
#include "support/FileTable.h"
#include "support/modFile.h"

namespace tarvik {

namespace {

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

// The engine's CStr of a Double in United States English: "." whatever the locale.
std::string general(double value) { return vbs::formatDouble(value).toUtf8(); }

void writeLine(const std::string& path, const std::string& mode, const std::string& line) {
    std::int16_t number = modFile::OpenFile(path, mode);
    if (number == 0) return;
    try {
        PrintLine(number, line);
        modFile::CloseFile(number);  // flushes: a full disk shows here
    } catch (const Failure& failure) {
        modFile::CloseFile(number);
        throw Failure(failure.Number, "cannot write " + path + ": " + failure.Description);
    }
}

}  // namespace

std::string ResultTableHeader() {
    using namespace modGlobals;
    return csvField(Brain1Name) + "," + csvField(Brain2Name) + "," + csvField(Brain3Name);
}

std::string ResultTableRow(const std::array<std::optional<double>, 3>& times) {
    auto cell = [](const std::optional<double>& t) { return t ? general(*t) : std::string(); };
    return cell(times[0]) + "," + cell(times[1]) + "," + cell(times[2]);
}

void AppendLine(const std::string& path, const std::string& line) { writeLine(path, "A", line); }

void WriteResultTableHeader(const std::string& path) { writeLine(path, "O", ResultTableHeader()); }

}  // namespace tarvik
