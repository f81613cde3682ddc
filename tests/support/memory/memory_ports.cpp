#include "support/memory/memory_ports.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "platform/text.h"

namespace vrex::os::memory {

bool MemorySystem::QueryVersion(OsVersionInfo& info) {
  if (versionCallFails) return false;
  info = version;
  return true;
}

void MemorySystem::SetVersion(std::uint32_t platformId, std::uint32_t major, std::uint32_t minor,
                              std::string_view csd) {
  version = OsVersionInfo{};
  version.platformId = platformId;
  version.majorVersion = major;
  version.minorVersion = minor;
  std::size_t length = std::min(csd.size(), version.csdVersion.size() - 1);
  std::memcpy(version.csdVersion.data(), csd.data(), length);
}

ModuleHandle MemoryModules::Load(const std::string& path) {
  loaded.push_back(path);
  if (!throwingPath.empty() && text::EqualsNoCase(throwingPath, path)) throw std::runtime_error("load fault");
  for (std::size_t i = 0; i < libraries_.size(); ++i) {
    if (text::EqualsNoCase(libraries_[i].path, path)) {
      ++libraries_[i].references;
      return 0x10000 * (i + 1);
    }
  }
  return 0;
}

bool MemoryModules::Free(ModuleHandle module) {
  freed.push_back(module);
  std::size_t index = module / 0x10000;
  if (module % 0x10000 != 0 || index == 0 || index > libraries_.size()) return false;
  auto& library = libraries_[index - 1];
  if (library.references == 0) return false;
  --library.references;
  return true;
}

int MemoryModules::LoadResourceString(ModuleHandle module, unsigned id, char* buffer, int bufferLength) {
  const std::map<unsigned, std::string>* strings = nullptr;
  if (module == 0) {
    strings = &ownStrings;
  } else {
    std::size_t index = module / 0x10000;
    if (module % 0x10000 != 0 || index == 0 || index > libraries_.size() || libraries_[index - 1].references == 0)
      return 0;
    strings = &libraries_[index - 1].strings;
  }
  auto found = strings->find(id);
  if (found == strings->end() || bufferLength <= 0) return 0;
  int count = static_cast<int>(std::min<std::size_t>(found->second.size(), bufferLength - 1));
  std::memcpy(buffer, found->second.data(), count);
  buffer[count] = '\0';
  return count;
}

Modules::TextExport MemoryModules::FindTextExport(ModuleHandle module, const std::string& name) {
  std::size_t index = module / 0x10000;
  if (module % 0x10000 != 0 || index == 0 || index > libraries_.size() || libraries_[index - 1].references == 0)
    return {};
  auto found = libraries_[index - 1].exports.find(name);
  return found == libraries_[index - 1].exports.end() ? TextExport{} : found->second;
}

void MemoryModules::AddLibrary(const std::string& path, std::map<unsigned, std::string> strings,
                               std::map<std::string, TextExport> exports) {
  libraries_.push_back(Library{path, std::move(strings), 0, std::move(exports)});
}

int MemoryModules::LoadedCount() const {
  int count = 0;
  for (const auto& library : libraries_) count += library.references;
  return count;
}

bool MemoryFiles::Exists(const std::string& path) { return files_.count(text::ToUpper(path)) > 0; }

std::optional<std::vector<std::string>> MemoryFiles::ReadLines(const std::string& path) {
  auto found = files_.find(text::ToUpper(path));
  if (found == files_.end()) return std::nullopt;
  return found->second;
}

bool MemoryFiles::WriteLines(const std::string& path, const std::vector<std::string>& lines) {
  if (failWrites) return false;
  files_[text::ToUpper(path)] = lines;
  writtenFiles.push_back(path);
  return true;
}

std::optional<std::string> MemoryFiles::ReadString(const std::string& file, const std::string& section,
                                                   const std::string& key, const std::string& fallback) {
  auto value = IniValue(file, section, key);
  return value ? *value : fallback;
}

bool MemoryFiles::WriteString(const std::string& file, const std::string& section, const std::string& key,
                              const std::string& value) {
  if (failWrites) return false;
  inis_[text::ToUpper(file)][text::ToUpper(section)][text::ToUpper(key)] = value;
  files_.emplace(text::ToUpper(file), std::vector<std::string>{});
  return true;
}

std::optional<std::string> MemoryFiles::IniValue(const std::string& file, const std::string& section,
                                                 const std::string& key) {
  auto ini = inis_.find(text::ToUpper(file));
  if (ini == inis_.end()) return std::nullopt;
  auto sec = ini->second.find(text::ToUpper(section));
  if (sec == ini->second.end()) return std::nullopt;
  auto value = sec->second.find(text::ToUpper(key));
  if (value == sec->second.end()) return std::nullopt;
  return value->second;
}

void MemoryFiles::AddFile(const std::string& path, std::vector<std::string> lines) {
  files_[text::ToUpper(path)] = std::move(lines);
}

void MemoryFiles::RemoveFile(const std::string& path) {
  files_.erase(text::ToUpper(path));
  inis_.erase(text::ToUpper(path));
}

int RecordingMessageBoxes::Show(const std::string& text, const std::string& caption, std::uint32_t flags) {
  shown.push_back(Shown{text, caption, flags});
  return Answer(flags);
}

int RecordingMessageBoxes::ShowUtf8(const std::string& text, const std::string& caption, std::uint32_t flags) {
  shown.push_back(Shown{text, caption, flags, true});
  return Answer(flags);
}

int RecordingMessageBoxes::Answer(std::uint32_t flags) {
  if (!answers.empty()) {
    int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  return (flags & 0x0F) == mb::kYesNo ? mb::kIdYes : mb::kIdOk;
}

World::World() {
  Ports ports;
  ports.registry = &registry;
  ports.system = &system;
  ports.modules = &modules;
  ports.files = &files;
  ports.ini = &files;
  ports.messages = &messages;
  ports.sockets = &sockets;
  ports.ipHelper = &ipHelper;
  ports.netbios = &netbios;
  ports.snmp = &snmp;
  ports.ui = &ui;
  ports.versions = &versions;
  ports.shell = &shell;
  previous_ = InstallPorts(ports);
}

World::~World() { InstallPorts(previous_); }

}  // namespace vrex::os::memory
