#pragma once
// The HTML report: a whole document a browser shows as the window does.  The
// display markup becomes HTML that says the same: colour names become the
// colours they stand for, each <IND> a column that starts where the window
// starts it, and sizes HTML font sizes; icons, which a browser cannot show,
// are left out.
#include <cstdint>
#include <string>
#include <string_view>

#include "report/report_text.h"

namespace vrex::report {

// The HTML of one display line's content (what goes between <TD> and </TD>).
// A line that the window draws as plain text is shown as written; the
// frame's rule line is a rule.
std::string HtmlOfLine(std::string_view line);

// The name of a Windows code page as an HTML character set ("windows-1252").
std::string CharsetOfCodePage(std::uint32_t codePage);

// The whole list as an HTML document in the code page: a head with the title
// and the character set, then the lines as the rows of one table.
void ConvertToHtml(Lines& lines, std::uint32_t codePage);

}  // namespace vrex::report
