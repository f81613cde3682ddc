// The section list model: rows mirror the sections, user toggles fire the
// events in order, check marks and icons live in the line tags.
#include <gtest/gtest.h>

#include <utility>

#include "support/recording_list_host.h"

namespace vrex::view {
namespace {

using State = TListSectionState;

class SectionListTest : public ::testing::Test {
 protected:
  SectionListTest() : list(host) {
    for (int s = 0; s < 3; ++s) {
      auto& section = list.AddSection();
      section.SetCaption("Section " + std::to_string(s));
      for (int l = 0; l < s + 2; ++l) section.SubItems().Add("line " + std::to_string(s) + "." + std::to_string(l));
    }
    list.OnSectionClick = [this](TSectionListBox&, int s) { events.push_back("click " + std::to_string(s)); };
    list.OnExpandSection = [this](TSectionListBox&, int s) { events.push_back("expand " + std::to_string(s)); };
    list.OnContractSection = [this](TSectionListBox&, int s) { events.push_back("contract " + std::to_string(s)); };
    list.OnSubItemClick = [this](TSectionListBox&, int s, int l) {
      events.push_back("sub " + std::to_string(s) + "." + std::to_string(l));
    };
    list.OnCheckBoxClick = [this](TSectionListBox&, int s, int l) {
      events.push_back("check " + std::to_string(s) + "." + std::to_string(l));
    };
  }

  std::vector<std::string> RowTexts() {
    std::vector<std::string> texts;
    for (int r = 0; r < list.RowCount(); ++r) texts.push_back(list.RowText(r));
    return texts;
  }

  test::RecordingListHost host;
  TSectionListBox list;
  std::vector<std::string> events;
};

TEST_F(SectionListTest, RowsMirrorSectionsAndMapBackToSectionAndLine) {
  EXPECT_EQ(RowTexts(), (std::vector<std::string>{"Section 0", "Section 1", "Section 2"}));
  list.Section(1).SetState(State::lssExpanded);
  list.Section(2).SetState(State::lssExpanded);
  EXPECT_EQ(list.HeaderRow(2), 5);
  EXPECT_EQ(list.RowCount(), 10);
  EXPECT_EQ(list.RowAt(4).section, 1);
  EXPECT_EQ(list.RowAt(4).line, 2);
  EXPECT_EQ(list.RowAt(5).line, -1);
  EXPECT_EQ(host.rows.Count(), 10);
  list.Section(1).SetState(State::lssContracted);
  EXPECT_EQ(RowTexts(), (std::vector<std::string>{"Section 0", "Section 1", "Section 2", "line 2.0", "line 2.1",
                                                  "line 2.2", "line 2.3"}));
  EXPECT_TRUE(events.empty());  // assignments of State fire nothing
}

TEST_F(SectionListTest, LinesChangedWhileContractedShowWhenExpandedEachMeasured) {
  int measuredBefore = host.measured;
  list.Section(0).SubItems().Assign({"a", "a much longer line of forty characters.."});
  EXPECT_EQ(host.measured, measuredBefore);  // contracted: no rows, nothing measured
  EXPECT_EQ(list.RowCount(), 3);
  list.Section(0).SetState(State::lssExpanded);
  EXPECT_EQ(RowTexts()[2], "a much longer line of forty characters..");
  EXPECT_EQ(host.rows.Height(2), 60);
  list.Section(0).SubItems().Add("added while open");
  list.Section(0).SubItems().Delete(0);
  EXPECT_EQ(RowTexts(), (std::vector<std::string>{"Section 0", "a much longer line of forty characters..",
                                                  "added while open", "Section 1", "Section 2"}));
  EXPECT_EQ(list.RowAt(2).line, 1);
  list.Section(0).SubItems().Clear();
  EXPECT_EQ(list.RowCount(), 3);
}

TEST_F(SectionListTest, HeaderClickFiresSectionClickBeforeToggling) {
  list.MouseDown(1, 50);
  list.MouseDown(1 + 0, 5);  // the node glyph is part of the header too
  EXPECT_EQ(events, (std::vector<std::string>{"click 1", "expand 1", "click 1", "contract 1"}));
}

TEST_F(SectionListTest, DisabledTogglesFireOnlyTheClick) {
  list.expandDisable = true;
  list.contractDisable = true;
  list.MouseDown(0, 50);
  EXPECT_EQ(list.Section(0).State(), State::lssContracted);
  list.Section(0).SetState(State::lssExpanded);
  list.MouseDown(0, 50);
  EXPECT_EQ(list.Section(0).State(), State::lssExpanded);
  list.expandDisable = false;
  list.Section(1).fixed = true;
  list.MouseDown(list.HeaderRow(1), 50);
  EXPECT_EQ(list.Section(1).State(), State::lssContracted);
  EXPECT_EQ(events, (std::vector<std::string>{"click 0", "click 0", "click 1"}));
}

TEST_F(SectionListTest, OneExpandedContractsTheOthersAndReexpandsTheOpenOne) {
  list.oneExpanded = true;
  list.MouseDown(0, 50);
  list.MouseDown(list.HeaderRow(2), 50);
  EXPECT_EQ(list.Section(0).State(), State::lssContracted);
  EXPECT_EQ(list.Section(2).State(), State::lssExpanded);
  list.MouseDown(list.HeaderRow(2), 50);
  EXPECT_EQ(list.Section(2).State(), State::lssExpanded);
  EXPECT_EQ(events, (std::vector<std::string>{"click 0", "expand 0", "click 2", "expand 2", "click 2", "expand 2"}));
}

TEST_F(SectionListTest, LineClicksAndSpaceKey) {
  list.Section(0).SetState(State::lssExpanded);
  list.MouseDown(2, 40);
  list.SpaceKey();  // on the selected line
  host.rows.Select(list.HeaderRow(1));
  list.SpaceKey();  // on a header: toggles, no click event
  list.MouseDown(-1, 0);
  EXPECT_EQ(host.rows.Selected(), -1);
  list.SpaceKey();
  EXPECT_EQ(events, (std::vector<std::string>{"sub 0.1", "sub 0.1", "expand 1"}));
}

TEST_F(SectionListTest, CheckBoxesToggleOnlyStrictlyInsideTheBoxAndNotWhenReadOnly) {
  auto& section = list.Section(0);
  section.controlType = TSectionControlType::scCheckbox;
  section.SetState(State::lssExpanded);
  list.MouseDown(1, 14);  // on the edge: no toggle
  list.MouseDown(1, 29);
  EXPECT_FALSE(section.GetSubItemCheck(0));
  section.readOnly = false;
  list.MouseDown(1, 15);
  EXPECT_TRUE(section.GetSubItemCheck(0));
  list.MouseDown(1, 28);
  EXPECT_FALSE(section.GetSubItemCheck(0));
  list.SpaceKey();
  EXPECT_TRUE(section.GetSubItemCheck(0));
  EXPECT_EQ(host.rows.Selected(), 1);
  EXPECT_EQ(events, (std::vector<std::string>{"sub 0.0", "sub 0.0", "check 0.0", "sub 0.0", "check 0.0", "sub 0.0",
                                              "check 0.0", "sub 0.0"}));
}

// The box of a line that may be changed takes clicks at x 15 to 28 (indent 14).
TEST_F(SectionListTest, CheckBoxOfAnEditableSectionTogglesOnlyBetweenItsEdges) {
  auto& section = list.Section(0);
  section.controlType = TSectionControlType::scCheckbox;
  section.readOnly = false;
  section.SetState(State::lssExpanded);
  const std::pair<int, bool> clicks[] = {{14, false}, {15, true}, {28, true}, {29, false}};
  for (auto [x, toggles] : clicks) {
    section.SetSubItemCheck(0, false);
    list.MouseDown(1, x);
    EXPECT_EQ(section.GetSubItemCheck(0), toggles) << "x " << x;
  }
}

// A line that is gone answers no check, even where its tag was.
TEST_F(SectionListTest, ChecksAnswerOnlyForExistingLines) {
  auto& section = list.Section(2);  // four lines
  for (int line = 0; line < 4; ++line) section.SetSubItemCheck(line, true);
  section.SubItems().Delete(3);
  const std::pair<int, bool> lines[] = {{-1, false}, {0, true}, {2, true}, {3, false}};
  for (auto [line, checked] : lines) EXPECT_EQ(section.GetSubItemCheck(line), checked) << "line " << line;
  EXPECT_THROW(section.SetSubItemCheck(3, true), ESectionListBoxError);
}

TEST_F(SectionListTest, ImagesAndChecksShareTheTagWithoutDisturbingEachOther) {
  auto& section = list.Section(1);
  section.SetSubItemImage(2, 17);
  section.SetSubItemCheck(2, true);
  EXPECT_EQ(section.GetSubItemImage(2), 17);
  EXPECT_TRUE(section.GetSubItemCheck(2));
  section.SetSubItemImage(2, 5);
  EXPECT_TRUE(section.GetSubItemCheck(2));
  section.SetSubItemCheck(2, false);
  EXPECT_EQ(section.GetSubItemImage(2), 5);
  EXPECT_EQ(section.SubItems().Tag(2), 6u);
  EXPECT_EQ(section.GetSubItemImage(0), -1);
  EXPECT_EQ(section.GetSubItemImage(3), -1);
  EXPECT_FALSE(section.GetSubItemCheck(-1));
  try {
    section.SetSubItemImage(3, 1);
    FAIL() << "no error";
  } catch (const ESectionListBoxError& error) {
    EXPECT_STREQ(error.what(), "Access of imageindex of non-existing subitem");
  }
  EXPECT_THROW(section.SetSubItemCheck(-1, true), ESectionListBoxError);
}

TEST_F(SectionListTest, UpdatesNestAndRedrawOnceAtTheOutermostEnd) {
  list.EndUpdate();  // unmatched: nothing
  host.repaints = 0;
  list.BeginUpdate();
  list.BeginUpdate();
  list.Section(0).SetState(State::lssExpanded);
  list.EndUpdate();
  EXPECT_FALSE(host.redraw);
  list.EndUpdate();
  EXPECT_EQ(host.redrawSwitches, (std::vector<bool>{false, true}));
  EXPECT_EQ(host.invalidations, 1);
  EXPECT_EQ(host.repaints, 0);
}

TEST_F(SectionListTest, AssignCopiesLinesTagsAndStates) {
  list.Section(2).SetSubItemImage(0, 16);
  list.Section(2).SetState(State::lssExpanded);
  list.Section(2).SetImageIndex(2);
  test::RecordingListHost otherHost;
  TSectionListBox copy(otherHost);
  copy.AssignSections(list);
  ASSERT_EQ(copy.SectionCount(), 3);
  EXPECT_EQ(copy.Section(2).Caption(), "Section 2");
  EXPECT_EQ(copy.Section(2).GetSubItemImage(0), 16);
  EXPECT_EQ(copy.Section(2).ImageIndex(), 2);
  EXPECT_EQ(copy.RowCount(), 7);
  EXPECT_EQ(otherHost.rows.Count(), 7);
}

TEST_F(SectionListTest, ContractAllSelectsTheFirstRowAndSelectedSectionFollowsTheSelection) {
  list.Section(0).SetState(State::lssExpanded);
  list.Section(2).SetState(State::lssExpanded);
  host.rows.Select(list.HeaderRow(2) + 1);
  EXPECT_EQ(list.SelectedSection(), &list.Section(2));
  list.ContractAll();
  EXPECT_EQ(list.RowCount(), 3);
  EXPECT_EQ(host.rows.Selected(), 0);
  EXPECT_EQ(list.SelectedSection(), &list.Section(0));
  list.ShowSectionAtTop(list.Section(2));
  EXPECT_EQ(host.rows.Top(), 2);
  list.ClearSections();
  EXPECT_EQ(list.SelectedSection(), nullptr);
  EXPECT_EQ(host.rows.Count(), 0);
}

TEST_F(SectionListTest, HandlerThatClearsTheListOnHeaderClickLeavesNothingToToggle) {
  list.OnSectionClick = [this](TSectionListBox&, int) { list.ClearSections(); };
  list.MouseDown(2, 50);
  EXPECT_EQ(list.RowCount(), 0);
}

}  // namespace
}  // namespace vrex::view
