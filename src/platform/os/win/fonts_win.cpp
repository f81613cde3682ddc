#include "platform/os/win/fonts_win.h"

namespace vrex::win {

UniqueFont CreateFontFor(const FontSpec& spec) {
  return UniqueFont(CreateFontA(spec.height, 0, 0, 0, spec.bold ? FW_BOLD : FW_NORMAL, spec.italic, spec.underline,
                                FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_DONTCARE, spec.face.c_str()));
}

int PointsToHeight(int points, int pixelsPerInch) {
  if (pixelsPerInch == 0) {
    WindowDc screen(nullptr);
    pixelsPerInch = GetDeviceCaps(screen.get(), LOGPIXELSY);
  }
  return -MulDiv(points, pixelsPerInch, 72);
}

}  // namespace vrex::win
