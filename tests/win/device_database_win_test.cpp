// A damaged device database under Wine, found beside the program's folder
// whatever the current folder: the cipher's error is shown once, start-up
// goes on, and the cards keep their own names.  The test script has
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
    // A database beside the test program's folder, as the install layout has
    // it, holding a line that is not hexadecimal; the current folder is
    // another one, as for a shortcut with its own working folder.
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    const auto folder = std::filesystem::path(program).parent_path().parent_path() / "SHARED";
    ASSERT_FALSE(std::filesystem::exists(folder)) << folder;  // never removes what it did not make
    shared = folder;
    std::filesystem::create_directories(shared / "DATABASES");
    std::ofstream(shared / "DATABASES" / "net.txt", std::ios::binary) << "0A1B\r\nnot hexadecimal\r\n";
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(temp));
    MainWindowFixture::SetUp();
  }
  void TearDown() override {
    MainWindowFixture::TearDown();
    SetCurrentDirectoryA(previous);
    if (!shared.empty()) std::filesystem::remove_all(shared);
  }
  std::filesystem::path shared;
  char previous[MAX_PATH] = {};
};

TEST_F(DamagedDatabase, ErrorIsShownOnceAndTheCardsKeepTheirNames) {
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "TCryptLib: decrypting error - not hexlook string");
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  ClickRow(left, 0);
  ClickRow(left, 2);
  auto lines = Right().Section(2).SubItems().Lines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0], "<FONT color=\"clnavy\" size=\"11\">Realtek RTL8139 Family PCI Fast Ethernet NIC</FONT>");
}

}  // namespace
}  // namespace vrex::app::test
