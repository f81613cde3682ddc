#include "gather/label_value_line.h"

#include "platform/wrap_value_lines.h"

namespace vrex::gather {

std::string EscapeValue(std::string_view value) {
  std::string escaped;
  escaped.reserve(value.size());
  for (char c : value) {
    if (c == '<')
      escaped += "&lt;";
    else if (c == '>')
      escaped += "&gt;";
    else if (c == '&')
      escaped += "&amp;";
    else if (static_cast<unsigned char>(c) < 32)
      escaped += ' ';  // a stored line break or tab is one blank: a value is at most its wrapped lines tall
    else
      escaped += c;
  }
  return escaped;
}

std::string MarkupLine(std::string_view markup, std::string_view value, std::string_view closing) {
  std::string line(markup);
  line += EscapeValue(value);
  line += closing;
  return line;
}

std::string WrappedMarkupLine(std::string_view markup, std::string_view value, int x, int width, int back) {
  std::string line(markup);
  bool first = true;
  for (std::string_view piece : WrapPieces(value, width, back)) {
    if (!first) line += WrapBreak(x);
    first = false;
    line += EscapeValue(piece);
  }
  line += "</FONT>";
  return line;
}

std::string IconTag(int icon) { return "<IMG src=\"idx:" + std::to_string(icon) + "\"></IMG>"; }

std::string LabelValueLine(int icon, const std::string& label, const std::string& value) {
  return MarkupLine(
      IconTag(icon) + " <FONT size=\"10\" color=\"clblue\">" + label + " <IND x=\"200\"><FONT color=\"clmaroon\"> ",
      value, " </FONT>");
}

}  // namespace vrex::gather
