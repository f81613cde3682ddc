#include "report/report_text.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "lang/language.h"
#include "lang/string_ids.h"
#include "platform/text.h"
#include "view/markup_parse.h"

namespace vrex::report {

void FrameReport(Lines& lines, const std::string& dateTime, const std::string& title) {
  lines.insert(lines.begin(), kTitleLine);
  lines.insert(lines.begin() + 1,
               "<FONT color=\"clblack\" size=\"10\">" + GetLangString(IDS_REPORT_CREATED) + dateTime + "</FONT>");
  lines.push_back(" ");
  lines.push_back(kRuleLine);
  lines.push_back("<FONT color=\"clblack\" size=\"2\">" + GetLangString(IDS_REPORT_GENERATED_BY) + title + "</FONT>");
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

std::optional<int> IndentOfTag(std::string_view tag) {
  if (tag.size() < 3 || !text::StartsWithNoCase(tag, "IN")) return std::nullopt;
  auto value = view::AttributeValue(tag, "x");
  std::int64_t x = 0;
  if (!value || !text::ParseInteger(*value, x)) return std::nullopt;
  return static_cast<int>(std::clamp<std::int64_t>(x, 0, view::kMaxPosition));
}

std::string StripTagsVisiting(std::string_view line, const TagVisitor& onTag) {
  std::string result;
  std::size_t tagStart = 0;
  bool inTag = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '<') {
      inTag = true;
      tagStart = i + 1;
    } else if (c == '>') {
      if (inTag) onTag(result, line.substr(tagStart, i - tagStart));
      inTag = false;
    } else if (inTag) {
      continue;
    } else if (line.substr(i, 4) == "&lt;") {
      result += '<';  // a gathered value's own angle brackets and ampersands come back
      i += 3;
    } else if (line.substr(i, 4) == "&gt;") {
      result += '>';
      i += 3;
    } else if (line.substr(i, 5) == "&amp;") {
      result += '&';
      i += 4;
    } else {
      result += c;
    }
  }
  return result;
}

std::string StripTags(std::string_view line) {
  return StripTagsVisiting(line, [](const std::string&, std::string_view) {});
}

int AverageCharWidth(int points) { return std::max(1, (points * 96 / 72 + 1) / 2); }

std::vector<TextPiece> TextPieces(std::string_view line) {
  const int width = AverageCharWidth(std::clamp(LineFontSize(line).value_or(8), 1, view::kMaxFontSize));
  std::vector<TextPiece> pieces(1);
  std::size_t pieceStart = 0;
  std::string text = StripTagsVisiting(line, [&](const std::string& sofar, std::string_view tag) {
    auto x = IndentOfTag(tag);
    if (!x) return;
    pieces.back().text = sofar.substr(pieceStart);
    pieces.push_back(TextPiece{(*x + width - 1) / width, {}});
    pieceStart = sofar.size();
  });
  pieces.back().text = text.substr(pieceStart);
  return pieces;
}

std::string TextLine(std::string_view line) {
  std::string result;
  bool first = true;
  for (const TextPiece& piece : TextPieces(line)) {
    const int length = static_cast<int>(result.size());
    if (!first) result.append(static_cast<std::size_t>(std::max(piece.column - length, length > 0 ? 1 : 0)), ' ');
    result += piece.text;
    first = false;
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

void ConvertToText(Lines& lines) {
  for (std::string& line : lines) line = TextLine(line);
}

FileForm FormForFileName(std::string_view fileName) {
  std::size_t dot = fileName.find_last_of('.');
  std::size_t slash = fileName.find_last_of("\\/:");
  if (dot == std::string_view::npos || (slash != std::string_view::npos && slash > dot)) return FileForm::kText;
  std::string extension = text::ToUpper(fileName.substr(dot));
  if (extension == ".HTM" || extension == ".HTML") return FileForm::kHtml;
  if (extension == ".JSON") return FileForm::kJson;
  if (extension == ".CSV") return FileForm::kCsv;
  return FileForm::kText;
}

}  // namespace vrex::report
