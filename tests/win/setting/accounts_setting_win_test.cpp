// The account layer and the accounts pages under each Windows version
// setting of Wine (VREX_EXPECT_OS_CODE says which).  The libraries each
// family is bound from follow the version; on the NT settings the pages read
// Wine's network-management functions, which are placeholders: the Unix user
// is the one account, its level-3 query fails (so it keeps its name line
// only), and there are no local groups.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "gather/local_groups.h"
#include "gather/users.h"
#include "platform/account_api.h"
#include "platform/os/win/win_ports_win.h"

namespace vrex {
namespace {

class AccountsUnderSetting : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* expected = std::getenv("VREX_EXPECT_OS_CODE");
    if (expected == nullptr) GTEST_SKIP() << "VREX_EXPECT_OS_CODE not set";
    code = std::atoi(expected);
    os::win::InstallWin32Ports();
    accountapi::BindAccountLibraries();
  }
  void TearDown() override { accountapi::ReleaseAccountLibraries(); }
  bool Nt() const { return code == 7 || code == 8 || code == 10 || code == 0; }
  // Code 0 under Wine is Windows 7 or 10: NT 6 and later take the NT 5 families.
  bool Nt5() const { return code == 8 || code == 10 || code == 0; }
  int code = -1;
};

TEST_F(AccountsUnderSetting, FamiliesComeFromTheLibrariesOfTheRunningVersion) {
  const std::string nt = Nt() ? "advapi32.dll" : "radmin32.dll";
  const std::vector<std::string> expected = {Nt5() ? "advapi32.dll" : "radmin32.dll", nt, nt, nt,
                                             Nt() ? "netapi32.dll" : "radmin32.dll"};
  for (int family = 1; family <= accountapi::kFamilyCount; ++family)
    EXPECT_EQ(accountapi::Family(family).fileName, expected[family - 1]) << "family " << family;
  EXPECT_EQ(accountapi::IsNTPlatform(), Nt());
  EXPECT_EQ(accountapi::IsNT5Platform(), Nt5());
  // Wine has no radmin32.dll: those families stay empty.  Its advapi32 and
  // netapi32 export what the pages and the lookups need.
  EXPECT_EQ(accountapi::Pointer(5, "NetUserEnum") != nullptr, Nt());
  EXPECT_EQ(accountapi::Pointer(5, "NetApiBufferFree") != nullptr, Nt());
  EXPECT_EQ(accountapi::Pointer(5, "NetLocalGroupGetMembers") != nullptr, Nt());
  EXPECT_EQ(accountapi::Pointer(2, "GetLengthSid") != nullptr, Nt());
  EXPECT_EQ(accountapi::Pointer(4, "LookupAccountNameA") != nullptr, Nt());
  EXPECT_EQ(accountapi::Pointer(1, "ConvertSidToStringSidW") != nullptr, Nt5());
  if (Nt()) {
    EXPECT_EQ(accountapi::Family(5).lookupNames[9], "NetUserEnum");
  }
}

TEST_F(AccountsUnderSetting, PagesShowWhatWinesFunctionsGive) {
  if (!Nt()) {
    // The pages are not shown off the NT family; called anyway, they name the library that is missing.
    try {
      gather::userstostringlst();
      ADD_FAILURE() << "no exception";
    } catch (const ENTException& error) {
      EXPECT_STREQ(error.what(), "Cannot load library \"radmin32.dll\" or linked libraries");
      EXPECT_EQ(error.ErrorCode, 0);
    }
    EXPECT_THROW(gather::localgroupstostringlst(), ENTException);
    return;
  }
  char user[256] = {};
  DWORD length = sizeof user;
  ASSERT_TRUE(GetUserNameA(user, &length));
  EXPECT_EQ(
      gather::userstostringlst(),
      std::vector<std::string>{std::string("<IND x=\"10\"><FONT color=\"clgreen\" size=\"10\">") + user + "</FONT>"});
  EXPECT_EQ(gather::localgroupstostringlst(), std::vector<std::string>{});
}

}  // namespace
}  // namespace vrex
