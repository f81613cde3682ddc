#include "platform/os/win/gdi_win.h"

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

}  // namespace vrex::win
