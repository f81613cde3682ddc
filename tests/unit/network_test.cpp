// The network object: Winsock values, addresses, adapters, the class list
// reader over both registry layouts, the NetBIOS walk and the failure boxes.
#include <gtest/gtest.h>

#include <stdexcept>

#include "gather/network.h"
#include "gather/winsock_lines.h"
#include "lang/language.h"
#include "support/memory/memory_ports.h"

namespace vrex::gather {
namespace {

using Strings = std::vector<std::string>;

std::string Fixture(const char* name) { return std::string(VREX_FIXTURES) + "/" + name; }

constexpr const char* kNTRoot = "SYSTEM\\CurrentControlSet\\Control\\Class";
constexpr const char* k9xRoot = "SYSTEM\\CurrentControlSet\\Services\\Class";

class ListDevices : public DeviceSource {
 public:
  explicit ListDevices(std::vector<DeviceRecord> devices) : devices_(std::move(devices)) {}
  std::vector<DeviceRecord> Devices() override { return devices_; }

 private:
  std::vector<DeviceRecord> devices_;
};

class BrokenDevices : public DeviceSource {
 public:
  std::vector<DeviceRecord> Devices() override { throw std::runtime_error("The device tree cannot be read"); }
};

class NetworkObject : public ::testing::Test {
 protected:
  void SetUp() override {
    UnloadLanguageModule();
    world.system.SetVersion(2, 4, 0, "Service Pack 6");
    world.sockets.hostName = "desk";
    world.sockets.AddHost("desk", {{192, 168, 1, 2}, {10, 0, 0, 2}, {172, 16, 0, 9}});
  }
  os::memory::World world;
};

TEST_F(NetworkObject, ClassListReaderOnTheNTLayoutTakesTheFirstMatchingClassKey) {
  world.registry.LoadFile(Fixture("network_class_nt4.reg"));
  Strings list = {"stale entry"};
  ReadClassList(kNTRoot, "NetTrans", "DriverDesc", list);
  // Duplicates ignoring case and entries without a text value are left out;
  // the second key of the same class is not read.
  EXPECT_EQ(list, (Strings{"TCP/IP Protocol", "NetBEUI Protocol"}));
  ReadClassList(kNTRoot, "netclient", "DriverDesc", list);
  EXPECT_EQ(list, (Strings{"Client for Microsoft Networks"}));
  ReadClassList(kNTRoot, "NetService", "DriverDesc", list);
  EXPECT_TRUE(list.empty());
}

TEST_F(NetworkObject, ClassListReaderOnThe9xLayoutFollowsTheLink) {
  world.system.SetVersion(1, 4, 10, " A ");
  world.registry.LoadFile(Fixture("network_class_win9x.reg"));
  Strings list;
  ReadClassList(k9xRoot, "NetTrans", "DriverDesc", list);
  EXPECT_EQ(list, (Strings{"TCP/IP", "IPX/SPX-compatible Protocol"}));
  // Class keys come sorted as the registry lists them: MoreServices before
  // Services, so the first NetService entry is the one whose link holds.
  ReadClassList(k9xRoot, "NetService", "DriverDesc", list);
  EXPECT_EQ(list, Strings{"File and printer sharing"});
  // The first NetClient entry (Clients) links to a key that does not exist:
  // the reader stops there and does not go on to MoreClients.
  ReadClassList(k9xRoot, "NetClient", "DriverDesc", list);
  EXPECT_TRUE(list.empty());
}

// An account without write access to the class tree still sees the lists.
TEST_F(NetworkObject, ClassListReaderOnlyAsksToRead) {
  world.registry.LoadFile(Fixture("network_class_nt4.reg"));
  world.registry.DenyFullAccess(os::RootKey::LocalMachine, kNTRoot);
  Strings list = {"stale entry"};
  ReadClassList(kNTRoot, "NetTrans", "DriverDesc", list);
  EXPECT_FALSE(list.empty());
  EXPECT_EQ(world.registry.fullAccessOpens, 0);
}

TEST_F(NetworkObject, ClassRootFollowsTheLibrarysOwnPlatformTest) {
  EXPECT_EQ(ClassRootKey(), kNTRoot);
  world.system.SetVersion(2, 3, 51);
  EXPECT_EQ(ClassRootKey(), kNTRoot);
  world.system.SetVersion(1, 4, 90);
  EXPECT_EQ(ClassRootKey(), k9xRoot);
  world.system.SetVersion(2, 6, 0);  // newer NT versions are NT too
  EXPECT_EQ(ClassRootKey(), kNTRoot);
}

TEST_F(NetworkObject, GetInfoOnNT4ReadsTheClassTree) {
  world.registry.LoadFile(Fixture("network_class_nt4.reg"));
  world.netbios.AddAdapter(0, {0x00, 0x1A, 0x2B, 0xFF, 0x0C, 0x01});
  TNetwork network;
  network.GetInfo();
  EXPECT_EQ(network.WinSock().Description(), "WinSock 2.0");
  EXPECT_EQ(network.IPAddresses(), (Strings{"192.168.1.2", "10.0.0.2", "172.16.0.9"}));
  EXPECT_EQ(network.LocalAddressList(), "192.168.1.2,10.0.0.2,172.16.0.9");
  EXPECT_EQ(network.Protocols(), (Strings{"TCP/IP Protocol", "NetBEUI Protocol"}));
  EXPECT_TRUE(network.Services().empty());
  EXPECT_EQ(network.Clients(), (Strings{"Client for Microsoft Networks"}));
  EXPECT_EQ(network.MACAddresses(), (Strings{"00:1a:2b:ff:0c:01"}));
  EXPECT_TRUE(world.messages.shown.empty());
  // Every start of Winsock was matched by a clean-up.
  EXPECT_EQ(world.sockets.Outstanding(), 0);
}

TEST_F(NetworkObject, GetInfoOnXPReadsTheNetworkTreeDescriptions) {
  world.system.SetVersion(2, 5, 1, "Service Pack 2");
  world.registry.LoadFile(Fixture("network_class_xp.reg"));
  TNetwork network;
  network.GetInfo();
  EXPECT_EQ(network.Protocols(), (Strings{"Internet Protocol (TCP/IP)"}));
  EXPECT_EQ(network.Services(), (Strings{"QoS Packet Scheduler"}));
  EXPECT_EQ(network.Clients(), (Strings{"Client for Microsoft Networks"}));
}

TEST_F(NetworkObject, UnresolvedHostGivesNoAddresses) {
  world.sockets.hostName = "elsewhere";
  TNetwork network;
  network.GetInfo();
  EXPECT_TRUE(network.IPAddresses().empty());
  EXPECT_EQ(network.WinSock().Status(), "Running");
  EXPECT_EQ(world.sockets.Outstanding(), 0);
}

TEST_F(NetworkObject, AdaptersAreTheNetClassDevicesInClassOrder) {
  TNetwork network;
  network.SetDeviceSource(std::make_shared<ListDevices>(std::vector<DeviceRecord>{
      {"NetTrans", "", "TCP/IP binding", ""},
      {"Display", "Screen", "VGA", "PCI bus 1, device 2"},
      {"Net", "", "Dial-Up Adapter", ""},
      {"net", "Ethernet Card", "NE2000", "PCI bus 0, device 9"},
      {"Net", "Second Card", "", "PCI bus 0, device 10"},
  }));
  network.GetInfo();
  EXPECT_EQ(network.Adapters(), (Strings{"Dial-Up Adapter", "Ethernet Card", "Second Card", "TCP/IP binding"}));
  EXPECT_EQ(network.CardAdapterIndex(), 1);

  network.SetDeviceSource(std::make_shared<ListDevices>(std::vector<DeviceRecord>{{"Display", "Screen", "", "x"}}));
  network.GetInfo();
  EXPECT_TRUE(network.Adapters().empty());
  EXPECT_EQ(network.CardAdapterIndex(), -1);
}

TEST_F(NetworkObject, ErrorEndsGetInfoWhereItHappenedAndIsShown) {
  world.registry.LoadFile(Fixture("network_class_nt4.reg"));
  world.netbios.AddAdapter(0, {1, 2, 3, 4, 5, 6});
  TNetwork network;
  network.SetDeviceSource(std::make_shared<BrokenDevices>());
  network.GetInfo();
  ASSERT_EQ(world.messages.shown.size(), 1u);
  EXPECT_EQ(world.messages.shown[0].text, "The device tree cannot be read");
  EXPECT_EQ(world.messages.shown[0].caption, "TNetwork.GetInfo");
  EXPECT_EQ(world.messages.shown[0].flags, os::mb::kOk | os::mb::kIconError);
  // What came before the error stays; what comes after it was not read.
  EXPECT_EQ(network.WinSock().Status(), "Running");
  EXPECT_EQ(network.IPAddresses().size(), 3u);
  EXPECT_TRUE(network.Protocols().empty());
  EXPECT_TRUE(network.MACAddresses().empty());
  EXPECT_TRUE(world.netbios.calls.empty());
}

TEST_F(NetworkObject, WinsockErrorIsShownByItsOwnHandlerAndGetInfoGoesOn) {
  world.registry.LoadFile(Fixture("network_class_nt4.reg"));
  world.sockets.throwOnStartup = true;
  TNetwork network;
  network.GetInfo();
  ASSERT_GE(world.messages.shown.size(), 1u);
  EXPECT_EQ(world.messages.shown[0].caption, "TWinsock.GetInfo");
  EXPECT_EQ(world.messages.shown[0].text, "Winsock start-up raised");
  // The address step starts Winsock too: its error ends the network object's GetInfo.
  ASSERT_EQ(world.messages.shown.size(), 2u);
  EXPECT_EQ(world.messages.shown[1].caption, "TNetwork.GetInfo");
  EXPECT_TRUE(network.Protocols().empty());
}

TEST(WinsockVersion, LowByteIsMajorHighByteIsMinor) {
  EXPECT_EQ(VersionMajor(0x0202), 2);
  EXPECT_EQ(VersionMinor(0x0202), 2);
  EXPECT_EQ(VersionMajor(0x0101), 1);
  EXPECT_EQ(VersionMinor(0x0101), 1);
  EXPECT_EQ(VersionMajor(0x0002), 2);
  EXPECT_EQ(VersionMinor(0x0002), 0);
  EXPECT_EQ(VersionMajor(0x0100), 0);
  EXPECT_EQ(VersionMinor(0x0100), 1);
}

class WinsockInfo : public ::testing::Test {
 protected:
  void SetUp() override {
    UnloadLanguageModule();
    world.modules.ownStrings = {{541, "Description:"}, {542, "Version:"}, {543, "Status:"}};
  }
  static std::string Line(const std::string& label, const std::string& value) {
    return "<IMG src=\"idx:6\"></IMG> <FONT size=\"10\" color=\"clblue\">" + label +
           " <IND x=\"200\"><FONT color=\"clmaroon\"> " + value + " </FONT>";
  }
  os::memory::World world;
};

TEST_F(WinsockInfo, TextsEndAtTheirFirstNulAndFillWholeFields) {
  world.sockets.data.highVersion = 0x0002;
  world.sockets.SetDescription(std::string("WinSock 2.0\0garbage", 19));
  world.sockets.SetSystemStatus(std::string(129, 'S'));  // no NUL in the field
  TWinsock winsock;
  winsock.GetInfo();
  EXPECT_EQ(winsock.Description(), "WinSock 2.0");
  EXPECT_EQ(winsock.Status(), std::string(129, 'S'));
  EXPECT_EQ(winsock.MajorVersion(), 2);
  EXPECT_EQ(winsock.MinorVersion(), 0);
  EXPECT_EQ(world.sockets.requestedVersions, std::vector<std::uint16_t>{0x0101});
  EXPECT_EQ(world.sockets.Outstanding(), 0);
}

TEST_F(WinsockInfo, LinesShowDescriptionVersionStatusAndABlankLine) {
  TWinsock winsock;
  winsock.GetInfo();
  EXPECT_EQ(winsocktostringlst(winsock),
            (Strings{Line("Description:", "WinSock 2.0"), Line("Version:", "2.2"), Line("Status:", "Running"), " "}));
}

TEST_F(WinsockInfo, VersionLineShowsTheLowByteAsMajorAndTheHighByteAsMinor) {
  struct Case {
    std::uint16_t highVersion;
    const char* shown;
  };
  for (const Case& c : {Case{0x0002, "2.0"}, Case{0x0201, "1.2"}, Case{0x0101, "1.1"}}) {
    world.sockets.data.highVersion = c.highVersion;
    TWinsock winsock;
    winsock.GetInfo();
    EXPECT_EQ(winsocktostringlst(winsock).at(1), Line("Version:", c.shown)) << c.highVersion;
  }
}

TEST_F(WinsockInfo, FailedStartShowsEmptyDescriptionVersionZeroAndTheFailure) {
  world.sockets.startupError = 10091;
  TWinsock winsock;
  winsock.GetInfo();
  EXPECT_EQ(winsocktostringlst(winsock), (Strings{Line("Description:", ""), Line("Version:", "0.0"),
                                                  Line("Status:", "Winsock cannot be initialized."), " "}));
  EXPECT_EQ(world.sockets.cleanups, 0);
}

TEST_F(WinsockInfo, FailedStartLaterKeepsTheEarlierValues) {
  TWinsock winsock;
  winsock.GetInfo();
  world.sockets.startupError = 10091;
  winsock.GetInfo();
  EXPECT_EQ(winsock.Description(), "WinSock 2.0");
  EXPECT_EQ(winsock.MajorVersion(), 2);
  EXPECT_EQ(winsock.Status(), kWinsockNotInitialized);
}

class NetBiosWalk : public NetworkObject {
 protected:
  Strings Walk() {
    TNetwork network;
    network.GetInfo();
    return network.MACAddresses();
  }
  int Count(std::uint8_t command) {
    int count = 0;
    for (const auto& call : world.netbios.calls) count += call.command == command;
    return count;
  }
};

TEST_F(NetBiosWalk, TwoLanasOnOneAdapterGiveOneAddress) {
  world.netbios.AddAdapter(0, {0x52, 0x54, 0x00, 0xAB, 0xCD, 0xEF});
  world.netbios.AddAdapter(3, {0x52, 0x54, 0x00, 0xAB, 0xCD, 0xEF});
  world.netbios.AddAdapter(5, {0x02, 0x00, 0x4C, 0x4F, 0x4F, 0x50});
  EXPECT_EQ(Walk(), (Strings{"52:54:00:ab:cd:ef", "02:00:4c:4f:4f:50"}));
  EXPECT_EQ(Count(os::nb::kResetCommand), 3);
}

TEST_F(NetBiosWalk, ControlBlocksCarryWhatEachCommandNeeds) {
  world.netbios.AddAdapter(7, {1, 2, 3, 4, 5, 6});
  Walk();
  ASSERT_EQ(world.netbios.calls.size(), 3u);
  const auto& enumerate = world.netbios.calls[0];
  EXPECT_EQ(enumerate.command, os::nb::kEnumerateCommand);
  EXPECT_EQ(enumerate.length, 256);  // the platform's LANA_ENUM: shorter buffers are refused
  const auto& reset = world.netbios.calls[1];
  EXPECT_EQ(reset.command, os::nb::kResetCommand);
  EXPECT_EQ(reset.lana, 7);
  EXPECT_EQ(reset.length, 0);
  EXPECT_EQ(reset.callName, std::string(16, '\0'));
  const auto& status = world.netbios.calls[2];
  EXPECT_EQ(status.command, os::nb::kAdapterStatusCommand);
  EXPECT_EQ(status.lana, 7);
  EXPECT_EQ(status.length, 348);
  EXPECT_EQ(status.callName, "*               ");
}

TEST_F(NetBiosWalk, FailedEnumerationVisitsNoAdapterButTheRestIsFilled) {
  world.registry.LoadFile(Fixture("network_class_nt4.reg"));
  world.netbios.AddAdapter(0, {1, 2, 3, 4, 5, 6});
  world.netbios.enumerateResult = 0x40;  // the record was written all the same
  TNetwork network;
  network.GetInfo();
  EXPECT_TRUE(network.MACAddresses().empty());
  EXPECT_EQ(Count(os::nb::kResetCommand), 0);
  EXPECT_EQ(network.IPAddresses().size(), 3u);
  EXPECT_EQ(network.Protocols().size(), 2u);
}

TEST_F(NetBiosWalk, FailedResetSkipsTheLana) {
  world.netbios.AddAdapter(0, {1, 2, 3, 4, 5, 6});
  world.netbios.AddAdapter(1, {6, 5, 4, 3, 2, 1});
  world.netbios.adapters[0].resetResult = 0x22;
  EXPECT_EQ(Walk(), (Strings{"06:05:04:03:02:01"}));
  EXPECT_EQ(Count(os::nb::kAdapterStatusCommand), 1);
}

TEST_F(NetBiosWalk, FailedStatusIsListedOnceHoweverManyFail) {
  world.netbios.AddAdapter(0, {1, 2, 3, 4, 5, 6});
  world.netbios.AddAdapter(1, {0, 0, 0, 0, 0, 0});
  world.netbios.AddAdapter(2, {0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF});
  world.netbios.AddAdapter(3, {0, 0, 0, 0, 0, 0});
  world.netbios.adapters[1].statusResult = 0x05;
  world.netbios.adapters[3].statusResult = 0x05;
  EXPECT_EQ(Walk(), (Strings{"01:02:03:04:05:06", kUnknownHardwareAddress, "aa:bb:cc:dd:ee:ff"}));
}

TEST_F(NetBiosWalk, FullEnumerationRecordIsVisitedWithinItsRoom) {
  world.netbios.AddAdapter(9, {1, 2, 3, 4, 5, 6});
  world.netbios.reportedCount = 255;
  EXPECT_EQ(Walk(), (Strings{"01:02:03:04:05:06"}));
  EXPECT_EQ(Count(os::nb::kResetCommand), 255);
}

}  // namespace
}  // namespace vrex::gather
