// The adapters, protocols, services and clients pages of the real window
// under each Windows version setting.  The test script writes every device
// fixture into Wine's registry first; each layout's walks read only its own
// keys (XP also reads the 2000 cards, which its fixture holds the same, and
// the 95 walk reads the 98 modem's class GUID).  The database is the one the
// build generated into dist/.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>

#include "win/main_window_fixture.h"
#include "lang/os_version.h"

namespace vrex::app::test {
namespace {

using Lines = std::vector<std::string>;

// The Windows form of the program folder of dist/ (Wine maps / to Z:).
std::string ProgramFolder() {
  const char* dist = std::getenv("VREX_DIST");
  std::string folder = std::string("Z:") + (dist != nullptr ? dist : "") + "/Network";
  for (char& c : folder)
    if (c == '/') c = '\\';
  return folder;
}

class DevicePages : public MainWindowFixture {
 protected:
  void SetUp() override {
    if (std::getenv("VREX_EXPECT_OS_CODE") == nullptr || std::getenv("VREX_DIST") == nullptr)
      GTEST_SKIP() << "VREX_EXPECT_OS_CODE or VREX_DIST not set";
    // The database is found relative to the current folder, as the program finds it.
    ASSERT_TRUE(SetCurrentDirectoryA(ProgramFolder().c_str())) << ProgramFolder();
    MainWindowFixture::SetUp();
    ClickRow(left, 0);
  }
  // A skipped test made no window.
  void TearDown() override {
    if (form) MainWindowFixture::TearDown();
  }
  // The lines of the right pane's section after clicking the left sub-item (the
  // right pane repeats the left section's header above its pages).
  Lines Page(int leftRow, int rightSection) {
    ClickRow(left, leftRow);
    return Right().Section(rightSection).SubItems().Lines();
  }
};

// The title lines of the adapters page.
Lines Titles(const Lines& page) {
  const std::string title = "<FONT color=\"clnavy\" size=\"11\">";
  Lines titles;
  for (const auto& line : page)
    if (line.rfind(title, 0) == 0) titles.push_back(line.substr(title.size(), line.size() - title.size() - 7));
  return titles;
}

bool Contains(const Lines& lines, const std::string& text) {
  for (const auto& line : lines)
    if (line.find(text) != std::string::npos) return true;
  return false;
}

const char* const kRealtek = "Realtek Semiconductor Co., Ltd. RTL-8100/8101L/8139 PCI Fast Ethernet Adapter";
const char* const kIntel = "Intel Corporation 82540EM Gigabit Ethernet Controller (PRO/1000 MT Desktop Adapter)";
const char* const kBroadcom = "Broadcom Inc. and subsidiaries NetXtreme BCM5751 Gigabit Ethernet PCI Express";
const char* const kWanWrapper = "Remote Access WAN Wrapper";

TEST_F(DevicePages, AdaptersProtocolsServicesAndClientsOfTheSetting) {
  const Lines win9x = {kRealtek, kIntel, "Prototype Network Adapter", "LT Win Modem", kBroadcom, kWanWrapper};
  const Lines xp = {kRealtek,   "LT Win Modem", kBroadcom, kIntel, "Prototype Network Adapter", "WAN Miniport (IP)",
                    kWanWrapper};
  const std::map<int, Lines> adapters = {
      // Windows 95 lists each card once, the modem filed by its class name.
      {oscode::kWin95, win9x},
      {oscode::kWin98SE, win9x},
      {oscode::kWinMe, win9x},
      {oscode::kWinNT4,
       {"Prototype Network Adapter", "LT Win Modem", "Realtek RTL8139 PCI Fast Ethernet Adapter",
        "Realtek RTL8139(A) PCI Fast Ethernet Adapter", kWanWrapper}},
      {oscode::kWin2000, {kRealtek, "LT Win Modem", kBroadcom, kIntel, "Prototype Network Adapter", kWanWrapper}},
      {oscode::kWinXP, xp},
      {oscode::kUnknown, xp},  // Windows 7 and 10 keep the XP layout
  };
  const int code = GetOSVersionCode();
  ASSERT_TRUE(adapters.count(code)) << code;
  const Lines page = Page(2, 2);
  Lines titles = Titles(page);
  // Wine lists the machine's own interfaces as NT 4.0 network cards, after ours.
  if (code == oscode::kWinNT4 && titles.size() > 5) titles.erase(titles.begin() + 4, titles.end() - 1);
  EXPECT_EQ(titles, adapters.at(code));
  if (code != oscode::kWinNT4) {
    EXPECT_TRUE(Contains(page, "<IND x=\"200\"><FONT color=\"clmaroon\">5.396.530.2001</FONT>"));
  }

  EXPECT_TRUE(Contains(Page(3, 3), ">TCP/IP Protocol Driver</FONT>"));
  EXPECT_TRUE(Contains(Page(4, 4), ">Server</FONT>"));
  // The "Transport" product is not a "transport": the comparison is exact.
  EXPECT_FALSE(Contains(Page(3, 3), "NWLink IPX/SPX Compatible Transport"));
  const std::map<int, const char*> client = {{oscode::kWinNT4, "Workstation"},
                                             {oscode::kWin2000, "Client for Microsoft Networks"},
                                             {oscode::kWinXP, "Client for Microsoft Networks"},
                                             {oscode::kUnknown, "Client for Microsoft Networks"},
                                             {oscode::kWin98SE, "Microsoft Family Logon"},
                                             {oscode::kWinMe, "Microsoft Family Logon"},
                                             {oscode::kWin95, "Microsoft Family Logon"}};
  if (client.count(code)) {
    EXPECT_TRUE(Contains(Page(5, 5), client.at(code)));
  }
}

}  // namespace
}  // namespace vrex::app::test
