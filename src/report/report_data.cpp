#include "report/report_data.h"

#include <nlohmann/json.hpp>

#include <cstdio>

#include "platform/os/ports.h"
#include "platform/text.h"
#include "platform/ui/art_ids.h"
#include "view/markup_parse.h"

namespace vrex::report {
namespace {

constexpr int kDefaultPoints = 8;
const std::string kTickedIcon = "idx:" + std::to_string(ART_ICON_OPTION_SET);
const std::string kUntickedIcon = "idx:" + std::to_string(ART_ICON_OPTION_CLEAR);

// A text of the ANSI code page in UTF-8.
std::string Utf8(std::string_view text) { return text::Utf16ToUtf8(os::SystemPort().AnsiToWide(text)); }

struct Piece {
  int indent = 0;         // pixels
  bool indented = false;  // begun by an indent (a value's column), not a picture
  std::string text;
};

}  // namespace

std::optional<DataLine> ReadDataLine(std::string_view line) {
  std::vector<Piece> pieces(1);
  std::size_t pieceStart = 0;
  int indent = 0;
  std::string colour;
  std::optional<bool> ticked;
  const std::string whole = StripTagsVisiting(line, [&](const std::string& sofar, std::string_view tag) {
    if (colour.empty() && text::StartsWithNoCase(tag, "FONT")) colour = view::AttributeValue(tag, "color").value_or("");
    auto x = IndentOfTag(tag);
    if (x) indent = *x;
    const bool picture = text::StartsWithNoCase(tag, "IMG");
    if (picture) {
      const std::string_view source = view::AttributeValue(tag, "src").value_or("");
      if (source == kTickedIcon) ticked = true;
      if (source == kUntickedIcon) ticked = false;
    }
    if (!x && !picture) return;
    pieces.back().text = sofar.substr(pieceStart);
    pieces.push_back(Piece{indent, x.has_value(), {}});
    pieceStart = sofar.size();
  });
  pieces.back().text = whole.substr(pieceStart);

  std::size_t first = 0;
  while (first < pieces.size() && text::Trim(pieces[first].text).empty()) ++first;
  if (first == pieces.size()) return std::nullopt;
  std::string rest;
  bool valueColumn = false;  // an empty value still has its column
  for (std::size_t i = first + 1; i < pieces.size(); ++i) {
    rest += pieces[i].text;
    valueColumn = valueColumn || pieces[i].indented;
  }
  DataLine data;
  data.text = text::Trim(pieces[first].text);
  if (valueColumn || !text::Trim(rest).empty()) {
    data.kind = DataLine::Kind::kLabelValue;
    data.label = std::move(data.text);
    data.text = text::Trim(rest);
  } else if (text::EqualsNoCase(colour, "clnavy") || text::EqualsNoCase(colour, "clgreen") ||
             text::EqualsNoCase(colour, "clred")) {
    data.kind = DataLine::Kind::kHeading;
    data.rank = LineFontSize(line).value_or(kDefaultPoints) * 10000 - pieces[first].indent;
  } else {
    data.ticked = ticked;
  }
  return data;
}

std::string Iso8601(const os::LocalTime& time) {
  const int offset = time.utcOffsetMinutes < 0 ? -time.utcOffsetMinutes : time.utcOffsetMinutes;
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", time.year, time.month, time.day,
                time.hour, time.minute, time.second, time.utcOffsetMinutes < 0 ? '-' : '+', offset / 60, offset % 60);
  return text;
}

Lines JsonReport(const DataReport& report) {
  using Json = nlohmann::ordered_json;
  Json items = Json::array();
  for (const DataItem& item : report.items) {
    Json lines = Json::array();
    for (const std::string& line : item.lines) {
      std::optional<DataLine> data = ReadDataLine(line);
      if (!data) continue;
      switch (data->kind) {
        case DataLine::Kind::kLabelValue:
          lines.push_back(Json{{"label", Utf8(data->label)}, {"value", Utf8(data->text)}});
          break;
        case DataLine::Kind::kHeading: lines.push_back(Json{{"heading", Utf8(data->text)}}); break;
        case DataLine::Kind::kText:
          lines.push_back(Json{{"text", Utf8(data->text)}});
          if (data->ticked) lines.back()["ticked"] = *data->ticked;
          break;
      }
    }
    items.push_back(Json{{"id", item.id},
                         {"section", Utf8(item.section)},
                         {"caption", Utf8(item.caption)},
                         {"lines", std::move(lines)}});
  }
  Json document{{"created", Iso8601(report.created)}, {"computer", Utf8(report.computer)}, {"items", items}};
  // Structural line breaks only: a text's own are written as \n.
  return text::SplitLines(document.dump(2));
}

namespace {

// A field as RFC 4180 writes it: in double quotes, its own doubled, when it
// holds a comma, a quote or a line break.
std::string CsvField(std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(field);
  std::string quoted = "\"";
  for (char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string CsvRow(const std::vector<std::string>& fields) {
  std::string row;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) row += ',';
    row += CsvField(Utf8(fields[i]));
  }
  return row;
}

}  // namespace

Lines CsvReport(const DataReport& report) {
  Lines rows{"\xEF\xBB\xBFitem,section,caption,group,label,value"};
  for (const DataItem& item : report.items) {
    const std::size_t rowsBefore = rows.size();
    std::vector<DataLine> headings;  // the path of the headings in force
    for (const std::string& line : item.lines) {
      std::optional<DataLine> data = ReadDataLine(line);
      if (!data) continue;
      if (data->kind == DataLine::Kind::kHeading) {
        while (!headings.empty() && headings.back().rank <= data->rank) headings.pop_back();
        headings.push_back(*data);
      }
      std::string group;
      for (const DataLine& heading : headings) {
        if (!group.empty()) group += " / ";
        group += heading.text;
      }
      std::string label = data->label, value = data->text;
      if (data->kind == DataLine::Kind::kHeading) label = value = "";
      if (data->ticked) {
        label = data->text;
        value = *data->ticked ? "true" : "false";
      }
      rows.push_back(CsvRow({std::to_string(item.id), item.section, item.caption, group, label, value}));
    }
    // A sub-item without lines is still there.
    if (rows.size() == rowsBefore)
      rows.push_back(CsvRow({std::to_string(item.id), item.section, item.caption, "", "", ""}));
  }
  return rows;
}

}  // namespace vrex::report
