// The local groups page over the in-memory network-management functions:
// each group with its comment and members, members over several calls, and
// what a failed call leaves.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gather/local_groups.h"
#include "lang/language.h"
#include "support/memory/memory_ports.h"

namespace vrex::gather {
namespace {

using Lines = std::vector<std::string>;
using Group = os::memory::MemoryNetManagement::Group;
using Function = os::memory::MemoryNetManagement::Function;

class LocalGroupsPage : public ::testing::Test {
 protected:
  void SetUp() override {
    UnloadLanguageModule();
    world.modules.ownStrings = {{104, "Members"}};
  }
  void TearDown() override {
    EXPECT_EQ(net().Outstanding(), 0);
    EXPECT_EQ(net().badFrees, 0);
  }
  os::memory::MemoryNetManagement& net() { return world.netManagement; }
  os::memory::World world;
};

std::vector<std::u16string> Numbered(const std::u16string& stem, int count) {
  std::vector<std::u16string> names;
  for (int i = 1; i <= count; ++i) {
    std::u16string number = i < 10 ? u"0" : u"";
    for (char c : std::to_string(i)) number += static_cast<char16_t>(c);
    names.push_back(stem + number);
  }
  return names;
}

TEST_F(LocalGroupsPage, EachGroupWithItsCommentMembersAndASeparator) {
  net().groups = {
      {u"Administrators",
       u"Administrators have complete and unrestricted access to the computer/domain",
       {u"Administrator", u"petr"}},
      {u"Power Users", u"Power Users can install software and share the local printer", {}},
      {u"Gruppe f\u00fcr \u0158\u00edzen\u00ed", u"", {u"jana"}},
  };
  EXPECT_EQ(localgroupstostringlst(),
            (Lines{
                "<FONT color=\"clgreen\"><ind x=\"10\"><IMG src=\"idx:17\"></IMG>Administrators</FONT>",
                "<FONT COLOR=\"clmaroon\"> <IND x=\"20\">Administrators have complete and unrestricted <BR><IND "
                "x=\"20\">access to the computer/domain</FONT>",
                "<FONT COLOR=\"clblue\"> <IND x=\"20\">Members</FONT>",
                "<FONT COLOR=\"clmaroon\"> <IND x=\"30\"><IMG src=\"idx:16\"></IMG>Administrator</FONT>",
                "<FONT COLOR=\"clmaroon\"> <IND x=\"30\"><IMG src=\"idx:16\"></IMG>petr</FONT>",
                " ",
                // Sixty characters: fifty at most on the first line, the rest from x 20.
                "<FONT color=\"clgreen\"><ind x=\"10\"><IMG src=\"idx:17\"></IMG>Power Users</FONT>",
                "<FONT COLOR=\"clmaroon\"> <IND x=\"20\">Power Users can install software and share the <BR><IND "
                "x=\"20\">local printer</FONT>",
                "<FONT COLOR=\"clblue\"> <IND x=\"20\">Members</FONT>",
                " ",
                "<FONT color=\"clgreen\"><ind x=\"10\"><IMG src=\"idx:17\"></IMG>Gruppe f\xfcr ?\xedzen\xed</FONT>",
                "<FONT COLOR=\"clmaroon\"> <IND x=\"20\"></FONT>",
                "<FONT COLOR=\"clblue\"> <IND x=\"20\">Members</FONT>",
                "<FONT COLOR=\"clmaroon\"> <IND x=\"30\"><IMG src=\"idx:16\"></IMG>jana</FONT>",
                " ",
            }));
  // The groups by level 0 in 255-byte calls, each group by level 1 under its
  // own (wide) name, all on the local computer.
  ASSERT_EQ(net().calls.size(), 7u);
  EXPECT_EQ(net().calls[0].function, Function::LocalGroupEnum);
  EXPECT_EQ(net().calls[0].level, 0u);
  EXPECT_EQ(net().calls[0].preferredLength, 255u);
  EXPECT_EQ(net().calls[5].function, Function::LocalGroupGetInfo);
  EXPECT_EQ(net().calls[5].name, u"Gruppe f\u00fcr \u0158\u00edzen\u00ed");
  EXPECT_EQ(net().calls[5].level, 1u);
  EXPECT_EQ(net().calls[6].function, Function::LocalGroupGetMembers);
  EXPECT_EQ(net().calls[6].level, 1u);
  EXPECT_EQ(net().calls[6].preferredLength, 255u);
  for (const auto& call : net().calls) EXPECT_FALSE(call.server);
}

TEST_F(LocalGroupsPage, MembersThatDoNotFitComeWithTheFollowingCalls) {
  for (bool totalsFromStart : {false, true}) {
    net().groups = {{u"Remote Desktop Users", u"", Numbered(u"member", 30)}};
    net().totalsFromStart = totalsFromStart;
    net().calls.clear();
    const Lines lines = groupdetailtostringlst(u"Remote Desktop Users");
    ASSERT_EQ(lines.size(), 2u + 30u) << totalsFromStart;
    EXPECT_EQ(lines[2], "<FONT COLOR=\"clmaroon\"> <IND x=\"30\"><IMG src=\"idx:16\"></IMG>member01</FONT>");
    EXPECT_EQ(lines[16], "<FONT COLOR=\"clmaroon\"> <IND x=\"30\"><IMG src=\"idx:16\"></IMG>member15</FONT>");
    EXPECT_EQ(lines[31], "<FONT COLOR=\"clmaroon\"> <IND x=\"30\"><IMG src=\"idx:16\"></IMG>member30</FONT>");
    // Each call went on where the one before stopped: as many calls as
    // 255-byte blocks of members, with rising resume handles from 0.
    const std::size_t perCall = 255 / (sizeof(os::LocalGroupMembersInfo1) + sizeof(u"member01"));
    std::vector<std::uint64_t> resumes;
    for (const auto& call : net().calls) {
      if (call.function != Function::LocalGroupGetMembers) continue;
      EXPECT_EQ(call.preferredLength, 255u);
      resumes.push_back(call.resumeIn);
    }
    ASSERT_EQ(resumes.size(), (30 + perCall - 1) / perCall);
    for (std::size_t i = 0; i < resumes.size(); ++i) EXPECT_EQ(resumes[i], i * perCall);
  }
}

TEST_F(LocalGroupsPage, FailuresKeepWhatWasAlreadyShown) {
  using Fault = os::memory::MemoryNetManagement::Fault;
  // Ten groups of four lines each (name, comment, heading, separator); the
  // first has forty members.  The groups come seven to a 255-byte call, the
  // members as many as fit.
  const std::size_t membersPerCall = 255 / (sizeof(os::LocalGroupMembersInfo1) + sizeof(u"member01"));
  struct Case {
    const char* what;
    std::vector<Fault> faults;
    std::size_t lines;
    std::size_t members;
  };
  const Case cases[] = {
      {"nothing fails", {}, 10 * 4 + 40, 40},
      {"the first group's query fails",
       {{Function::LocalGroupGetInfo, 0, os::net::kInternalError, u"Group name 01"}},
       2 + 9 * 4,
       0},
      {"its first member call fails", {{Function::LocalGroupGetMembers, 1, os::net::kAccessDenied, u""}}, 10 * 4, 0},
      {"its second member call fails",
       {{Function::LocalGroupGetMembers, 2, os::net::kAccessDenied, u"Group name 01"}},
       10 * 4 + membersPerCall,
       membersPerCall},
      // Wine's placeholder: success without touching anything.
      {"members answer without data", {{Function::LocalGroupGetMembers, 0, os::net::kSuccess, u""}}, 10 * 4, 0},
      {"the second group call fails", {{Function::LocalGroupEnum, 2, os::net::kAccessDenied, u""}}, 7 * 4 + 40, 40},
      {"the first group call fails", {{Function::LocalGroupEnum, 1, os::net::kAccessDenied, u""}}, 0, 0},
  };
  ASSERT_LT(membersPerCall, 40u);
  for (const Case& c : cases) {
    net().groups.clear();
    for (const std::u16string& name : Numbered(u"Group name ", 10)) net().groups.push_back({name, u"comment", {}});
    net().groups[0].members = Numbered(u"member", 40);
    net().faults = c.faults;
    net().calls.clear();
    const Lines lines = localgroupstostringlst();
    std::size_t memberLines = 0;
    for (const std::string& line : lines) memberLines += line.find("idx:16") != std::string::npos;
    EXPECT_EQ(lines.size(), c.lines) << c.what;
    EXPECT_EQ(memberLines, c.members) << c.what;
  }
}

TEST_F(LocalGroupsPage, AFailedGroupQueryKeepsTheNameLineOnly) {
  net().groups = {{u"Guests", u"Guests have the same access as members of the Users group", {u"Guest"}}};
  net().faults = {{Function::LocalGroupGetInfo, 0, os::net::kInternalError, u""}};
  EXPECT_EQ(localgroupstostringlst(),
            (Lines{"<FONT color=\"clgreen\"><ind x=\"10\"><IMG src=\"idx:17\"></IMG>Guests</FONT>", " "}));
  // Without a record there is nothing to list members under.
  EXPECT_EQ(net().CallCount(Function::LocalGroupGetMembers), 0);
}

TEST_F(LocalGroupsPage, GlobalGroupsAreNeverListed) {
  net().groups = {{u"Users", u"", {u"jana"}}};
  EXPECT_EQ(globalgroupstostringlst(), Lines{});
  EXPECT_TRUE(net().calls.empty());
}

}  // namespace
}  // namespace vrex::gather
