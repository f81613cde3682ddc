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

std::uint32_t Win32System::LastError() { return GetLastError(); }

std::string Win32System::ErrorMessageText(std::uint32_t code) {
  char buffer[1024];
  std::memset(buffer, 0, sizeof buffer);
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, buffer, sizeof buffer,
                 nullptr);
  buffer[sizeof buffer - 1] = '\0';
  return buffer;
}

std::string Win32System::ShortDateText(int year, int month, int day) {
  SYSTEMTIME date{};
  date.wYear = static_cast<WORD>(year);
  date.wMonth = static_cast<WORD>(month);
  date.wDay = static_cast<WORD>(day);
  char buffer[128] = {};
  if (GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &date, nullptr, buffer, sizeof buffer) <= 0) return {};
  return buffer;
}

std::uint32_t Win32System::AnsiCodePage() { return GetACP(); }

std::string Win32System::EnvironmentValue(const std::string& name) {
  std::string value(MAX_PATH, '\0');
  DWORD length = GetEnvironmentVariableA(name.c_str(), value.data(), static_cast<DWORD>(value.size()));
  if (length >= value.size()) {  // too small: the length asked for counts the NUL
    value.resize(length);
    length = GetEnvironmentVariableA(name.c_str(), value.data(), static_cast<DWORD>(value.size()));
    if (length >= value.size()) length = 0;
  }
  value.resize(length);
  return value;
}

std::u16string Win32System::AnsiToWide(std::string_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  int size = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
  if (size <= 0) return {};
  std::u16string converted(static_cast<std::size_t>(size), u'\0');
  size = MultiByteToWideChar(CP_ACP, 0, text.data(), length, reinterpret_cast<wchar_t*>(converted.data()), size);
  converted.resize(size > 0 ? static_cast<std::size_t>(size) : 0);
  return converted;
}

LocalTime Win32System::Now() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  TIME_ZONE_INFORMATION zone{};
  // Local time = UTC - bias, in minutes, with the bias of the part of the year in force.
  LONG bias = 0;
  switch (GetTimeZoneInformation(&zone)) {
    case TIME_ZONE_ID_STANDARD: bias = zone.Bias + zone.StandardBias; break;
    case TIME_ZONE_ID_DAYLIGHT: bias = zone.Bias + zone.DaylightBias; break;
    case TIME_ZONE_ID_UNKNOWN: bias = zone.Bias; break;
    default: break;
  }
  return LocalTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, static_cast<int>(-bias)};
}

std::string Win32System::ComputerName() {
  char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
  DWORD size = sizeof name;
  return GetComputerNameA(name, &size) ? std::string(name, size) : std::string();
}

std::string Win32System::WideToAnsi(std::u16string_view text) {
  if (text.empty()) return {};
  static_assert(sizeof(wchar_t) == sizeof(char16_t));
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int length = static_cast<int>(text.size());
  int size = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string converted(static_cast<std::size_t>(size), '\0');
  size = WideCharToMultiByte(CP_ACP, 0, wide, length, converted.data(), size, nullptr, nullptr);
  converted.resize(size > 0 ? static_cast<std::size_t>(size) : 0);
  return converted;
}

}  // namespace vrex::os::win
