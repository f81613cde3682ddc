// The catalogue: which gatherer each caption runs, on which systems, and how
// the four pane handlers build, open and clear the right pane's page.
#include <gtest/gtest.h>

#include <stdexcept>

#include "app/catalogue.h"
#include "support/recording_list_host.h"
#include "lang/language.h"
#include "support/memory/memory_ports.h"
#include "support/named_gatherers.h"

namespace vrex::app {
namespace {

using view::TListSectionState;

std::map<unsigned, std::string> EnglishStrings() {
  return {{538, "Network"},   {539, "Internet"},     {100, "Accounts"}, {540, "Basic"},   {525, "Adapters"},
          {526, "Protocols"}, {527, "Services"},     {528, "Clients"},  {561, "Winsock"}, {529, "TCP/IP"},
          {80, "Mail"},       {81, "Proxy"},         {82, "Browsers"},  {350, "Dial-up"}, {101, "Users"},
          {102, "Groups"},    {103, "Global groups"}};
}

class CatalogueTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UnloadLanguageModule();
    world.system.SetVersion(2, 5, 1);  // XP
    LoadStrings(EnglishStrings());
    auto gatherer = [this](std::string name) {
      return [this, name] {
        runs.push_back(name);
        return Lines{name + " line"};
      };
    };
    gatherers = test::NamedGatherers(gatherer);
  }
  void TearDown() override { UnloadLanguageModule(); }

  void LoadStrings(std::map<unsigned, std::string> strings) {
    UnloadLanguageModule();
    static int generation = 0;
    // A fresh code of letters for each load (codes are letters only).
    std::string code = "X";
    for (int n = ++generation; n > 0; n /= 26) code += static_cast<char>('A' + n % 26);
    world.files.WriteString(world.system.exePath.substr(0, world.system.exePath.size() - 4) + ".ini", "Options",
                            "Language", code);
    std::string path = world.system.exePath.substr(0, world.system.exePath.size() - 4) + code + ".dll";
    world.files.AddFile(path);
    world.modules.AddLibrary(path, std::move(strings));
    LoadLanguageModule();
  }

  // The page keeps the last match's lines; the report appends every match.
  Lines Collect(const std::string& caption, CatalogueUse use = CatalogueUse::kPage) {
    Lines lines;
    RunCatalogue(caption, use, gatherers, connections, [&](const Lines& got, bool append) {
      if (!append && use == CatalogueUse::kPage) lines.clear();
      lines.insert(lines.end(), got.begin(), got.end());
    });
    return lines;
  }

  os::memory::World world;
  Gatherers gatherers;
  Lines connections;
  std::vector<std::string> runs;
};

TEST_F(CatalogueTest, EachCaptionRunsItsGatherer) {
  EXPECT_EQ(Collect("Basic"), Lines{"basic line"});
  EXPECT_EQ(Collect("Dial-up"), Lines{"dialup line"});
  EXPECT_EQ(Collect("Users"), Lines{"users line"});
  EXPECT_EQ(Collect("Global groups"), Lines{"global line"});
  EXPECT_EQ(Collect("Nothing of ours"), Lines{});
  EXPECT_EQ(Collect("basic"), Lines{});  // case-sensitive
}

// The same rows serve the page and the report; their rules differ only in
// the dial-up lines under Windows NT 4.0 and the global groups.
TEST_F(CatalogueTest, SystemRulesOfThePageAndTheReport) {
  connections = {"TCP", "conn"};
  using enum CatalogueUse;
  struct Case {
    const char* system;
    std::uint32_t platform, major, minor;
    CatalogueUse use;
    Lines lines;  // of Dial-up, Winsock, Users, Groups and Global groups in turn
  };
  const Lines all = {"dialup line", "winsock line", "TCP", "conn", "users line", "groups line"};
  const Case cases[] = {
      {"NT 4.0 page: no dial-up, no connections",
       2,
       4,
       0,
       kPage,
       {"winsock line", "users line", "groups line", "global line"}},
      {"NT 4.0 report: dial-up kept", 2, 4, 0, kReport, {"dialup line", "winsock line", "users line", "groups line"}},
      {"98: no accounts", 1, 4, 10, kPage, {"dialup line", "winsock line", "TCP", "conn"}},
      {"98 report", 1, 4, 10, kReport, {"dialup line", "winsock line", "TCP", "conn"}},
      {"neither family", 1, 5, 0, kPage, {"dialup line", "winsock line", "TCP", "conn"}},
      {"2000 page", 2, 5, 0, kPage,
       [&] {
         Lines l = all;
         l.push_back("global line");
         return l;
       }()},
      {"2000 report: no global groups", 2, 5, 0, kReport, all},
      {"Vista and later are NT", 2, 6, 0, kReport, all},
  };
  for (const Case& c : cases) {
    world.system.SetVersion(c.platform, c.major, c.minor);
    Lines lines;
    for (const char* caption : {"Dial-up", "Winsock", "Users", "Groups", "Global groups"})
      for (const std::string& line : Collect(caption, c.use)) lines.push_back(line);
    EXPECT_EQ(lines, c.lines) << c.system;
  }
}

TEST_F(CatalogueTest, FailingDialUpGathererIsSwallowedOthersAreNot) {
  for (CatalogueUse use : {CatalogueUse::kPage, CatalogueUse::kReport}) {
    gatherers.gettel = []() -> Lines { throw std::runtime_error("phonebook"); };
    EXPECT_EQ(Collect("Dial-up", use), Lines{});
    gatherers.protocolstostringlst = []() -> Lines { throw std::runtime_error("registry"); };
    EXPECT_THROW(Collect("Protocols", use), std::runtime_error);
  }
}

TEST_F(CatalogueTest, EqualCaptionsRunEveryMatchAndTheLastMatchWins) {
  auto strings = EnglishStrings();
  strings[527] = "Same";
  strings[80] = "Same";
  LoadStrings(strings);
  runs.clear();
  EXPECT_EQ(Collect("Same"), Lines{"mail line"});
  EXPECT_EQ(runs, (std::vector<std::string>{"services", "mail"}));
}

TEST_F(CatalogueTest, WithoutLanguageModuleEveryCaptionIsTheFallbackAndAllGatherersRun) {
  UnloadLanguageModule();
  runs.clear();
  Collect(kNoLoadMessage);
  EXPECT_EQ(runs,
            (std::vector<std::string>{"dialup", "adapters", "protocols", "services", "clients", "tcpip", "winsock",
                                      "mail", "proxy", "browsers", "basic", "users", "groups", "global"}));
}

class PanesTest : public CatalogueTest {
 protected:
  void SetUp() override {
    CatalogueTest::SetUp();
    for (int i = 0; i < 3; ++i) left.AddSection();
    right.expandDisable = right.contractDisable = true;
    BuildLeftPane(left);
    panes.Connect();
  }
  std::vector<std::string> RightCaptions() {
    std::vector<std::string> captions;
    for (int i = 0; i < right.SectionCount(); ++i) captions.push_back(right.Section(i).Caption());
    return captions;
  }

  test::RecordingListHost leftHost, rightHost;
  view::TSectionListBox left{leftHost}, right{rightHost};
  MainPanes panes{left, right, gatherers, connections};
};

TEST_F(PanesTest, LeftPaneHoldsTheCatalogueWithItsIcons) {
  EXPECT_EQ(left.Section(0).Caption(), "Network");
  EXPECT_EQ(left.Section(2).Caption(), "Accounts");
  EXPECT_EQ(left.Section(0).SubItems().Lines(),
            (Lines{"Basic", "Adapters", "Protocols", "Services", "Clients", "Winsock", "TCP/IP"}));
  EXPECT_EQ(left.Section(1).GetSubItemImage(3), 10);
  EXPECT_EQ(left.Section(2).GetSubItemImage(0), 16);
  EXPECT_EQ(left.Section(2).GetSubItemImage(1), 17);
}

TEST_F(PanesTest, ExpandingALeftSectionBuildsItsContractedPage) {
  left.MouseDown(left.HeaderRow(1), 60);
  EXPECT_EQ(RightCaptions(), (std::vector<std::string>{"Internet", "Mail", "Proxy", "Browsers", "Dial-up"}));
  EXPECT_EQ(right.Section(0).ImageIndex(), -1);
  EXPECT_EQ(right.Section(4).ImageIndex(), 10);
  EXPECT_EQ(right.Section(2).SubItems().Lines(), Lines{"proxy line"});
  for (int i = 0; i < right.SectionCount(); ++i) EXPECT_EQ(right.Section(i).State(), TListSectionState::lssContracted);
  EXPECT_EQ(right.RowCount(), 5);
  EXPECT_EQ(rightHost.redrawSwitches, (std::vector<bool>{false, true}));  // one repaint
}

TEST_F(PanesTest, SubItemClickRebuildsAndOpensItsSectionAtTopEveryTime) {
  left.Section(0).SetState(TListSectionState::lssExpanded);
  for (int click = 0; click < 2; ++click) {
    runs.clear();
    left.MouseDown(6, 30);  // Winsock
    EXPECT_EQ(runs.size(), 7u);
    EXPECT_EQ(right.Section(6).State(), TListSectionState::lssExpanded);
    EXPECT_EQ(rightHost.rows.Top(), 6);
  }
}

TEST_F(PanesTest, ClickOnASubItemOfAnotherExpandedSectionReplacesThePage) {
  left.Section(0).SetState(TListSectionState::lssExpanded);
  left.Section(1).SetState(TListSectionState::lssExpanded);
  left.MouseDown(2, 30);                      // Adapters
  left.MouseDown(left.HeaderRow(1) + 3, 30);  // Browsers
  EXPECT_EQ(RightCaptions()[0], "Internet");
  EXPECT_EQ(right.Section(3).State(), TListSectionState::lssExpanded);
}

TEST_F(PanesTest, ContractingAnyLeftSectionClearsTheRightPane) {
  left.MouseDown(left.HeaderRow(0), 60);
  left.MouseDown(left.HeaderRow(2), 60);
  EXPECT_EQ(RightCaptions()[0], "Accounts");
  left.MouseDown(left.HeaderRow(0), 60);  // contracts section 0, whose page is not shown
  EXPECT_EQ(right.SectionCount(), 0);
  EXPECT_EQ(right.RowCount(), 0);
}

TEST_F(PanesTest, RightHeaderClickTogglesThroughTheHandlerOnly) {
  left.MouseDown(left.HeaderRow(2), 60);
  right.MouseDown(1, 40);
  EXPECT_EQ(right.Section(1).State(), TListSectionState::lssExpanded);
  EXPECT_EQ(rightHost.rows.Top(), 1);
  right.MouseDown(1, 40);
  EXPECT_EQ(right.Section(1).State(), TListSectionState::lssContracted);
  right.MouseDown(0, 40);  // the heading has no lines but still opens
  EXPECT_EQ(right.Section(0).State(), TListSectionState::lssExpanded);
}

TEST_F(PanesTest, AGathererThatThrowsLeavesThePaneRepaintingAndTheErrorToTheWindow) {
  gatherers.proxytostringlst = []() -> Lines { throw std::runtime_error("registry gone"); };
  EXPECT_THROW(left.MouseDown(left.HeaderRow(1), 60), std::runtime_error);
  EXPECT_EQ(right.UpdateCount(), 0);
  EXPECT_EQ(rightHost.redrawSwitches.back(), true);
}

// A refresh builds the shown page anew: the same groups open, the same row at
// the top, or its group's header where the row is gone.
TEST_F(PanesTest, RefreshKeepsOpenGroupsAndTheTopRowWhereItStillExists) {
  struct Case {
    int proxyLines;  // after the refresh
    int top;
  };
  for (const Case& c : {Case{5, 6}, Case{1, 3}}) {
    int proxyLines = 3;
    gatherers.proxytostringlst = [&proxyLines] { return Lines(proxyLines, "proxy"); };
    left.MouseDown(left.HeaderRow(1), 60);  // heading, Mail, Proxy, Browsers, Dial-up
    right.MouseDown(1, 40);                 // Mail: rows 1, 2
    right.MouseDown(3, 40);                 // Proxy: rows 3 to 6
    rightHost.SetTopRow(6);                 // the third proxy line
    proxyLines = c.proxyLines;
    panes.RefreshPage();
    EXPECT_EQ(right.Section(2).SubItems().Count(), c.proxyLines);
    EXPECT_EQ(right.Section(1).State(), TListSectionState::lssExpanded);
    EXPECT_EQ(right.Section(2).State(), TListSectionState::lssExpanded);
    EXPECT_EQ(right.Section(3).State(), TListSectionState::lssContracted);
    EXPECT_EQ(rightHost.rows.Top(), c.top) << c.proxyLines;
    left.MouseDown(left.HeaderRow(1), 60);  // contracted again for the next case
  }
}

TEST_F(PanesTest, OpenPaneSectionOutsideThePageKeepsTheUpdateBalanced) {
  OpenPaneSection(left, right, 5);  // right pane is empty
  EXPECT_EQ(right.UpdateCount(), 0);
}

}  // namespace
}  // namespace vrex::app
