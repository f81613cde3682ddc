// Basic information: the physical and IP address lookups, the names from
// the registry of each Windows family, and the six display lines.
#include <gtest/gtest.h>

#include "gather/basic_info.h"
#include "lang/language.h"
#include "support/memory/memory_ports.h"

namespace vrex::gather {
namespace {

constexpr const char* kWin9xNames = R"reg(REGEDIT4

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\VxD\VNETSUP]
"Workgroup"="HOMENET"

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\ComputerName\ComputerName]
"ComputerName"="OLDBOX"

[HKEY_LOCAL_MACHINE\Network\Logon]
"username"="Jana"

[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Winlogon]
"DefaultDomainName"="NT-ONLY"
)reg";

constexpr const char* kNTNames = R"reg(REGEDIT4

[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Winlogon]
"DefaultDomainName"="OFFICE"
"DefaultUserName"="administrator"

[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer]
"Last Domain"="FIRST,SECOND,THIRD"
"Logon User Name"="petr"

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\VxD\VNETSUP]
"Workgroup"="9X-ONLY"
)reg";

class BasicInformation : public ::testing::Test {
 protected:
  void SetUp() override {
    UnloadLanguageModule();
    world.modules.ownStrings = {{531, "IP address:"}, {532, "Physical address:"},
                                {600, "Workgroup:"},  {601, "Computer:"},
                                {602, "User:"},       {533, "Connection:"}};
    world.sockets.hostName = "desk";
  }
  static std::string Line(const std::string& label, const std::string& value) {
    return "<IMG src=\"idx:0\"></IMG> <FONT size=\"10\" color=\"clblue\">" + label +
           " <IND x=\"200\"><FONT color=\"clmaroon\"> " + value + " </FONT>";
  }
  TBasicInfo Gather() {
    TBasicInfo info;
    ReadBasicAddresses(info);
    ReadBasicNames(info);
    return info;
  }
  os::memory::World world;
};

TEST_F(BasicInformation, PhysicalAddressIsTheLastRowThatHasOne) {
  world.ipHelper.AddInterface({0x00, 0x0C, 0x29, 0x3E, 0x5A, 0x01});
  world.ipHelper.AddInterface({0x52, 0x54, 0x00, 0x12, 0x34, 0xAB});
  world.ipHelper.AddInterface({});  // loopback
  EXPECT_EQ(PhysicalAddressLookup(), "52 54 00 12 34 AB ");
}

TEST_F(BasicInformation, PhysicalAddressIsCutToThirtyCharacters) {
  world.ipHelper.AddInterface({1, 2, 3, 4, 5, 6, 7, 8});
  EXPECT_EQ(Gather().PhysicalAddress, "01 02 03 04 05 06 07 08 ");  // 24 characters, whole
  world.ipHelper.rows.clear();
  world.ipHelper.AddInterface({0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9, 0xAA, 0xAB});
  EXPECT_EQ(Gather().PhysicalAddress, "A0 A1 A2 A3 A4 A5 A6 A7 A8 A9 ");  // ten of the twelve bytes
}

TEST_F(BasicInformation, PhysicalAddressEmptyWhenTheTableFailsOrHasNone) {
  world.ipHelper.AddInterface({});
  EXPECT_EQ(PhysicalAddressLookup(), "");
  world.ipHelper.AddInterface({1, 2, 3, 4, 5, 6});
  world.ipHelper.fails = true;
  EXPECT_EQ(PhysicalAddressLookup(), "");
}

TEST_F(BasicInformation, IPAddressIsTheLastOfTheResolversList) {
  world.sockets.AddHost("DESK", {{192, 168, 1, 2}, {10, 0, 0, 2}});
  EXPECT_EQ(LocalIPAddressLookup(), "10.0.0.2");
  EXPECT_EQ(world.sockets.requestedVersions.back(), 0x0101);
  EXPECT_EQ(world.sockets.Outstanding(), 0);
}

TEST_F(BasicInformation, IPAddressEmptyWhenTheHostDoesNotResolveAndWinsockIsStillCleanedUp) {
  EXPECT_EQ(LocalIPAddressLookup(), "");
  EXPECT_EQ(world.sockets.addressLookups, 1);
  EXPECT_EQ(world.sockets.Outstanding(), 0);
  world.sockets.startupError = 10091;
  world.sockets.AddHost("desk", {{10, 0, 0, 2}});
  EXPECT_EQ(LocalIPAddressLookup(), "");
}

TEST_F(BasicInformation, HostNameMustFitTheSixtyFourByteBuffer) {
  world.sockets.hostName = std::string(64, 'h');
  world.sockets.AddHost(*world.sockets.hostName, {{10, 0, 0, 2}});
  EXPECT_EQ(LocalIPAddressLookup(), "");
  world.sockets.hostName = std::string(63, 'h');
  world.sockets.AddHost(*world.sockets.hostName, {{10, 0, 0, 2}});
  EXPECT_EQ(LocalIPAddressLookup(), "10.0.0.2");
}

TEST_F(BasicInformation, Windows9xNamesComeFromTheNetworkSetup) {
  world.system.SetVersion(1, 4, 10, " A ");
  world.registry.LoadText(kWin9xNames);
  auto info = Gather();
  EXPECT_EQ(info.WorkgroupOrDomain, "HOMENET");
  EXPECT_EQ(info.ComputerOrDomain, "OLDBOX");
  EXPECT_EQ(info.UserName, "Jana");
}

TEST_F(BasicInformation, NTNamesTakeTheLastDomainAndTheLogonUser) {
  world.registry.LoadText(kNTNames);
  for (std::uint32_t major : {5u, 6u, 10u}) {  // 2000, Vista, 10
    world.system.SetVersion(2, major, 0);
    auto info = Gather();
    EXPECT_EQ(info.ComputerOrDomain, "OFFICE") << major;
    EXPECT_EQ(info.WorkgroupOrDomain, "THIRD") << major;
    EXPECT_EQ(info.UserName, "petr") << major;
  }
}

TEST_F(BasicInformation, NTNamesWithoutCommaOrLogonUser) {
  world.system.SetVersion(2, 4, 0);
  world.registry.SetText(os::RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon",
                         "DefaultUserName", "administrator");
  world.registry.SetText(os::RootKey::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer",
                         "Last Domain", "WORKGROUP");
  auto info = Gather();
  EXPECT_EQ(info.WorkgroupOrDomain, "WORKGROUP");
  EXPECT_EQ(info.UserName, "administrator");
  EXPECT_EQ(info.ComputerOrDomain, "");
}

TEST_F(BasicInformation, AbsentValuesKeepWhatWasThere) {
  world.system.SetVersion(2, 5, 1);
  TBasicInfo info;
  info.UserName = "earlier";
  ReadBasicNames(info);
  EXPECT_EQ(info.UserName, "earlier");
  EXPECT_EQ(info.ComputerOrDomain, "");
}

TEST_F(BasicInformation, OtherVersionsReadNoNamesButTheRestIsShown) {
  world.system.SetVersion(1, 5, 0);  // a 9x platform the table does not know
  world.registry.LoadText(kNTNames);
  world.registry.LoadText(kWin9xNames);
  world.sockets.AddHost("desk", {{10, 0, 0, 2}});
  world.ipHelper.AddInterface({1, 2, 3, 4, 5, 6});
  auto lines = zakladniinfotostringlst(Gather(), false);
  EXPECT_EQ(lines,
            (std::vector<std::string>{Line("IP address:", "10.0.0.2"), Line("Physical address:", "01 02 03 04 05 06 "),
                                      Line("Computer:", ""), Line("Workgroup:", ""), Line("User:", ""),
                                      Line("Connection:", "OFF-LINE")}));
}

TEST_F(BasicInformation, LinesJoinTheFivePiecesExactly) {
  TBasicInfo info{"10.0.0.2", "01 02 ", "OFFICE", "THIRD", "petr"};
  auto lines = zakladniinfotostringlst(info, true);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[2],
            "<IMG src=\"idx:0\"></IMG> <FONT size=\"10\" color=\"clblue\">Computer: <IND x=\"200\"><FONT "
            "color=\"clmaroon\"> OFFICE </FONT>");
  EXPECT_EQ(lines[3], Line("Workgroup:", "THIRD"));
  EXPECT_EQ(lines[4], Line("User:", "petr"));
  EXPECT_EQ(lines[5], Line("Connection:", "ON-LINE"));
  // Only the online line follows the detector.
  auto offline = zakladniinfotostringlst(info, false);
  EXPECT_EQ(offline[5], Line("Connection:", "OFF-LINE"));
  EXPECT_TRUE(std::equal(lines.begin(), lines.begin() + 5, offline.begin()));
}

TEST_F(BasicInformation, ProgramWideRecordIsFilledByGetNetInfo) {
  world.system.SetVersion(2, 5, 0);
  world.registry.LoadText(kNTNames);
  world.sockets.AddHost("desk", {{10, 0, 0, 2}});
  BasicInfo() = TBasicInfo{};
  GetNetInfoBasic();
  EXPECT_EQ(BasicInfo().HostIPAddress, "10.0.0.2");
  EXPECT_EQ(zakladniinfotostringlst(true)[4], Line("User:", "petr"));
  BasicInfo() = TBasicInfo{};
}

}  // namespace
}  // namespace vrex::gather
