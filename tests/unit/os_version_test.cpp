// The OS version code and its predicates over every row of the decision table.
#include <gtest/gtest.h>

#include "lang/os_version.h"
#include "support/memory/memory_ports.h"

namespace vrex {
namespace {

struct VersionCase {
  std::uint32_t platform, major, minor;
  const char* service;
  std::uint8_t code;
};

TEST(OsVersionCode, DecisionTable) {
  const VersionCase cases[] = {
      {0, 3, 11, "", 1},    {1, 4, 0, "", 2},
      {1, 4, 0, " B ", 3},  {1, 4, 0, "b", 2},
      {1, 4, 0, "C", 2},    {1, 4, 10, "", 4},
      {1, 4, 10, " A ", 5}, {1, 4, 10, "\tA\r\n", 5},
      {1, 4, 10, "A B", 4}, {1, 4, 90, " ", 9},
      {2, 3, 51, "", 6},    {2, 4, 0, "Service Pack 6", 7},
      {2, 5, 0, "", 8},     {2, 5, 1, "Service Pack 2", 10},
      {2, 5, 2, "", 8},     {2, 6, 0, "", 0},
      {2, 6, 1, "", 0},     {1, 4, 1, "", 0},
      {1, 5, 0, "", 0},     {3, 4, 0, "", 2},
      {3, 4, 10, "A", 5},   {3, 5, 0, "", 0},
  };
  for (const auto& c : cases) {
    os::memory::World world;
    world.system.SetVersion(c.platform, c.major, c.minor, c.service);
    EXPECT_EQ(GetOSVersionCode(), c.code) << c.platform << " " << c.major << "." << c.minor << " [" << c.service << "]";
  }
}

TEST(OsVersionCode, ServiceTextEndsAtItsFirstNul) {
  os::memory::World world;
  world.system.SetVersion(1, 4, 10);
  world.system.version.csdVersion[0] = 'A';
  world.system.version.csdVersion[2] = 'X';  // after the NUL: ignored
  EXPECT_EQ(GetOSVersionCode(), oscode::kWin98SE);
}

TEST(OsVersionCode, FailingCallIsUnrecognisedWin32sBlock) {
  os::memory::World world;
  world.system.SetVersion(2, 5, 1);
  world.system.versionCallFails = true;
  // A zeroed block has platform id 0.
  EXPECT_EQ(GetOSVersionCode(), oscode::kWin32s);
}

TEST(OsVersionCode, PredicatesFollowTheCode) {
  struct Row {
    std::uint32_t platform, major, minor;
    bool nine, ninetyFive, nt, w2k, xp, xpOrLater;
  };
  const Row rows[] = {
      {1, 4, 0, true, true, false, false, false, false},   {1, 4, 10, true, false, false, false, false, false},
      {1, 4, 90, true, false, false, false, false, false}, {2, 3, 51, false, false, true, false, false, false},
      {2, 4, 0, false, false, true, false, false, false},  {2, 5, 0, false, false, true, true, false, false},
      {2, 5, 1, false, false, true, false, true, true},    {2, 5, 2, false, false, true, true, false, false},
      {2, 6, 0, false, false, true, false, false, true},   {2, 10, 0, false, false, true, false, false, true},
      {1, 5, 0, false, false, false, false, false, false}, {0, 1, 0, false, false, false, false, false, false},
  };
  for (const auto& r : rows) {
    os::memory::World world;
    world.system.SetVersion(r.platform, r.major, r.minor);
    SCOPED_TRACE(testing::Message() << r.platform << " " << r.major << "." << r.minor);
    EXPECT_EQ(IsWin9xFamily(), r.nine);
    EXPECT_EQ(IsWin95(), r.ninetyFive);
    EXPECT_EQ(IsNTFamily(), r.nt);
    EXPECT_EQ(IsWin2000(), r.w2k);
    EXPECT_EQ(IsWinXP(), r.xp);
    EXPECT_EQ(IsWinXPOrLater(), r.xpOrLater);
  }
}

}  // namespace
}  // namespace vrex
