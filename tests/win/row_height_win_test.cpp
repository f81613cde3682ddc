// A wrapped markup row is as high as the lines it is drawn in: measured and
// drawn at one width, whatever the width of the list.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/os/win/handles_win.h"
#include "platform/os/win/win_ports_win.h"
#include "view/gdi_canvas_win.h"
#include "view/markup.h"
#include "view/section_listbox_win.h"

namespace vrex::view {
namespace {

TEST(RowHeight, WrappedRowsAreMeasuredAtTheWidthTheyAreDrawnAt) {
  os::win::InstallWin32Ports();
  HWND host = CreateWindowExA(0, "STATIC", "list host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
  SectionListBoxWin list;
  ASSERT_TRUE(list.Create(host, 1, RECT{0, 0, 300, 260}, SectionListArt{}, 16));
  list.Model().wordWrap = true;
  const std::string line =
      "<FONT color=\"clblue\">Every word of this line wraps somewhere as the list grows narrower</FONT>";
  auto& section = list.Model().AddSection();
  section.font = list.Model().font;  // whichever font the section draws its lines in
  section.SubItems().Assign({line});
  section.SetState(TListSectionState::lssExpanded);

  win::WindowDc screen(nullptr);
  GdiCanvas canvas(screen.get(), nullptr);
  const int scrollWidth = 16;
  const int textLeft = list.Model().subItemIndent + 1;  // markup starts a pixel right of the indent
  int checked = 0;
  for (int width = 300; width >= 140; --width) {
    MoveWindow(list.Handle(), 0, 0, width, 260, TRUE);
    RECT client;
    GetClientRect(list.Handle(), &client);
    MarkupOptions drawn{client.right - scrollWidth - textLeft, true, list.Model().font, 0};
    int expected = MeasureMarkupLine(canvas, line, drawn);
    EXPECT_EQ(SendMessageA(list.Handle(), LB_GETITEMHEIGHT, 1, 0), expected) << "list width " << width;
    ++checked;
  }
  EXPECT_EQ(checked, 161);
  DestroyWindow(host);
}

}  // namespace
}  // namespace vrex::view
