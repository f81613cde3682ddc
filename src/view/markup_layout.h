#pragma once
// Layout of one display line: where each run, icon and rule goes, relative to
// the top-left corner of the line's content.
#include <string>
#include <string_view>
#include <vector>

#include "view/canvas.h"
#include "view/markup.h"

namespace vrex::view {

struct MarkupRun {
  int x = 0, y = 0;
  int width = 0, height = 0;
  Font font;
  std::string text;  // mnemonic form
};

struct MarkupIcon {
  int x = 0, y = 0;
  int index = 0;
};

struct MarkupLayout {
  std::vector<MarkupRun> runs;
  std::vector<MarkupIcon> icons;
  std::vector<int> rules;  // y of each one-pixel rule across the text area
  int height = 0;          // of the content, without the row's 2 pixels
};

MarkupLayout LayoutMarkupLine(Canvas& canvas, std::string_view line, const MarkupOptions& options);
// The layout's height alone, without keeping runs and icons.
int MarkupContentHeight(Canvas& canvas, std::string_view line, const MarkupOptions& options);

}  // namespace vrex::view
