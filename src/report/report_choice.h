#pragma once
// What the report window leaves behind: the action chosen and the sub-items
// ticked; and the handlers of its list that work on the sections alone.
#include <string>
#include <vector>

#include "report/report_output.h"
#include "view/section_list.h"

namespace vrex::report {

struct SelectedItem {
  int sectionIndex = 0;
  int subItemIndex = 0;
  bool ticked = true;  // always true for a stored item
  std::string subItemCaption;
  std::string sectionCaption;
  bool operator==(const SelectedItem&) const = default;
};

struct ReportChoice {
  ReportAction action = ReportAction::kNone;
  std::vector<SelectedItem> selection;
};

// Copies the main window's sections with their images into the report's
// list, contracted, each sub-item with a check box the user can toggle.
void CopyReportSections(const view::TSectionListBox& source, view::TSectionListBox& target);

// Every ticked sub-item, section by section, in list order.
std::vector<SelectedItem> CollectSelection(const view::TSectionListBox& list);

// Ticks or clears every sub-item of the section holding the current row;
// with no current row nothing happens.
void CheckCurrentSection(view::TSectionListBox& list, bool ticked);

}  // namespace vrex::report
