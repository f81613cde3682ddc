#pragma once
// Small GDI helpers shared by the windows.
#include <windows.h>

namespace vrex::win {

// Tiles a bitmap over a rectangle (and nowhere else), tiles aligned to origin.
void TileBitmap(HDC dc, HBITMAP bitmap, const RECT& rect, POINT origin);

}  // namespace vrex::win
