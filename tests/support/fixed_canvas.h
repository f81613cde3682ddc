#pragma once
// A canvas with fixed metrics for layout tests and benchmarks: every drawn
// character is 6 pixels wide, a run is its point size + 4 pixels high.  It
// records what is drawn on it.
#include <string>
#include <vector>

#include "view/canvas.h"

namespace vrex::test {

class FixedCanvas : public view::Canvas {
 public:
  static constexpr int kCharWidth = 6;
  static int LineHeight(int points) { return points + 4; }

  struct Text {
    int x, y;
    view::Font font;
    std::string shown;  // mnemonics resolved
    int underlined;     // index in shown, or -1
  };
  struct Icon {
    int index, x, y;
  };
  struct Line {
    int left, right, y;
    view::Colour colour;
  };

  explicit FixedCanvas(int pixelsPerInch = 96) : ppi_(pixelsPerInch) {}

  view::TextSize TextExtent(const view::Font& font, std::string_view text) override {
    int shown = 0;
    for (std::size_t i = 0; i < text.size(); ++i, ++shown) {
      if (text[i] == '&' && ++i == text.size()) break;
    }
    return {shown * kCharWidth, LineHeight(font.size)};
  }
  void DrawTextRun(const view::Font& font, int x, int y, std::string_view text) override {
    int underlined = -1;
    std::string shown = view::MnemonicDisplayText(text, &underlined);
    texts.push_back(Text{x, y, font, shown, underlined});
  }
  void DrawIcon(int index, int x, int y) override { icons.push_back(Icon{index, x, y}); }
  void FillRect(const view::Rect&, view::Colour) override {}
  void DrawHorizontalLine(int left, int right, int y, view::Colour colour) override {
    lines.push_back(Line{left, right, y, colour});
  }
  int PixelsPerInch() const override { return ppi_; }

  std::vector<Text> texts;
  std::vector<Icon> icons;
  std::vector<Line> lines;

 private:
  int ppi_;
};

}  // namespace vrex::test
