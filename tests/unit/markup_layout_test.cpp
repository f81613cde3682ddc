// Layout of display lines on a canvas with fixed metrics: 6 pixels per
// character, runs as high as their point size + 4 (8 pt: 12, 10 pt: 14),
// icons 16 pixels at 96 dpi.
#include <gtest/gtest.h>

#include "support/fixed_canvas.h"
#include "view/markup.h"
#include "view/markup_layout.h"
#include "platform/wrap_value_lines.h"

namespace vrex::view {
namespace {

constexpr Colour kBlue = Colour::Rgb(0, 0, 255);
constexpr Colour kMaroon = Colour::Rgb(128, 0, 0);

MarkupOptions Options(int width, bool wordWrap = true) {
  MarkupOptions options;
  options.width = width;
  options.wordWrap = wordWrap;
  return options;
}

struct Placed {
  int x, y;
  std::string text;
  bool operator==(const Placed&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Placed& p) {
  return out << "{" << p.x << "," << p.y << ",\"" << p.text << "\"}";
}

std::vector<Placed> Runs(const MarkupLayout& layout) {
  std::vector<Placed> runs;
  for (const auto& run : layout.runs) runs.push_back({run.x, run.y, run.text});
  return runs;
}

std::vector<Placed> Icons(const MarkupLayout& layout) {
  std::vector<Placed> icons;
  for (const auto& icon : layout.icons) icons.push_back({icon.x, icon.y, std::to_string(icon.index)});
  return icons;
}

MarkupLayout Layout(std::string_view line, const MarkupOptions& options) {
  test::FixedCanvas canvas;
  return LayoutMarkupLine(canvas, line, options);
}

TEST(MarkupLayout, AValuesEscapedTagIsShownAsTextNotObeyed) {
  MarkupLayout layout = Layout(
      "<IMG src=\"idx:0\"></IMG> <FONT color=\"clblue\" size=\"10\">Host<IND x=\"200\"><FONT color=\"clmaroon\">"
      "&lt;FONT size=\"200\"&gt;x&lt;/FONT&gt;</FONT>",
      Options(400));
  EXPECT_EQ(Runs(layout),
            (std::vector<Placed>{{16, 4, " "}, {22, 2, "Host"}, {200, 2, "<FONT size=\"200\">x</FONT>"}}));
  ASSERT_EQ(layout.runs.size(), 3u);
  EXPECT_EQ(layout.runs[2].font.size, 10);
  EXPECT_EQ(layout.height, 16);
}

TEST(MarkupLayout, LabelAndValueInItsFourOpeningForms) {
  const std::string value = "<IND x=\"200\"><FONT color=\"clmaroon\">PC-01</FONT>";
  for (std::string opening : {"<IMG src=\"idx:0\"></IMG> <FONT size=\"10\" color=\"clblue\">",
                              "<IMG src=\"idx:0\"></IMG> <FONT color=\"clblue\" size=\"10\">"}) {
    MarkupLayout layout = Layout(opening + "Host name" + value, Options(400));
    // The icon sets the line's height; the blank (8 pt) and the 10 pt texts sit on its lower edge.
    EXPECT_EQ(Icons(layout), (std::vector<Placed>{{0, 0, "0"}}));
    EXPECT_EQ(Runs(layout), (std::vector<Placed>{{16, 4, " "}, {22, 2, "Host name"}, {200, 2, "PC-01"}}));
    EXPECT_EQ(layout.height, 16);
    ASSERT_EQ(layout.runs.size(), 3u);
    EXPECT_EQ(layout.runs[1].font.colour, kBlue);
    EXPECT_EQ(layout.runs[1].font.size, 10);
    EXPECT_EQ(layout.runs[2].font.colour, kMaroon);
    EXPECT_EQ(layout.runs[2].font.size, 10);
  }
  for (std::string opening : {"<IMG src=\"idx:7\"></IMG><FONT size=\"10\" color=\"clblue\">",
                              "<IMG src=\"idx:7\"></IMG><FONT color=\"clblue\" size=\"10\">"}) {
    MarkupLayout layout = Layout(opening + "Host name" + value, Options(400));
    EXPECT_EQ(Icons(layout), (std::vector<Placed>{{0, 0, "7"}}));
    EXPECT_EQ(Runs(layout), (std::vector<Placed>{{16, 2, "Host name"}, {200, 2, "PC-01"}}));
  }

  // Drawing offsets everything by the text area's left and one pixel below the row's top.
  test::FixedCanvas canvas;
  std::string line = "<IMG src=\"idx:0\"></IMG> <FONT size=\"10\" color=\"clblue\">Host name" + value;
  EXPECT_EQ(MeasureMarkupLine(canvas, line, Options(400)), 18);
  DrawMarkupLine(canvas, line, 15, 100, Options(400));
  ASSERT_EQ(canvas.icons.size(), 1u);
  EXPECT_EQ(canvas.icons[0].x, 15);
  EXPECT_EQ(canvas.icons[0].y, 101);
  ASSERT_EQ(canvas.texts.size(), 3u);
  EXPECT_EQ(canvas.texts[1].x, 37);
  EXPECT_EQ(canvas.texts[1].y, 103);
  EXPECT_EQ(canvas.texts[2].x, 215);
  EXPECT_EQ(canvas.texts[2].shown, "PC-01");
  EXPECT_EQ(canvas.texts[2].font.colour, kMaroon);
}

TEST(MarkupLayout, AnIndentAfterALongLabelKeepsABlank) {
  // A 40-character label ends at 22 + 240 = 262, past the value column: the
  // value starts one blank (6) further on.
  std::string label(40, 'L');
  MarkupLayout layout = Layout("<IMG src=\"idx:0\"></IMG> <FONT size=\"10\" color=\"clblue\">" + label +
                                   "<IND x=\"200\"><FONT color=\"clmaroon\">V</FONT>",
                               Options(600));
  EXPECT_EQ(Runs(layout), (std::vector<Placed>{{16, 4, " "}, {22, 2, label}, {268, 2, "V"}}));
  EXPECT_EQ(layout.height, 16);
}

TEST(MarkupLayout, WordWrapAtBlanks) {
  std::string line =
      "<IMG src=\"idx:0\"></IMG> <FONT size=\"10\" color=\"clblue\">Host name<IND x=\"200\">"
      "<FONT color=\"clmaroon\">alpha beta gamma delta epsilon</FONT>";
  // "delta" would end at 332: it starts a second visual line at the left edge.
  MarkupLayout layout = Layout(line, Options(300));
  EXPECT_EQ(Runs(layout),
            (std::vector<Placed>{
                {16, 4, " "}, {22, 2, "Host name"}, {200, 2, "alpha beta gamma "}, {0, 16, "delta epsilon"}}));
  EXPECT_EQ(layout.height, 30);
  test::FixedCanvas canvas;
  EXPECT_EQ(MeasureMarkupLine(canvas, line, Options(300)), 32);

  // Three visual lines: three line heights plus 2.
  EXPECT_EQ(MeasureMarkupLine(canvas, "<FONT size=\"10\">aaaa bbbb cccc</FONT>", Options(40)), 3 * 14 + 2);

  // The first word of the value follows the label without a blank: it stays, past the edge.
  layout = Layout("<FONT color=\"clblue\">Label<IND x=\"200\"><FONT color=\"clmaroon\">Supercalifragilistic</FONT>",
                  Options(250));
  EXPECT_EQ(Runs(layout), (std::vector<Placed>{{0, 0, "Label"}, {200, 0, "Supercalifragilistic"}}));
  layout = Layout("<FONT color=\"clred\">abc</FONT>defgh ijk</FONT>", Options(30));
  EXPECT_EQ(Runs(layout), (std::vector<Placed>{{0, 0, "abc"}, {18, 0, "defgh "}, {0, 12, "ijk"}}));

  // A word wider than the whole line stays where it is.
  std::string wide(60, 'w');
  layout = Layout("<FONT>short " + wide + " end</FONT>", Options(300));
  EXPECT_EQ(Runs(layout), (std::vector<Placed>{{0, 0, "short " + wide + " "}, {0, 12, "end"}}));

  // The first word after an indent wraps like any other rather than pass the edge.
  layout = Layout("<IND x=\"280\"><FONT>long words</FONT>", Options(300));
  EXPECT_EQ(Runs(layout), (std::vector<Placed>{{0, 12, "long words"}}));
}

TEST(MarkupLayout, BreaksAndWrappedValueContinuations) {
  std::string groups = WrapValueLines("Administrators, Backup Operators, Guests", 170, 30, 4);
  ASSERT_EQ(groups, "Administrators, Backup Ope<BR><IND x=\"170\">rators, Guests");
  MarkupLayout layout = Layout(
      "<IND x=\"20\"><IMG src=\"idx:17\"></IMG> <FONT color=\"clblue\" size=\"8\">Groups"
      "<FONT color=\"clmaroon\"><IND x=\"170\">" +
          groups + "</FONT>",
      Options(500));
  EXPECT_EQ(Icons(layout), (std::vector<Placed>{{20, 0, "17"}}));
  EXPECT_EQ(Runs(layout),
            (std::vector<Placed>{
                {36, 4, " "}, {42, 4, "Groups"}, {170, 4, "Administrators, Backup Ope"}, {170, 16, "rators, Guests"}}));
  EXPECT_EQ(layout.height, 28);

  // An empty visual line between two breaks is one text line high; a break at the end adds nothing.
  EXPECT_EQ(Runs(Layout("A<BR><BR>B</FONT>", Options(100))), (std::vector<Placed>{{0, 0, "A"}, {0, 24, "B"}}));
  EXPECT_EQ(Layout("A<BR><BR>B</FONT>", Options(100)).height, 36);
  EXPECT_EQ(Layout("A<BR></FONT>", Options(100)).height, 12);
  EXPECT_EQ(Layout("</FONT>", Options(100)).height, 12);
  EXPECT_EQ(Runs(Layout("A\r\nB</FONT>", Options(100))), (std::vector<Placed>{{0, 0, "A"}, {0, 12, "B"}}));

  // A rule ends the visual line and takes one pixel under it.
  layout = Layout("A<HR color=\"clblue\">B</FONT>", Options(100));
  EXPECT_EQ(Runs(layout), (std::vector<Placed>{{0, 0, "A"}, {0, 13, "B"}}));
  EXPECT_EQ(layout.rules, std::vector<int>{12});
  EXPECT_EQ(layout.height, 25);
  test::FixedCanvas canvas;
  DrawMarkupLine(canvas, "A<HR>B</FONT>", 10, 50, Options(100));
  ASSERT_EQ(canvas.lines.size(), 1u);
  EXPECT_EQ(canvas.lines[0].left, 10);
  EXPECT_EQ(canvas.lines[0].right, 110);
  EXPECT_EQ(canvas.lines[0].y, 63);
  EXPECT_EQ(canvas.lines[0].colour, Colour::Rgb(0, 0, 0));
}

TEST(MarkupLayout, MixedSizesShareTheirLowerEdgeAndIconsTheTop) {
  MarkupLayout layout = Layout(
      "<FONT size=\"5\">Big</FONT> small <FONT size=\"3\">mid</FONT><BR>"
      "<IMG src=\"idx:21\"></IMG><IMG src=\"idx:22\"></IMG><IMG src=\"idx:-1\"></IMG><FONT size=\"14\">X</FONT>",
      Options(300));
  EXPECT_EQ(Runs(layout), (std::vector<Placed>{{0, 0, "Big"}, {18, 8, " small "}, {60, 4, "mid"}, {16, 20, "X"}}));
  // Icon 22 is beyond the last one: nothing drawn, nothing moves.
  EXPECT_EQ(Icons(layout), (std::vector<Placed>{{0, 20, "21"}}));
  EXPECT_EQ(layout.height, 20 + 18);

  // Icons scale with the device: 32 pixels at 192 dpi.
  test::FixedCanvas printer(192);
  layout = LayoutMarkupLine(printer, "<IMG src=\"idx:3\"></IMG>X</FONT>", Options(300));
  EXPECT_EQ(Runs(layout), (std::vector<Placed>{{32, 20, "X"}}));
  EXPECT_EQ(layout.height, 32);
}

TEST(MarkupLayout, EllipsisWithoutWordWrap) {
  MarkupLayout layout = Layout(
      "<FONT color=\"clblue\">Label<IND x=\"100\"><FONT color=\"clmaroon\">A long value here</FONT>"
      "<IMG src=\"idx:1\"></IMG>more",
      Options(150, false));
  // 50 pixels are left at x=100: five characters and "...".  Nothing after it is drawn,
  // but the cut-off icon still counts for the height.
  EXPECT_EQ(Runs(layout), (std::vector<Placed>{{0, 4, "Label"}, {100, 4, "A lon..."}}));
  EXPECT_TRUE(layout.icons.empty());
  EXPECT_EQ(layout.height, 16);

  // The cut never separates '&' from the character it marks.
  test::FixedCanvas canvas;
  DrawMarkupLine(canvas, "<FONT>AB&CDEFGHIJ</FONT>", 0, 0, Options(36, false));
  ASSERT_EQ(canvas.texts.size(), 1u);
  EXPECT_EQ(canvas.texts[0].shown, "ABC...");
  EXPECT_EQ(canvas.texts[0].underlined, 2);
  // Without room for "..." nothing is drawn; a break starts afresh.
  layout = Layout("<IND x=\"95\">text<BR>next</FONT>", Options(100, false));
  EXPECT_EQ(Runs(layout), (std::vector<Placed>{{0, 12, "next"}}));
  EXPECT_EQ(layout.height, 24);
}

TEST(MarkupLayout, AmpersandsPlainLinesAndFontEnds) {
  test::FixedCanvas canvas;
  DrawMarkupLine(canvas, "<FONT color=\"clblue\">R&D</FONT> R&amp;D", 0, 0, Options(300));
  ASSERT_EQ(canvas.texts.size(), 2u);
  EXPECT_EQ(canvas.texts[0].shown, "RD");
  EXPECT_EQ(canvas.texts[0].underlined, 1);
  EXPECT_EQ(canvas.texts[1].shown, " R&D");
  EXPECT_EQ(canvas.texts[1].underlined, -1);
  EXPECT_EQ(canvas.texts[1].x, 12);

  // Without "</" the line is text: tags, entities and ampersands are shown as written, in the row's font.
  canvas.texts.clear();
  std::string plain = "<IMG src=\"idx:1\"> <FONT color=\"clblue\">R&D &amp;";
  DrawMarkupLine(canvas, plain, 0, 0, Options(1000));
  ASSERT_EQ(canvas.texts.size(), 1u);
  EXPECT_EQ(canvas.texts[0].shown, plain);
  EXPECT_EQ(canvas.texts[0].font, Font{});
  EXPECT_TRUE(canvas.icons.empty());

  // </FONT> restores name, size and colour, not bold or italics; any closing I tag ends italics.
  MarkupOptions options = Options(300);
  options.baseFont.colour = Colour::Rgb(0, 0, 128);
  MarkupLayout layout =
      LayoutMarkupLine(canvas, "<B><I><FONT face=\"Arial\" size=\"12\" color=\"clred\">a</FONT>b</IMG>c</B>d", options);
  ASSERT_EQ(layout.runs.size(), 4u);
  EXPECT_EQ(layout.runs[0].font.name, "Arial");
  EXPECT_EQ(layout.runs[0].font.size, 12);
  EXPECT_EQ(layout.runs[0].font.colour, Colour::Rgb(255, 0, 0));
  EXPECT_TRUE(layout.runs[0].font.bold && layout.runs[0].font.italic);
  EXPECT_EQ(layout.runs[1].font.name, "MS Sans Serif");
  EXPECT_EQ(layout.runs[1].font.size, 8);
  EXPECT_EQ(layout.runs[1].font.colour, Colour::Rgb(0, 0, 128));
  EXPECT_TRUE(layout.runs[1].font.bold && layout.runs[1].font.italic);
  EXPECT_TRUE(layout.runs[2].font.bold && !layout.runs[2].font.italic);
  EXPECT_FALSE(layout.runs[3].font.bold);
}

}  // namespace
}  // namespace vrex::view
