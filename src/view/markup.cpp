#include "view/markup.h"

#include "view/markup_layout.h"

namespace vrex::view {

bool IsMarkupLine(std::string_view line) { return line.find("</") != std::string_view::npos; }

int MeasureMarkupLine(Canvas& canvas, std::string_view line, const MarkupOptions& options) {
  return MarkupContentHeight(canvas, line, options) + 2;
}

void DrawMarkupLine(Canvas& canvas, std::string_view line, int left, int top, const MarkupOptions& options) {
  MarkupLayout layout = LayoutMarkupLine(canvas, line, options);
  top += 1;  // the row's 2 extra pixels: one above the content, one below
  for (const MarkupIcon& icon : layout.icons) canvas.DrawIcon(icon.index, left + icon.x, top + icon.y);
  for (const MarkupRun& run : layout.runs) canvas.DrawTextRun(run.font, left + run.x, top + run.y, run.text);
  for (int y : layout.rules) canvas.DrawHorizontalLine(left, left + options.width, top + y, Colour::Rgb(0, 0, 0));
}

}  // namespace vrex::view
