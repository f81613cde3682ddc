#pragma once
// The builders of the display lines that show gathered texts.  A text read
// from the system (a registry value, a host, user, group or device name, a
// comment, the phonebook's text) enters a line only through them, shown as
// stored: its "<", ">" and "&" become "&lt;", "&gt;" and "&amp;", so it adds
// no tag and no mnemonic to the line, nor an entity to a report; a control
// character (CR, LF, TAB and the rest below 32) becomes one blank.  The
// program's own texts in the markup keep "&" as a mnemonic prefix.
#include <string>
#include <string_view>

namespace vrex::gather {

// The text with its angle brackets and ampersands written as entities, its control characters as blanks.
std::string EscapeValue(std::string_view value);

// markup, then the escaped value, then closing.
std::string MarkupLine(std::string_view markup, std::string_view value, std::string_view closing = "</FONT>");

// As MarkupLine, with the value broken by WrapValueLines into pieces whose
// continuations start at x; each piece is escaped on its own, so a break
// never splits an "&lt;".
std::string WrappedMarkupLine(std::string_view markup, std::string_view value, int x, int width, int back);

// The picture of an icon of ImageList1 in a display line.
std::string IconTag(int icon);

// The display line most gatherers write: an icon of ImageList1, the label in
// blue at 10 points, and the value in maroon from x = 200.
std::string LabelValueLine(int icon, const std::string& label, const std::string& value);

}  // namespace vrex::gather
