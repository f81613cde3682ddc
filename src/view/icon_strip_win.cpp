#include "view/icon_strip_win.h"

#include <cstdint>

#include "platform/os/win/gdi_win.h"
#include "platform/os/win/window_libraries_win.h"

namespace vrex::view {

IconStrip::IconStrip(HIMAGELIST images) {
  if (images == nullptr || !win::lazy::ImageList_GetIconSize(images, &width_, &height_)) return;
  count_ = win::lazy::ImageList_GetImageCount(images);
  if (count_ <= 0 || width_ <= 0 || height_ <= 0) {
    count_ = 0;
    return;
  }
  win::WindowDc screen(nullptr);
  std::uint32_t* onBlack = nullptr;
  std::uint32_t* onWhite = nullptr;
  icons_ = win::PixelBitmap(screen.get(), width_ * count_, height_, &onBlack);
  masks_ = win::PixelBitmap(screen.get(), width_ * count_, height_, &onWhite);
  iconsDc_.reset(CreateCompatibleDC(screen.get()));
  masksDc_.reset(CreateCompatibleDC(screen.get()));
  if (!icons_ || !masks_ || !iconsDc_ || !masksDc_) {
    count_ = 0;
    return;
  }
  SelectObject(iconsDc_.get(), icons_.get());
  SelectObject(masksDc_.get(), masks_.get());
  RECT all{0, 0, width_ * count_, height_};
  FillRect(iconsDc_.get(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  FillRect(masksDc_.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  for (int index = 0; index < count_; ++index) {
    win::lazy::ImageList_Draw(images, index, iconsDc_.get(), index * width_, 0, ILD_TRANSPARENT);
    win::lazy::ImageList_Draw(images, index, masksDc_.get(), index * width_, 0, ILD_TRANSPARENT);
  }
  GdiFlush();
  // A pixel that differs on black and on white is transparent: white in the
  // mask (kept by AND), black in the icons (adding nothing by OR).
  for (int i = 0, n = width_ * count_ * height_; i < n; ++i) {
    bool transparent = (onBlack[i] & 0xFFFFFF) != (onWhite[i] & 0xFFFFFF);
    onWhite[i] = transparent ? 0xFFFFFF : 0;
    if (transparent) onBlack[i] = 0;
  }
}

void IconStrip::Draw(HDC dc, int index, int x, int y) const {
  if (index < 0 || index >= count_) return;
  BitBlt(dc, x, y, width_, height_, masksDc_.get(), index * width_, 0, SRCAND);
  BitBlt(dc, x, y, width_, height_, iconsDc_.get(), index * width_, 0, SRCPAINT);
}

}  // namespace vrex::view
