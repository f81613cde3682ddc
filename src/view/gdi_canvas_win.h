#pragma once
// The canvas of the section list view on screen and of the printout: a thin
// layer over a device context.  Fonts are created on first use and kept for
// the canvas's lifetime, which is one paint (or one measuring pass).
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "platform/os/win/handles_win.h"
#include "view/canvas.h"

namespace vrex::view {

class GdiCanvas final : public Canvas {
 public:
  // Icons come from images, which stays owned by the caller; with none, icons draw nothing.
  GdiCanvas(HDC dc, HIMAGELIST images);
  // Leaves the DC with the font, text colour and background mode it came with.
  ~GdiCanvas() override;
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;

  TextSize TextExtent(const Font& font, std::string_view text) override;
  void DrawTextRun(const Font& font, int x, int y, std::string_view text) override;
  void DrawIcon(int index, int x, int y) override;
  void FillRect(const Rect& rect, Colour colour) override;
  void DrawHorizontalLine(int left, int right, int y, Colour colour) override;
  int PixelsPerInch() const override { return pixelsPerInch_; }

  // System colours are read now, from the colour scheme in force.
  static COLORREF Resolve(Colour colour);

 private:
  struct CachedFont {
    std::string name;
    int size;
    bool bold, italic, underline;
    win::UniqueFont handle;
  };
  // Selects the font (without its colour) into the DC.
  void Select(const Font& font);

  HDC dc_;
  HIMAGELIST images_;
  int pixelsPerInch_;
  HGDIOBJ originalFont_;
  COLORREF originalTextColour_;
  int originalBackgroundMode_;
  std::vector<CachedFont> fonts_;
};

}  // namespace vrex::view
