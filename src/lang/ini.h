#pragma once
// The INI routines and the program's own path.
#include <string>

namespace vrex {

// False when the key is missing (or holds literally "<Error>") or an error
// occurred; value holds what was read in either case.
bool ReadIniString(const std::string& file, const std::string& section, const std::string& key, std::string& value);
// Creates the file when absent; false on any error.
bool WriteIniString(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& value);
std::string ExePath();
// The program's INI file: its own path with the extension ".ini".
std::string ProgramIniPath();
// A path of the install layout ("..\\Vmail"), relative to the program's own
// folder: the program finds its companions wherever it is started from.
std::string InstallPath(const std::string& relative);

inline constexpr const char* kOptionsSection = "Options";
inline constexpr const char* kLanguageKey = "Language";
inline constexpr const char* kRunLangKey = "RunLang";

}  // namespace vrex
