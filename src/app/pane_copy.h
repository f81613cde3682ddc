#pragma once
// What the right pane's Copy and Copy group put on the clipboard: the rows as
// the text report writes them, one a line, CR LF between lines.
#include <optional>
#include <string>

#include "view/section_list.h"

namespace vrex::app {

enum class CopyScope {
  kRow,    // the row alone: a header's caption or a line's text
  kGroup,  // the row's section: its caption, then every line, open or not
};

// Empty for a row outside the list.
std::string CopiedText(const view::TSectionListBox& pane, int row, CopyScope scope);

// The clipboard's forms of a text in the ANSI code page: the text itself,
// and on the NT family the same text in Unicode, so that a Unicode program
// reads its letters right whatever the keyboard's language (Windows 95 takes
// the text alone).
struct ClipboardTexts {
  std::string ansi;
  std::optional<std::u16string> unicode;
};
ClipboardTexts ClipboardFormsOf(const std::string& text);

}  // namespace vrex::app
