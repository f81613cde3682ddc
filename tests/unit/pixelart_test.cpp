// The artwork source reader: fault reports with their place, strip layout,
// and the shipped sources having the sizes the program draws them at.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "pixelart_parse.h"

namespace vrex::pixelart {
namespace {

std::string ErrorOf(const std::string& text) {
  try {
    ParseSource(text, "art.px");
  } catch (const SourceError& e) {
    return e.what();
  }
  return "no error";
}

constexpr const char* kPalette = "colour . 255,0,255\ncolour b 0,0,128 hover 0,0,255\n";

TEST(PixelArt, ReportsFileLineAndCauseOfMalformedRows) {
  EXPECT_EQ(ErrorOf(std::string(kPalette) + "picture a.bmp 3x2\n...\n..\n"),
            "art.px:5: row is 2 characters long, 'a.bmp' is 3 wide");
  EXPECT_EQ(ErrorOf(std::string(kPalette) + "picture a.bmp 3x2\n...\n.x.\n"),
            "art.px:5: column 2: character 'x' is not in the palette");
  EXPECT_EQ(ErrorOf(std::string(kPalette) + "picture a.bmp 3x1\n...\n...\n"),
            "art.px:5: one row too many: 'a.bmp' is 1 rows high");
  // A short frame is reported where it starts, even when the next one follows.
  EXPECT_EQ(ErrorOf(std::string(kPalette) + "picture a.bmp 2x2\nframe 0\n..\nframe 1\n..\n..\n"),
            "art.px:4: frame 0 of 'a.bmp' has 1 rows, want 2");
  EXPECT_EQ(ErrorOf("colour . 255,0,256\n"), "art.px:1: bad colour '255,0,256': want R,G,B of 0..255");
  EXPECT_EQ(ErrorOf("colour . 1,2,3\ncolour . 1,2,3\n"), "art.px:2: palette key '.' is defined twice");
}

TEST(PixelArt, LaysFramesOutLeftToRightWithHoverColours) {
  const SourceFile file = ParseSource(std::string(kPalette) +
                                          "picture s.bmp 2x1 hover s2.bmp\n"
                                          "frame first\nb.\nframe second\n.b\n",
                                      "s.px");
  ASSERT_EQ(file.pictures.size(), 1u);
  const Picture& p = file.pictures[0];
  EXPECT_EQ(p.image.width, 4);
  EXPECT_EQ(p.image.at(0, 0), (Rgb{0, 0, 128}));
  EXPECT_EQ(p.image.at(3, 0), (Rgb{0, 0, 128}));
  EXPECT_EQ(p.image.at(2, 0), kKeyColour);
  EXPECT_EQ(p.hover.at(3, 0), (Rgb{0, 0, 255}));
  EXPECT_EQ(p.hover.at(1, 0), kKeyColour);
}

TEST(PixelArt, ShippedSourcesHaveTheSizesTheProgramUses) {
  std::map<std::string, std::pair<int, int>> sizes;
  for (const auto& entry : std::filesystem::directory_iterator(VREX_ASSETS)) {
    if (entry.path().extension() != ".px") continue;
    std::ifstream in(entry.path());
    std::stringstream text;
    text << in.rdbuf();
    for (const Picture& p : ParseSource(text.str(), entry.path().string()).pictures) {
      sizes[p.name] = {p.image.width, p.image.height};
      if (!p.hover_name.empty()) sizes[p.hover_name] = {p.hover.width, p.hover.height};
    }
  }
  const std::map<std::string, std::pair<int, int>> expected = {
      {"imagelist1.bmp", {352, 16}},    {"sectionimages.bmp", {48, 16}},
      {"btn_report.bmp", {16, 16}},     {"btn_report_hover.bmp", {16, 16}},
      {"btn_about.bmp", {16, 16}},      {"btn_about_hover.bmp", {16, 16}},
      {"btn_lang.bmp", {25, 25}},       {"btn_lang_hover.bmp", {25, 25}},
      {"btn_minimize.bmp", {16, 16}},   {"btn_minimize_hover.bmp", {16, 16}},
      {"btn_close.bmp", {16, 16}},      {"btn_close_hover.bmp", {16, 16}},
      {"expandglyph.bmp", {10, 10}},    {"contractglyph.bmp", {10, 10}},
      {"wallpaper_left.bmp", {36, 44}}, {"wallpaper_right.bmp", {30, 32}},
      {"flag_en.bmp", {20, 20}},        {"flag_de.bmp", {20, 20}},
      {"flag_es.bmp", {20, 20}},        {"flag_fr.bmp", {20, 20}},
      {"flag_it.bmp", {20, 20}},        {"flag_rus.bmp", {20, 20}},
      {"flag_csy.bmp", {20, 20}},       {"hourglass.bmp", {32, 32}},
      {"copyright.bmp", {80, 12}},
  };
  for (const auto& [name, size] : expected) {
    ASSERT_TRUE(sizes.count(name)) << name;
    EXPECT_EQ(sizes[name], size) << name;
  }
}

}  // namespace
}  // namespace vrex::pixelart
