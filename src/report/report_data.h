#pragma once
// The report for programs, as JSON or CSV in UTF-8.  Each sub-item's display
// lines are read back as a label with its value, a group's heading or a
// plain text; the texts come as stored, without markup and with no escaping
// beyond the format's own.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/os/system.h"
#include "report/report_text.h"

namespace vrex::report {

struct DataLine {
  enum class Kind { kLabelValue, kHeading, kText };
  Kind kind = Kind::kText;
  std::string label;  // kLabelValue only
  std::string text;   // the value, the heading or the text
  // kHeading: how prominent it stands, by its font size, then by how little it
  // is indented; a heading holds the ones less prominent that follow it.
  int rank = 0;
  // kText: whether the box before it is ticked, for a line that shows one.
  std::optional<bool> ticked;
  bool operator==(const DataLine&) const = default;
};

// The display line as data, or nothing for a line without text.  The line
// is cut where an indent or a picture stands: its first piece with text is
// the label, the pieces after it are the value (empty when only an indent,
// the value's column, follows the label).  A line of one piece is a
// heading when its first colour is navy, green or red (the titles of the
// groups), else a text.  The box of a line that shows one, ticked or not,
// comes back as its state.
std::optional<DataLine> ReadDataLine(std::string_view line);

struct DataItem {
  int id = 0;  // the caption's string ID, as --items takes it
  std::string section;
  std::string caption;
  Lines lines;  // display markup
};

struct DataReport {
  os::LocalTime created;
  std::string computer;
  std::vector<DataItem> items;
};

// The time as ISO 8601 with its offset: "2026-12-09T19:30:05+01:00".
std::string Iso8601(const os::LocalTime& time);

// The JSON document, indented, a line each: {"created", "computer", "items":
// [{"id", "section", "caption", "lines": [{"label", "value"} | {"heading"} |
// {"text"[, "ticked"]}]}]}.  Texts arrive in the ANSI code page.
Lines JsonReport(const DataReport& report);

// RFC 4180 rows under the header item,section,caption,group,label,value, the
// first line led by a UTF-8 byte-order mark for spreadsheets.  Every heading
// and every line is a row; group is the path of the headings that hold it,
// joined by " / ".  A line with a box has its text as the label and "true"
// or "false" as the value.  A sub-item without lines has one row with its
// item, section and caption only.
Lines CsvReport(const DataReport& report);

}  // namespace vrex::report
