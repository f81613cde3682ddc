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
  struct Case {
    os::RootKey root;
    const char* path;
    const char* name;
    const std::string& (*field)();
  };
  const Case cases[] = {
      {os::RootKey::CurrentUser, "Software\\Microsoft\\Internet Explorer\\Main", "start page",
       []() -> const std::string& { return gather::InternetInfo().IEStartPage; }},
      {os::RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", "DefaultUserName",
       []() -> const std::string& { return gather::BasicInfo().UserName; }},
  };
  for (const Case& c : cases) world.registry.SetText(c.root, c.path, c.name, "kept");
  getnetinfo();
  for (const Case& c : cases) EXPECT_EQ(c.field(), "kept") << c.name;
  for (const Case& c : cases) world.registry.DeleteKey(c.root, c.path);
  getnetinfo();
  for (const Case& c : cases) EXPECT_EQ(c.field(), "") << c.name;
}

}  // namespace
}  // namespace vrex::app
