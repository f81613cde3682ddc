// The connection walk through the real Win32 SNMP adapter: over a missing
// agent and over the system's own (the walk over our test agent, which needs
// a DLL override, is in setting/test_agent_win_test.cpp).
#include <gtest/gtest.h>
#include <windows.h>

#include "gather/connections.h"
#include "platform/os/win/network_ports_win.h"
#include "platform/os/win/win_ports_win.h"

namespace vrex::gather {
namespace {

class ConnectionsUnderWine : public ::testing::Test {
 protected:
  void SetUp() override {
    os::win::InstallWin32Ports();
    previous_ = os::Os();
  }
  void TearDown() override { os::InstallPorts(previous_); }
  std::vector<std::string> Collect(os::SnmpExtension& agent) {
    os::Ports ports = previous_;
    ports.snmp = &agent;
    os::InstallPorts(ports);
    return connectionstostringlst();
  }
  os::Ports previous_;
};

TEST_F(ConnectionsUnderWine, MissingAgentGivesNoLines) {
  os::win::Win32Snmp agent("C:\\nowhere\\inetmib1-missing.dll");
  EXPECT_FALSE(agent.Loaded());
  EXPECT_TRUE(Collect(agent).empty());
}

// The system agent lists no TCP connections under Wine and stops the UDP
// table early; whatever it serves, the walk ends and yields whole rows.
TEST_F(ConnectionsUnderWine, SystemAgentWalkEndsWithWholeRows) {
  os::win::Win32Snmp agent;
  if (!agent.Loaded()) GTEST_SKIP() << "no system agent in this run (its load order prefers a native one)";
  auto lines = Collect(agent);
  EXPECT_EQ(lines.size() % 4, 0u);
  for (std::size_t i = 0; i < lines.size(); i += 4)
    EXPECT_NE(lines[i].find("SIZE=\"10\">"), std::string::npos) << lines[i];
  RecordProperty("systemAgentLines", static_cast<int>(lines.size()));
}

}  // namespace
}  // namespace vrex::gather
