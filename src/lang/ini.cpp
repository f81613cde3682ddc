#include "lang/ini.h"

#include "platform/os/ports.h"
#include "platform/text.h"

namespace vrex {
namespace {
constexpr const char* kMissingMarker = "<Error>";
}

bool ReadIniString(const std::string& file, const std::string& section, const std::string& key, std::string& value) {
  value.clear();
  auto read = os::IniPort().ReadString(file, section, key, kMissingMarker);
  if (!read) return false;
  value = *read;
  return value != kMissingMarker;
}

bool WriteIniString(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& value) {
  return os::IniPort().WriteString(file, section, key, value);
}

std::string ExePath() { return os::SystemPort().ExePath(); }

std::string ProgramIniPath() { return text::ChangeFileExt(ExePath(), ".ini"); }

std::string InstallPath(const std::string& relative) {
  std::string folder = ExePath();
  folder.erase(folder.find_last_of("\\/") + 1);  // npos + 1: a bare name has no folder
  return folder + relative;
}

}  // namespace vrex
