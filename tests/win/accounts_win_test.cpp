// The accounts pages in the main window under Wine (run under an NT and a 9x
// setting), and the Win32 adapters the account layer reads the system with.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "lang/os_version.h"
#include "main_window_fixture.h"
#include "platform/account_api.h"
#include "platform/os/ports.h"
#include "support/memory/memory_net_management.h"
#include "win/screenshot_win.h"

namespace vrex::app {
namespace {

using namespace test;

// As the program runs: the families bound before the window exists.
class AccountsPages : public MainWindowFixture {
 protected:
  void SetUp() override {
    os::win::InstallWin32Ports();
    accountapi::BindAccountLibraries();
    MainWindowFixture::SetUp();
  }
  void TearDown() override {
    MainWindowFixture::TearDown();
    accountapi::ReleaseAccountLibraries();
  }
};

TEST_F(AccountsPages, UsersAndLocalGroupsSubItemsShowTheAccountsOfTheNtFamilyOnly) {
  ClickRow(left, 2);  // the accounts section opens: Users, Local groups
  ASSERT_EQ(RowCount(left), 5);
  ClickRow(left, 3);  // Users
  ASSERT_EQ(Right().SectionCount(), 3);
  EXPECT_EQ(Right().Section(1).State(), view::TListSectionState::lssExpanded);
  std::vector<std::string> users;
  if (IsNTFamily()) {
    // Wine's one account, the Unix user, with its name line only: its level-3 query fails.
    char user[256] = {};
    DWORD length = sizeof user;
    ASSERT_TRUE(GetUserNameA(user, &length));
    users.push_back(std::string("<IND x=\"10\"><FONT color=\"clgreen\" size=\"10\">") + user + "</FONT>");
  }
  EXPECT_EQ(Right().Section(1).SubItems().Lines(), users);
  EXPECT_EQ(Right().Section(2).SubItems().Lines(), std::vector<std::string>{});
  EXPECT_EQ(RowCount(right), 3 + static_cast<int>(users.size()));
  EXPECT_TRUE(messages.shown.empty());
}

// Accounts that Wine cannot give, from the in-memory functions, drawn by the
// real window: every kind of line of a user's block.
TEST_F(AccountsPages, FullUserBlocksDrawInTheUsersPage) {
  if (!IsNTFamily()) GTEST_SKIP() << "the pages are shown on the NT family only";
  os::memory::MemoryNetManagement accounts;
  using namespace os::net;
  accounts.users = {
      {u"Administrator", u"", u"Built-in account for administering the computer/domain", u"", 3 * 86400 + 7,
       kUserPrivAdmin, kUfScript | kUfNormalAccount, 0, 1099310400, 1099314000, kTimeqForever, kMaxStorageUnlimited,
       57},
      {u"backup", u"Backup service", u"Runs the nightly backup", u"scripts\\backup\\nightly-mount.cmd", 86400 * 200,
       kUserPrivUser, kUfScript | kUfNormalAccount | kUfLockout, kAfOpServer | kAfOpComm, 1104710400, 0, 1117584000,
       52428800, 1500},
  };
  os::Ports ports = os::Os();
  ports.netManagement = &accounts;
  os::Ports previous = os::InstallPorts(ports);
  ClickRow(left, 2);
  ClickRow(left, 3);
  ASSERT_EQ(Right().Section(1).SubItems().Count(), 2 * 37);
  EXPECT_EQ(RowCount(right), 3 + 2 * 37);
  EXPECT_EQ(accounts.Outstanding(), 0);
  // The second account's block, scrolled into view: its first half, then its second.
  SendMessageA(right, LB_SETTOPINDEX, 2 + 37, 0);
  Pump();
  vrex::test::SaveScreenshot(form->Handle(), "accounts-memory-users-2.bmp");
  SendMessageA(right, LB_SETTOPINDEX, 2 + 37 + 17, 0);
  Pump();
  vrex::test::SaveScreenshot(form->Handle(), "accounts-memory-users-3.bmp");
  SendMessageA(right, LB_SETTOPINDEX, 1, 0);
  Pump();
  vrex::test::SaveScreenshot(form->Handle(), "accounts-memory-users-1.bmp");
  os::InstallPorts(previous);
  EXPECT_TRUE(messages.shown.empty());
}

class Win32AccountAdapters : public ::testing::Test {
 protected:
  void SetUp() override { os::win::InstallWin32Ports(); }
  void TearDown() override { accountapi::ReleaseAccountLibraries(); }
};

TEST_F(Win32AccountAdapters, KernelAnswersTheLayerNeeds) {
  SYSTEMTIME leapDay{};
  leapDay.wYear = 2004;
  leapDay.wMonth = 2;
  leapDay.wDay = 29;
  char expected[128] = {};
  GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &leapDay, nullptr, expected, sizeof expected);
  EXPECT_EQ(os::SystemPort().ShortDateText(2004, 2, 29), expected);
  EXPECT_NE(std::string(expected).find("2004"), std::string::npos);

  EXPECT_EQ(os::SystemPort().WideToAnsi(u"Administrator"), "Administrator");
  EXPECT_EQ(os::SystemPort().WideToAnsi(u""), "");

  const std::string denied = os::SystemPort().ErrorMessageText(ERROR_ACCESS_DENIED);
  EXPECT_FALSE(denied.empty());
  EXPECT_EQ(accountapi::SystemErrorText(ERROR_ACCESS_DENIED), "5: " + denied);
  SetLastError(ERROR_ACCESS_DENIED);
  EXPECT_EQ(os::SystemPort().LastError(), static_cast<std::uint32_t>(ERROR_ACCESS_DENIED));

  os::ModuleHandle kernel = os::ModulesPort().Load("kernel32.dll");
  ASSERT_GT(kernel, 32u);
  EXPECT_EQ(reinterpret_cast<void*>(os::ModulesPort().Lookup(kernel, "GetTickCount")),
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetTickCount")));
  EXPECT_EQ(os::ModulesPort().Lookup(kernel, "NoSuchFunctionAnywhere"), nullptr);
  os::ModulesPort().Free(kernel);
}

TEST_F(Win32AccountAdapters, NetworkManagementWithoutItsLibraryRaisesENTException) {
  accountapi::ReleaseAccountLibraries();
  std::uint8_t* buffer = nullptr;
  std::uint32_t read = 0, total = 0, resume = 0;
  try {
    os::NetManagementPort().UserEnum(nullptr, 0, 0, &buffer, 22, &read, &total, &resume);
    ADD_FAILURE() << "no exception";
  } catch (const ENTException& error) {
    EXPECT_STREQ(error.what(), "Cannot load library \"\" or linked libraries");  // nothing chosen yet
    EXPECT_EQ(error.ErrorCode, 0);
  }
  EXPECT_EQ(buffer, nullptr);
}

}  // namespace
}  // namespace vrex::app
