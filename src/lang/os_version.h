#pragma once
// Which Windows is running, as a small code (0 to 10), computed afresh on
// every call from GetVersionExA.
#include <cstdint>

#include "platform/os/system.h"

namespace vrex {

namespace oscode {
inline constexpr std::uint8_t kUnknown = 0;
inline constexpr std::uint8_t kWin32s = 1;
inline constexpr std::uint8_t kWin95 = 2;
inline constexpr std::uint8_t kWin95Osr2 = 3;
inline constexpr std::uint8_t kWin98 = 4;
inline constexpr std::uint8_t kWin98SE = 5;
inline constexpr std::uint8_t kWinNT3 = 6;
inline constexpr std::uint8_t kWinNT4 = 7;
inline constexpr std::uint8_t kWin2000 = 8;
inline constexpr std::uint8_t kWinMe = 9;
inline constexpr std::uint8_t kWinXP = 10;
}  // namespace oscode

// The code for one version block (the decision table without the system call).
std::uint8_t OsVersionCodeOf(const os::OsVersionInfo& info);

std::uint8_t GetOSVersionCode();
bool IsWin9xFamily();
bool IsWin95();
// NT 3.x, 4.0, 2000, XP, and every later NT (code 0: Vista to 11), whose
// pages read the layouts that NT 5 left them.
bool IsNTFamily();
bool IsWin2000();
bool IsWinXP();
// Windows XP or an NT from 6.0 on (Vista to 11), which keep XP's device and
// TCP/IP layouts.  Server 2003 (NT 5.2) has the code of Windows 2000 and its pages.
bool IsWinXPOrLater();

}  // namespace vrex
