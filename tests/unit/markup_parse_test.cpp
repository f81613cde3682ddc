// The tag reader of display lines: which tags it acts on, how it reads their
// attributes, entities and line endings, and the value wrapper.
#include <gtest/gtest.h>

#include "view/markup.h"
#include "view/markup_parse.h"
#include "platform/wrap_value_lines.h"

namespace vrex::view {
namespace {

std::vector<MarkupKind> Kinds(std::string_view line) {
  std::vector<MarkupKind> kinds;
  for (const auto& item : ParseMarkup(line)) kinds.push_back(item.kind);
  return kinds;
}

MarkupItem Only(std::string_view line) {
  auto items = ParseMarkup(line);
  EXPECT_EQ(items.size(), 1u) << line;
  return items.empty() ? MarkupItem{} : items.front();
}

std::string Text(std::string_view line) {
  std::string text;
  for (const auto& item : ParseMarkup(line)) {
    if (item.kind == MarkupKind::Text) text += item.text;
  }
  return text;
}

using K = MarkupKind;

TEST(MarkupReader, ClassifiesTagsByTheirFirstLettersInAnyCase) {
  EXPECT_EQ(Kinds("<IMG src=\"idx:1\"></IMG><img src=\"idx:1\"></img>"),
            (std::vector<K>{K::Image, K::ItalicEnd, K::Image, K::ItalicEnd}));
  EXPECT_EQ(Kinds("<ind x=\"10\"><Ind x=\"10\"><br><Br/><HR><hr width=\"50%\">"),
            (std::vector<K>{K::Indent, K::Indent, K::Break, K::Break, K::Rule, K::Rule}));
  EXPECT_EQ(Kinds("<b></b><i></i><u></u><FONT></FONT><Fx></Fred>"),
            (std::vector<K>{K::Bold, K::BoldEnd, K::Italic, K::ItalicEnd, K::Underline, K::UnderlineEnd, K::Font,
                            K::FontEnd, K::Font, K::FontEnd}));
  // Any closing tag beginning with I ends italics.
  EXPECT_EQ(Kinds("</IND></Ix>"), (std::vector<K>{K::ItalicEnd, K::ItalicEnd}));
  // Tags the view does not handle vanish, and the text around them stays one run.
  EXPECT_EQ(Kinds("<TABLE><TR><TD>a<TD>b</TD></TR><BODY><Ix><Bx>< IMG><>"), (std::vector<K>{K::Text}));
  EXPECT_EQ(Text("<TABLE><TR><TD>a<TD>b</TD></TR>"), "ab");
}

TEST(MarkupReader, FontColourAndSize) {
  EXPECT_EQ(Only("<FONT color=\"clBlue\">").colour, Colour::Rgb(0, 0, 255));
  EXPECT_EQ(Only("<font COLOR=\"CLMAROON\">").colour, Colour::Rgb(128, 0, 0));
  EXPECT_EQ(Only("<FONT color=\"#FF8000\">").colour, Colour::Rgb(255, 128, 0));
  EXPECT_EQ(Only("<FONT color=\"#0a0B0c\">").colour, Colour::Rgb(10, 11, 12));
  EXPECT_EQ(Only("<FONT color=\"clWindowText\">").colour, Colour::System(8));
  // Names outside the table, and malformed hexadecimal, give black.
  EXPECT_EQ(Only("<FONT color=\"clpink\">").colour, Colour::Rgb(0, 0, 0));
  EXPECT_EQ(Only("<FONT color=\"#12345\">").colour, Colour::Rgb(0, 0, 0));
  EXPECT_EQ(Only("<FONT color=\"\">").colour, Colour::Rgb(0, 0, 0));

  EXPECT_EQ(Only("<FONT color=\"clblack\" size=\"2\">").size, 10);
  EXPECT_EQ(Only("<FONT size=\"1\">").size, 8);
  EXPECT_EQ(Only("<FONT size=\"5\">").size, 16);
  EXPECT_EQ(Only("<FONT size=\"10\" color=\"clblue\">").size, 10);
  EXPECT_EQ(Only("<FONT size=\"14pt\">").size, 14);
  EXPECT_FALSE(Only("<FONT size=\"big\">").size);
  EXPECT_FALSE(Only("<FONT size=\"0\">").size);
  EXPECT_FALSE(Only("<FONT size=\"99999999999999999999\">").size);
  EXPECT_EQ(Only("<FONT face=\"Arial\">").face, "Arial");
}

TEST(MarkupReader, AttributeSearchRules) {
  // "color" counts only after a blank, so bgcolor leaves the colour alone.
  MarkupItem item = Only("<FONT bgcolor=\"clred\" size=\"12\">");
  EXPECT_FALSE(item.colour);
  EXPECT_EQ(item.size, 12);
  EXPECT_EQ(Only("<FONT bgcolor=\"clred\" color=\"clgreen\">").colour, Colour::Rgb(0, 128, 0));
  EXPECT_FALSE(Only("<FONTcolor=\"clred\">").colour);
  // Values without quotes are ignored; an IND or IMG without a usable value is dropped.
  EXPECT_FALSE(Only("<FONT color=clred size=\"3\">").colour);
  EXPECT_TRUE(ParseMarkup("<IND x=200>").empty());
  EXPECT_TRUE(ParseMarkup("<IND x=\"20px\">").empty());
  EXPECT_TRUE(ParseMarkup("<IMG src=\"logo.bmp\">").empty());
  EXPECT_TRUE(ParseMarkup("<IMG src=\"idx:\">").empty());
  EXPECT_EQ(Only("<IND x=\"200\">").number, 200);
  EXPECT_EQ(Only("<IND X = \"30\" >").number, 30);
  EXPECT_EQ(Only("<IMG src=\"IDX:21\">").number, 21);
  EXPECT_EQ(Only("<IMG src=\"idx:22\">").number, 22);  // the layout decides it draws nothing
  EXPECT_EQ(Only("<IND x=\"99999999\">").number, kMaxPosition);
  EXPECT_EQ(Only("<IND x=\"3000000000\">").number, kMaxPosition);  // past 32 bits, in the program too
}

TEST(MarkupReader, EntitiesAmpersandsAndLineEnds) {
  EXPECT_EQ(Text("&lt;b&gt; &quot;q&quot;"), "<b> \"q\"");
  EXPECT_EQ(Text("&nbsp;&sect;&permil;&reg;&copy;&para;&trade;&euro;"), "\xA0\xA7\x89\xAE\xA9\xB6\x99\x80");
  // The text stays in mnemonic form: "&amp;" must come out as a shown ampersand.
  EXPECT_EQ(Text("R&amp;D"), "R&&D");
  EXPECT_EQ(Text("R&D &foo; &amp"), "R&D &foo; &amp");
  EXPECT_EQ(Kinds("a\r\nb\rc"), (std::vector<K>{K::Text, K::Break, K::Text, K::Break, K::Text}));
  EXPECT_EQ(Text("a\r\nb\n"), "ab");
}

TEST(MarkupReader, UnterminatedTagDropsTheRestOfTheLine) {
  EXPECT_EQ(Text("abc<FONT color=\"clred\">def<IND x=\"5\" ghi"), "abcdef");
  EXPECT_TRUE(ParseMarkup("<").empty());
  EXPECT_EQ(Text("value <TD still going"), "value ");
  // A '>' with no '<' is plain text.
  EXPECT_EQ(Text("a > b"), "a > b");
}

TEST(MarkupReader, OnlyLinesWithAClosingTagAreMarkup) {
  EXPECT_TRUE(IsMarkupLine("<FONT color=\"clblue\">x</FONT>"));
  EXPECT_FALSE(IsMarkupLine("<IMG src=\"idx:1\"> <FONT color=\"clblue\">x"));
  EXPECT_FALSE(IsMarkupLine("<HR color=\"clblue\">"));
  EXPECT_FALSE(IsMarkupLine(" "));
}

TEST(WrapValueLines, WorkedExamples) {
  // 40 characters, the only blank at position 27.
  std::string forty = std::string(26, 'a') + " " + std::string(13, 'b');
  EXPECT_EQ(WrapValueLines(forty, 170, 30, 4), std::string(26, 'a') + " <BR><IND x=\"170\">" + std::string(13, 'b'));
  // 31 characters without a blank: the word is cut after 26.
  std::string thirtyOne = "ABCDEFGHIJKLMNOPQRSTUVWXYZ01234";
  EXPECT_EQ(WrapValueLines(thirtyOne, 170, 30, 4), "ABCDEFGHIJKLMNOPQRSTUVWXYZ<BR><IND x=\"170\">01234");
}

TEST(WrapValueLines, BreakPlacement) {
  EXPECT_EQ(WrapValueLines(std::string(30, 'x'), 170, 30, 4), std::string(30, 'x'));  // exactly width: whole
  // Only the last `back` positions before the width are searched, the latest blank first.
  std::string blanks = std::string(10, 'a') + " " + std::string(15, 'b') + " " + std::string(2, 'c') + " " +
                       std::string(10, 'd');  // blanks at 11, 27 and 30
  EXPECT_EQ(WrapValueLines(blanks, 20, 30, 4),
            std::string(10, 'a') + " " + std::string(15, 'b') + " <BR><IND x=\"20\">cc " + std::string(10, 'd'));
  std::string early = std::string(10, 'a') + " " + std::string(30, 'b');  // blank at 11, outside the last 4
  EXPECT_EQ(WrapValueLines(early, 20, 30, 4),
            std::string(10, 'a') + " " + std::string(15, 'b') + "<BR><IND x=\"20\">" + std::string(15, 'b'));
  // Long texts break again and again; x=20, width 50 as the group lists use it.
  std::string list = "Administrators, Backup Operators, Guests, Power Users, Replicator, Users";
  EXPECT_EQ(WrapValueLines(list, 20, 50, 4),
            "Administrators, Backup Operators, Guests, Power <BR><IND x=\"20\">Users, Replicator, Users");
  EXPECT_EQ(WrapValueLines(std::string(26, 'z'), 5, 10, 4),
            "zzzzzz<BR><IND x=\"5\">zzzzzz<BR><IND x=\"5\">zzzzzz<BR><IND x=\"5\">zzzzzzzz");
  // Degenerate widths never loop forever.
  EXPECT_EQ(WrapValueLines("abc", 0, 1, 4), "a<BR><IND x=\"0\">b<BR><IND x=\"0\">c");
  EXPECT_EQ(WrapValueLines("abc", 0, 0, 4), "abc");
}

// One blank at each position around the searched positions 26 to 29 (width
// 30, back 4): a blank at the width itself or after it is not a break.
TEST(WrapValueLines, BlankAtTheEdgesOfTheSearch) {
  struct Case {
    int blankAt;  // position from 1 in a text of 40 characters
    const char* wrapped;
  };
  const Case cases[] = {
      {25, "aaaaaaaaaaaaaaaaaaaaaaaa b<BR><IND x=\"9\">bbbbbbbbbbbbbb"},
      {26, "aaaaaaaaaaaaaaaaaaaaaaaaa <BR><IND x=\"9\">bbbbbbbbbbbbbb"},
      {29, "aaaaaaaaaaaaaaaaaaaaaaaaaaaa <BR><IND x=\"9\">bbbbbbbbbbb"},
      {30, "aaaaaaaaaaaaaaaaaaaaaaaaaa<BR><IND x=\"9\">aaa bbbbbbbbbb"},
      {31, "aaaaaaaaaaaaaaaaaaaaaaaaaa<BR><IND x=\"9\">aaaa bbbbbbbbb"},
  };
  for (const Case& c : cases) {
    std::string text = std::string(c.blankAt - 1, 'a') + " " + std::string(40 - c.blankAt, 'b');
    EXPECT_EQ(WrapValueLines(text, 9, 30, 4), c.wrapped) << "blank at " << c.blankAt;
  }
}

}  // namespace
}  // namespace vrex::view
