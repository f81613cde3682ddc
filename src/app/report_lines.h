#pragma once
// The report's lines: for every ticked sub-item a heading and the lines of
// every gatherer whose caption it bears.
#include <span>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "report/report_choice.h"
#include "report/report_data.h"

namespace vrex::app {

// The heading of one sub-item in the report.
std::string ReportHeading(const std::string& sectionCaption, const std::string& subItemCaption);

// The lines of the selection, in its order.  connections are the lines
// collected at start-up.
Lines ReportLines(std::span<const report::SelectedItem> selection, const Gatherers& gatherers,
                  const Lines& connections);

// The lines of one sub-item, without its heading.
Lines SubItemLines(const report::SelectedItem& item, const Gatherers& gatherers, const Lines& connections);

// The selection as data for programs, created now on this computer.
report::DataReport ReportData(std::span<const report::SelectedItem> selection, const Gatherers& gatherers,
                              const Lines& connections);

}  // namespace vrex::app
