// The report's lines for a selection, and the report window's list: copying
// the sections, ticking a whole section and collecting what is ticked.
#include <gtest/gtest.h>

#include <stdexcept>

#include "app/report_lines.h"
#include "support/recording_list_host.h"
#include "lang/language.h"
#include "support/memory/memory_ports.h"
#include "support/named_gatherers.h"

namespace vrex::app {
namespace {

using report::SelectedItem;

class ReportLinesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UnloadLanguageModule();
    world.system.SetVersion(2, 5, 1);  // XP
    auto gatherer = [](std::string name) { return [name] { return Lines{name}; }; };
    gatherers = test::NamedGatherers(gatherer);
  }
  void TearDown() override { UnloadLanguageModule(); }

  // Loads a module in which the report's captions are these texts.
  void LoadCaptions(std::map<unsigned, std::string> strings) {
    std::string base = world.system.exePath.substr(0, world.system.exePath.size() - 4);
    world.files.WriteString(base + ".ini", "Options", "Language", "EN");
    world.files.AddFile(base + "EN.dll");
    world.modules.AddLibrary(base + "EN.dll", std::move(strings));
    LoadLanguageModule();
  }

  static SelectedItem Item(const std::string& caption) { return SelectedItem{0, 0, true, caption, "Sec"}; }
  static std::string Heading(const std::string& caption) {
    return "<FONT size=\"14\" color=\"clblue\">Sec - <FONT size=\"14\" color=\"clnavy\">" + caption + ":</FONT>";
  }

  os::memory::World world;
  Gatherers gatherers;
  Lines connections = {"conn 1", "conn 2"};
};

TEST_F(ReportLinesTest, EachSelectedItemGetsItsHeadingAndEveryMatchingGatherer) {
  LoadCaptions({{540, "Basic"},
                {525, "Adapters"},
                {526, "Same"},
                {527, "Same"},
                {528, "Clients"},
                {529, "TCP/IP"},
                {561, "Winsock"},
                {80, "Mail"},
                {81, "Proxy"},
                {82, "Browsers"},
                {350, "Dial-up"},
                {101, "Users"},
                {102, "Groups"},
                {103, "Global"}});
  const std::vector<SelectedItem> selection = {Item("Dial-up"), Item("Same"),   Item("Winsock"),
                                               Item("Users"),   Item("Global"), Item("None")};
  EXPECT_EQ(ReportLines(selection, gatherers, connections),
            (Lines{Heading("Dial-up"), " ", "dialup",    " ",                        //
                   Heading("Same"),    " ", "protocols", "services", " ",            // equal captions: both
                   Heading("Winsock"), " ", "winsock",   "conn 1",   "conn 2", " ",  //
                   Heading("Users"),   " ", "users",     " ",                        //
                   Heading("Global"),  " ", " ",                                     // not in the report
                   Heading("None"),    " ", " "}));
}

TEST_F(ReportLinesTest, WithoutALanguageModuleEveryCaptionMatchesEveryRow) {
  const std::vector<SelectedItem> selection = {Item(kNoLoadMessage)};
  EXPECT_EQ(ReportLines(selection, gatherers, connections),
            (Lines{Heading(kNoLoadMessage), " ", "dialup", "adapters", "protocols", "services", "clients", "tcpip",
                   "winsock", "conn 1", "conn 2", "mail", "proxy", "browsers", "basic", "users", "groups", " "}));
}

TEST_F(ReportLinesTest, AnEmptySelectionGivesNoLines) { EXPECT_TRUE(ReportLines({}, gatherers, connections).empty()); }

TEST(ReportChoiceTest, SectionsAreCopiedWithCheckBoxesAndTheSelectionCollected) {
  test::RecordingListHost mainHost, reportHost;
  view::TSectionListBox main(mainHost), report(reportHost);
  const char* captions[][4] = {{"Network", "A", "B", "C"}, {"Internet", "D", "E", ""}};
  for (auto& section : captions) {
    view::TListSection& added = main.AddSection();
    added.SetCaption(section[0]);
    for (int i = 1; i < 4 && *section[i]; ++i) added.SubItems().Add(section[i]);
    added.SetImageIndex(main.SectionCount() + 4);
  }
  main.Section(0).SetSubItemImage(1, 7);
  main.Section(1).SetState(view::TListSectionState::lssExpanded);

  report.AddSection().SetCaption("stale");
  report::CopyReportSections(main, report);
  ASSERT_EQ(report.SectionCount(), 2);
  EXPECT_EQ(report.RowCount(), 2);  // contracted
  EXPECT_EQ(reportHost.SelectedRow(), 0);
  for (int s = 0; s < 2; ++s) {
    EXPECT_EQ(report.Section(s).controlType, view::TSectionControlType::scCheckbox);
    EXPECT_FALSE(report.Section(s).readOnly);
    EXPECT_EQ(report.Section(s).ImageIndex(), s + 5);
  }
  EXPECT_EQ(report.Section(0).GetSubItemImage(1), 7);
  EXPECT_EQ(report.Section(1).SubItems().Lines(), (std::vector<std::string>{"D", "E"}));

  // Select all acts on the current row's section only.
  report.Section(1).SetState(view::TListSectionState::lssExpanded);
  reportHost.SetSelectedRow(report.HeaderRow(1) + 2);  // "E"
  report::CheckCurrentSection(report, true);
  report.Section(0).SetSubItemCheck(2, true);
  EXPECT_EQ(report::CollectSelection(report),
            (std::vector<SelectedItem>{
                {0, 2, true, "C", "Network"}, {1, 0, true, "D", "Internet"}, {1, 1, true, "E", "Internet"}}));
  report::CheckCurrentSection(report, false);
  EXPECT_EQ(report::CollectSelection(report), (std::vector<SelectedItem>{{0, 2, true, "C", "Network"}}));

  reportHost.SetSelectedRow(-1);
  report::CheckCurrentSection(report, true);
  EXPECT_EQ(report::CollectSelection(report).size(), 1u);
}

}  // namespace
}  // namespace vrex::app
