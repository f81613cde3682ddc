// TCP/IP settings: the three registry layouts on their fixtures, the servers
// of a comma list, and values longer than the old 255-byte buffer.
#include <gtest/gtest.h>

#include "gather/tcpip_details.h"
#include "lang/language.h"
#include "support/memory/memory_ports.h"

namespace vrex::gather {
namespace {

using Lines = std::vector<std::string>;

std::string Fixture(const char* name) { return std::string(VREX_FIXTURES) + "/" + name; }

struct Version {
  std::uint32_t platform, major, minor;
};
constexpr Version kWin2000{2, 5, 0};
constexpr Version kWin98{1, 4, 10};
constexpr Version kNT4{2, 4, 0};
constexpr Version kXP{2, 5, 1};
constexpr Version kVista{2, 6, 0};
constexpr Version kWin10{2, 10, 0};

class TcpIpDetails : public ::testing::Test {
 protected:
  void SetUp() override {
    UnloadLanguageModule();
    world.modules.ownStrings = {{299, "IP"},   {300, "DNS1"}, {301, "DNSn"}, {302, "DNS"}, {303, "GW"},
                                {304, "DHCP"}, {306, "Mask"}, {20, "yes"},   {21, "no"}};
  }
  void Use(Version version, const char* fixture) {
    world.system.SetVersion(version.platform, version.major, version.minor);
    if (fixture != nullptr) world.registry.LoadFile(Fixture(fixture));
  }
  os::memory::World world;
};

constexpr const char* kWin2000Interfaces =
    "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\{11111111-0000-0000-0000-000000000001}";

struct LayoutCase {
  const char* name;
  Version version;
  const char* fixture;
  const char* deleteKey;  // HKLM key removed after loading, or null
  const char* host;
  Lines expected;
};

// Two adapters: one name server and no address of its own (the host's
// stands in), then three, a two-entry mask and a DHCP lease.
const Lines kInterfaceLines = {
    R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">IP<IND x="200"><FONT color="clmaroon">192.168.1.20</FONT>)",
    R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">Mask<IND x="200"><FONT color="clmaroon">255.255.255.0</FONT>)",
    R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">DNS1<IND x="200"><FONT color="clmaroon">192.168.1.53</FONT>)",
    R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">DNSn<IND x="200"><FONT color="clmaroon"></FONT>)",
    R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">GW<IND x="200"><FONT color="clmaroon">192.168.1.1</FONT>)",
    R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">DHCP<IND x="200"><FONT color="clmaroon">no</FONT>)",
    R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">IP<IND x="200"><FONT color="clmaroon">10.0.0.77</FONT>)",
    R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">Mask<IND x="200"><FONT color="clmaroon">255.255.0.0, 255.0.0.0</FONT>)",
    R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">DNS1<IND x="200"><FONT color="clmaroon">10.0.0.53</FONT>)",
    R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">DNSn<IND x="200"><FONT color="clmaroon">10.0.1.53,10.0.2.53</FONT>)",
    R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">DHCP<IND x="200"><FONT color="clmaroon">yes</FONT>)",
};

TEST_F(TcpIpDetails, EachLayoutGivesItsLines) {
  const LayoutCase cases[] = {
      {"Windows 2000", kWin2000, "tcpip_win2k.reg", nullptr, "192.168.1.20", kInterfaceLines},
      {"XP keeps the 2000 layout", kXP, "tcpip_win2k.reg", nullptr, "192.168.1.20", kInterfaceLines},
      {"so does Vista", kVista, "tcpip_win2k.reg", nullptr, "192.168.1.20", kInterfaceLines},
      {"and Windows 10", kWin10, "tcpip_win2k.reg", nullptr, "192.168.1.20", kInterfaceLines},
      {"Windows 2000 without the adapters key", kWin2000, nullptr, nullptr, "192.168.1.20", {}},
      {"9x family, the second transport key holds the host address",
       kWin98,
       "tcpip_win9x.reg",
       nullptr,
       "192.168.1.20",
       {
           R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">IP<IND x="200"><FONT color="clmaroon">192.168.1.20</FONT>)",
           R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">Mask<IND x="200"><FONT color="clmaroon">255.255.255.0</FONT>)",
           R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">DHCP<IND x="200"><FONT color="clmaroon">no</FONT>)",
           R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">GW<IND x="200"><FONT color="clmaroon">192.168.1.1</FONT>)",
           R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">DNS1<IND x="200"><FONT color="clmaroon">192.168.1.53</FONT>)",
           R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">DNSn<IND x="200"><FONT color="clmaroon">192.168.2.53</FONT>)",
       }},
      {"9x family, no key holds the host address: the last key walked speaks",
       kWin98,
       "tcpip_win9x.reg",
       nullptr,
       "10.9.9.9",
       {
           R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">IP<IND x="200"><FONT color="clmaroon">10.9.9.9</FONT>)",
           R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">Mask<IND x="200"><FONT color="clmaroon">0.0.0.0</FONT>)",
           R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">DHCP<IND x="200"><FONT color="clmaroon">yes</FONT>)",
           R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">DNS1<IND x="200"><FONT color="clmaroon">192.168.1.53</FONT>)",
           R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">DNSn<IND x="200"><FONT color="clmaroon">192.168.2.53</FONT>)",
       }},
      {"9x family without the transport keys: the address alone",
       kWin98,
       nullptr,
       nullptr,
       "10.9.9.9",
       {
           R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">IP<IND x="200"><FONT color="clmaroon">10.9.9.9</FONT>)",
       }},
      {"NT 4.0 with the adapter service key",
       kNT4,
       "tcpip_nt4.reg",
       nullptr,
       "172.16.0.9",
       {
           R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">IP<IMG src="idx:3"></IMG> <FONT color="clblue">172.16.0.9</FONT>)",
           R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">Mask<IND x="200"><FONT color="clmaroon">255.255.0.0</FONT>)",
           R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">IP<IMG src="idx:3"></IMG> <FONT color="clblue">172.16.0.9</FONT>)",
           R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">DNS<IND x="200"><FONT color="clmaroon">172.16.0.53 172.16.1.53</FONT>)",
           R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">GW<IND x="200"><FONT color="clmaroon">172.16.0.1</FONT>)",
           R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">DHCP<IND x="200"><FONT color="clmaroon">no</FONT>)",
       }},
      {"NT 4.0 without the adapter service key",
       kNT4,
       "tcpip_nt4.reg",
       "SYSTEM\\CurrentControlSet\\Services\\TC5081",
       "172.16.0.9",
       {
           R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">IP<IMG src="idx:3"></IMG> <FONT color="clblue">172.16.0.9</FONT>)",
           R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">DNS<IND x="200"><FONT color="clmaroon">172.16.0.53 172.16.1.53</FONT>)",
       }},
      {"NT 4.0 on the Windows 2000 layout: the parameters key alone, without name servers",
       kNT4,
       "tcpip_win2k.reg",
       nullptr,
       "192.168.1.20",
       {
           R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">IP<IMG src="idx:3"></IMG> <FONT color="clblue">192.168.1.20</FONT>)",
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    world.registry = os::memory::MemoryRegistry();
    Use(c.version, c.fixture);
    if (c.deleteKey != nullptr) world.registry.DeleteKey(os::RootKey::LocalMachine, c.deleteKey);
    EXPECT_EQ(tcpipdetailstostringlst(c.host), c.expected);
    EXPECT_EQ(world.registry.fullAccessOpens, 0);
  }
}

TEST_F(TcpIpDetails, MissingValuesOmitTheirLines) {
  Use(kWin2000, "tcpip_win2k.reg");
  for (const char* value : {"SubnetMask", "NameServer", "DefaultGateway", "EnableDHCP"})
    world.registry.LoadText(std::string("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\") + kWin2000Interfaces + "]\n\"" + value +
                            "\"=-\n");
  Lines lines = tcpipdetailstostringlst("192.168.1.20");
  ASSERT_EQ(lines.size(), 6u);  // the first adapter's address alone, then the second's five lines
  EXPECT_EQ(lines[0], kInterfaceLines[0]);
  EXPECT_EQ(lines[1], kInterfaceLines[6]);
}

// An adapter's address line shows its own address: the lease with DHCP on,
// else its first configured address, else the host's.
TEST_F(TcpIpDetails, EachAdapterShowsItsOwnAddress) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "192.168.1.20"},
      {"\"IPAddress\"=hex(7):31,2e,31,2e,31,2e,31,00,32,2e,32,2e,32,2e,32,00,00\n", "1.1.1.1"},
      {"\"IPAddress\"=hex(7):31,2e,31,2e,31,2e,31,00,00\n\"DhcpIPAddress\"=\"9.9.9.9\"\n", "1.1.1.1"},
      {"\"EnableDHCP\"=dword:00000001\n\"IPAddress\"=hex(7):31,2e,31,2e,31,2e,31,00,00\n"
       "\"DhcpIPAddress\"=\"9.9.9.9\"\n",
       "9.9.9.9"},
      {"\"EnableDHCP\"=dword:00000001\n\"DhcpIPAddress\"=\"\"\n", "192.168.1.20"},
  };
  for (const auto& [values, address] : cases) {
    world.registry = os::memory::MemoryRegistry();
    Use(kXP, "tcpip_win2k.reg");
    world.registry.LoadText(std::string("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\") + kWin2000Interfaces + "]\n" + values);
    EXPECT_EQ(tcpipdetailstostringlst("192.168.1.20").at(0),
              std::string(
                  R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">IP<IND x="200"><FONT color="clmaroon">)") +
                  address + "</FONT>")
        << values;
  }
}

// Values past 255 bytes are read whole; a shorter one is unchanged by that.
TEST_F(TcpIpDetails, LongValuesAreShownWhole) {
  Use(kWin2000, "tcpip_win2k.reg");
  auto multi = [](const std::string& text) {
    std::vector<std::uint8_t> data(text.begin(), text.end());
    data.insert(data.end(), {0, 0});
    return data;
  };
  std::string masks;
  for (int i = 0; i < 20; ++i) masks += "255.255.255.0";  // 260 bytes
  std::string gateways;
  for (int i = 0; i < 30; ++i) gateways += "10.0.0." + std::to_string(100 + i);  // 300 bytes
  world.registry.SetRaw(os::RootKey::LocalMachine, kWin2000Interfaces, "SubnetMask", 7, multi(masks));
  world.registry.SetRaw(os::RootKey::LocalMachine, kWin2000Interfaces, "DefaultGateway", 7, multi(gateways));
  // An interface path of more than 255 bytes.
  const std::string longName = "{" + std::string(240, 'A') + "}";
  world.registry.SetRaw(
      os::RootKey::LocalMachine,
      "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Adapters\\{33333333-0000-0000-0000-000000000003}",
      "IpConfig", 7, multi("Tcpip\\Parameters\\Interfaces\\" + longName));
  world.registry.SetText(os::RootKey::LocalMachine,
                         "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\" + longName,
                         "NameServer", "10.3.3.3");

  Lines lines = tcpipdetailstostringlst("192.168.1.20");
  ASSERT_EQ(lines.size(), 14u);
  EXPECT_EQ(lines[1],
            R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">Mask<IND x="200"><FONT color="clmaroon">)" +
                masks + "</FONT>");
  EXPECT_EQ(lines[4],
            R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">GW<IND x="200"><FONT color="clmaroon">)" +
                gateways + "</FONT>");
  EXPECT_EQ(
      lines[12],
      R"(<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">DNS1<IND x="200"><FONT color="clmaroon">10.3.3.3</FONT>)");
}

TEST_F(TcpIpDetails, FirstAndFurtherServers) {
  struct Case {
    const char* servers;
    const char* first;
    const char* further;
  };
  const Case cases[] = {
      {"", "", ""},
      {"10.0.0.1", "10.0.0.1", ""},
      {"10.0.0.1,10.0.0.2", "10.0.0.1", "10.0.0.2"},
      {"10.0.0.1,10.0.0.2,10.0.0.3", "10.0.0.1", "10.0.0.2,10.0.0.3"},
      {",10.0.0.2", "", "10.0.0.2"},
      {"10.0.0.1,", "10.0.0.1", ""},
      {"10.0.0.1 10.0.0.2", "10.0.0.1 10.0.0.2", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.servers);
    EXPECT_EQ(FirstServer(c.servers), c.first);
    EXPECT_EQ(FurtherServers(c.servers), c.further);
  }
}

}  // namespace
}  // namespace vrex::gather
