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

// The system agent under Wine lists no TCP connections and serves only the
// first column of the UDP table; a UDP socket of this process, bound to the
// loopback address, is one row of it whatever else is there.
TEST_F(ConnectionsUnderWine, SystemAgentWalkListsABoundUdpSocketInWholeRows) {
  os::win::Win32Snmp agent;
  if (!agent.Loaded()) GTEST_SKIP() << "no system agent in this run (its load order prefers a native one)";
  WSADATA data;
  ASSERT_EQ(WSAStartup(0x0101, &data), 0);
  SOCKET udp = socket(AF_INET, SOCK_DGRAM, 0);
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  const bool bound = bind(udp, reinterpret_cast<sockaddr*>(&local), sizeof local) == 0;
  auto lines = Collect(agent);
  closesocket(udp);
  WSACleanup();
  ASSERT_TRUE(bound);
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines.size() % 4, 0u);
  for (std::size_t i = 0; i < lines.size(); i += 4)
    EXPECT_NE(lines[i].find("SIZE=\"10\">"), std::string::npos) << lines[i];
  EXPECT_EQ(lines[lines.size() - 4], "<IMG src=\"idx:6\"></IMG> <FONT color=\"clnavy\" SIZE=\"10\">UDP</FONT>");
  RecordProperty("systemAgentLines", static_cast<int>(lines.size()));
}

}  // namespace
}  // namespace vrex::gather
