#include "report/report_html.h"

#include <cstdio>
#include <optional>

#include "view/markup.h"
#include "view/markup_parse.h"

namespace vrex::report {
namespace {

// The text with the characters HTML gives a meaning escaped.
std::string EscapeHtml(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '"': escaped += "&quot;"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

// A run of the reader is in mnemonic form: "&&" is the markup's "&amp;".  A
// lone '&' belongs to a gathered value and is shown, as stored.
std::string StoredText(std::string_view mnemonic) {
  std::string text;
  for (std::size_t i = 0; i < mnemonic.size(); ++i) {
    text += mnemonic[i];
    if (mnemonic[i] == '&' && i + 1 < mnemonic.size() && mnemonic[i + 1] == '&') ++i;
  }
  return text;
}

std::string HexColour(const view::Colour& colour) {
  char hex[8];
  std::snprintf(hex, sizeof hex, "#%02X%02X%02X", colour.r, colour.g, colour.b);
  return hex;
}

// The font the line's text is in at one point: what the last FONT tag set.
struct FontState {
  std::optional<view::Colour> colour;
  std::string sizeValue;  // as written in the markup; empty for the row's own size
};

// The run in its font.  The sizes are HTML font sizes as the report always
// rewrote them (points 6 to 15 to 2, 3 or 4); system colours follow the
// browser's own text colour.
std::string FontRun(const FontState& font, std::string_view text) {
  std::string attributes;
  if (font.colour && !font.colour->IsSystem()) attributes += " color=\"" + HexColour(*font.colour) + "\"";
  if (!font.sizeValue.empty()) attributes += " size=" + RewriteFontSizes("\"" + font.sizeValue + "\"");
  if (attributes.empty()) return EscapeHtml(text);
  return "<FONT" + attributes + ">" + EscapeHtml(text) + "</FONT>";
}

}  // namespace

std::string HtmlOfLine(std::string_view line) {
  // The frame's rule has no closing tag, yet is a rule.
  if (line == kRuleLine) return "<HR>";
  if (!view::IsMarkupLine(line)) return EscapeHtml(line);
  // A visual line is built stretch by stretch: an <IND> closes the stretch
  // before it in a column that ends at the indent's position, so the text
  // after it starts there, or after the stretch when that is wider.
  std::string html;
  std::string stretch;
  int stretchStart = 0;
  FontState font;
  view::MarkupReader reader(line);
  view::MarkupItem item;
  while (reader.Next(item)) {
    switch (item.kind) {
      case view::MarkupKind::Text:
        if (!item.text.empty()) stretch += FontRun(font, StoredText(item.text));
        break;
      case view::MarkupKind::Break:
      case view::MarkupKind::Rule:
        html += stretch + (item.kind == view::MarkupKind::Break ? "<BR>" : "<HR>");
        stretch.clear();
        stretchStart = 0;
        break;
      case view::MarkupKind::Indent:
        if (item.number > stretchStart) {
          html += "<SPAN class=\"column\" style=\"min-width: " + std::to_string(item.number - stretchStart) + "px\">" +
                  stretch + "</SPAN>";
          stretch.clear();
          stretchStart = item.number;
        }
        break;
      case view::MarkupKind::Font:
        if (item.colour) font.colour = item.colour;
        if (item.size) font.sizeValue = item.sizeValue;
        break;
      case view::MarkupKind::FontEnd: font = FontState{}; break;
      default: break;  // icons, and type styles no line uses
    }
  }
  return html + stretch;
}

std::string CharsetOfCodePage(std::uint32_t codePage) { return "windows-" + std::to_string(codePage); }

void ConvertToHtml(Lines& lines, std::uint32_t codePage) {
  Lines document = {
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" \"http://www.w3.org/TR/html4/loose.dtd\">",
      "<HTML>",
      "<HEAD>",
      "<META http-equiv=\"Content-Type\" content=\"text/html; charset=" + CharsetOfCodePage(codePage) + "\">",
      "<TITLE>" + EscapeHtml(StripTags(kTitleLine)) + "</TITLE>",
      "<STYLE type=\"text/css\">",
      "BODY { background: #FFFFFF; color: #000000; }",
      "TD { font-family: \"MS Sans Serif\", Arial, sans-serif; font-size: 8pt; white-space: pre-wrap; }",
      "SPAN.column { display: inline-block; box-sizing: border-box; padding-right: 4px; }",
      "</STYLE>",
      "</HEAD>",
      "<BODY>",
      "<TABLE>",
  };
  document.reserve(document.size() + lines.size() + 3);
  for (const std::string& line : lines) document.push_back("<TR><TD>" + HtmlOfLine(line) + "</TD></TR>");
  document.insert(document.end(), {"</TABLE>", "</BODY>", "</HTML>"});
  lines = std::move(document);
}

}  // namespace vrex::report
