#include "view/markup_row_win.h"

// Interim plain drawing until the markup engine is in place.
namespace vrex::view {

int MeasureMarkupRow(const MarkupRowContext&, const std::string&) { return 20; }

void DrawMarkupRow(const MarkupRowContext& context, const std::string& line, int left, int top) {
  TextOutA(context.dc, left, top + 2, line.c_str(), static_cast<int>(line.size()));
}

}  // namespace vrex::view
