#pragma once
// The geometry every layout of a display line keeps, whatever the line.
#include <string>

#include "view/markup.h"
#include "view/markup_layout.h"

namespace vrex::test {

// What is wrong with the layout, or an empty text when nothing is.
inline std::string MarkupGeometryFault(const view::MarkupLayout& layout, const view::MarkupOptions& options,
                                       int iconSize) {
  if (layout.height <= 0) return "height not positive";
  for (const auto& run : layout.runs) {
    if (run.x < 0 || run.y < 0) return "run above or left of the content";
    if (run.y + run.height > layout.height) return "run below the content";
    if (run.text.empty()) return "empty run";
    // Without word wrap nothing passes the right edge: runs fit or end in "...".
    if (!options.wordWrap && run.x + run.width > options.width) return "run past the right edge";
  }
  for (const auto& icon : layout.icons) {
    if (icon.index < 0 || icon.index >= options.iconCount) return "icon not in the image list";
    if (icon.y < 0 || icon.y + iconSize > layout.height) return "icon outside the content";
  }
  for (int y : layout.rules)
    if (y < 0 || y >= layout.height) return "rule outside the content";
  return {};
}

}  // namespace vrex::test
