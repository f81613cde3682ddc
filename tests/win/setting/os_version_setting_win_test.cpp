// The version code under each Windows version setting of Wine.  The test
// script runs this executable once per setting and says in
// VREX_EXPECT_OS_CODE which code that setting must give.
#include <gtest/gtest.h>

#include <cstdlib>

#include "lang/os_version.h"
#include "platform/os/win/win_ports_win.h"

namespace vrex {
namespace {

TEST(VersionSetting, VersionCodeMatchesTheWineVersionSetting) {
  const char* expected = std::getenv("VREX_EXPECT_OS_CODE");
  if (expected == nullptr) GTEST_SKIP() << "VREX_EXPECT_OS_CODE not set";
  os::win::InstallWin32Ports();
  EXPECT_EQ(GetOSVersionCode(), std::atoi(expected));
}

}  // namespace
}  // namespace vrex
