#include "platform/os/win/gdi_win.h"

#include <cstdint>

#include "platform/colour.h"
#include "platform/os/win/handles_win.h"

namespace vrex::win {

void TileBitmap(HDC dc, HBITMAP bitmap, const RECT& rect, POINT origin) {
  BITMAP info;
  if (bitmap == nullptr || GetObjectA(bitmap, sizeof info, &info) == 0 || info.bmWidth <= 0 || info.bmHeight <= 0)
    return;
  UniqueDc memory(CreateCompatibleDC(dc));
  ScopedSelect select(memory.get(), bitmap);
  int startX = rect.left - ((rect.left - origin.x) % info.bmWidth + info.bmWidth) % info.bmWidth;
  int startY = rect.top - ((rect.top - origin.y) % info.bmHeight + info.bmHeight) % info.bmHeight;
  ScopedClip clip(dc, rect);
  for (int y = startY; y < rect.bottom; y += info.bmHeight)
    for (int x = startX; x < rect.right; x += info.bmWidth)
      BitBlt(dc, x, y, info.bmWidth, info.bmHeight, memory.get(), 0, 0, SRCCOPY);
}

namespace {

// Keeps a DC's text and background colours across a blit that needs others.
class ScopedBlitColours {
 public:
  ScopedBlitColours(HDC dc, COLORREF text, COLORREF background)
      : dc_(dc), text_(SetTextColor(dc, text)), background_(SetBkColor(dc, background)) {}
  ~ScopedBlitColours() {
    SetTextColor(dc_, text_);
    SetBkColor(dc_, background_);
  }
  ScopedBlitColours(const ScopedBlitColours&) = delete;
  ScopedBlitColours& operator=(const ScopedBlitColours&) = delete;

 private:
  HDC dc_;
  COLORREF text_;
  COLORREF background_;
};

// DIB pixels are 0x00RRGGBB, colours 0x00BBGGRR.
Colour FromPixel(std::uint32_t pixel) { return MakeColour(pixel >> 16 & 0xFF, pixel >> 8 & 0xFF, pixel & 0xFF); }
std::uint32_t ToPixel(Colour colour) { return (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF); }

constexpr DWORD kDestinationAndNotSource = 0x00220326;  // DSna

}  // namespace

UniqueBitmap PixelBitmap(HDC dc, int width, int height, std::uint32_t** pixels) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  *pixels = static_cast<std::uint32_t*>(bits);
  return bitmap;
}

void DrawKeyed(HDC dc, const RECT& target, HDC source, int sourceWidth, int sourceHeight, COLORREF key) {
  if (sourceWidth <= 0 || sourceHeight <= 0) return;
  // The mask: white where the source has the key colour, black elsewhere.
  UniqueDc maskDc(CreateCompatibleDC(dc));
  UniqueBitmap mask(CreateBitmap(sourceWidth, sourceHeight, 1, 1, nullptr));
  // The source with its key pixels turned black, so that OR adds nothing there.
  UniqueDc pictureDc(CreateCompatibleDC(dc));
  UniqueBitmap picture(CreateCompatibleBitmap(dc, sourceWidth, sourceHeight));
  if (!maskDc || !mask || !pictureDc || !picture) return;
  ScopedSelect selectMask(maskDc.get(), mask.get());
  ScopedSelect selectPicture(pictureDc.get(), picture.get());
  {
    ScopedBlitColours keyed(source, GetTextColor(source), key);
    BitBlt(maskDc.get(), 0, 0, sourceWidth, sourceHeight, source, 0, 0, SRCCOPY);
  }
  BitBlt(pictureDc.get(), 0, 0, sourceWidth, sourceHeight, source, 0, 0, SRCCOPY);
  {
    ScopedBlitColours monochrome(pictureDc.get(), RGB(0, 0, 0), RGB(255, 255, 255));
    BitBlt(pictureDc.get(), 0, 0, sourceWidth, sourceHeight, maskDc.get(), 0, 0, kDestinationAndNotSource);
  }
  ScopedBlitColours monochrome(dc, RGB(0, 0, 0), RGB(255, 255, 255));
  int mode = SetStretchBltMode(dc, COLORONCOLOR);
  int width = target.right - target.left;
  int height = target.bottom - target.top;
  StretchBlt(dc, target.left, target.top, width, height, maskDc.get(), 0, 0, sourceWidth, sourceHeight, SRCAND);
  StretchBlt(dc, target.left, target.top, width, height, pictureDc.get(), 0, 0, sourceWidth, sourceHeight, SRCPAINT);
  SetStretchBltMode(dc, mode);
}

void FillGradient(HDC dc, const RECT& rect, COLORREF from, COLORREF to) {
  for (const GradientBand& band : GradientBands(rect.left, rect.right, from, to)) {
    UniqueBrush brush(CreateSolidBrush(band.colour));
    RECT stripe{band.left, rect.top, band.right, rect.bottom};
    FillRect(dc, &stripe, brush.get());
  }
}

void BlendOnto(HDC dc, int x, int y, int width, int height, HDC over, int alpha) {
  if (width <= 0 || height <= 0) return;
  std::uint32_t* under = nullptr;
  std::uint32_t* laid = nullptr;
  UniqueBitmap underBitmap = PixelBitmap(dc, width, height, &under);
  UniqueBitmap laidBitmap = PixelBitmap(dc, width, height, &laid);
  UniqueDc underDc(CreateCompatibleDC(dc));
  UniqueDc laidDc(CreateCompatibleDC(dc));
  if (!underBitmap || !laidBitmap || !underDc || !laidDc) return;
  ScopedSelect selectUnder(underDc.get(), underBitmap.get());
  ScopedSelect selectLaid(laidDc.get(), laidBitmap.get());
  BitBlt(underDc.get(), 0, 0, width, height, dc, x, y, SRCCOPY);
  BitBlt(laidDc.get(), 0, 0, width, height, over, 0, 0, SRCCOPY);
  GdiFlush();
  for (int i = 0, count = width * height; i < count; ++i)
    under[i] = ToPixel(Blend(FromPixel(under[i]), FromPixel(laid[i]), alpha));
  BitBlt(dc, x, y, width, height, underDc.get(), 0, 0, SRCCOPY);
}

}  // namespace vrex::win
