#include "app/report_lines.h"

namespace vrex::app {

std::string ReportHeading(const std::string& sectionCaption, const std::string& subItemCaption) {
  return "<FONT size=\"14\" color=\"clblue\">" + sectionCaption + " - <FONT size=\"14\" color=\"clnavy\">" +
         subItemCaption + ":</FONT>";
}

Lines ReportLines(std::span<const report::SelectedItem> selection, const Gatherers& gatherers,
                  const Lines& connections) {
  Lines lines;
  for (const report::SelectedItem& item : selection) {
    lines.push_back(ReportHeading(item.sectionCaption, item.subItemCaption));
    lines.push_back(" ");
    // Every matching row adds its lines.
    RunCatalogue(
        item.subItemCaption, CatalogueUse::kReport, gatherers, connections,
        [&lines](const Lines& gathered, bool) { lines.insert(lines.end(), gathered.begin(), gathered.end()); });
    lines.push_back(" ");
  }
  return lines;
}

}  // namespace vrex::app
