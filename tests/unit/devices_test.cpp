// The device walks of every registry layout, the database pass over the
// database generated from the PCI ID list, and the adapters, protocols,
// services and clients pages.
#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>

#include "devicedb_build.h"
#include "gather/device_list.h"
#include "gather/network_adapters.h"
#include "gather/protocols.h"
#include "lang/language.h"
#include "platform/cipher.h"
#include "support/memory/memory_ports.h"

namespace vrex::gather {
namespace {

using Lines = std::vector<std::string>;

// The install layout beside the program's own folder, wherever it is started from.
const char* const kNetFile = "C:\\Program Files\\Vrex\\Network\\..\\SHARED\\DATABASES\\net.txt";
const char* const kOtherFile = "C:\\Program Files\\Vrex\\Network\\..\\SHARED\\DATABASES\\other.txt";

// The database files as the build writes them, from the installed PCI ID list.
const devicedb::DatabaseLines& EncipheredDatabase() {
  static const devicedb::DatabaseLines files = [] {
    devicedb::DatabaseLines lines = devicedb::BuildDatabaseFromFiles(VREX_PCI_IDS, VREX_NETWORK_PCI_IDS);
    TCryptLib cipher = DeviceDatabaseCipher();
    for (auto* file : {&lines.net, &lines.other})
      for (auto& line : *file) line = cipher.Encode(line);
    return lines;
  }();
  return files;
}

struct Layout {
  const char* name;
  std::uint32_t platform, major, minor;
  const char* fixture;
};
constexpr Layout kWin2000{"2000", 2, 5, 0, "devices_win2k.reg"};
constexpr Layout kWinXP{"XP", 2, 5, 1, "devices_xp.reg"};
constexpr Layout kWin98{"98", 1, 4, 10, "devices_98.reg"};
constexpr Layout kWinMe{"Me", 1, 4, 90, "devices_98.reg"};
constexpr Layout kWin95{"95", 1, 4, 0, "devices_95.reg"};
constexpr Layout kWinNT4{"NT 4.0", 2, 4, 0, "devices_nt4.reg"};

class Devices : public ::testing::Test {
 protected:
  void SetUp() override { UnloadLanguageModule(); }
  // A fresh machine of the layout.
  void Load(const Layout& layout, bool withDatabase = true) {
    machine.reset();
    machine.emplace();
    world.modules.ownStrings = {{500, "Driver"},   {501, "Description:"}, {502, "Provider:"},
                                {503, "Version:"}, {504, "Date:"},        {505, "Setup file:"}};
    world.system.SetVersion(layout.platform, layout.major, layout.minor);
    world.registry.LoadFile(std::string(VREX_FIXTURES) + "/" + layout.fixture);
    if (withDatabase) {
      world.files.AddFile(kNetFile, EncipheredDatabase().net);
      world.files.AddFile(kOtherFile, EncipheredDatabase().other);
    }
  }
  // Class, name and database name of each record, in walk order.
  static Lines Summary() {
    Lines lines;
    for (const auto& r : DeviceList()) lines.push_back(r.ClassName + "|" + r.Name + "|" + r.DatabaseName);
    return lines;
  }
  void Gather() {
    BuildDeviceList();
    AnnotateDevices("net", "");
    getnetcards();
    getprotocolsetc();
  }
  std::optional<os::memory::World> machine{std::in_place};
  os::memory::World& world = *machine;
};

const char* const kRealtek = "Realtek RTL8139 Family PCI Fast Ethernet NIC";
const char* const kRealtekFromDatabase =
    "Realtek Semiconductor Co., Ltd. RTL-8100/8101L/8139 PCI Fast Ethernet Adapter";
const char* const kBroadcomFromDatabase =
    "Broadcom Inc. and subsidiaries NetXtreme BCM5751 Gigabit Ethernet PCI Express";
const char* const kIntel = "Intel(R) PRO/1000 MT Network Connection";
const char* const kIntelFromDatabase =
    "Intel Corporation 82540EM Gigabit Ethernet Controller (PRO/1000 MT Desktop Adapter)";

TEST_F(Devices, EachLayoutIsWalkedAndNamedFromTheDatabase) {
  struct Case {
    Layout layout;
    Lines records;
  };
  const std::string realtek = std::string("Net|") + kRealtek + "|" + kRealtekFromDatabase;
  const std::string intel = std::string("Net|") + kIntel + "|" + kIntelFromDatabase;
  // The class-Unknown card the database knows becomes a network card.
  const std::string broadcom = std::string("net|Ethernet Controller|") + kBroadcomFromDatabase;
  const Lines nt5 = {realtek, "Modem|LT Win Modem|", broadcom, intel, "Net|Prototype Network Adapter|"};
  const Lines win9x = {realtek,           intel, "Net|Prototype Network Adapter|", "Modem|LT Win Modem|", broadcom,
                       "NetTrans|TCP/IP|"};
  const Case cases[] = {
      // Windows 2000 leaves a record without DeviceReference empty; both skip
      // an instance without a Control subkey.
      {kWin2000,
       [&] {
         Lines l = nt5;
         l.insert(l.end(), {"||", "||"});
         return l;
       }()},
      // The chipset's SMBus controller stays Unknown: no network device.
      {kWinXP,
       [&] {
         Lines l = nt5;
         l.insert(l.end() - 1, "Unknown|SM Bus Controller|");
         l.insert(l.end(), {"||", "Net|WAN Miniport (IP)|"});
         return l;
       }()},
      {kWin98, win9x},
      {kWinMe, win9x},
      // Windows 95 files the modem, which has no class GUID, by its class name; no device twice.
      {kWin95, win9x},
      // NT 4.0: started root devices only, named by their adapter string; no database pass.
      {kWinNT4,
       {"Net|Prototype Network Adapter|", "Modem|LT Win Modem|",
        "Net|Realtek RTL8139 PCI Fast Ethernet Adapter|Realtek RTL8139(A) PCI Fast Ethernet Adapter",
        "Unknown|Ethernet Controller|"}},
  };
  for (const auto& c : cases) {
    Load(c.layout);
    BuildDeviceList();
    AnnotateDevices("net", "");
    EXPECT_EQ(Summary(), c.records) << c.layout.name;
  }
}

TEST_F(Devices, RecordFieldsOfAnNT5Card) {
  Load(kWin2000);
  BuildDeviceList();
  AnnotateDevices("net", "");
  const DeviceListRecord& realtek = DeviceList()[0];
  EXPECT_EQ(realtek.ClassDescription, "Network adapters");
  EXPECT_EQ(realtek.InstanceKey,
            "SYSTEM\\CurrentControlSet\\Enum\\PCI\\VEN_10EC&DEV_8139&SUBSYS_813910EC&REV_10\\3&61AAA01&0&48");
  EXPECT_EQ(realtek.DriverKey,
            "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\0001");
  EXPECT_EQ(realtek.HardwareIds,
            "PCI\\VEN_10EC&DEV_8139&SUBSYS_813910EC&REV_10PCI\\VEN_10EC&DEV_8139&SUBSYS_813910EC"
            "PCI\\VEN_10EC&DEV_8139&CC_020000");
  EXPECT_EQ(realtek.HardwareFlag, 1);
  EXPECT_EQ(realtek.DatabaseVendor, "Realtek Semiconductor Co., Ltd.");
  EXPECT_EQ(DeviceList()[2].ClassDescription, "Network adapters");  // the reclassified card
}

TEST_F(Devices, WithoutTheDatabaseNamesStayEmptyAndTheAdaptersShowTheirOwn) {
  Load(kWinXP, false);
  Gather();
  for (const auto& record : DeviceList()) EXPECT_EQ(record.DatabaseName, "") << record.Name;
  EXPECT_EQ(netadapterstostringlst()[0], std::string("<FONT color=\"clnavy\" size=\"11\">") + kRealtek + "</FONT>");
}

TEST_F(Devices, UndecipherableLineStopsThePassWithTheCipherError) {
  Load(kWin2000, false);
  Lines damaged = EncipheredDatabase().net;
  damaged[3] = "not hexadecimal";
  world.files.AddFile(kNetFile, damaged);
  BuildDeviceList();
  EXPECT_THROW(
      {
        try {
          AnnotateDevices("net", "");
        } catch (const CryptError& error) {
          EXPECT_STREQ(error.what(), "TCryptLib: decrypting error - not hexlook string");
          throw;
        }
      },
      CryptError);
  for (const auto& record : DeviceList()) EXPECT_EQ(record.DatabaseName, "") << record.Name;
}

TEST_F(Devices, BrokenDatabaseFilesLeaveNamesOutNeverStopThePass) {
  struct Case {
    const char* what;
    std::optional<Lines> net;  // nothing: no file
    std::optional<Lines> other;
    bool named;            // the three cards get their database names
    bool found = true;     // the database counts as there
    bool damaged = false;  // the pass reports the cipher's error
  };
  const Lines& real = EncipheredDatabase().net;
  Lines odd = real;
  for (auto& line : odd) line += "7";  // a final single character is ignored
  Lines withEmptyLine = real;
  withEmptyLine.insert(withEmptyLine.begin() + 1, "");
  Lines huge = real;
  huge.insert(huge.begin(), std::string(10 * 1024 * 1024, '0'));  // one hexadecimal line of 10 MB
  const Case cases[] = {
      {"odd lengths", odd, std::nullopt, true},
      {"an empty line", withEmptyLine, std::nullopt, true},
      {"empty class file, lines in the other file", Lines{}, real, true},
      {"both files empty", Lines{}, Lines{}, false},
      {"no files", std::nullopt, std::nullopt, false, false},
      {"a 10 MB line first", huge, std::nullopt, false, true, true},
  };
  for (const auto& c : cases) {
    machine.emplace();
    Load(kWin2000, false);
    if (c.net) world.files.AddFile(kNetFile, *c.net);
    if (c.other) world.files.AddFile(kOtherFile, *c.other);
    BuildDeviceList();
    bool found = false;
    if (c.damaged) {
      EXPECT_THROW(AnnotateDevices("net", ""), CryptError) << c.what;
    } else {
      EXPECT_NO_THROW(found = AnnotateDevices("net", "")) << c.what;
      EXPECT_EQ(found, c.found) << c.what;
    }
    Lines names;
    for (const auto& record : DeviceList())
      if (!record.DatabaseName.empty()) names.push_back(record.DatabaseName);
    const Lines all = {kRealtekFromDatabase, kBroadcomFromDatabase, kIntelFromDatabase};
    EXPECT_EQ(names, c.named ? all : Lines{}) << c.what;
  }
}

TEST_F(Devices, FolderArgumentAndClassDescriptions) {
  Load(kWin98, false);
  world.files.AddFile("D:\\DB\\net.txt", EncipheredDatabase().net);  // the class file alone
  BuildDeviceList();
  AnnotateDevices("net", "D:\\DB");
  EXPECT_EQ(DeviceList()[0].DatabaseName, kRealtekFromDatabase);
  EXPECT_EQ(GetClassDescription("NET"), "Network adapters");
  EXPECT_EQ(GetClassDescription("Printer"), "");
  world.system.SetVersion(2, 3, 51);  // NT 3.51 walks nothing
  BuildDeviceList();
  EXPECT_TRUE(DeviceList().empty());
}

TEST_F(Devices, AdaptersPageShowsEachAdapterWithItsDriverValues) {
  Load(kWin2000);
  Gather();
  const std::string navy11 = "<FONT color=\"clnavy\" size=\"11\">";
  const std::string driver = "<FONT color=\"clnavy\" size=\"10\">Driver</FONT>";
  auto value = [](const char* icon, const char* label, const char* text) {
    return std::string("<IMG src=\"idx:") + icon + "\"></IMG> <FONT color=\"clblue\" size=\"10\">" + label +
           "<IND x=\"200\"><FONT color=\"clmaroon\">" + text + "</FONT>";
  };
  const Lines expected = {
      navy11 + kRealtekFromDatabase + "</FONT>",
      driver,
      value("1", "Description:", kRealtek),
      value("1", "Provider:", "Realtek"),
      value("1", "Version:", "5.396.530.2001"),
      value("1", "Date:", "5-30-2001"),
      value("1", "Setup file:", "oem1.inf"),
      " ",
      navy11 + "LT Win Modem</FONT>",
      driver,
      value("11", "Description:", "LT Win Modem"),
      value("11", "Provider:", "Lucent"),
      value("11", "Version:", "5.10.0.0"),
      " ",
      // No driver: the class root holds none of the values.
      navy11 + kBroadcomFromDatabase + "</FONT>",
      driver,
      " ",
      navy11 + kIntelFromDatabase + "</FONT>",
      driver,
      value("1", "Description:", kIntel),
      value("1", "Provider:", "Intel"),
      value("1", "Version:", "8.4.21.0"),
      value("1", "Date:", "11-24-2004"),
      value("1", "Setup file:", "net8254x.inf"),
      " ",
      navy11 + "Prototype Network Adapter</FONT>",
      driver,
      value("1", "Description:", "Prototype Network Adapter"),
      value("1", "Provider:", "Vrex Labs"),
      value("1", "Version:", "0.9.0.0"),
      value("1", "Date:", "1-15-2002"),
      value("1", "Setup file:", "oem2.inf"),
      " ",
      // "driver" software has no device record: its own plain line, once.
      navy11 + "Remote Access WAN Wrapper</FONT>",
  };
  EXPECT_EQ(netadapterstostringlst(), expected);
}

TEST_F(Devices, NT4AdaptersAreNamesOnly) {
  Load(kWinNT4);
  Gather();
  EXPECT_EQ(netadapterstostringlst(), (Lines{
                                          "<FONT color=\"clnavy\" size=\"11\">Prototype Network Adapter</FONT>",
                                          "<FONT color=\"clnavy\" size=\"11\">LT Win Modem</FONT>",
                                          "<FONT color=\"clnavy\" size=\"11\">Realtek RTL8139 PCI Fast Ethernet "
                                          "Adapter</FONT>",
                                          "<FONT color=\"clnavy\" size=\"11\">Realtek RTL8139(A) PCI Fast Ethernet "
                                          "Adapter</FONT>",
                                          "<FONT color=\"clnavy\" size=\"11\">Remote Access WAN Wrapper</FONT>",
                                      }));
}

TEST_F(Devices, ProtocolsServicesAndClientsOfEachLayout) {
  struct Case {
    Layout layout;
    Lines protocols, services, clients;
  };
  const Case cases[] = {
      {kWinXP,
       {"<IMG src=\"idx:3\"></IMG> <FONT color=\"clblue\" size=\"10\">Internet Protocol (TCP/IP)</FONT>",
        "<IMG src=\"idx:3\"></IMG> <FONT color=\"clblue\" size=\"10\">NetBIOS over Tcpip</FONT>",
        "<IMG src=\"idx:3\"></IMG> <FONT color=\"clblue\" size=\"10\">TCP/IP Protocol Driver</FONT>"},
       {"<IMG src=\"idx:4\"></IMG><FONT color=\"clblue\" size=\"10\">File and Printer Sharing for Microsoft "
        "Networks</FONT>",
        "<IMG src=\"idx:4\"></IMG><FONT color=\"clblue\" size=\"10\">Server</FONT>"},
       {"<IMG src=\"idx:5\"></IMG><FONT color=\"clblue\" size=\"10\">Client for Microsoft Networks</FONT>"}},
      {kWin98,
       {"<IMG src=\"idx:3\"></IMG> <FONT color=\"clblue\" size=\"10\">TCP/IP</FONT>",
        "<IMG src=\"idx:3\"></IMG> <FONT color=\"clblue\" size=\"10\">IPX/SPX-compatible Protocol</FONT>",
        "<IMG src=\"idx:3\"></IMG> <FONT color=\"clblue\" size=\"10\">TCP/IP Protocol Driver</FONT>"},
       {"<IMG src=\"idx:4\"></IMG><FONT color=\"clblue\" size=\"10\">File and printer sharing for Microsoft "
        "Networks</FONT>",
        "<IMG src=\"idx:4\"></IMG><FONT color=\"clblue\" size=\"10\">Server</FONT>"},
       {"<IMG src=\"idx:5\"></IMG><FONT color=\"clblue\" size=\"10\">Client for Microsoft Networks</FONT>",
        "<IMG src=\"idx:5\"></IMG><FONT color=\"clblue\" size=\"10\">Microsoft Family Logon</FONT>"}},
      {kWinNT4,
       {"<IMG src=\"idx:3\"></IMG> <FONT color=\"clblue\" size=\"10\">TCP/IP Protocol</FONT>",
        "<IMG src=\"idx:3\"></IMG> <FONT color=\"clblue\" size=\"10\">NetBEUI Protocol</FONT>",
        "<IMG src=\"idx:3\"></IMG> <FONT color=\"clblue\" size=\"10\">TCP/IP Protocol Driver</FONT>"},
       {"<IMG src=\"idx:4\"></IMG><FONT color=\"clblue\" size=\"10\">Server</FONT>",
        "<IMG src=\"idx:4\"></IMG><FONT color=\"clblue\" size=\"10\">Server</FONT>"},
       {"<IMG src=\"idx:5\"></IMG><FONT color=\"clblue\" size=\"10\">Workstation</FONT>"}},
  };
  for (const auto& c : cases) {
    Load(c.layout, false);
    Gather();
    EXPECT_EQ(protocolstostringlst(), c.protocols) << c.layout.name;
    EXPECT_EQ(servicestostringlst(), c.services) << c.layout.name;
    EXPECT_EQ(clientstostringlst(), c.clients) << c.layout.name;
  }
}

// An account that may not write to the keys sees the same pages: nothing
// asks for more than reading.
TEST_F(Devices, EveryKeyIsOpenedReadOnly) {
  for (const Layout& layout : {kWin2000, kWinXP, kWin98, kWin95, kWinNT4}) {
    Load(layout, false);
    Gather();
    netadapterstostringlst();
    EXPECT_EQ(world.registry.fullAccessOpens, 0) << layout.name;
    EXPECT_FALSE(ProtocolList().empty()) << layout.name;
  }
}

}  // namespace
}  // namespace vrex::gather
