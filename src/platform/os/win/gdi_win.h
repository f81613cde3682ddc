#pragma once
// Small GDI helpers shared by the windows.
#include <windows.h>

#include <cstdint>

#include "platform/os/win/handles_win.h"

namespace vrex::win {

// Tiles a bitmap over a rectangle (and nowhere else), tiles aligned to origin.
void TileBitmap(HDC dc, HBITMAP bitmap, const RECT& rect, POINT origin);

// A 32-bit top-down picture whose pixels (0x00RRGGBB) can be read and written.
UniqueBitmap PixelBitmap(HDC dc, int width, int height, std::uint32_t** pixels);

// Stretches the sourceWidth x sourceHeight picture at the origin of source
// onto target, leaving out the pixels of the key colour.  Built from a
// monochrome mask and plain blits, which every Windows version has.
void DrawKeyed(HDC dc, const RECT& target, HDC source, int sourceWidth, int sourceHeight, COLORREF key);

// Fills the rectangle with a horizontal gradient from `from` to `to` in solid bands.
void FillGradient(HDC dc, const RECT& rect, COLORREF from, COLORREF to);

// Lays the width x height picture at the origin of over onto dc at (x, y)
// with the constant opacity alpha (0 to 255).
void BlendOnto(HDC dc, int x, int y, int width, int height, HDC over, int alpha);

}  // namespace vrex::win
