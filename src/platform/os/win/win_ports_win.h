#pragma once
// The Win32 adapters of the OS ports: thin calls, no logic.
#include <windows.h>

#include "platform/os/ports.h"

namespace vrex::os::win {

// The system's handle of a root key.
HKEY RootHandle(RootKey root);

class Win32Registry : public Registry {
 public:
  std::unique_ptr<RegistryKey> Open(RootKey root, std::string_view path, Access access) override;
};

class Win32System : public System {
 public:
  bool QueryVersion(OsVersionInfo& info) override;
  std::uint16_t GetSystemDefaultLangID() override;
  std::string ExePath() override;
  std::string SystemDirectory() override;
  std::string WindowsDirectory() override;
  std::uint32_t TickCount() override;
  std::uint32_t LastError() override;
  std::string ErrorMessageText(std::uint32_t code) override;
  std::string ShortDateText(int year, int month, int day) override;
  std::string WideToAnsi(std::u16string_view text) override;
  std::u16string AnsiToWide(std::string_view text) override;
  std::uint32_t AnsiCodePage() override;
  std::string EnvironmentValue(const std::string& name) override;
  LocalTime Now() override;
  std::string ComputerName() override;
};

class Win32Modules : public Modules {
 public:
  ModuleHandle Load(const std::string& path) override;
  ModuleHandle LoadData(const std::string& path) override;
  bool Free(ModuleHandle module) override;
  ProcAddress Lookup(ModuleHandle module, const std::string& name) override;
  int LoadResourceString(ModuleHandle module, unsigned id, char* buffer, int bufferLength) override;
  TextExport FindTextExport(ModuleHandle module, const std::string& name) override;
};

class Win32Files : public Files, public IniFiles {
 public:
  bool Exists(const std::string& path) override;
  bool IsFolder(const std::string& path) override;
  std::optional<std::vector<std::string>> ReadLines(const std::string& path) override;
  std::optional<std::string> ReadBytes(const std::string& path) override;
  std::vector<std::string> FileNames(const std::string& folder, const std::string& extension) override;
  bool WriteLines(const std::string& path, const std::vector<std::string>& lines) override;
  std::uint32_t ReplaceWithLines(const std::string& path, const std::vector<std::string>& lines) override;
  std::optional<std::string> ReadString(const std::string& file, const std::string& section, const std::string& key,
                                        const std::string& fallback) override;
  bool WriteString(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& value) override;
};

class Win32MessageBoxes : public MessageBoxes {
 public:
  int Show(const std::string& text, const std::string& caption, std::uint32_t flags) override;
  int ShowUtf8(const std::string& text, const std::string& caption, std::uint32_t flags) override;
};

// Installs the Win32 adapters for the life of the process.
void InstallWin32Ports();

}  // namespace vrex::os::win
