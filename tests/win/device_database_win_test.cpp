// A damaged device database under Wine: the cipher's error is shown once,
// start-up goes on, and the cards keep their own names.  The test script has
// written the device fixtures into Wine's registry.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "main_window_fixture.h"

namespace vrex::app::test {
namespace {

class DamagedDatabase : public MainWindowFixture {
 protected:
  void SetUp() override {
    // The program folder of a copy whose database holds a line that is not hexadecimal.
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    root = std::filesystem::path(temp) / "vrex-damaged-database";
    std::filesystem::create_directories(root / "Network");
    std::filesystem::create_directories(root / "SHARED" / "DATABASES");
    std::ofstream(root / "SHARED" / "DATABASES" / "net.txt", std::ios::binary) << "0A1B\r\nnot hexadecimal\r\n";
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA((root / "Network").string().c_str()));
    MainWindowFixture::SetUp();
  }
  void TearDown() override {
    MainWindowFixture::TearDown();
    SetCurrentDirectoryA(previous);
    std::filesystem::remove_all(root);
  }
  std::filesystem::path root;
  char previous[MAX_PATH] = {};
};

TEST_F(DamagedDatabase, ErrorIsShownOnceAndTheCardsKeepTheirNames) {
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "TCryptLib: decrypting error - not hexlook string");
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  ClickRow(left, 0);
  ClickRow(left, 2);
  // Section 0 is the page's heading; the adapters are the second sub-item.
  auto lines = Right().Section(2).SubItems().Lines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0], "<FONT color=\"clnavy\" size=\"11\">Realtek RTL8139 Family PCI Fast Ethernet NIC</FONT>");
}

}  // namespace
}  // namespace vrex::app::test
