// Damaged and arbitrary lines: the reader and the layout must neither crash
// nor read past the text (each line sits in a buffer of exactly its size, so
// AddressSanitizer sees any overrun), and the layout keeps its geometry sane.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "common/fixed_canvas.h"
#include "view/markup.h"
#include "view/markup_layout.h"
#include "view/markup_parse.h"
#include "platform/wrap_value_lines.h"

namespace vrex::view {
namespace {

// Pieces of real lines, '|' between them; random bytes come in between.
constexpr std::string_view kFragments =
    "<IMG src=\"idx:|\"></IMG>|</IMG>|<FONT |color=\"| color=\"|bgcolor=\"|clblue|ClMaRoOn|#ff00|#00ff00|size=\"|"
    "face=\"|<FONT color=\"clblue\" size=\"10\">|</FONT>|<IND x=\"|<ind x=|<BR>|<HR>|<B>|</B>|<I>|</I>|<U>|</U>|"
    "<TABLE>|<TD>|</|<|>|\"|\"\"| |   |\r|\n|&|&&|&amp;|&lt;|&nbsp;|&euro|&trade;|0|7|21|22|-3|200|99999999999|"
    "Host name|Supercalifragilisticexpialidocious|idx:|IDX:1|x=\"|>>>|<<";

std::vector<std::string_view> Fragments() {
  std::vector<std::string_view> pieces;
  for (std::size_t start = 0, bar; start <= kFragments.size(); start = bar + 1) {
    bar = std::min(kFragments.find('|', start), kFragments.size());
    pieces.push_back(kFragments.substr(start, bar - start));
  }
  return pieces;
}

std::string RandomLine(std::mt19937& random, const std::vector<std::string_view>& fragments) {
  std::uniform_int_distribution<std::size_t> pick(0, fragments.size() + 3);
  std::string line;
  for (int n = static_cast<int>(random() % 25); n > 0; --n) {
    std::size_t i = pick(random);
    if (i < fragments.size()) {
      line += fragments[i];
    } else {
      line += static_cast<char>(random() & 0xFF);
    }
  }
  return line;
}

void ExpectSaneGeometry(const MarkupLayout& layout, const MarkupOptions& options, int iconSize, std::string_view line) {
  ASSERT_GT(layout.height, 0) << line;
  for (const auto& run : layout.runs) {
    EXPECT_GE(run.x, 0) << line;
    EXPECT_GE(run.y, 0) << line;
    EXPECT_LE(run.y + run.height, layout.height) << line;
    EXPECT_FALSE(run.text.empty()) << line;
    // Without word wrap nothing passes the right edge: runs fit or end in "...".
    if (!options.wordWrap) {
      EXPECT_LE(run.x + run.width, options.width) << line;
    }
  }
  for (const auto& icon : layout.icons) {
    EXPECT_GE(icon.index, 0) << line;
    EXPECT_LT(icon.index, options.iconCount) << line;
    EXPECT_GE(icon.y, 0) << line;
    EXPECT_LE(icon.y + iconSize, layout.height) << line;
  }
  for (int y : layout.rules) {
    EXPECT_GE(y, 0) << line;
    EXPECT_LT(y, layout.height) << line;
  }
}

TEST(MarkupFuzz, ArbitraryLinesLayOutSafely) {
  std::mt19937 random(20240611);
  const auto fragments = Fragments();
  test::FixedCanvas canvas;
  for (int i = 0; i < 4000; ++i) {
    std::string generated = RandomLine(random, fragments);
    if (i % 2 == 0 && !IsMarkupLine(generated)) generated += "</FONT>";
    // An exact-size heap copy: reading one byte past it is an AddressSanitizer error.
    std::vector<char> buffer(generated.begin(), generated.end());
    std::string_view line(buffer.data(), buffer.size());

    MarkupOptions options;
    options.width = static_cast<int>(random() % 601);
    options.wordWrap = i % 3 != 0;
    ParseMarkup(line);
    MarkupLayout layout = LayoutMarkupLine(canvas, line, options);
    ExpectSaneGeometry(layout, options, canvas.IconSize(), line);
    EXPECT_EQ(MeasureMarkupLine(canvas, line, options), layout.height + 2);

    canvas.texts.clear();
    canvas.icons.clear();
    canvas.lines.clear();
    DrawMarkupLine(canvas, line, 3, 7, options);
    ASSERT_EQ(canvas.texts.size(), layout.runs.size());
    ASSERT_EQ(canvas.icons.size(), layout.icons.size());
    ASSERT_EQ(canvas.lines.size(), layout.rules.size());
    for (std::size_t r = 0; r < layout.runs.size(); ++r) {
      EXPECT_EQ(canvas.texts[r].x, layout.runs[r].x + 3);
      EXPECT_EQ(canvas.texts[r].y, layout.runs[r].y + 8);
    }

    std::string wrapped = WrapValueLines(line, 170, 1 + i % 40, i % 6);
    EXPECT_GE(wrapped.size(), line.size());
  }
}

TEST(MarkupFuzz, EveryPrefixOfATemplateLine) {
  // Cutting a line anywhere, inside a tag, an attribute or an entity, stays safe.
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
      ExpectSaneGeometry(LayoutMarkupLine(canvas, line, options), options, canvas.IconSize(), line);
    }
  }
}

}  // namespace
}  // namespace vrex::view
