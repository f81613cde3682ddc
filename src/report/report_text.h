#pragma once
// The report's lines in their three forms.  The lines arrive in display
// markup; the text file drops every tag but lines its values up in columns
// as the window does, the HTML file is a whole document (report_html.h), and
// the printout reads each line's font size before dropping its tags.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vrex::report {

using Lines = std::vector<std::string>;

inline constexpr const char* kTitleLine = "<FONT color=\"clnavy\" size=\"14\">Vrex Info Report</FONT>";
inline constexpr const char* kRuleLine = "<HR color=\"clblue\">";

// Frames the lines: the title and the date line before them, a blank line, a
// rule and the footer after them.  dateTime is the date, two blanks and the
// time; title is the program's title.
void FrameReport(Lines& lines, const std::string& dateTime, const std::string& title);

// Every quoted number from "6" to "15" becomes a quoted HTML font size.
std::string RewriteFontSizes(std::string_view line);
// The line without its tags: "<" opens a tag, ">" closes one; a ">" outside a
// tag is dropped too.  "&lt;" and "&gt;" outside tags become "<" and ">"
// again (the escaped angle brackets of gathered values); "&" stays as it is.
std::string StripTags(std::string_view line);
// Walks the line as StripTags does, handing each tag's text (between its
// brackets) to onTag together with the line's text so far.
using TagVisitor = std::function<void(const std::string& sofar, std::string_view tag)>;
std::string StripTagsVisiting(std::string_view line, const TagVisitor& onTag);
// The x of an <IND x="..."> tag's text, or nothing for any other tag.
std::optional<int> IndentOfTag(std::string_view tag);
// The point size the line's first size=" starts with, or nothing when the two
// characters after the quote start with no digit.
std::optional<int> LineFontSize(std::string_view line);

// The average character width, in pixels at 96 dpi, of the window's font at
// a size in points: the unit of a text column.
int AverageCharWidth(int points);

// One stretch of a line without its tags: the column it starts at, in
// average character widths, and its text.
struct TextPiece {
  int column = 0;
  std::string text;
  bool operator==(const TextPiece&) const = default;
};
// The line without its tags (as StripTags) in pieces: the first starts at
// column 0, and each <IND x="..."> starts one at its column, in average
// character widths of the line's font (the first size it names, else the
// window's 8 points) rounded up.
std::vector<TextPiece> TextPieces(std::string_view line);
// The line as the text file shows it: each piece padded with blanks to its
// column, and at least one blank after the text before it, so that a label
// never runs into its value.
std::string TextLine(std::string_view line);

// Every line by its text form (TextLine).
void ConvertToText(Lines& lines);

enum class FileForm { kText, kHtml, kJson, kCsv };
// ".htm" and ".html" (any case) are HTML, ".json" JSON and ".csv" CSV; every
// other name is text.
FileForm FormForFileName(std::string_view fileName);

}  // namespace vrex::report
