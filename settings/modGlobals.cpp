#include "settings/modGlobals.h"

#include <filesystem>

#include "settings/SettingText.h"
#include "settings/SettingsPath.h"
#include "settings/modINI.h"

namespace modGlobals {

std::string DefaultIniPath() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().string() + "/Tarvik.ini";
}

void LoadSettings() {
    IniPath = DefaultIniPath();
    ReadSettings(IniPath);
}

void ReadSettings(const std::string& iniPath) {
    using modINI::GetIniValue;
    UserName = GetIniValue(iniPath, "Tarvik", "UserName");
    ComputerName = GetIniValue(iniPath, "Tarvik", "ComputerName");
    LearningLevel = tarvik::ToLearningLevel(GetIniValue(iniPath, "Tarvik", "LearningLevel"));
    InputFile = GetIniValue(iniPath, "Tarvik", "InputFile");
    CreateCSV = tarvik::ToSwitch(GetIniValue(iniPath, "Tarvik", "CreateCSV"));
    CSVName = GetIniValue(iniPath, "Tarvik", "CSVName");
    CreateLog = tarvik::ToSwitch(GetIniValue(iniPath, "Tarvik", "CreateLog"));
    LogName = GetIniValue(iniPath, "Tarvik", "LogName");

    Brain1Name = GetIniValue(iniPath, "Brains", "Brain1Name");
    Brain1Script = GetIniValue(iniPath, "Brains", "Brain1Script");
    Brain1WorkingDir = GetIniValue(iniPath, "Brains", "Brain1WorkingDir");
    Brain2Name = GetIniValue(iniPath, "Brains", "Brain2Name");
    Brain2Script = GetIniValue(iniPath, "Brains", "Brain2Script");
    Brain2WorkingDir = GetIniValue(iniPath, "Brains", "Brain2WorkingDir");
    Brain3Name = GetIniValue(iniPath, "Brains", "Brain3Name");
    Brain3Script = GetIniValue(iniPath, "Brains", "Brain3Script");
    Brain3WorkingDir = GetIniValue(iniPath, "Brains", "Brain3WorkingDir");
}

std::string ResolvePath(const std::string& settingsPath) {
    return tarvik::ResolveSettingsPath(settingsPath, IniPath);
}

}  // namespace modGlobals
