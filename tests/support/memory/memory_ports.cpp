#include "support/memory/memory_ports.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "platform/text.h"

namespace vrex::os::memory {

bool MemorySystem::QueryVersion(OsVersionInfo& info) {
  if (versionCallFails) return false;
  info = version;
  return true;
}

std::string MemorySystem::ErrorMessageText(std::uint32_t code) {
  auto found = errorMessages.find(code);
  return found != errorMessages.end() ? found->second : std::string();
}

std::string MemorySystem::ShortDateText(int year, int month, int day) {
  char asked[32];
  std::snprintf(asked, sizeof asked, "%04d-%02d-%02d", year, month, day);
  datesFormatted.push_back(asked);
  std::string out;
  const std::string& picture = shortDateFormat;
  for (std::size_t i = 0; i < picture.size();) {
    char c = picture[i];
    std::size_t run = 1;
    while (i + run < picture.size() && picture[i + run] == c) ++run;
    char field[16];
    if (c == 'd') {
      std::snprintf(field, sizeof field, run >= 2 ? "%02d" : "%d", day);
    } else if (c == 'M') {
      std::snprintf(field, sizeof field, run >= 2 ? "%02d" : "%d", month);
    } else if (c == 'y') {
      if (run >= 3) {
        std::snprintf(field, sizeof field, "%d", year);
      } else {
        std::snprintf(field, sizeof field, "%02d", year % 100);
      }
    } else {
      out.append(run, c);
      i += run;
      continue;
    }
    out += field;
    i += run;
  }
  return out;
}

std::string MemorySystem::WideToAnsi(std::u16string_view text) {
  std::string out;
  for (char16_t c : text) out += c <= 0xFF ? static_cast<char>(c) : '?';
  return out;
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

ModuleHandle MemoryModules::HandleOf(std::size_t index) const {
  return libraries_[index].handle != 0 ? libraries_[index].handle : 0x10000 * (index + 1);
}

MemoryModules::Library* MemoryModules::Find(ModuleHandle module) {
  if (module == 0) return nullptr;
  for (std::size_t i = 0; i < libraries_.size(); ++i)
    if (HandleOf(i) == module) return &libraries_[i];
  return nullptr;
}

ModuleHandle MemoryModules::Load(const std::string& path) {
  loaded.push_back(path);
  if (!throwingPath.empty() && text::EqualsNoCase(throwingPath, path)) throw std::runtime_error("load fault");
  for (std::size_t i = 0; i < libraries_.size(); ++i) {
    if (text::EqualsNoCase(libraries_[i].path, path)) {
      ++libraries_[i].references;
      return HandleOf(i);
    }
  }
  return 0;
}

ModuleHandle MemoryModules::LoadData(const std::string& path) {
  loadedAsData.push_back(path);
  return Load(path);
}

bool MemoryModules::Free(ModuleHandle module) {
  freed.push_back(module);
  Library* library = Find(module);
  if (library == nullptr || library->references == 0) return false;
  --library->references;
  return true;
}

ProcAddress MemoryModules::Lookup(ModuleHandle module, const std::string& name) {
  Library* library = Find(module);
  lookups.push_back({library != nullptr ? library->path : std::string(), name});
  if (library == nullptr || library->references == 0) return nullptr;
  auto found = library->exports.find(name);
  return found != library->exports.end() ? found->second : nullptr;
}

int MemoryModules::LoadResourceString(ModuleHandle module, unsigned id, char* buffer, int bufferLength) {
  const std::map<unsigned, std::string>* strings = nullptr;
  if (module == 0) {
    strings = &ownStrings;
  } else {
    Library* library = Find(module);
    if (library == nullptr || library->references == 0) return 0;
    strings = &library->strings;
  }
  auto found = strings->find(id);
  if (found == strings->end() || bufferLength <= 0) return 0;
  int count = static_cast<int>(std::min<std::size_t>(found->second.size(), bufferLength - 1));
  std::memcpy(buffer, found->second.data(), count);
  buffer[count] = '\0';
  return count;
}

Modules::TextExport MemoryModules::FindTextExport(ModuleHandle module, const std::string& name) {
  Library* library = Find(module);
  if (library == nullptr || library->references == 0) return {};
  auto found = library->textExports.find(name);
  return found == library->textExports.end() ? TextExport{} : found->second;
}

void MemoryModules::AddLibrary(const std::string& path, std::map<unsigned, std::string> strings,
                               std::map<std::string, TextExport> textExports) {
  libraries_.push_back(Library{path, std::move(strings), 0, {}, 0, std::move(textExports)});
}

void MemoryModules::AddLibraryExports(const std::string& path, std::map<std::string, ProcAddress> exports,
                                      ModuleHandle handle) {
  libraries_.push_back(Library{path, {}, 0, std::move(exports), handle, {}});
}

int MemoryModules::LoadedCount() const {
  int count = 0;
  for (const auto& library : libraries_) count += library.references;
  return count;
}

bool MemoryFiles::Exists(const std::string& path) {
  return files_.count(text::ToUpper(path)) > 0 || bytes_.count(text::ToUpper(path)) > 0;
}

bool MemoryFiles::IsFolder(const std::string& path) {
  std::string folder = text::ToUpper(path);
  while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
  if (folders.count(folder) > 0) return true;
  const auto holds = [&folder](const auto& file) { return file.first.rfind(folder + "\\", 0) == 0; };
  return std::any_of(files_.begin(), files_.end(), holds) || std::any_of(bytes_.begin(), bytes_.end(), holds);
}

std::optional<std::vector<std::string>> MemoryFiles::ReadLines(const std::string& path) {
  auto found = files_.find(text::ToUpper(path));
  if (found == files_.end()) return std::nullopt;
  return found->second;
}

std::optional<std::string> MemoryFiles::ReadBytes(const std::string& path) {
  if (auto found = bytes_.find(text::ToUpper(path)); found != bytes_.end()) return found->second;
  auto lines = ReadLines(path);
  if (!lines) return std::nullopt;
  std::string content;
  for (const auto& line : *lines) content.append(line).append("\r\n");
  return content;
}

std::vector<std::string> MemoryFiles::FileNames(const std::string& folder, const std::string& extension) {
  const std::string prefix = text::ToUpper(folder) + "\\";
  const std::string ending = text::ToUpper(extension);
  std::vector<std::string> names;
  auto take = [&](const std::string& path) {
    if (path.rfind(prefix, 0) != 0 || path.size() < prefix.size() + ending.size()) return;
    std::string name = path.substr(prefix.size());
    if (name.find('\\') == std::string::npos && name.substr(name.size() - ending.size()) == ending)
      names.push_back(name);
  };
  for (const auto& file : files_) take(file.first);
  for (const auto& file : bytes_) take(file.first);
  return names;
}

bool MemoryFiles::WriteLines(const std::string& path, const std::vector<std::string>& lines) {
  if (failWrites) return false;
  files_[text::ToUpper(path)] = lines;
  writtenFiles.push_back(path);
  return true;
}

std::uint32_t MemoryFiles::ReplaceWithLines(const std::string& path, const std::vector<std::string>& lines) {
  auto error = replaceErrors.find(text::ToUpper(path));
  if (error != replaceErrors.end()) return error->second;
  files_[text::ToUpper(path)] = lines;
  writtenFiles.push_back(path);
  return 0;
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

void MemoryFiles::AddBytes(const std::string& path, std::string bytes) {
  bytes_[text::ToUpper(path)] = std::move(bytes);
}

void MemoryFiles::RemoveFile(const std::string& path) {
  files_.erase(text::ToUpper(path));
  bytes_.erase(text::ToUpper(path));
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
  ports.netManagement = &netManagement;
  previous_ = InstallPorts(ports);
}

World::~World() { InstallPorts(previous_); }

}  // namespace vrex::os::memory
