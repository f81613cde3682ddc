#include "app/pane_copy.h"

#include "lang/os_version.h"
#include "platform/os/ports.h"
#include "report/report_text.h"

namespace vrex::app {

std::string CopiedText(const view::TSectionListBox& pane, int row, CopyScope scope) {
  if (row < 0 || row >= pane.RowCount()) return {};
  const view::TSectionListBox::Row at = pane.RowAt(row);
  const view::TListSection& section = pane.Section(at.section);
  if (scope == CopyScope::kRow) return at.line < 0 ? section.Caption() : report::TextLine(section.SubItems()[at.line]);
  std::string text = section.Caption();
  for (int line = 0; line < section.SubItems().Count(); ++line)
    text += "\r\n" + report::TextLine(section.SubItems()[line]);
  return text;
}

ClipboardTexts ClipboardFormsOf(const std::string& text) {
  ClipboardTexts forms{text, std::nullopt};
  if (IsNTFamily()) forms.unicode = os::SystemPort().AnsiToWide(text);
  return forms;
}

}  // namespace vrex::app
