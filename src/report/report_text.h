#pragma once
// The report's lines in their three forms.  The lines arrive in display
// markup; the text file drops every tag, the HTML file keeps the tags but
// loses each line's first image and gets HTML font sizes, and the printout
// reads each line's font size before dropping its tags.
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

// The line without its first image element (case-insensitive "<IMG", cut up
// to the first "</IMG>", or else up to the line's first ">").
std::string RemoveFirstImage(std::string_view line);
// Every quoted number from "6" to "15" becomes a quoted HTML font size.
std::string RewriteFontSizes(std::string_view line);
// The line without its tags: "<" opens a tag, ">" closes one; a ">" outside a
// tag is dropped too.  "&lt;" and "&gt;" outside tags become "<" and ">"
// again (the escaped angle brackets of gathered values); "&" stays as it is.
std::string StripTags(std::string_view line);
// The point size the line's first size=" starts with, or nothing when the two
// characters after the quote start with no digit.
std::optional<int> LineFontSize(std::string_view line);

// The whole list as HTML table rows, a "<TABLE>" row first.
void ConvertToHtml(Lines& lines);
// Every line by its tag-stripped form.
void ConvertToText(Lines& lines);

enum class FileForm { kText, kHtml };
// ".htm" and ".html" (any case) are HTML; every other name is text.
FileForm FormForFileName(std::string_view fileName);

}  // namespace vrex::report
