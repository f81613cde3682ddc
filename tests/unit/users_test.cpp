// The users page over the in-memory network-management functions: the walk
// with its 22-byte calls, the 36-line block of an account, its marks, dates
// and numbers, and what a failed call leaves.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "gather/users.h"
#include "lang/language.h"
#include "support/memory/memory_ports.h"

namespace vrex::gather {
namespace {

using Lines = std::vector<std::string>;
using User = os::memory::MemoryNetManagement::User;
using Function = os::memory::MemoryNetManagement::Function;

class UsersPage : public ::testing::Test {
 protected:
  void SetUp() override {
    UnloadLanguageModule();
    world.modules.ownStrings = {
        {110, "Yes"},
        {111, "No"},
        {120, "User name"},
        {121, "Full name"},
        {122, "Description"},
        {123, "Last logon"},
        {124, "Last logoff"},
        {125, "Number of logons"},
        {126, "Password age"},
        {127, "Privilege level"},
        {128, "Logon script"},
        {129, "Account disabled"},
        {130, "Home folder required"},
        {133, "Account locked out"},
        {135, " days"},
        {140, "Normal account"},
        {141, "Temporary duplicate account"},
        {142, "Workstation trust account"},
        {143, "Server trust account"},
        {144, "Interdomain trust account"},
        {146, "Script path"},
        {149, "Operator rights"},
        {150, "Print operator"},
        {151, "Communications operator"},
        {152, "Server operator"},
        {153, "Account operator"},
        {160, "Account expires"},
        {161, "Never"},
        {165, "Maximum storage"},
        {166, "Unlimited"},
        {170, "Guest"},
        {171, "User"},
        {172, "Administrator"},
        {180, "Unknown"},
        {190, "Account type"},
    };
  }
  void TearDown() override {
    // Every buffer handed out went back, once.
    EXPECT_EQ(net().Outstanding(), 0);
    EXPECT_EQ(net().badFrees, 0);
  }
  os::memory::MemoryNetManagement& net() { return world.netManagement; }
  // One user's block, with the user as the only account.
  Lines Block(const User& user) {
    net().users = {user};
    return userdetailtostringlst(user.name);
  }
  os::memory::World world;
};

// The ten accounts of a small office computer.
std::vector<User> TenUsers() {
  using namespace os::net;
  constexpr std::uint32_t kScriptNormal = kUfScript | kUfNormalAccount;
  // clang-format off
  return {
      // name, full name, comment, script path,
      //   password age, privilege, flags, operator flags, last logon, last logoff, expiry, storage, logons
      {u"Administrator", u"", u"Built-in account for administering the computer/domain", u"",
       3 * 86400 + 7, kUserPrivAdmin, kScriptNormal, 0, 1099310400, 1099314000, kTimeqForever, kMaxStorageUnlimited, 57},
      {u"Guest", u"", u"Built-in account for guest access to the computer/domain", u"",
       0, kUserPrivGuest, kScriptNormal | kUfAccountDisable, 0, 0, 0, kTimeqForever, kMaxStorageUnlimited, 0},
      {u"HelpAssistant", u"Remote Desktop Help Assistant Account", u"Account for Providing Remote Assistance", u"",
       86400 * 40, kUserPrivGuest, kScriptNormal | kUfAccountDisable, 0, 0, 0, 1262304000, kMaxStorageUnlimited, 0},
      {u"SUPPORT_388945a0", u"CN=Microsoft Corporation,L=Redmond,S=Washington,C=US",
       u"This is a vendor's account for the Help and Support Service", u"",
       86400 * 40, kUserPrivGuest, kScriptNormal | kUfAccountDisable, 0, 0, 0, kTimeqForever, kMaxStorageUnlimited, 0},
      {u"jana", u"Jana Nov\u00e1kov\u00e1", u"Accounts", u"logon.bat",
       86400 * 12 + 5, kUserPrivUser, kScriptNormal, 0, 1104580800, 1104584400, kTimeqForever, kMaxStorageUnlimited, 310},
      {u"petr", u"Petr Dvo\u0159\u00e1k", u"", u"",
       3600, kUserPrivAdmin, kScriptNormal | kUfHomeDirRequired, kAfOpPrint | kAfOpAccounts, 1104667199, 0,
       kTimeqForever, 52428800, 12},
      {u"backup", u"Backup service", u"Runs the nightly backup", u"scripts\\backup\\nightly-mount.cmd",
       86400 * 200, kUserPrivUser, kScriptNormal, kAfOpServer | kAfOpComm, 1104710400, 0, kTimeqForever,
       kMaxStorageUnlimited, 1500},
      {u"lab01", u"Laboratory", u"Temporary account for the spring course", u"",
       86400, kUserPrivUser, kScriptNormal, 0, 0, 0, 1117584000 + 86399, kMaxStorageUnlimited, 0},
      {u"kiosk", u"", u"", u"",
       86400 * 90, kUserPrivUser, kScriptNormal | kUfLockout, 0, 1103846400, 0, kTimeqForever, kMaxStorageUnlimited, 0},
      {u"BOX$", u"", u"", u"",
       86400 * 2, kUserPrivUser, kUfScript | kUfWorkstationTrustAccount, 0, 1104000000, 0, kTimeqForever,
       kMaxStorageUnlimited, 4},
  };
  // clang-format on
}

TEST_F(UsersPage, EveryMarkAndYesNoLineFollowsItsOwnBit) {
  using namespace os::net;
  struct Case {
    const char* what;
    std::size_t line;  // 0-based in the block
    std::uint32_t flags, authFlags, priv;
    const char* set;    // the line when the bit is set
    const char* clear;  // the line with every bit clear
  };
  const std::string yes20 = "<IND x=\"20\"><IMG src=\"idx:14\"></IMG><FONT color=\"clblue\">";
  const Case cases[] = {
      {"normal", 11, kUfNormalAccount, 0, 1,
       "<IND x=\"30\"><IMG src=\"idx:12\"></IMG><FONT color=\"clblue\">Normal account</FONT>",
       "<IND x=\"30\"><FONT color=\"clblue\"><IMG src=\"idx:13\"></IMG>Normal account</FONT>"},
      {"duplicate", 12, kUfTempDuplicateAccount, 0, 1,
       "<IND x=\"30\"><IMG src=\"idx:12\"></IMG><FONT color=\"clblue\">Temporary duplicate account</FONT>",
       "<IND x=\"30\"><FONT color=\"clblue\"><IMG src=\"idx:13\"></IMG>Temporary duplicate account</FONT>"},
      {"workstation", 13, kUfWorkstationTrustAccount, 0, 1,
       "<IND x=\"30\"><IMG src=\"idx:12\"></IMG><FONT color=\"clblue\">Workstation trust account</FONT>",
       "<IND x=\"30\"><FONT color=\"clblue\"><IMG src=\"idx:13\"></IMG>Workstation trust account</FONT>"},
      {"server", 14, kUfServerTrustAccount, 0, 1,
       "<IND x=\"30\"><IMG src=\"idx:12\"></IMG><FONT color=\"clblue\">Server trust account</FONT>",
       "<IND x=\"30\"><FONT color=\"clblue\"><IMG src=\"idx:13\"></IMG>Server trust account</FONT>"},
      {"interdomain", 15, kUfInterdomainTrustAccount, 0, 1,
       "<IND x=\"30\"><IMG src=\"idx:12\"></IMG><FONT color=\"clblue\">Interdomain trust account</FONT>",
       "<IND x=\"30\"><FONT color=\"clblue\"><IMG src=\"idx:13\"></IMG>Interdomain trust account</FONT>"},
      {"guest", 18, 0, 0, 0, "<IND x=\"30\"><IMG src=\"idx:12\"></IMG><FONT color=\"clblue\">Guest</FONT>",
       "<IND x=\"30\"><FONT color=\"clblue\"><IMG src=\"idx:13\"></IMG>Guest</FONT>"},
      {"user", 19, 0, 0, 1, "<IND x=\"30\"><IMG src=\"idx:12\"></IMG><FONT color=\"clblue\">User</FONT>",
       "<IND x=\"30\"><FONT color=\"clblue\"><IMG src=\"idx:13\"></IMG>User</FONT>"},
      {"administrator", 20, 0, 0, 2,
       "<IND x=\"30\"><IMG src=\"idx:12\"></IMG><FONT color=\"clblue\">Administrator</FONT>",
       "<IND x=\"30\"><FONT color=\"clblue\"><IMG src=\"idx:13\"></IMG>Administrator</FONT>"},
      {"print", 23, 0, kAfOpPrint, 1,
       "<IND x=\"30\"><IMG src=\"idx:14\"></IMG><FONT color=\"clblue\">Print operator<FONT "
       "color=\"clmaroon\"><IND x=\"170\">Yes</FONT>",
       "<IND x=\"30\"><IMG src=\"idx:15\"></IMG><FONT color=\"clblue\">Print operator<FONT "
       "color=\"clmaroon\"><IND x=\"170\">No</FONT>"},
      {"communications", 24, 0, kAfOpComm, 1,
       "<IND x=\"30\"><IMG src=\"idx:14\"></IMG><FONT color=\"clblue\">Communications operator<FONT "
       "color=\"clmaroon\"><IND x=\"170\">Yes</FONT>",
       "<IND x=\"30\"><IMG src=\"idx:15\"></IMG><FONT color=\"clblue\">Communications operator<FONT "
       "color=\"clmaroon\"><IND x=\"170\">No</FONT>"},
      {"server operator", 25, 0, kAfOpServer, 1,
       "<IND x=\"30\"><IMG src=\"idx:14\"></IMG><FONT color=\"clblue\">Server operator<FONT "
       "color=\"clmaroon\"><IND x=\"170\">Yes</FONT>",
       "<IND x=\"30\"><IMG src=\"idx:15\"></IMG><FONT color=\"clblue\">Server operator<FONT "
       "color=\"clmaroon\"><IND x=\"170\">No</FONT>"},
      {"accounts operator", 26, 0, kAfOpAccounts, 1,
       "<IND x=\"30\"><IMG src=\"idx:14\"></IMG><FONT color=\"clblue\">Account operator<FONT "
       "color=\"clmaroon\"><IND x=\"170\">Yes</FONT>",
       "<IND x=\"30\"><IMG src=\"idx:15\"></IMG><FONT color=\"clblue\">Account operator<FONT "
       "color=\"clmaroon\"><IND x=\"170\">No</FONT>"},
      {"script", 30, kUfScript, 0, 1,
       "<IND x=\"20\"><IMG src=\"idx:14\"></IMG><FONT color=\"clblue\">Logon script<FONT "
       "color=\"clmaroon\"><IND x=\"170\">Yes</FONT>",
       "<IND x=\"20\"><IMG src=\"idx:15\"></IMG><FONT color=\"clblue\">Logon script<FONT "
       "color=\"clmaroon\"><IND x=\"170\">No</FONT>"},
      {"disabled", 32, kUfAccountDisable, 0, 1,
       "<IND x=\"20\"><IMG src=\"idx:14\"></IMG><FONT color=\"clblue\">Account disabled<FONT "
       "color=\"clmaroon\"><IND x=\"170\">Yes</FONT>",
       "<IND x=\"20\"><IMG src=\"idx:15\"></IMG><FONT color=\"clblue\">Account disabled<FONT "
       "color=\"clmaroon\"><IND x=\"170\">No</FONT>"},
      {"home folder", 33, kUfHomeDirRequired, 0, 1,
       "<IND x=\"20\"><IMG src=\"idx:14\"></IMG><FONT color=\"clblue\">Home folder required<FONT "
       "color=\"clmaroon\"><IND x=\"170\">Yes</FONT>",
       "<IND x=\"20\"><IMG src=\"idx:15\"></IMG><FONT color=\"clblue\">Home folder required<FONT "
       "color=\"clmaroon\"><IND x=\"170\">No</FONT>"},
      {"locked out", 34, kUfLockout, 0, 1,
       "<IND x=\"20\"><IMG src=\"idx:14\"></IMG><FONT color=\"clblue\">Account locked out<FONT "
       "color=\"clmaroon\"><IND x=\"170\">Yes</FONT>",
       "<IND x=\"20\"><IMG src=\"idx:15\"></IMG><FONT color=\"clblue\">Account locked out<FONT "
       "color=\"clmaroon\"><IND x=\"170\">No</FONT>"},
  };
  User clear{u"someone"};
  clear.flags = 0;
  clear.priv = 7;  // no level of the three: none of their lines is set
  const Lines cleared = Block(clear);
  ASSERT_EQ(cleared.size(), 36u);
  for (const Case& c : cases) {
    EXPECT_EQ(cleared[c.line], c.clear) << c.what;
    User set{u"someone"};
    set.flags = c.flags;
    set.authFlags = c.authFlags;
    set.priv = c.priv;
    const Lines lines = Block(set);
    ASSERT_EQ(lines.size(), 36u) << c.what;
    EXPECT_EQ(lines[c.line], c.set) << c.what;
    // Only that line changes, and the level of a user marks the User line.
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (i == c.line || (c.priv == 1 && i == 19)) continue;
      EXPECT_EQ(lines[i], cleared[i]) << c.what << " line " << i;
    }
  }
}

TEST_F(UsersPage, DatesAndAgesFromWholeUtcDays) {
  struct Case {
    const char* what;
    std::uint32_t lastLogon, passwordAge, expires;
    const char* format;
    const char* logon;
    const char* age;
    const char* expiry;
  };
  const Case cases[] = {
      {"never logged on, no password age", 0, 0, os::net::kTimeqForever, "M/d/yyyy", "Unknown", "Unknown", "Never"},
      {"changed an hour ago", 1104580800, 3600, os::net::kTimeqForever, "M/d/yyyy", "1/1/2005", "0 days", "Never"},
      {"last second of a leap day", 1078099199, 86400 * 2 - 1, 1078012800, "M/d/yyyy", "2/29/2004", "1 days",
       "2/29/2004"},
      {"first second of the next day", 1078099200, 86400 * 365, 1078099200, "dd.MM.yyyy", "01.03.2004", "365 days",
       "01.03.2004"},
      {"the epoch's first day, two-digit year", 1, 86400, 86399, "yy-MM-dd", "70-01-01", "1 days", "70-01-01"},
      {"the last expiry before never", 4294967294u, 4294967295u, 4294967294u, "yyyy-MM-dd", "2106-02-07", "49710 days",
       "2106-02-07"},
  };
  for (const Case& c : cases) {
    world.system.shortDateFormat = c.format;
    User user{u"jana"};
    user.lastLogon = c.lastLogon;
    user.lastLogoff = 0;
    user.passwordAge = c.passwordAge;
    user.acctExpires = c.expires;
    const Lines lines = Block(user);
    ASSERT_EQ(lines.size(), 36u) << c.what;
    const std::string value = "<FONT color=\"clmaroon\"><IND x=\"170\">";
    EXPECT_EQ(lines[5], std::string("<IND x=\"20\"><IMG src=\"idx:19\"></IMG><FONT color=\"clblue\">Last logon") +
                            value + c.logon + "</FONT>")
        << c.what;
    EXPECT_EQ(lines[6], std::string("<IND x=\"20\"><IMG src=\"idx:19\"></IMG><FONT color=\"clblue\">Last logoff") +
                            value + "Unknown</FONT>")
        << c.what;
    EXPECT_EQ(lines[8], std::string("<IND x=\"20\"><IMG src=\"idx:19\"></IMG><FONT color=\"clblue\">Password age") +
                            value + c.age + "</FONT>")
        << c.what;
    EXPECT_EQ(lines[28], std::string("<IND x=\"20\"><IMG src=\"idx:19\"></IMG><FONT color=\"clblue\">Account expires") +
                             value + c.expiry + "</FONT>")
        << c.what;
  }
}

// The page of TenUsers, line by line, in the ANSI code page: every kind of
// line, set and clear marks, dates, a limited storage, comments and a script
// path broken by WrapValueLines at a blank and inside a word, and a name with
// a character the code page lacks.
Lines TenUsersPage() {
  std::ifstream file(std::string(VREX_FIXTURES) + "/users_page_ten_accounts.txt", std::ios::binary);
  Lines lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

TEST_F(UsersPage, TenUsersInTwentyTwoByteCallsAllShowWithTheirBlocks) {
  const Lines expected = TenUsersPage();
  ASSERT_EQ(expected.size(), 10u * 37u);
  // Whether the total counts from the call's start (as documented) or from
  // the first account, the walk reaches the tenth.
  for (bool totalsFromStart : {false, true}) {
    net().users = TenUsers();
    net().totalsFromStart = totalsFromStart;
    net().calls.clear();
    EXPECT_EQ(userstostringlst(), expected) << totalsFromStart;
    // One account per call: each call asks for 22 bytes from where the last
    // one stopped; each account is asked for at level 3 by its wide name.
    ASSERT_EQ(net().CallCount(Function::UserEnum), 10);
    std::uint64_t resume = 0;
    std::vector<std::u16string> queried;
    for (const auto& call : net().calls) {
      EXPECT_FALSE(call.server);
      if (call.function == Function::UserGetInfo) {
        EXPECT_EQ(call.level, 3u);
        queried.push_back(call.name);
        continue;
      }
      EXPECT_EQ(call.preferredLength, 22u);
      EXPECT_EQ(call.level, 0u);
      EXPECT_EQ(call.resumeIn, resume++);
    }
    std::vector<std::u16string> names;
    for (const User& user : TenUsers()) names.push_back(user.name);
    EXPECT_EQ(queried, names);
  }
}

TEST_F(UsersPage, FailuresKeepWhatWasAlreadyShown) {
  struct Case {
    const char* what;
    os::memory::MemoryNetManagement::Fault fault;
    std::vector<std::size_t> blockSizes;  // lines after each name line shown
    std::u16string secondName = u"Guest";
    bool wholeOrNothing = false;
  };
  using os::memory::MemoryNetManagement;
  const Case cases[] = {
      {"a level-3 query fails", {Function::UserGetInfo, 0, os::net::kInternalError, u"Guest"}, {36, 0, 36}},
      {"every level-3 query fails", {Function::UserGetInfo, 0, os::net::kInternalError, u""}, {0, 0, 0}},
      {"the third enumeration call fails", {Function::UserEnum, 3, os::net::kAccessDenied, u""}, {36, 36}},
      {"the first enumeration call fails", {Function::UserEnum, 1, os::net::kAccessDenied, u""}, {}},
      // More data with nothing read: asked again once with the length left to the system.
      {"more data but nothing read", {Function::UserEnum, 2, os::net::kMoreData, u""}, {36, 36, 36}},
      {"more data but nothing read, twice", {Function::UserEnum, 0, os::net::kMoreData, u""}, {}},
      // Wine hands out no name longer than the length asked for.
      {"a 20-character name", {Function::UserGetInfo, 99, 0, u""}, {36, 36, 36}, u"Communications-Staff", true},
  };
  for (const Case& c : cases) {
    net().users = {User{u"Administrator"}, User{c.secondName}, User{u"jana"}};
    net().wholeOrNothing = c.wholeOrNothing;
    net().faults = {c.fault};
    net().calls.clear();
    const Lines lines = userstostringlst();
    std::vector<std::size_t> sizes;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      ASSERT_EQ(lines[i].rfind("<IND x=\"10\">", 0), 0u) << c.what << " line " << i;
      std::size_t block = 0;
      while (i + 1 + block < lines.size() && lines[i + 1 + block].rfind("<IND x=\"10\">", 0) != 0) ++block;
      sizes.push_back(block);
      i += block;
    }
    EXPECT_EQ(sizes, c.blockSizes) << c.what;
  }
}

TEST_F(UsersPage, EmptyNamesAreSkipped) {
  net().users = {User{u""}, User{u"jana"}};
  const Lines lines = userstostringlst();
  ASSERT_EQ(lines.size(), 37u);
  EXPECT_EQ(lines[0], "<IND x=\"10\"><FONT color=\"clgreen\" size=\"10\">jana</FONT>");
  // The empty one is not even queried.
  EXPECT_EQ(net().CallCount(Function::UserGetInfo), 1);
}

// A name far longer than the 22-byte calls and any fixed buffer: it is shown
// whole in its name line and in its block, after the name before it.
TEST_F(UsersPage, ANameOf256CharactersShowsWhole) {
  const std::u16string longName(256, u'n');
  net().users = {User{u"jana"}, User{longName}};
  const Lines lines = userstostringlst();
  ASSERT_EQ(lines.size(), 74u);
  const std::string name(256, 'n');
  EXPECT_EQ(lines[37], "<IND x=\"10\"><FONT color=\"clgreen\" size=\"10\">" + name + "</FONT>");
  EXPECT_EQ(lines[39],
            "<IND x=\"20\"><IMG src=\"idx:16\"></IMG><FONT color=\"clblue\">User name<FONT "
            "color=\"clmaroon\"><IND x=\"170\">" +
                name + "</FONT>");
}

}  // namespace
}  // namespace vrex::gather
