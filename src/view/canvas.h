#pragma once
// The surface display lines are measured and drawn on.  The markup engine
// only ever talks to this interface, so its layout is tested natively on a
// canvas with fixed metrics; GdiCanvas (gdi_canvas_win.h) draws on a DC.
//
// Texts handed to a canvas are in mnemonic form, as DrawTextA reads them
// without DT_NOPREFIX: a lone '&' is not drawn and underlines the character
// after it, "&&" draws one '&'.
#include <cstdint>
#include <string>
#include <string_view>

namespace vrex::view {

// RGB, or a system colour (the COLOR_* index of GetSysColor) that is looked
// up when drawing, so it follows the colour scheme in force.
struct Colour {
  std::uint8_t r = 0, g = 0, b = 0;
  int system = -1;  // COLOR_* index, or -1 for RGB

  static constexpr Colour Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return Colour{red, green, blue, -1};
  }
  static constexpr Colour System(int index) { return Colour{0, 0, 0, index}; }
  bool IsSystem() const { return system >= 0; }
  bool operator==(const Colour&) const = default;
};

// The system colours the markup names, by their COLOR_* index.
namespace syscolour {
inline constexpr int kBackground = 1;
inline constexpr int kWindow = 5;
inline constexpr int kWindowText = 8;
inline constexpr int kHighlight = 13;
inline constexpr int kInfoBk = 24;
}  // namespace syscolour

struct Font {
  std::string name = "MS Sans Serif";
  int size = 8;  // points
  bool bold = false;
  bool italic = false;
  bool underline = false;
  Colour colour = Colour::System(syscolour::kWindowText);
  bool operator==(const Font&) const = default;
};

struct TextSize {
  int width = 0;
  int height = 0;
};

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  // Width and height of text as DrawTextRun would draw it in font.
  virtual TextSize TextExtent(const Font& font, std::string_view text) = 0;
  // Draws text with its top-left corner at (x, y) on a transparent background.
  virtual void DrawTextRun(const Font& font, int x, int y, std::string_view text) = 0;
  // Draws icon `index` of the row's image list with its top-left corner at (x, y), IconSize() square.
  virtual void DrawIcon(int index, int x, int y) = 0;
  virtual void FillRect(const Rect& rect, Colour colour) = 0;
  // One pixel high, from x = left up to but not including x = right.
  virtual void DrawHorizontalLine(int left, int right, int y, Colour colour) = 0;
  virtual int PixelsPerInch() const = 0;

  // Icons are 16 pixels at 96 dpi and scale with the device (a printer at 300 dpi gets 50).
  int IconSize() const;
};

// What a text in mnemonic form shows: lone '&' removed, "&&" as one '&'.
// underlined receives the index in the result of the underlined character, or -1.
std::string MnemonicDisplayText(std::string_view text, int* underlined = nullptr);
// Doubles every '&' so that the text is shown exactly as written.
std::string EscapeMnemonics(std::string_view text);

}  // namespace vrex::view
