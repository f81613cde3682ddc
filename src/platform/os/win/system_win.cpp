#include <windows.h>

#include <cstring>

#include "platform/os/win/win_ports_win.h"

namespace vrex::os::win {

bool Win32System::QueryVersion(OsVersionInfo& info) {
  OSVERSIONINFOA block;
  std::memset(&block, 0, sizeof block);
  block.dwOSVersionInfoSize = sizeof block;  // 148 bytes
  if (!GetVersionExA(&block)) return false;
  info.majorVersion = block.dwMajorVersion;
  info.minorVersion = block.dwMinorVersion;
  info.buildNumber = block.dwBuildNumber;
  info.platformId = block.dwPlatformId;
  static_assert(sizeof block.szCSDVersion == 128);
  std::memcpy(info.csdVersion.data(), block.szCSDVersion, sizeof block.szCSDVersion);
  return true;
}

std::uint16_t Win32System::GetSystemDefaultLangID() { return ::GetSystemDefaultLangID(); }

std::string Win32System::ExePath() {
  char buffer[MAX_PATH + 1] = {};
  DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  return std::string(buffer, length);
}

std::string Win32System::SystemDirectory() {
  char buffer[MAX_PATH + 1] = {};
  UINT length = GetSystemDirectoryA(buffer, MAX_PATH);
  return length <= MAX_PATH ? std::string(buffer, length) : std::string();
}

std::string Win32System::WindowsDirectory() {
  char buffer[MAX_PATH + 1] = {};
  UINT length = GetWindowsDirectoryA(buffer, MAX_PATH);
  return length <= MAX_PATH ? std::string(buffer, length) : std::string();
}

std::uint32_t Win32System::TickCount() { return GetTickCount(); }

}  // namespace vrex::os::win
