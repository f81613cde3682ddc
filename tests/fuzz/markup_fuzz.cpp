// Display lines of any content: the reader and the layout neither crash nor
// read past the line (libFuzzer hands each input over in a buffer of exactly
// its size), the geometry stays sane, and measuring, laying out and drawing
// agree.  The first two bytes choose the text area's width and the wrapping.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "support/fixed_canvas.h"
#include "support/markup_geometry.h"
#include "fuzz/fuzz_check.h"
#include "platform/wrap_value_lines.h"
#include "view/markup.h"
#include "view/markup_layout.h"
#include "view/markup_parse.h"

using vrex::fuzz::Require;
namespace view = vrex::view;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  view::MarkupOptions options;
  options.width = (data[0] | (data[1] & 0x7F) << 8) % 601;
  options.wordWrap = (data[1] & 0x80) == 0;
  const std::string_view line(reinterpret_cast<const char*>(data + 2), size - 2);

  // The reader bounds what the layout computes with.
  for (const view::MarkupItem& item : view::ParseMarkup(line)) {
    Require(item.number >= -view::kMaxPosition && item.number <= view::kMaxPosition, "a position within bounds");
    Require(!item.size || (*item.size >= 1 && *item.size <= view::kMaxFontSize), "a font size within bounds");
  }
  vrex::test::FixedCanvas canvas;
  const view::MarkupLayout layout = view::LayoutMarkupLine(canvas, line, options);
  const std::string fault = vrex::test::MarkupGeometryFault(layout, options, canvas.IconSize());
  Require(fault.empty(), fault.c_str());
  Require(view::MeasureMarkupLine(canvas, line, options) == layout.height + 2, "a row is its content plus 2");
  Require(view::MarkupContentHeight(canvas, line, options) == layout.height, "the height alone agrees");

  view::DrawMarkupLine(canvas, line, 3, 7, options);
  Require(canvas.texts.size() == layout.runs.size(), "every run is drawn");
  Require(canvas.icons.size() == layout.icons.size(), "every icon is drawn");
  Require(canvas.lines.size() == layout.rules.size(), "every rule is drawn");
  for (std::size_t r = 0; r < layout.runs.size(); ++r)
    Require(canvas.texts[r].x == layout.runs[r].x + 3 && canvas.texts[r].y == layout.runs[r].y + 8,
            "a run is drawn where it was laid out");

  const int width = 1 + data[0] % 40;
  Require(vrex::WrapValueLines(line, 170, width, data[1] % 6).size() >= line.size(), "wrapping keeps the text");
  return 0;
}
