#pragma once
// Kernel facts the program asks for: its own path, system folders, the
// default language and the version block of GetVersionExA; the calling
// thread's last error and the system's text for an error code; dates in the
// short date format and wide texts in the ANSI code page.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vrex::os {

// Platform identifiers of the version block.
inline constexpr std::uint32_t kPlatformWin32s = 0;
inline constexpr std::uint32_t kPlatformWin32Windows = 1;  // the 9x family
inline constexpr std::uint32_t kPlatformWin32NT = 2;

// The OSVERSIONINFOA block, 148 bytes on Windows.
// The local time of the clock, and how far it runs ahead of UTC.
struct LocalTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  int utcOffsetMinutes = 0;
};

struct OsVersionInfo {
  std::uint32_t majorVersion = 0;
  std::uint32_t minorVersion = 0;
  std::uint32_t buildNumber = 0;
  std::uint32_t platformId = 0;
  std::array<char, 128> csdVersion{};
};

class System {
 public:
  virtual ~System() = default;
  // False when the call fails; the block is then left untouched.
  virtual bool QueryVersion(OsVersionInfo& info) = 0;
  virtual std::uint16_t GetSystemDefaultLangID() = 0;
  // Full path of the running executable.
  virtual std::string ExePath() = 0;
  virtual std::string SystemDirectory() = 0;
  virtual std::string WindowsDirectory() = 0;
  virtual std::uint32_t TickCount() = 0;
  // GetLastError.
  virtual std::uint32_t LastError() = 0;
  // The system message table's text for the code (FormatMessageA into 1024
  // bytes, default language, inserts ignored), up to its first NUL; empty
  // when the system has none.
  virtual std::string ErrorMessageText(std::uint32_t code) = 0;
  // The day in the user's short date format (GetDateFormatA); empty on failure.
  virtual std::string ShortDateText(int year, int month, int day) = 0;
  // A wide text in the ANSI code page (WideCharToMultiByte with CP_ACP).
  virtual std::string WideToAnsi(std::u16string_view text) = 0;
  // An ANSI text as a wide one (MultiByteToWideChar with CP_ACP).
  virtual std::u16string AnsiToWide(std::string_view text) = 0;
  // The number of the ANSI code page (GetACP): 1252, 1251, 1250 ...
  virtual std::uint32_t AnsiCodePage() = 0;
  // The value of an environment variable; empty when it is not set.
  virtual std::string EnvironmentValue(const std::string& name) = 0;
  // Now, on the local clock, with the offset of the time zone in force.
  virtual LocalTime Now() = 0;
  // The computer's NetBIOS name (GetComputerNameA); empty on failure.
  virtual std::string ComputerName() = 0;
};

}  // namespace vrex::os
