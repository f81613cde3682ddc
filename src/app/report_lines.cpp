#include "app/report_lines.h"

#include "platform/os/ports.h"

namespace vrex::app {

std::string ReportHeading(const std::string& sectionCaption, const std::string& subItemCaption) {
  return "<FONT size=\"14\" color=\"clblue\">" + sectionCaption + " - <FONT size=\"14\" color=\"clnavy\">" +
         subItemCaption + ":</FONT>";
}

Lines SubItemLines(const report::SelectedItem& item, const Gatherers& gatherers, const Lines& connections) {
  Lines lines;
  // Every matching row adds its lines.
  RunCatalogue(item.subItemCaption, CatalogueUse::kReport, gatherers, connections,
               [&lines](const Lines& gathered, bool) { lines.insert(lines.end(), gathered.begin(), gathered.end()); });
  return lines;
}

Lines ReportLines(std::span<const report::SelectedItem> selection, const Gatherers& gatherers,
                  const Lines& connections) {
  Lines lines;
  for (const report::SelectedItem& item : selection) {
    lines.push_back(ReportHeading(item.sectionCaption, item.subItemCaption));
    lines.push_back(" ");
    for (std::string& line : SubItemLines(item, gatherers, connections)) lines.push_back(std::move(line));
    lines.push_back(" ");
  }
  return lines;
}

report::DataReport ReportData(std::span<const report::SelectedItem> selection, const Gatherers& gatherers,
                              const Lines& connections) {
  report::DataReport data{os::SystemPort().Now(), os::SystemPort().ComputerName(), {}};
  for (const report::SelectedItem& item : selection) {
    const int id = CatalogueSections().at(item.sectionIndex).items.at(item.subItemIndex).caption;
    data.items.push_back(
        report::DataItem{id, item.sectionCaption, item.subItemCaption, SubItemLines(item, gatherers, connections)});
  }
  return data;
}

}  // namespace vrex::app
