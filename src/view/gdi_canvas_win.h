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

// Fonts made for canvases.  A cache that outlives one canvas spares making
// the same fonts again for every row a list draws.
class GdiFontCache {
 public:
  struct Entry {
    std::string name;
    int size;
    bool bold, italic, underline;
    int pixelsPerInch;
    win::UniqueFont handle;
    int height = -1;  // text metrics height, known once the font was first selected
  };
  Entry& Get(const Font& font, int pixelsPerInch);

 private:
  std::vector<Entry> entries_;
};

class GdiCanvas final : public Canvas {
 public:
  // Icons come from images, which stays owned by the caller; with none, icons draw nothing.
  // Fonts come from fonts when given (it must outlive the canvas), else from the canvas's own cache.
  // Icons at their own size are drawn from strip when given: a copy of images made for fast drawing.
  GdiCanvas(HDC dc, HIMAGELIST images, GdiFontCache* fonts = nullptr, const class IconStrip* strip = nullptr);
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
  // Selects the font (without its colour) into the DC.
  GdiFontCache::Entry& Select(const Font& font);

  HDC dc_;
  HIMAGELIST images_;
  const IconStrip* strip_;
  int pixelsPerInch_;
  HGDIOBJ originalFont_;
  COLORREF originalTextColour_;
  int originalBackgroundMode_;
  GdiFontCache ownFonts_;
  GdiFontCache* fonts_;
};

}  // namespace vrex::view
