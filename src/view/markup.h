#pragma once
// Display lines: measuring and drawing one line of the section list view.
//
// A line that contains "</" is markup (tags IMG, FONT, IND, BR, HR, and B, I,
// U); any other line is plain text and is drawn as written, tags and all.
// Runs of one visual line share their lower edge; a visual line is as high as
// its tallest run or icon, and a row is as high as its visual lines plus 2.
#include <string_view>

#include "view/canvas.h"

namespace vrex::view {

struct MarkupOptions {
  int width = 0;         // of the text area, in pixels
  bool wordWrap = true;  // wrap at blanks; otherwise a run that passes the edge ends in "..."
  Font baseFont;         // the row's font; </FONT> returns to it
  int iconCount = 22;    // icons in the row's image list; higher numbers draw nothing
};

bool IsMarkupLine(std::string_view line);

// Height of the row that shows line: the rendered height plus 2.
int MeasureMarkupLine(Canvas& canvas, std::string_view line, const MarkupOptions& options);

// Draws line in the text area whose left edge is `left`, in the row whose top
// edge is `top`: the content starts one pixel below the row's top.
void DrawMarkupLine(Canvas& canvas, std::string_view line, int left, int top, const MarkupOptions& options);

}  // namespace vrex::view
