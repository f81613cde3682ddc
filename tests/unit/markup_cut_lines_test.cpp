// A line cut anywhere, inside a tag, an attribute or an entity, lays out
// safely: each cut sits in a buffer of exactly its size, so AddressSanitizer
// sees any read past it.  Arbitrary lines are the markup fuzz target's
// (tests/fuzz/markup_fuzz.cpp).
#include <gtest/gtest.h>

#include <vector>

#include "support/fixed_canvas.h"
#include "support/markup_geometry.h"
#include "view/markup.h"
#include "view/markup_layout.h"

namespace vrex::view {
namespace {

TEST(MarkupCutLines, EveryPrefixOfATemplateLine) {
  const std::string full =
      "<IND x=\"20\"><IMG src=\"idx:16\"></IMG> <FONT size=\"10\" color=\"clblue\">Name &amp; R&D"
      "<IND x=\"200\"><FONT color=\"#800000\">value&nbsp;text\r\nmore<BR><HR></FONT>";
  test::FixedCanvas canvas;
  for (std::size_t cut = 0; cut <= full.size(); ++cut) {
    std::vector<char> buffer(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut));
    std::string_view line(buffer.data(), buffer.size());
    for (bool wrap : {true, false}) {
      MarkupOptions options;
      options.width = 250;
      options.wordWrap = wrap;
      EXPECT_EQ(test::MarkupGeometryFault(LayoutMarkupLine(canvas, line, options), options, canvas.IconSize()), "")
          << line << (wrap ? " (wrapped)" : "");
    }
  }
}

}  // namespace
}  // namespace vrex::view
