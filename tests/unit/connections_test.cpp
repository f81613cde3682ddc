// The connection walk over an in-memory agent, its rendering, and the name
// lookups made for it.
#include <gtest/gtest.h>

#include "gather/connections.h"
#include "lang/language.h"
#include "support/memory/memory_ports.h"

namespace vrex::gather {
namespace {

using os::Ipv4;

constexpr Ipv4 kAny = {0, 0, 0, 0};
constexpr Ipv4 kLan = {192, 168, 1, 2};
constexpr Ipv4 kLoop = {127, 0, 0, 1};
constexpr Ipv4 kNoName = {10, 0, 0, 5};
constexpr Ipv4 kNamed = {10, 0, 0, 7};

const char* const kTcpHead = "<IMG src=\"idx:6\"></IMG> <FONT color=\"clnavy\" SIZE=\"10\">TCP</FONT>";
const char* const kUdpHead = "<IMG src=\"idx:6\"></IMG> <FONT color=\"clnavy\" SIZE=\"10\">UDP</FONT>";

std::vector<std::string> TcpLines(const std::string& local, const std::string& remote, const std::string& state) {
  return {
      kTcpHead,
      "<FONT COLOR=\"clblue\" SIZE=\"8\">Local adress: <IND x=\"200\"><FONT color=\"clmaroon\">" + local + "</FONT>",
      "<FONT COLOR=\"clblue\" SIZE=\"8\">Remote adress: <IND x=\"200\"><FONT color=\"clmaroon\">" + remote + "</FONT>",
      "<FONT COLOR=\"clblue\" SIZE=\"8\">State:<IND x=\"200\"><FONT color=\"clmaroon\">" + state + "</FONT>"};
}

std::vector<std::string> UdpLines(const std::string& local) {
  return {kUdpHead,
          "<FONT COLOR=\"clblue\" SIZE=\"8\">Local adress:<IND x=\"200\"><FONT color=\"clmaroon\">" + local + "</FONT>",
          "<FONT COLOR=\"clblue\" SIZE=\"8\">Remote adress:<IND x=\"200\"><FONT color=\"clmaroon\">*.*.*.*: *</FONT>",
          "<FONT COLOR=\"clblue\" SIZE=\"8\">State:<IND x=\"200\"><FONT color=\"clmaroon\">???"
          "</FONT>"};
}

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

class Connections : public ::testing::Test {
 protected:
  void SetUp() override {
    world.sockets.hostName = "desk";
    world.sockets.reverseNames[kNamed] = "server.example";
    world.sockets.services[{80, "tcp"}] = "http";
    world.sockets.services[{139, "tcp"}] = "netbios-ssn";
    world.sockets.services[{53, "udp"}] = "domain";
  }

  // A few rows of each table: a listener, a loopback connection, a remote
  // without a reverse name, a named remote.
  void AddTypicalRows() {
    world.snmp.AddTcpRow(2, kAny, 139, kAny, 0);
    world.snmp.AddTcpRow(5, kLan, 1025, kLoop, 80);
    world.snmp.AddTcpRow(5, kLan, 1026, kNoName, 8080);
    world.snmp.AddTcpRow(11, kLan, 1027, kNamed, 80);
    world.snmp.AddUdpRow(kAny, 53);
    world.snmp.AddUdpRow(kLan, 1900);
  }

  std::vector<std::string> TypicalTcpLines() {
    return Join({TcpLines("desk: netbios-ssn", "0.0.0.0: 0", "LISTENING"),
                 TcpLines("desk: 1025", "localhost: http", "ESTABLISHED"),
                 TcpLines("desk: 1026", "10.0.0.5: 8080", "ESTABLISHED"),
                 TcpLines("desk: 1027", "server.example: http", "TIME_WAIT")});
  }

  std::vector<std::string> TypicalUdpLines() { return Join({UdpLines("desk: domain"), UdpLines("desk: 1900")}); }

  os::memory::World world;
};

TEST(ConnRing, AppendsAfterTheCursorAndWalksBackToTheHead) {
  TConnRing ring;
  EXPECT_EQ(ring.First(), TConnRing::kHead);
  auto a = ring.InsertAfter(TConnRing::kHead);
  auto c = ring.InsertAfter(a);
  auto b = ring.InsertAfter(a);  // between a and c
  ring[a].LocalPort = 1;
  ring[b].LocalPort = 2;
  ring[c].LocalPort = 3;
  std::vector<std::uint32_t> ports;
  for (auto p = ring.First(); p != TConnRing::kHead; p = ring.Next(p)) ports.push_back(ring[p].LocalPort);
  EXPECT_EQ(ports, (std::vector<std::uint32_t>{1, 2, 3}));
  EXPECT_EQ(ring.Previous(TConnRing::kHead), c);
  EXPECT_EQ(ring.Previous(a), TConnRing::kHead);
  EXPECT_EQ(ring.Size(), 3u);
  EXPECT_EQ(ring[b].State, 0);  // a new record is all zero
  EXPECT_EQ(ring[b].RemoteAddr, kAny);
}

TEST(TcpStates, NamesTheMibStatesAndShowsOthersAsNumbers) {
  const char* expected[] = {"???",      "CLOSED",    "LISTENING",  "SYN_SENT", "SEN_RECEIVED", "ESTABLISHED",
                            "FIN_WAIT", "FIN_WAIT2", "CLOSE_WAIT", "CLOSING",  "LAST_ACK",     "TIME_WAIT"};
  for (int state = 0; state < 12; ++state) EXPECT_EQ(TcpStateName(state), expected[state]);
  EXPECT_EQ(TcpStateName(12), "DELETE_TCB");
  EXPECT_EQ(TcpStateName(13), "13");
  EXPECT_EQ(TcpStateName(-1), "-1");
  EXPECT_EQ(TcpStateName(2147483647), "2147483647");
}

TEST_F(Connections, RendersTcpRowsThenUdpRowsInMibOrder) {
  AddTypicalRows();
  auto lines = connectionstostringlst();
  EXPECT_EQ(lines, Join({TypicalTcpLines(), TypicalUdpLines()}));
  // The agent was started with the tick count and every binding released.
  EXPECT_EQ(world.snmp.inits, 1);
  EXPECT_EQ(world.snmp.uptimeReference, world.system.tickCount);
  EXPECT_EQ(world.snmp.liveVariables, 0);
  // One request per table cell plus one to find each table's end.
  EXPECT_EQ(world.snmp.queries, 4 * 5 + 1 + 2 * 2 + 1);
}

TEST_F(Connections, WalkFillsTheRingsFieldByField) {
  AddTypicalRows();
  ConnectionWalk walk;
  walk.StartWinsock();
  auto tcp = walk.TcpRing().Records();
  ASSERT_EQ(tcp.size(), 4u);
  EXPECT_EQ(tcp[1].State, 5);
  EXPECT_EQ(tcp[1].LocalAddr, kLan);
  EXPECT_EQ(tcp[1].LocalPort, 1025u);
  EXPECT_EQ(tcp[1].RemoteAddr, kLoop);
  EXPECT_EQ(tcp[1].RemotePort, 80u);
  auto udp = walk.UdpRing().Records();
  ASSERT_EQ(udp.size(), 2u);
  EXPECT_EQ(udp[1].LocalAddr, kLan);
  EXPECT_EQ(udp[1].LocalPort, 1900u);
  EXPECT_EQ(udp[1].State, 0);
  EXPECT_EQ(walk.LocalHostName(), "desk");
  walk.StopWinsock();
}

TEST_F(Connections, NoConnectionsAndNoListenersGiveAnEmptyList) {
  EXPECT_TRUE(connectionstostringlst().empty());
  // Winsock is started once and cleaned up once; the cursor comes back.
  EXPECT_EQ(world.sockets.requestedVersions, std::vector<std::uint16_t>{0x0101});
  EXPECT_EQ(world.sockets.startups, 1);
  EXPECT_EQ(world.sockets.cleanups, 1);
  EXPECT_EQ(world.ui.cursors, (std::vector<os::Cursor>{os::Cursor::AppStart, os::Cursor::Default}));
  EXPECT_EQ(world.ui.processMessagesCalls, 1);
}

TEST_F(Connections, AgentThatFailsToStartGivesNoLines) {
  AddTypicalRows();
  world.snmp.initFails = true;
  EXPECT_TRUE(connectionstostringlst().empty());
  EXPECT_EQ(world.snmp.queries, 0);
  EXPECT_EQ(world.sockets.cleanups, 1);
}

TEST_F(Connections, FailedRequestInTheTcpTableStopsTheWholeWalk) {
  AddTypicalRows();
  world.snmp.failAtRequest = 7;  // a cell of the second column
  EXPECT_TRUE(connectionstostringlst().empty());
  EXPECT_EQ(world.snmp.queries, 7);
  EXPECT_EQ(world.snmp.liveVariables, 0);
}

TEST_F(Connections, FailedRequestInTheUdpTableKeepsTheTcpLines) {
  AddTypicalRows();
  world.snmp.failAtRequest = 4 * 5 + 1 + 3;  // the UDP table's third request
  EXPECT_EQ(connectionstostringlst(), TypicalTcpLines());
}

TEST_F(Connections, ErrorStatusOtherThanEndOfViewIsAFailedRequest) {
  AddTypicalRows();
  world.snmp.failAtRequest = 4 * 5 + 2;  // first cell of the UDP table
  world.snmp.failingErrorStatus = os::asn::kGenErr;
  EXPECT_EQ(connectionstostringlst(), TypicalTcpLines());
}

TEST_F(Connections, MissingColumnsLeaveTheirFieldsZero) {
  world.snmp.AddTcpRow(5, kLan, 1025, kNamed, 80);
  world.snmp.AddTcpRow(5, kLan, 1026, kNoName, 443);
  // No remote-port column at all; the UDP table lacks its port column.
  world.snmp.RemoveObjects({1, 3, 6, 1, 2, 1, 6, 13, 1, 5});
  world.snmp.AddUdpRow(kAny, 53);
  world.snmp.RemoveObjects({1, 3, 6, 1, 2, 1, 7, 5, 1, 2});
  EXPECT_EQ(connectionstostringlst(),
            Join({TcpLines("desk: 1025", "server.example: 0", "ESTABLISHED"),
                  TcpLines("desk: 1026", "10.0.0.5: 0", "ESTABLISHED"), UdpLines("desk: 0")}));
}

TEST_F(Connections, MissingRemoteAddressColumnShowsNoRemote) {
  world.snmp.AddTcpRow(5, kLan, 1025, kNamed, 80);
  world.snmp.RemoveObjects({1, 3, 6, 1, 2, 1, 6, 13, 1, 4});
  EXPECT_EQ(connectionstostringlst(), TcpLines("desk: 1025", "0.0.0.0: 0", "ESTABLISHED"));
  EXPECT_EQ(world.sockets.nameLookups, 0);
}

TEST_F(Connections, LaterColumnWithExtraRowsNeverWritesOutsideTheRecords) {
  world.snmp.AddTcpRow(5, kLan, 1025, kNamed, 80);
  world.snmp.AddTcpRow(5, kLan, 1026, kNoName, 8080);
  // Rows that appeared between the requests for column 1 and the later ones.
  using Agent = os::memory::MemorySnmpAgent;
  for (std::uint32_t extra : {2000u, 2001u, 2002u}) {
    world.snmp.SetObject(Agent::TcpCell(3, kLan, extra, kNamed, 80), {os::asn::kInteger, 4444, {}});
    world.snmp.SetObject(Agent::TcpCell(5, kLan, extra, kNamed, 80), {os::asn::kInteger, 5555, {}});
  }
  world.snmp.SetObject(Agent::UdpCell(2, kLan, 9), {os::asn::kInteger, 9, {}});  // no UDP row in column 1
  ConnectionWalk walk;
  walk.StartWinsock();
  auto tcp = walk.TcpRing().Records();
  ASSERT_EQ(tcp.size(), 2u);
  EXPECT_EQ(tcp[0].LocalPort, 1025u);
  EXPECT_EQ(tcp[1].LocalPort, 1026u);
  EXPECT_EQ(tcp[0].RemotePort, 80u);
  EXPECT_EQ(tcp[1].RemotePort, 8080u);
  EXPECT_EQ(walk.UdpRing().Size(), 0u);
  EXPECT_EQ(walk.Lines(), Join({TcpLines("desk: 1025", "server.example: http", "ESTABLISHED"),
                                TcpLines("desk: 1026", "10.0.0.5: 8080", "ESTABLISHED")}));
  walk.StopWinsock();
}

TEST_F(Connections, ShortAddressValuesAreZeroFilled) {
  using Agent = os::memory::MemorySnmpAgent;
  world.snmp.AddTcpRow(5, kLan, 1025, kNamed, 80);
  world.snmp.SetObject(Agent::TcpCell(4, kLan, 1025, kNamed, 80), {os::asn::kIpAddress, 0, {10, 0}});
  ConnectionWalk walk;
  walk.StartWinsock();
  EXPECT_EQ(walk.TcpRing().Records().at(0).RemoteAddr, (Ipv4{10, 0, 0, 0}));
  walk.StopWinsock();
}

TEST_F(Connections, ObjectsBeyondATableEndItEvenWithLongNames) {
  world.snmp.AddUdpRow(kAny, 53);
  // A later table of the UDP group, with as many components as a row of the listener table.
  world.snmp.SetObject({1, 3, 6, 1, 2, 1, 7, 7, 1, 1, 0, 0, 0, 0, 53}, {os::asn::kInteger, 1, {}});
  EXPECT_EQ(connectionstostringlst(), UdpLines("desk: domain"));
}

// Answers the GET-NEXT requests with the names given, in turn, then with the
// end of its view: a broken agent's order.
class ScriptedAgent : public os::SnmpExtension {
 public:
  struct Variable : os::SnmpVariable {
    bool AppendToName(const os::Oid& ids) override {
      name.insert(name.end(), ids.begin(), ids.end());
      return true;
    }
    os::Oid Name() const override { return name; }
    os::SnmpValue Value() const override { return {os::asn::kInteger, 5, {}}; }
    os::Oid name;
  };
  explicit ScriptedAgent(std::vector<os::Oid> names) : answers(std::move(names)) {}
  bool ExtensionInit(std::uint32_t) override { return true; }
  std::unique_ptr<os::SnmpVariable> NewVariable() override { return std::make_unique<Variable>(); }
  bool ExtensionQuery(std::uint8_t, os::SnmpVariable& variable, std::int32_t& status, std::int32_t& index) override {
    index = 0;
    const std::size_t answer = queries++;
    status = answer < answers.size() ? os::asn::kNoError : os::asn::kNoSuchName;
    if (answer < answers.size()) static_cast<Variable&>(variable).name = answers[answer];
    return true;
  }
  std::vector<os::Oid> answers;
  std::size_t queries = 0;
};

TEST_F(Connections, AgentThatDoesNotMoveOnOrGoesBackEndsTheWalkWithoutLines) {
  using Agent = os::memory::MemorySnmpAgent;
  const os::Oid rowA = Agent::TcpCell(1, kLan, 1, kLan, 2);
  const os::Oid rowB = Agent::TcpCell(1, kLan, 3, kLan, 4);
  struct Case {
    const char* what;
    std::vector<os::Oid> answers;
    std::size_t queries;
  };
  const Case cases[] = {
      {"the same row again", {rowA, rowA}, 2},
      {"a column before the one just given",
       {rowA, rowB, Agent::TcpCell(3, kLan, 1, kLan, 2), Agent::TcpCell(2, kLan, 1, kLan, 2)},
       4},
      {"an earlier row of the same column", {rowB, rowA}, 2},
  };
  for (const Case& c : cases) {
    ScriptedAgent agent(c.answers);
    auto ports = os::Os();
    ports.snmp = &agent;
    auto previous = os::InstallPorts(ports);
    auto lines = connectionstostringlst();
    os::InstallPorts(previous);
    EXPECT_TRUE(lines.empty()) << c.what;
    EXPECT_EQ(agent.queries, c.queries) << c.what;
  }
}

// A TCP table whose first column never ends: every GET-NEXT gives a row after
// the one asked for.  Each answer can cost time.
Ipv4 RemoteOfRow(std::uint32_t row) {
  return {10, static_cast<std::uint8_t>(row >> 16), static_cast<std::uint8_t>(row >> 8),
          static_cast<std::uint8_t>(row)};
}

class EndlessAgent : public os::SnmpExtension {
 public:
  explicit EndlessAgent(os::memory::MemorySystem& system) : system_(system) {}
  struct Variable : os::SnmpVariable {
    bool AppendToName(const os::Oid& ids) override {
      name.insert(name.end(), ids.begin(), ids.end());
      return true;
    }
    os::Oid Name() const override { return name; }
    os::SnmpValue Value() const override { return {os::asn::kInteger, 5, {}}; }
    os::Oid name;
  };
  bool ExtensionInit(std::uint32_t) override { return true; }
  std::unique_ptr<os::SnmpVariable> NewVariable() override { return std::make_unique<Variable>(); }
  bool ExtensionQuery(std::uint8_t, os::SnmpVariable& variable, std::int32_t& status, std::int32_t& index) override {
    status = index = 0;
    ++queries;
    system_.tickCount += millisecondsPerAnswer;
    const std::uint32_t row = static_cast<std::uint32_t>(queries);
    static_cast<Variable&>(variable).name = os::memory::MemorySnmpAgent::TcpCell(1, kLan, 1025, RemoteOfRow(row), row);
    return true;
  }
  std::uint32_t millisecondsPerAnswer = 0;
  std::size_t queries = 0;

 private:
  os::memory::MemorySystem& system_;
};

TEST_F(Connections, EndlessTableIsCutShortKeepingItsRows) {
  struct Case {
    const char* what;
    std::uint32_t millisecondsPerAnswer;
    std::size_t rows;     // rows kept and rendered
    std::size_t queries;  // requests sent, the UDP table's included
  };
  const Case cases[] = {
      // 10 s at 100 ms an answer: the request due at 10 s is not sent.
      {"slow agent", 100, 100, 100},
      {"quick agent", 0, 65536, 65537},
  };
  for (const auto& c : cases) {
    EndlessAgent endless(world.system);
    endless.millisecondsPerAnswer = c.millisecondsPerAnswer;
    world.system.tickCount = 0xFFFFF000;  // the tick count wraps during the walk
    auto ports = os::Os();
    ports.snmp = &endless;
    auto previous = os::InstallPorts(ports);
    ConnectionWalk walk;
    walk.StartWinsock();
    os::InstallPorts(previous);
    EXPECT_EQ(endless.queries, c.queries) << c.what;
    EXPECT_EQ(walk.TcpRing().Size(), c.rows) << c.what;
    ASSERT_EQ(walk.Lines().size(), 4 * c.rows) << c.what;
    // The rows are rendered: column 1, the state, is all the endless table gave.
    const auto first = std::vector<std::string>(walk.Lines().begin(), walk.Lines().begin() + 4);
    EXPECT_EQ(first, TcpLines("desk: 0", "0.0.0.0: 0", "ESTABLISHED")) << c.what;
    walk.StopWinsock();
  }
}

TEST_F(Connections, AgentFailingAtTheFirstRequestGivesNoLines) {
  AddTypicalRows();
  world.snmp.failAtRequest = 1;
  EXPECT_TRUE(connectionstostringlst().empty());
  EXPECT_EQ(world.snmp.queries, 1);
}

TEST_F(Connections, LooksEachAddressAndPortUpOncePerWalk) {
  for (std::uint32_t port = 1100; port < 1110; ++port) world.snmp.AddTcpRow(5, kLan, port, kNoName, 80);
  for (std::uint32_t port = 1200; port < 1205; ++port) world.snmp.AddTcpRow(5, kLan, port, kNamed, 80);
  std::vector<std::pair<int, int>> lookupsDoneAtEachPump;  // reverse lookups started, service lookups
  world.ui.onProcessMessages = [&] {
    lookupsDoneAtEachPump.emplace_back(world.sockets.lookupsStarted, world.sockets.serviceLookups);
  };
  auto lines = connectionstostringlst();
  ASSERT_EQ(lines.size(), 15u * 4);
  EXPECT_EQ(lines[2 * 4 + 2], TcpLines("", "10.0.0.5: http", "").at(2));
  EXPECT_EQ(world.sockets.lookupsStarted, 2);
  EXPECT_EQ(world.sockets.nameLookups, 0);
  // 15 local ports and the remote port 80.
  EXPECT_EQ(world.sockets.serviceLookups, 16);
  // Messages go through before the walk, before the reverse lookups start,
  // while they are awaited, and before each service lookup.
  ASSERT_EQ(lookupsDoneAtEachPump.size(), 3u + 16);
  EXPECT_EQ(lookupsDoneAtEachPump[0], std::make_pair(0, 0));
  EXPECT_EQ(lookupsDoneAtEachPump[1], std::make_pair(0, 0));
  EXPECT_EQ(lookupsDoneAtEachPump[2], std::make_pair(2, 0));
  for (std::size_t i = 3; i < lookupsDoneAtEachPump.size(); ++i)
    EXPECT_EQ(lookupsDoneAtEachPump[i], std::make_pair(2, static_cast<int>(i) - 3)) << "pump " << i;
}

// Remote addresses whose lookups answer at different times, two rows to the
// first: looked up all at once, each address has the name it has when looked
// up alone, in the same lines, except the one whose answer comes after the
// walk stops waiting, which shows as a failed lookup does.
TEST_F(Connections, LookupsAtOnceNameTheLinesAsLookupsOneAtATime) {
  constexpr Ipv4 kSlow = {10, 0, 0, 8};
  constexpr Ipv4 kLate = {10, 0, 0, 9};
  world.sockets.reverseNames[kSlow] = "slow.example";
  world.sockets.reverseNames[kLate] = "late.example";
  world.sockets.simulatedTicks = &world.system.tickCount;
  world.sockets.lookupMilliseconds = 75;
  world.sockets.lookupDelays[kSlow] = 4900;
  world.sockets.lookupDelays[kLate] = 5100;
  world.snmp.AddTcpRow(5, kLan, 1025, kNamed, 80);
  world.snmp.AddTcpRow(5, kLan, 1026, kNoName, 8080);
  world.snmp.AddTcpRow(5, kLan, 1027, kLate, 80);
  world.snmp.AddTcpRow(5, kLan, 1028, kSlow, 80);
  world.snmp.AddTcpRow(5, kLan, 1029, kNamed, 8080);
  struct Case {
    const char* what;
    bool startLookupFails;
    std::vector<std::string> remotes;
    int started;
    int oneAtATime;
    std::uint32_t milliseconds;
    std::vector<std::uint32_t> cancelled;
  };
  const Case cases[] = {
      {"one at a time",
       true,
       {"server.example: http", "10.0.0.5: 8080", "late.example: http", "slow.example: http", "server.example: 8080"},
       0,
       4,
       75 + 75 + 5100 + 4900,
       {}},
      {"all at once",
       false,
       {"server.example: http", "10.0.0.5: 8080", "10.0.0.9: http", "slow.example: http", "server.example: 8080"},
       4,
       0,
       5000,
       {3}},
  };
  for (const auto& c : cases) {
    world.sockets.startLookupFails = c.startLookupFails;
    world.sockets.lookupsStarted = world.sockets.nameLookups = 0;
    world.sockets.cancelled.clear();
    const std::uint32_t started = world.system.tickCount;
    auto lines = connectionstostringlst();
    ASSERT_EQ(lines.size(), 5u * 4) << c.what;
    for (std::size_t row = 0; row < 5; ++row)
      EXPECT_EQ(lines[row * 4 + 2], TcpLines("", c.remotes[row], "").at(2)) << c.what << ", row " << row;
    EXPECT_EQ(world.sockets.lookupsStarted, c.started) << c.what;
    EXPECT_EQ(world.sockets.nameLookups, c.oneAtATime) << c.what;
    EXPECT_EQ(world.system.tickCount - started, c.milliseconds) << c.what;
    EXPECT_EQ(world.sockets.cancelled, c.cancelled) << c.what;
  }
}

TEST_F(Connections, NamesWithoutLookups) {
  ConnectionWalk walk;
  walk.StartWinsock();
  EXPECT_EQ(walk.AddrName(true, kNamed), "desk");
  EXPECT_EQ(walk.AddrName(false, kAny), "0.0.0.0");
  EXPECT_EQ(walk.AddrName(false, kLoop), "localhost");
  EXPECT_EQ(walk.AddrName(false, Ipv4{172, 16, 254, 1}), "172.16.254.1");
  EXPECT_EQ(walk.AddrName(false, kNamed), "server.example");
  EXPECT_EQ(walk.PortName(80, "tcp"), "http");
  EXPECT_EQ(walk.PortName(80, "udp"), "80");  // the protocol is part of the question
  EXPECT_EQ(walk.PortName(70000, "tcp"), "70000");
  EXPECT_EQ(world.sockets.nameLookups, 2);
  EXPECT_EQ(world.sockets.serviceLookups, 2);  // a value beyond 65535 is no port to look up
  walk.StopWinsock();
}

TEST_F(Connections, WinsockThatFailsToStartIsReportedAndEndsTheProgramAfterTheWalk) {
  world.sockets.startupError = 10091;  // WSASYSNOTREADY
  world.snmp.AddTcpRow(5, kLan, 1025, kNamed, 80);
  auto lines = connectionstostringlst();
  ASSERT_EQ(world.messages.shown.size(), 1u);
  EXPECT_EQ(world.messages.shown[0].text, "Could not initialize Winsock.");
  EXPECT_EQ(world.messages.shown[0].flags, os::mb::kOk | os::mb::kIconError);
  EXPECT_TRUE(world.ui.terminated);
  // The walk still ran, without a host name and without names from Winsock.
  EXPECT_EQ(lines, TcpLines(": 1025", "10.0.0.7: 80", "ESTABLISHED"));
  EXPECT_EQ(world.sockets.cleanups, 0);  // nothing was started, so nothing is cleaned up
}

TEST_F(Connections, StateAboveTheTableIsShown) {
  world.snmp.AddTcpRow(12, kLan, 1025, kAny, 0);
  world.snmp.AddTcpRow(40, kLan, 1026, kAny, 0);
  EXPECT_EQ(connectionstostringlst(),
            Join({TcpLines("desk: 1025", "0.0.0.0: 0", "DELETE_TCB"), TcpLines("desk: 1026", "0.0.0.0: 0", "40")}));
}

}  // namespace
}  // namespace vrex::gather
