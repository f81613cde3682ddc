#pragma once
// The one way the program makes fonts: every window asks here.
#include <windows.h>

#include <string>

#include "platform/os/win/handles_win.h"

namespace vrex::win {

struct FontSpec {
  std::string face;
  int height = 0;  // as LOGFONT's: negative for the character height in pixels
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

UniqueFont CreateFontFor(const FontSpec& spec);

// The LOGFONT height of a font of the given point size at pixelsPerInch;
// the screen's when pixelsPerInch is 0.
int PointsToHeight(int points, int pixelsPerInch = 0);

}  // namespace vrex::win
