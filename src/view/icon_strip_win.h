#pragma once
// The icons of an image list copied once into two pictures of our own: the
// icons on black, and their masks.  Each icon is then drawn with two plain
// blits, as a masked image list draws it; drawing through the image list
// makes and frees device contexts for every icon, which is slow under Wine.
#include <windows.h>
#include <commctrl.h>

#include "platform/os/win/handles_win.h"

namespace vrex::view {

class IconStrip {
 public:
  // Copies the icons of images, which stays owned by the caller; with none, draws nothing.
  explicit IconStrip(HIMAGELIST images);
  IconStrip(const IconStrip&) = delete;
  IconStrip& operator=(const IconStrip&) = delete;

  int Count() const { return count_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // Draws icon index with its transparent pixels left as they were; an index outside the icons draws nothing.
  void Draw(HDC dc, int index, int x, int y) const;

 private:
  int count_ = 0;
  int width_ = 0;
  int height_ = 0;
  // The pictures are declared before their DCs, so they are deleted after them, no longer selected.
  win::UniqueBitmap icons_;
  win::UniqueBitmap masks_;
  win::UniqueDc iconsDc_;
  win::UniqueDc masksDc_;
};

}  // namespace vrex::view
