#include "lang/language.h"

#include <array>
#include <utility>

#include "lang/ini.h"
#include "platform/os/loaded_module.h"
#include "platform/os/ports.h"
#include "platform/program.h"
#include "platform/text.h"

namespace vrex {
namespace {

// The one language module of the run; zero until loaded or when loading failed.
// Kept bare, not in an owner: a static owner would free it after the ports
// are gone.  LanguageModuleOwner releases it while they exist.
os::ModuleHandle languageModule = 0;

constexpr int kStringBufferLength = 1024;
// Language codes are a few letters ("EN", "RUS"); the code becomes part of a
// file path, so anything else could lead outside the program folder.
constexpr std::size_t kLongestLanguageCode = 8;

bool IsLanguageCode(const std::string& code) {
  if (code.size() > kLongestLanguageCode) return false;
  for (char c : code)
    if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) return false;
  return true;
}

// In UTF-8 and shown in Unicode, so that the a with acute accent reads right
// under every code page (in ANSI it would read as a Cyrillic letter under 1251).
constexpr const char* kMissingModuleText = "Jazykov\xC3\xA1 mutace %s modulu neexistuje!";

}  // namespace

std::string LoadModuleString(os::ModuleHandle module, int id) {
  std::string result = kNoLoadMessage;
  std::array<char, kStringBufferLength> buffer{};
  int count =
      os::ModulesPort().LoadResourceString(module, static_cast<unsigned>(id), buffer.data(), kStringBufferLength);
  if (count > 0) result = text::UpToNul(std::string_view(buffer.data(), buffer.size()));
  return result;
}

void GetLangString(int id, std::string& text) {
  std::string found = text::UpToNul(LoadModuleString(languageModule, id));
  if (!found.empty()) text = found;
}

std::string GetLangString(int id) {
  std::string text;
  GetLangString(id, text);
  return text;
}

std::string GetSystemLanguageCode() {
  switch (os::SystemPort().GetSystemDefaultLangID() & 0x3FF) {
    case 5: return "CSY";
    case 7: return "DE";
    case 10: return "ES";
    case 12: return "FR";
    case 16: return "IT";
    case 25: return "RUS";
    default: return "EN";
  }
}

std::string LanguageModulePathFor(const std::string& code) {
  return text::ChangeFileExt(ExePath(), "") + code + ".dll";
}

std::string GetLanguageModulePath() {
  const std::string ini = ProgramIniPath();
  std::string code;
  if (!ReadIniString(ini, kOptionsSection, kLanguageKey, code)) {
    code = GetSystemLanguageCode();
    WriteIniString(ini, kOptionsSection, kLanguageKey, code);
  }
  std::string path = LanguageModulePathFor(code);
  // A code that is no language code names no module: it is never looked for.
  if (!IsLanguageCode(code) || !os::FilesPort().Exists(path)) {
    // However long the code in the file, the message stays on the screen.
    constexpr std::size_t kLongestShownCode = 32;
    const std::string shown =
        code.size() > kLongestShownCode ? code.substr(0, kLongestShownCode) + "\xE2\x80\xA6" : code;  // an ellipsis
    os::MessagesPort().ShowUtf8(text::FillIn(kMissingModuleText, shown), kApplicationTitle,
                                os::mb::kOk | os::mb::kIconError);
    code = "EN";
    path = LanguageModulePathFor(code);
    WriteIniString(ini, kOptionsSection, kLanguageKey, code);
  }
  WriteIniString(ini, kOptionsSection, kRunLangKey, code);
  return path;
}

void LoadLanguageModule() {
  UnloadLanguageModule();
  // A language module holds strings only: it is mapped as data, so no code of it ever runs.
  languageModule = os::ModulesPort().LoadData(GetLanguageModulePath());
}

os::ModuleHandle LanguageModuleHandle() { return languageModule; }

void UnloadLanguageModule() { os::LoadedModule released(std::exchange(languageModule, 0)); }

}  // namespace vrex
