#pragma once
// In-memory adapters of the kernel, module, file, INI and message box ports,
// and World, which owns one of each and installs them for a test.
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "support/memory/memory_net_management.h"
#include "support/memory/memory_network.h"
#include "support/memory/memory_registry.h"
#include "support/memory/memory_shell.h"
#include "support/memory/memory_version_resources.h"
#include "platform/os/ports.h"

namespace vrex::os::memory {

class MemorySystem : public System {
 public:
  bool QueryVersion(OsVersionInfo& info) override;
  std::uint16_t GetSystemDefaultLangID() override { return langId; }
  std::string ExePath() override { return exePath; }
  std::string SystemDirectory() override { return systemDirectory; }
  std::string WindowsDirectory() override { return windowsDirectory; }
  std::uint32_t TickCount() override { return tickCount; }
  std::uint32_t LastError() override { return lastError; }
  std::string ErrorMessageText(std::uint32_t code) override;
  // Formats with shortDateFormat, a picture of d, dd, M, MM, yy and yyyy.
  std::string ShortDateText(int year, int month, int day) override;
  // As a Western code page would: characters up to U+00FF stay, others become '?'.
  std::string WideToAnsi(std::u16string_view text) override;
  // Latin-1, the counterpart of WideToAnsi.
  std::u16string AnsiToWide(std::string_view text) override {
    std::u16string wide;
    for (char c : text) wide += static_cast<char16_t>(static_cast<unsigned char>(c));
    return wide;
  }
  std::uint32_t AnsiCodePage() override { return ansiCodePage; }
  std::string EnvironmentValue(const std::string& name) override {
    auto found = environment.find(name);
    return found == environment.end() ? std::string() : found->second;
  }
  LocalTime Now() override { return now; }
  std::string ComputerName() override { return computerName; }

  // Sets the version block the way a Windows version reports it.
  void SetVersion(std::uint32_t platformId, std::uint32_t major, std::uint32_t minor, std::string_view csd = "");

  OsVersionInfo version;
  bool versionCallFails = false;
  std::uint16_t langId = 0x0409;
  std::string exePath = "C:\\Program Files\\Vrex\\Network\\VrexNet.exe";
  std::string systemDirectory = "C:\\WINDOWS\\system32";
  std::string windowsDirectory = "C:\\WINDOWS";
  std::uint32_t tickCount = 1000;
  std::uint32_t lastError = 0;
  std::map<std::uint32_t, std::string> errorMessages;  // the system's texts by code
  std::string shortDateFormat = "M/d/yyyy";
  std::uint32_t ansiCodePage = 1252;
  std::map<std::string, std::string> environment;
  LocalTime now{2026, 12, 9, 19, 30, 5, 60};
  std::string computerName = "VREX-TEST";
  std::vector<std::string> datesFormatted;  // "yyyy-mm-dd" of each day asked for
};

class MemoryModules : public Modules {
 public:
  ModuleHandle Load(const std::string& path) override;
  // As Load, and remembered in loadedAsData.
  ModuleHandle LoadData(const std::string& path) override;
  bool Free(ModuleHandle module) override;
  ProcAddress Lookup(ModuleHandle module, const std::string& name) override;
  int LoadResourceString(ModuleHandle module, unsigned id, char* buffer, int bufferLength) override;
  TextExport FindTextExport(ModuleHandle module, const std::string& name) override;

  // A library file that LoadLibrary can find; its string table and its text exports.
  void AddLibrary(const std::string& path, std::map<unsigned, std::string> strings,
                  std::map<std::string, TextExport> textExports = {});
  // A library that exports these functions (an address of nullptr stands for
  // one that is never called).  handle, when not 0, is what LoadLibrary gives.
  void AddLibraryExports(const std::string& path, std::map<std::string, ProcAddress> exports, ModuleHandle handle = 0);
  struct LookedUp {
    std::string library;  // path the library was loaded by
    std::string name;
  };
  std::vector<LookedUp> lookups;  // GetProcAddress calls, in order
  // Loading this path throws, as a loader fault would.
  std::string throwingPath;
  // Strings of the program's own file (module handle 0).
  std::map<unsigned, std::string> ownStrings;
  std::vector<std::string> loaded;        // paths passed to LoadLibrary, in order
  std::vector<std::string> loadedAsData;  // those of them loaded as data files
  std::vector<ModuleHandle> freed;
  int LoadedCount() const;

 private:
  struct Library {
    std::string path;
    std::map<unsigned, std::string> strings;
    int references = 0;
    std::map<std::string, ProcAddress> exports;
    ModuleHandle handle = 0;  // 0: 0x10000 * (index + 1)
    std::map<std::string, TextExport> textExports;
  };
  Library* Find(ModuleHandle module);
  ModuleHandle HandleOf(std::size_t index) const;
  std::vector<Library> libraries_;
};

class MemoryFiles : public Files, public IniFiles {
 public:
  bool Exists(const std::string& path) override;
  // A folder of folders, or the folder of a file kept.
  bool IsFolder(const std::string& path) override;
  std::optional<std::vector<std::string>> ReadLines(const std::string& path) override;
  // A file added as bytes as they are; one of lines with CR LF after each.
  std::optional<std::string> ReadBytes(const std::string& path) override;
  // Upper-cased, as the files are kept.
  std::vector<std::string> FileNames(const std::string& folder, const std::string& extension) override;
  bool WriteLines(const std::string& path, const std::vector<std::string>& lines) override;
  std::uint32_t ReplaceWithLines(const std::string& path, const std::vector<std::string>& lines) override;
  std::optional<std::string> ReadString(const std::string& file, const std::string& section, const std::string& key,
                                        const std::string& fallback) override;
  bool WriteString(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& value) override;

  void AddFile(const std::string& path, std::vector<std::string> lines = {});
  void AddBytes(const std::string& path, std::string bytes);
  void RemoveFile(const std::string& path);
  // The INI key's value, or nothing when absent.
  std::optional<std::string> IniValue(const std::string& file, const std::string& section, const std::string& key);
  bool failWrites = false;
  // The error ReplaceWithLines gives for a path (upper-cased); the file then stays as it was.
  std::map<std::string, std::uint32_t> replaceErrors;
  std::vector<std::string> writtenFiles;
  std::set<std::string> folders;  // upper-cased, without a final backslash

 private:
  using Ini = std::map<std::string, std::map<std::string, std::string>>;  // upper-cased section, key
  std::map<std::string, std::vector<std::string>> files_;                 // key: upper-cased path
  std::map<std::string, std::string> bytes_;                              // key: upper-cased path
  std::map<std::string, Ini> inis_;
};

class RecordingMessageBoxes : public MessageBoxes {
 public:
  struct Shown {
    std::string text;
    std::string caption;
    std::uint32_t flags;
    bool utf8 = false;  // shown in Unicode from UTF-8 texts
  };
  int Show(const std::string& text, const std::string& caption, std::uint32_t flags) override;
  int ShowUtf8(const std::string& text, const std::string& caption, std::uint32_t flags) override;
  std::vector<Shown> shown;
  std::deque<int> answers;  // answers given in order; IDOK (or IDYES for yes/no boxes) when empty

 private:
  int Answer(std::uint32_t flags);
};

// Owns one adapter of each port and installs them for its lifetime.
class World {
 public:
  World();
  ~World();
  World(const World&) = delete;
  World& operator=(const World&) = delete;

  MemoryRegistry registry;
  MemorySystem system;
  MemoryModules modules;
  MemoryFiles files;
  RecordingMessageBoxes messages;
  MemorySockets sockets;
  MemoryIpHelper ipHelper;
  MemoryNetBios netbios;
  MemorySnmpAgent snmp;
  MemoryUi ui;
  MemoryVersionResources versions;
  MemoryShell shell;
  MemoryNetManagement netManagement;

 private:
  Ports previous_;
};

}  // namespace vrex::os::memory
