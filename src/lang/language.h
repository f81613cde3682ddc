#pragma once
// The language module: which one is in force, loading it once, and looking
// its strings up by number.
#include <string>

#include "platform/os/modules.h"

namespace vrex {

inline constexpr const char* kNoLoadMessage = "<No load message>";
// Every language code a module may exist for, in the order the language dialog tests them.
inline constexpr const char* kLanguageCodes[] = {"EN", "ES", "DE", "FR", "IT", "RUS", "CSY"};

// Always leaves a text: the module's string, or "<No load message>".
void GetLangString(int id, std::string& text);
std::string GetLangString(int id);
std::string LoadModuleString(os::ModuleHandle module, int id);
std::string GetSystemLanguageCode();
// Decides the code, keeps both INI keys current, may show the missing-module message.
std::string GetLanguageModulePath();
void LoadLanguageModule();
// The module file for a code: the program's path without extension + code + ".dll".
std::string LanguageModulePathFor(const std::string& code);

os::ModuleHandle LanguageModuleHandle();
// Releases the module and forgets it (the program keeps it to the end; tests start afresh).
void UnloadLanguageModule();

// The owner of the language module: the run of the program.  It releases the
// module when the run ends, while the ports it goes through still exist.
class LanguageModuleOwner {
 public:
  LanguageModuleOwner() = default;
  ~LanguageModuleOwner() { UnloadLanguageModule(); }
  LanguageModuleOwner(const LanguageModuleOwner&) = delete;
  LanguageModuleOwner& operator=(const LanguageModuleOwner&) = delete;
};

}  // namespace vrex
