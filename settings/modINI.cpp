#include "settings/modINI.h"

#include <algorithm>
#include <string_view>

#include "settings/SettingsProblem.h"
#include "support/TextFileCheck.h"
#include "support/modErrors.h"
#include "support/modFile.h"

namespace modINI {

namespace {

// The classic profile reader's buffer holds 255 characters with its terminator.
constexpr size_t kMaxValueCharacters = 254;

std::string_view trimBlanks(std::string_view text) {
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

std::string_view unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// Cuts after `count` characters without splitting a UTF-8 sequence.
std::string_view firstCharacters(std::string_view text, size_t count) {
    size_t characters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == count) return text.substr(0, i);
    }
    return text;
}

// The value of key in the first section of that name, or "" when either is missing.
std::string_view findValue(std::string_view text, std::string_view section, std::string_view key) {
    bool inSection = false;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (line.ends_with('\r')) line.remove_suffix(1);
        line = trimBlanks(line);
        start = end + 1;

        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            if (inSection) return {};
            size_t close = line.find(']');
            inSection = close != std::string_view::npos && equalsIgnoringCase(trimBlanks(line.substr(1, close - 1)), section);
        } else if (inSection) {
            size_t equals = line.find('=');
            if (equals != std::string_view::npos && equalsIgnoringCase(trimBlanks(line.substr(0, equals)), key)) {
                return unquote(trimBlanks(line.substr(equals + 1)));
            }
        }
    }
    return {};
}

// Lines other than blanks and comments, yet not one [section]: whatever it is, not settings.
bool hasLinesButNoSection(std::string_view text) {
    bool lines = false;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = trimBlanks(text.substr(start, end - start));
        if (line.ends_with('\r')) line = trimBlanks(line.substr(0, line.size() - 1));
        start = end + 1;
        if (line.starts_with('[') && line.find(']') != std::string_view::npos) return false;
        lines = lines || (!line.empty() && line.front() != ';');
    }
    return lines;
}

}  // namespace

IniFile ReadIniFile(const std::string& iniPath) {
    if (!modFile::PathExists(iniPath)) {
        modErrors::ReportError("Unable to open INI File", iniPath + " not found.", modFile::ReportToLog,
                               modFile::ReportToScreen);
        return {};
    }
    std::string problem = tarvik::SizeProblem(iniPath, kMaxIniBytes);
    IniFile file;
    if (problem.empty()) {
        file.text = modFile::ReadTextFile(iniPath);
        problem = tarvik::BinaryProblem(file.text);
    }
    if (problem.empty() && hasLinesButNoSection(file.text)) problem = "has no [section]: it is not a settings file";
    if (!problem.empty()) throw tarvik::SettingsProblem("The settings file " + iniPath + " " + problem + ".");
    return file;
}

std::string GetIniValue(const IniFile& file, const std::string& section, const std::string& key) {
    return std::string(firstCharacters(findValue(file.text, section, key), kMaxValueCharacters));
}

std::string GetIniValue(const std::string& iniPath, const std::string& section, const std::string& key) {
    return GetIniValue(ReadIniFile(iniPath), section, key);
}

}  // namespace modINI
