#pragma once
// Measuring and drawing a markup row on a GDI device context.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "view/section_list.h"

namespace vrex::view {

struct MarkupRowContext {
  HDC dc;
  HIMAGELIST icons;  // IMG tags draw from this list
  int width;         // of the text area
  bool wordWrap;
  ListFont baseFont;
};

// Row height: the rendered height plus 2.
int MeasureMarkupRow(const MarkupRowContext& context, const std::string& line);
void DrawMarkupRow(const MarkupRowContext& context, const std::string& line, int left, int top);

}  // namespace vrex::view
