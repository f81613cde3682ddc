#include "report/report_choice.h"

namespace vrex::report {

void CopyReportSections(const view::TSectionListBox& source, view::TSectionListBox& target) {
  view::ScopedUpdate update(target);
  target.ClearSections();
  target.AssignSections(source);
  target.ContractAll();
  for (int s = 0; s < target.SectionCount(); ++s) {
    view::TListSection& section = target.Section(s);
    section.controlType = view::TSectionControlType::scCheckbox;
    section.readOnly = false;
  }
}

std::vector<SelectedItem> CollectSelection(const view::TSectionListBox& list) {
  std::vector<SelectedItem> selection;
  for (int s = 0; s < list.SectionCount(); ++s) {
    const view::TListSection& section = list.Section(s);
    for (int i = 0; i < section.SubItems().Count(); ++i) {
      if (!section.GetSubItemCheck(i)) continue;
      selection.push_back(SelectedItem{s, i, true, section.SubItems()[i], section.Caption()});
    }
  }
  return selection;
}

void CheckCurrentSection(view::TSectionListBox& list, bool ticked) {
  view::TListSection* section = list.SelectedSection();
  if (!section) return;
  for (int i = 0; i < section->SubItems().Count(); ++i) section->SetSubItemCheck(i, ticked);
}

}  // namespace vrex::report
