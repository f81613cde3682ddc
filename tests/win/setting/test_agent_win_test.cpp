// The connection walk through the real Win32 SNMP adapter over our test
// agent DLL serving a fixture table.  Wine loads its own agent even for a
// path unless told to prefer ours (WINEDLLOVERRIDES=inetmib1=n): the test
// script runs this executable once so and says so in VREX_EXPECT_TEST_AGENT.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <fstream>

#include "gather/connections.h"
#include "platform/os/win/network_ports_win.h"
#include "platform/os/win/win_ports_win.h"

namespace vrex::gather {
namespace {

// The test agent: VREX_TEST_AGENT, else the build's testagent folder beside tests.
std::string TestAgentPath() {
  if (const char* path = std::getenv("VREX_TEST_AGENT")) return path;
  char exe[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::string folder(exe);
  folder.erase(folder.find_last_of('\\'));
  return folder + "\\..\\testagent\\inetmib1.dll";
}

std::string FixturePath() {
  std::string agent = TestAgentPath();
  return agent.substr(0, agent.find_last_of('\\') + 1) + "connections.txt";
}

std::string RealHostName() {
  WSADATA data;
  WSAStartup(0x0101, &data);
  char name[256] = {};
  gethostname(name, sizeof name);
  WSACleanup();
  return name;
}

std::vector<std::string> TcpLines(const std::string& local, const std::string& remote, const std::string& state) {
  return {
      "<IMG src=\"idx:6\"></IMG> <FONT color=\"clnavy\" SIZE=\"10\">TCP</FONT>",
      "<FONT COLOR=\"clblue\" SIZE=\"8\">Local adress: <IND x=\"200\"><FONT color=\"clmaroon\">" + local + "</FONT>",
      "<FONT COLOR=\"clblue\" SIZE=\"8\">Remote adress: <IND x=\"200\"><FONT color=\"clmaroon\">" + remote + "</FONT>",
      "<FONT COLOR=\"clblue\" SIZE=\"8\">State:<IND x=\"200\"><FONT color=\"clmaroon\">" + state + "</FONT>"};
}

std::vector<std::string> UdpLines(const std::string& local) {
  return {
      "<IMG src=\"idx:6\"></IMG> <FONT color=\"clnavy\" SIZE=\"10\">UDP</FONT>",
      "<FONT COLOR=\"clblue\" SIZE=\"8\">Local adress:<IND x=\"200\"><FONT color=\"clmaroon\">" + local + "</FONT>",
      "<FONT COLOR=\"clblue\" SIZE=\"8\">Remote adress:<IND x=\"200\"><FONT color=\"clmaroon\">*.*.*.*: *</FONT>",
      std::string("<FONT COLOR=\"clblue\" SIZE=\"8\">State:<IND x=\"200\"><FONT color=\"clmaroon\">???") + "</FONT>"};
}

class TestAgentUnderWine : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::getenv("VREX_EXPECT_TEST_AGENT") == nullptr)
      GTEST_SKIP() << "VREX_EXPECT_TEST_AGENT not set (run with it and WINEDLLOVERRIDES=inetmib1=n)";
    os::win::InstallWin32Ports();
    previous_ = os::Os();
  }
  void TearDown() override {
    if (std::getenv("VREX_EXPECT_TEST_AGENT") == nullptr) return;
    os::InstallPorts(previous_);
    DeleteFileA(FixturePath().c_str());
  }
  std::vector<std::string> Collect(os::SnmpExtension& agent) {
    os::Ports ports = previous_;
    ports.snmp = &agent;
    os::InstallPorts(ports);
    return connectionstostringlst();
  }
  void WriteFixture(const std::string& text) {
    std::ofstream out(FixturePath(), std::ios::binary | std::ios::trunc);
    out << text;
  }
  // Wine names the module after the path asked for even when it loads its
  // own; its own modules carry "Wine builtin DLL" after the DOS header.
  static bool IsTestAgent(os::win::Win32Snmp& agent) {
    if (!agent.Loaded()) return false;
    HMODULE module = LoadLibraryA(TestAgentPath().c_str());
    if (module == nullptr) return false;
    bool builtin = std::memcmp(reinterpret_cast<const char*>(module) + 0x40, "Wine builtin DLL", 16) == 0;
    FreeLibrary(module);
    return !builtin;
  }
  os::Ports previous_;
};

TEST_F(TestAgentUnderWine, FixtureTableRendersWhole) {
  WriteFixture(
      "# state local port remote port\n"
      "tcp 2 0.0.0.0 22 0.0.0.0 0\n"
      "tcp 5 127.0.0.1 1025 127.0.0.1 80\n"
      "tcp 5 192.168.77.2 1026 10.255.77.5 47123\n"
      "tcp 12 192.168.77.2 1027 127.0.0.1 53\n"
      "\n"
      "udp 0.0.0.0 53\n"
      "udp 192.168.77.2 47124\n");
  os::win::Win32Snmp agent(TestAgentPath());
  ASSERT_TRUE(agent.Loaded()) << TestAgentPath();
  ASSERT_TRUE(IsTestAgent(agent)) << "Wine loaded its own agent: " << agent.AgentFile();
  auto lines = Collect(agent);
  const std::string host = RealHostName();
  ASSERT_FALSE(host.empty());
  std::vector<std::string> expected;
  // Wine answers service lookups from the host's services list, which names
  // the well-known ports; the high ports and 10.255.77.5 have no names.
  for (const auto& part : {TcpLines(host + ": ssh", "0.0.0.0: 0", "LISTENING"),
                           TcpLines(host + ": 1025", "localhost: http", "ESTABLISHED"),
                           TcpLines(host + ": 1026", "10.255.77.5: 47123", "ESTABLISHED"),
                           TcpLines(host + ": 1027", "localhost: domain", "DELETE_TCB"), UdpLines(host + ": domain"),
                           UdpLines(host + ": 47124")})
    expected.insert(expected.end(), part.begin(), part.end());
  EXPECT_EQ(lines, expected);
}

TEST_F(TestAgentUnderWine, TableThatNeverEndsIsCutShortAndKeepsItsRows) {
  WriteFixture("endless\nudp 0.0.0.0 53\n");
  os::win::Win32Snmp agent(TestAgentPath());
  ASSERT_TRUE(IsTestAgent(agent)) << "Wine loaded its own agent: " << agent.AgentFile();
  const DWORD started = GetTickCount();
  auto lines = Collect(agent);
  const DWORD took = GetTickCount() - started;
  // The walk stops at 65,536 rows or after 10 seconds, whichever comes first.
  EXPECT_LT(took, 20000u);
  ASSERT_GE(lines.size(), 4u);
  EXPECT_LE(lines.size(), 4u * 65536);
  EXPECT_EQ(lines.size() % 4, 0u);
  if (took < 10000) {
    EXPECT_EQ(lines.size(), 4u * 65536);
  }
  // Only the state column came: each row shows the host, port 0 and no remote.
  const auto first = std::vector<std::string>(lines.begin(), lines.begin() + 4);
  EXPECT_EQ(first, TcpLines(RealHostName() + ": 0", "0.0.0.0: 0", "ESTABLISHED"));
  // The walk ended there: the UDP table was not walked.
  EXPECT_EQ(lines.back(),
            "<FONT COLOR=\"clblue\" SIZE=\"8\">State:<IND x=\"200\"><FONT color=\"clmaroon\">ESTABLISHED</FONT>");
}

TEST_F(TestAgentUnderWine, AgentThatRefusesToStartGivesNoLines) {
  DeleteFileA(FixturePath().c_str());  // the test agent refuses to start without its table
  os::win::Win32Snmp agent(TestAgentPath());
  ASSERT_TRUE(agent.Loaded()) << TestAgentPath();
  ASSERT_TRUE(IsTestAgent(agent)) << "Wine loaded its own agent: " << agent.AgentFile();
  EXPECT_TRUE(Collect(agent).empty());
}

}  // namespace
}  // namespace vrex::gather
