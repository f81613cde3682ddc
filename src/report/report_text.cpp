#include "report/report_text.h"

#include <array>

#include "lang/language.h"
#include "lang/string_ids.h"
#include "platform/text.h"

namespace vrex::report {

void FrameReport(Lines& lines, const std::string& dateTime, const std::string& title) {
  lines.insert(lines.begin(), kTitleLine);
  lines.insert(lines.begin() + 1,
               "<FONT color=\"clblack\" size=\"10\">" + GetLangString(IDS_REPORT_CREATED) + dateTime + "</FONT>");
  lines.push_back(" ");
  lines.push_back(kRuleLine);
  lines.push_back("<FONT color=\"clblack\" size=\"2\">" + GetLangString(IDS_REPORT_GENERATED_BY) + title + "</FONT>");
}

std::string RemoveFirstImage(std::string_view line) {
  std::size_t image = text::FindNoCase(line, "<IMG");
  if (image == std::string_view::npos) return std::string(line);
  std::size_t close = text::FindNoCase(line, "</IMG>");
  if (close != std::string_view::npos) return std::string(line.substr(0, image)) + std::string(line.substr(close + 6));
  std::size_t bracket = line.find('>');
  if (bracket != std::string_view::npos)
    return std::string(line.substr(0, image)) + std::string(line.substr(bracket + 1));
  return std::string(line);
}

std::string RewriteFontSizes(std::string_view line) {
  struct Size {
    const char* quoted;
    const char* html;
  };
  static constexpr std::array<Size, 10> kSizes = {{{"\"6\"", "\"2\""},
                                                   {"\"7\"", "\"2\""},
                                                   {"\"8\"", "\"2\""},
                                                   {"\"9\"", "\"3\""},
                                                   {"\"10\"", "\"3\""},
                                                   {"\"11\"", "\"3\""},
                                                   {"\"12\"", "\"4\""},
                                                   {"\"13\"", "\"4\""},
                                                   {"\"14\"", "\"4\""},
                                                   {"\"15\"", "\"4\""}}};
  std::string result(line);
  // One occurrence at a time, always the earliest, until none is left.  Every
  // replacement removes a digit that no replacement brings, so this ends.
  for (;;) {
    std::size_t best = std::string::npos;
    const Size* found = nullptr;
    for (const Size& size : kSizes) {
      std::size_t at = result.find(size.quoted);
      if (at < best) best = at, found = &size;
    }
    if (!found) return result;
    result.replace(best, std::string_view(found->quoted).size(), found->html);
  }
}

std::string StripTags(std::string_view line) {
  std::string result;
  bool inTag = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '<') {
      inTag = true;
    } else if (c == '>') {
      inTag = false;
    } else if (inTag) {
      continue;
    } else if (line.substr(i, 4) == "&lt;") {
      result += '<';  // a gathered value's own angle brackets come back
      i += 3;
    } else if (line.substr(i, 4) == "&gt;") {
      result += '>';
      i += 3;
    } else {
      result += c;
    }
  }
  return result;
}

std::optional<int> LineFontSize(std::string_view line) {
  std::size_t at = line.find("size=\"");
  if (at == std::string_view::npos) return std::nullopt;
  std::string_view two = line.substr(at + 6, 2);
  int value = 0;
  std::size_t digits = 0;
  while (digits < two.size() && two[digits] >= '0' && two[digits] <= '9') value = value * 10 + (two[digits++] - '0');
  if (digits == 0) return std::nullopt;
  return value;
}

void ConvertToHtml(Lines& lines) {
  lines.insert(lines.begin(), "<TABLE>");
  for (std::string& line : lines) line = "<TR><TD>" + RewriteFontSizes(RemoveFirstImage(line)) + "</TD></TR>";
}

void ConvertToText(Lines& lines) {
  for (std::string& line : lines) line = StripTags(line);
}

FileForm FormForFileName(std::string_view fileName) {
  std::size_t dot = fileName.find_last_of('.');
  std::size_t slash = fileName.find_last_of("\\/:");
  if (dot == std::string_view::npos || (slash != std::string_view::npos && slash > dot)) return FileForm::kText;
  std::string extension = text::ToUpper(fileName.substr(dot));
  return extension == ".HTM" || extension == ".HTML" ? FileForm::kHtml : FileForm::kText;
}

}  // namespace vrex::report
