#include "lang/os_version.h"

#include <string>

#include "platform/os/ports.h"
#include "platform/text.h"

namespace vrex {
namespace {

std::string ServiceText(const os::OsVersionInfo& info) {
  return text::Trim(text::UpToNul(std::string_view(info.csdVersion.data(), info.csdVersion.size())));
}

os::OsVersionInfo VersionBlock() {
  // The size field is implied by the port: the adapter passes a zeroed
  // 148-byte block with its size set.
  os::OsVersionInfo info{};
  if (!os::SystemPort().QueryVersion(info)) info = os::OsVersionInfo{};
  return info;
}

// An NT that the code table does not know: 6.0 (Vista) and everything after.
bool IsLaterNT(const os::OsVersionInfo& info) {
  return info.platformId == os::kPlatformWin32NT && info.majorVersion >= 6;
}

}  // namespace

std::uint8_t OsVersionCodeOf(const os::OsVersionInfo& info) {
  if (info.platformId == os::kPlatformWin32s) return oscode::kWin32s;
  if (info.platformId == os::kPlatformWin32NT) {
    switch (info.majorVersion) {
      case 3: return oscode::kWinNT3;
      case 4: return oscode::kWinNT4;
      case 5: return info.minorVersion == 1 ? oscode::kWinXP : oscode::kWin2000;
      default: return oscode::kUnknown;
    }
  }
  if (info.majorVersion != 4) return oscode::kUnknown;
  switch (info.minorVersion) {
    case 0: return ServiceText(info) == "B" ? oscode::kWin95Osr2 : oscode::kWin95;
    case 10: return ServiceText(info) == "A" ? oscode::kWin98SE : oscode::kWin98;
    case 90: return oscode::kWinMe;
    default: return oscode::kUnknown;
  }
}

std::uint8_t GetOSVersionCode() { return OsVersionCodeOf(VersionBlock()); }

bool IsWin9xFamily() {
  switch (GetOSVersionCode()) {
    case oscode::kWin95:
    case oscode::kWin95Osr2:
    case oscode::kWin98:
    case oscode::kWin98SE:
    case oscode::kWinMe: return true;
    default: return false;
  }
}

bool IsWin95() {
  auto code = GetOSVersionCode();
  return code == oscode::kWin95 || code == oscode::kWin95Osr2;
}

bool IsNTFamily() {
  const os::OsVersionInfo info = VersionBlock();
  switch (OsVersionCodeOf(info)) {
    case oscode::kWinNT3:
    case oscode::kWinNT4:
    case oscode::kWin2000:
    case oscode::kWinXP: return true;
    default: return IsLaterNT(info);
  }
}

bool IsWin2000() { return GetOSVersionCode() == oscode::kWin2000; }
bool IsWinXP() { return GetOSVersionCode() == oscode::kWinXP; }

bool IsWinXPOrLater() {
  const os::OsVersionInfo info = VersionBlock();
  return OsVersionCodeOf(info) == oscode::kWinXP || IsLaterNT(info);
}

}  // namespace vrex
