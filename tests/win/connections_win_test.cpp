// The connection walk through the real Win32 SNMP adapter: over a missing
// agent and over the system's own (the walk over our test agent, which needs
// a DLL override, is in setting/test_agent_win_test.cpp).
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

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

// Reverse lookups started at once answer as window messages while the
// thread's messages go through, each with the name a lookup of its own gives;
// a cancelled lookup's answer is dropped.
TEST_F(ConnectionsUnderWine, ReverseLookupsAtOnceAnswerAsLookupsOneAtATime) {
  os::WinsockSession winsock;
  ASSERT_TRUE(winsock.Started());
  auto& sockets = os::SocketsPort();
  const os::Ipv4 addresses[] = {{127, 0, 0, 1}, {10, 255, 77, 5}, {192, 0, 2, 1}};
  std::map<std::uint32_t, os::Ipv4> started;
  for (const auto& address : addresses) {
    auto lookup = sockets.StartNameLookup(address);
    ASSERT_TRUE(lookup.has_value()) << os::DottedQuad(address);
    started.emplace(*lookup, address);
  }
  auto cancelled = sockets.StartNameLookup({127, 0, 0, 1});
  ASSERT_TRUE(cancelled.has_value());
  sockets.CancelNameLookup(*cancelled);
  std::map<os::Ipv4, std::optional<std::string>> answered;
  std::vector<std::uint32_t> unexpected;
  auto take = [&] {
    os::UiPort().ProcessMessages();
    for (auto& answer : sockets.TakeNameAnswers()) {
      if (started.contains(answer.lookup))
        answered[started.at(answer.lookup)] = answer.name;
      else
        unexpected.push_back(answer.lookup);
    }
  };
  for (const DWORD begun = GetTickCount(); answered.size() < started.size() && GetTickCount() - begun < 20000;) {
    take();
    sockets.WaitForMessage(100);
  }
  // Time for the cancelled lookup's answer to come, were it passed on.
  for (const DWORD begun = GetTickCount(); GetTickCount() - begun < 300;) {
    sockets.WaitForMessage(50);
    take();
  }
  ASSERT_EQ(answered.size(), started.size());
  for (const auto& address : addresses)
    EXPECT_EQ(answered[address], sockets.NameOf(address)) << os::DottedQuad(address);
  EXPECT_TRUE(unexpected.empty());
}

}  // namespace
}  // namespace vrex::gather
