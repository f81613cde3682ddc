#include <windows.h>

#include "platform/os/win/version_resources_win.h"

#include "platform/os/win/handles_win.h"

namespace vrex::os::win {

std::uint32_t Win32VersionResources::InfoSize(const std::string& file) {
  DWORD handle = 0;
  return GetFileVersionInfoSizeA(file.c_str(), &handle);
}

bool Win32VersionResources::Info(const std::string& file, std::uint32_t length, void* block) {
  return GetFileVersionInfoA(file.c_str(), 0, length, block) != FALSE;
}

bool Win32VersionResources::QueryValue(void* block, const std::string& subBlock, void*& value, std::uint32_t& length) {
  LPVOID found = nullptr;
  UINT foundLength = 0;
  if (!VerQueryValueA(block, subBlock.c_str(), &found, &foundLength)) return false;
  value = found;
  length = foundLength;
  return true;
}

std::optional<std::string> Win32VersionResources::FileDateText(const std::string& file) {
  // FindFirstFileA gives the dates on every Windows; a pattern would match other files.
  if (file.find_first_of("*?") != std::string::npos) return std::nullopt;
  WIN32_FIND_DATAA data;
  if (!vrex::win::UniqueFindHandle(vrex::win::FileHandle(FindFirstFileA(file.c_str(), &data)))) return std::nullopt;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
  FILETIME local;
  SYSTEMTIME time;
  if (!FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) || !FileTimeToSystemTime(&local, &time))
    return std::nullopt;
  char buffer[128] = {};
  int length = GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, buffer, sizeof buffer);
  if (length <= 0) return std::nullopt;
  return std::string(buffer);
}

std::string Win32VersionResources::CodeModulePath() {
  // The module that holds this code is the allocation its own bytes lie in.
  static const char anchor = 0;
  MEMORY_BASIC_INFORMATION region{};
  if (VirtualQuery(&anchor, &region, sizeof region) != sizeof region || region.AllocationBase == nullptr) return {};
  auto module = static_cast<HMODULE>(region.AllocationBase);
  char buffer[256] = {};
  DWORD length = GetModuleFileNameA(module, buffer, 255);
  return std::string(buffer, length);
}

}  // namespace vrex::os::win
