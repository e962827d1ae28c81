#pragma once
// The settings of the run, each named after its key in Tarvik.ini, filled once at start-up.
// The brains receive UserName, ComputerName, LearningLevel and their working directories by
// reference and may change them for every later query, so these are the storage itself.
#include <cstdint>
#include <string>

namespace modGlobals {

// [Tarvik]
inline std::string UserName;
inline std::string ComputerName;
inline std::int16_t LearningLevel = 0;
inline std::string InputFile;
inline std::int16_t CreateCSV = 0;  // -1 true, 0 false
inline std::string CSVName;
inline std::int16_t CreateLog = 0;  // -1 true, 0 false
inline std::string LogName;
// Milliseconds a brain call may run before it fails (0: no limit); 10000 when absent.
inline constexpr int kDefaultQueryTimeout = 10000;
inline int QueryTimeout = kDefaultQueryTimeout;
// Megabytes of script data (strings, arrays, Dictionaries) each brain may hold (0: no cap); 1024 when absent.
inline constexpr int kDefaultMemoryLimit = 1024;
inline int MemoryLimit = kDefaultMemoryLimit;

// [Brains]
inline std::string Brain1Name;
inline std::string Brain1Script;
inline std::string Brain1WorkingDir;
inline std::string Brain2Name;
inline std::string Brain2Script;
inline std::string Brain2WorkingDir;
inline std::string Brain3Name;
inline std::string Brain3Script;
inline std::string Brain3WorkingDir;

// Brain n's name, script and working directory settings, for n = 1, 2 or 3. Inline: a query
// writes the working directory back inside the measured interval.
inline const std::string& BrainName(int brain) { return brain == 1 ? Brain1Name : brain == 2 ? Brain2Name : Brain3Name; }
inline const std::string& BrainScript(int brain) {
    return brain == 1 ? Brain1Script : brain == 2 ? Brain2Script : Brain3Script;
}
inline std::string& BrainWorkingDir(int brain) {
    return brain == 1 ? Brain1WorkingDir : brain == 2 ? Brain2WorkingDir : Brain3WorkingDir;
}

// The full path of the settings file.
inline std::string IniPath;

// The program's folder + "/Tarvik.ini": the settings beside the programs.
std::string DefaultIniPath();

// IniPath = DefaultIniPath(), then ReadSettings(IniPath).
void LoadSettings();

// Reads the file once, then every setting in the file's order, storing each as soon as it is read.
// A file that is no settings file, a LearningLevel that is no number or outside the 16-bit range, or
// a QueryTimeout or MemoryLimit that is no whole number in its range raises tarvik::SettingsProblem
// naming the file, the key and the value.
void ReadSettings(const std::string& iniPath);

// A path setting (InputFile, CSVName, LogName, a brain script) as a path the program can open.
std::string ResolvePath(const std::string& settingsPath);

}  // namespace modGlobals
