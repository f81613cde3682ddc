// A refresh reads the identity and Internet values afresh: what the system
// no longer holds goes from the pages.
#include <gtest/gtest.h>

#include "app/startup_gathering.h"
#include "gather/basic_info.h"
#include "gather/internet_info.h"
#include "support/memory/memory_ports.h"

namespace vrex::app {
namespace {

TEST(GatherAgain, ValuesGoneSinceTheLastRunAreGone) {
  os::memory::World world;
  world.system.SetVersion(2, 5, 1);
  const char* kStartPage = "Software\\Microsoft\\Internet Explorer\\Main";
  const char* kLogon = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
  world.registry.SetText(os::RootKey::CurrentUser, kStartPage, "start page", "kept");
  world.registry.SetText(os::RootKey::LocalMachine, kLogon, "DefaultUserName", "kept");
  getnetinfo();
  world.registry.DeleteKey(os::RootKey::CurrentUser, kStartPage);
  world.registry.DeleteKey(os::RootKey::LocalMachine, kLogon);
  ASSERT_EQ(gather::InternetInfo().IEStartPage + gather::BasicInfo().UserName, "keptkept");
  getnetinfo();
  EXPECT_EQ(gather::InternetInfo().IEStartPage + gather::BasicInfo().UserName, "");
}

}  // namespace
}  // namespace vrex::app
