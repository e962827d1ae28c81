#include "settings/modGlobals.h"

#include <filesystem>
#include <limits>

#include "settings/SettingText.h"
#include "settings/SettingsProblem.h"
#include "settings/SettingsPath.h"
#include "settings/modINI.h"
#include "support/Failure.h"

namespace modGlobals {

std::string DefaultIniPath() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().string() + "/Tarvik.ini";
}

void LoadSettings() {
    IniPath = DefaultIniPath();
    ReadSettings(IniPath);
}

namespace {

[[noreturn]] void badValue(const std::string& iniPath, const std::string& key, const std::string& value,
                           const std::string& why) {
    throw tarvik::SettingsProblem(key + "=" + value + " in the settings file " + iniPath + " " + why + ".");
}

std::int16_t learningLevel(const std::string& iniPath, const std::string& text) {
    // As the classic Val reads it (7abc is 7), but text without any number is a mistake, not 0.
    bool blank = text.find_first_not_of(" \t") == std::string::npos;
    if (!blank && !tarvik::ParseLeadingNumber(text)) badValue(iniPath, "LearningLevel", text, "is not a number");
    try {
        return tarvik::ToLearningLevel(text);
    } catch (const tarvik::Failure&) {
        badValue(iniPath, "LearningLevel", text, "is out of range: it must be from -32768 to 32767");
    }
}

// A limit from 0 (none) to `most`, in `unit`s.
int limit(const std::string& iniPath, const std::string& key, const std::string& text, int absent, int most,
          const std::string& unit) {
    if (text.find_first_not_of(" \t") == std::string::npos) return absent;
    std::optional<std::int64_t> value = tarvik::WholeNumber(text);
    if (!value || *value < 0 || *value > most) {
        badValue(iniPath, key, text, "is not a whole number of " + unit + " from 0 (no limit) to " + std::to_string(most));
    }
    return static_cast<int>(*value);
}

}  // namespace

void ReadSettings(const std::string& iniPath) {
    modINI::IniFile ini = modINI::ReadIniFile(iniPath);
    auto value = [&](const char* section, const char* key) { return modINI::GetIniValue(ini, section, key); };
    UserName = value("Tarvik", "UserName");
    ComputerName = value("Tarvik", "ComputerName");
    LearningLevel = learningLevel(iniPath, value("Tarvik", "LearningLevel"));
    InputFile = value("Tarvik", "InputFile");
    CreateCSV = tarvik::ToSwitch(value("Tarvik", "CreateCSV"));
    CSVName = value("Tarvik", "CSVName");
    CreateLog = tarvik::ToSwitch(value("Tarvik", "CreateLog"));
    LogName = value("Tarvik", "LogName");

    Brain1Name = value("Brains", "Brain1Name");
    Brain1Script = value("Brains", "Brain1Script");
    Brain1WorkingDir = value("Brains", "Brain1WorkingDir");
    Brain2Name = value("Brains", "Brain2Name");
    Brain2Script = value("Brains", "Brain2Script");
    Brain2WorkingDir = value("Brains", "Brain2WorkingDir");
    Brain3Name = value("Brains", "Brain3Name");
    Brain3Script = value("Brains", "Brain3Script");
    Brain3WorkingDir = value("Brains", "Brain3WorkingDir");

    QueryTimeout = limit(iniPath, "QueryTimeout", value("Tarvik", "QueryTimeout"), kDefaultQueryTimeout,
                         std::numeric_limits<int>::max(), "milliseconds");
    MemoryLimit = limit(iniPath, "MemoryLimit", value("Tarvik", "MemoryLimit"), kDefaultMemoryLimit, 1 << 20, "megabytes");
}

std::string ResolvePath(const std::string& settingsPath) {
    return tarvik::ResolveSettingsPath(settingsPath, IniPath);
}

}  // namespace modGlobals
