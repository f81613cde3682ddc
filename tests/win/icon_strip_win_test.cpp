// Icons drawn from a strip look exactly as the image list draws them.
#include "view/icon_strip_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

namespace vrex::view {
namespace {

constexpr COLORREF kKey = RGB(255, 0, 255);

// Two 16 x 16 icons: key-coloured borders around opaque black, white and coloured pixels.
win::UniqueBitmap IconsPicture(HDC screen) {
  win::UniqueBitmap picture(CreateCompatibleBitmap(screen, 32, 16));
  win::UniqueDc dc(CreateCompatibleDC(screen));
  win::ScopedSelect select(dc.get(), picture.get());
  for (int x = 0; x < 32; ++x) {
    for (int y = 0; y < 16; ++y) {
      bool border = x % 16 < 3 || y < 2;
      COLORREF colour = border             ? kKey
                        : (x + y) % 3 == 0 ? RGB(0, 0, 0)
                        : (x + y) % 3 == 1 ? RGB(255, 255, 255)
                                           : RGB(x * 7, y * 15, 90);
      SetPixel(dc.get(), x, y, colour);
    }
  }
  return picture;
}

// Draws the icons over a chequered background and returns the pixels.
template <typename DrawIcon>
std::vector<COLORREF> Drawn(HDC screen, DrawIcon draw) {
  win::UniqueBitmap target(CreateCompatibleBitmap(screen, 40, 20));
  win::UniqueDc dc(CreateCompatibleDC(screen));
  win::ScopedSelect select(dc.get(), target.get());
  for (int x = 0; x < 40; ++x)
    for (int y = 0; y < 20; ++y) SetPixel(dc.get(), x, y, (x / 4 + y / 4) % 2 ? RGB(10, 200, 30) : RGB(250, 240, 5));
  draw(dc.get(), 0, 1, 2);
  draw(dc.get(), 1, 20, 3);
  draw(dc.get(), 2, 5, 5);  // past the last icon: nothing
  std::vector<COLORREF> pixels;
  for (int x = 0; x < 40; ++x)
    for (int y = 0; y < 20; ++y) pixels.push_back(GetPixel(dc.get(), x, y));
  return pixels;
}

TEST(IconStripTest, DrawsEveryPixelAsTheImageListDoes) {
  win::WindowDc screen(nullptr);
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 0);
  ASSERT_NE(images, nullptr);
  win::UniqueBitmap picture = IconsPicture(screen.get());
  ASSERT_EQ(ImageList_AddMasked(images, picture.get(), kKey), 0);
  IconStrip strip(images);
  ASSERT_EQ(strip.Count(), 2);
  auto expected = Drawn(screen.get(), [&](HDC dc, int index, int x, int y) {
    if (index < ImageList_GetImageCount(images)) ImageList_Draw(images, index, dc, x, y, ILD_TRANSPARENT);
  });
  auto actual = Drawn(screen.get(), [&](HDC dc, int index, int x, int y) { strip.Draw(dc, index, x, y); });
  EXPECT_EQ(actual, expected);
  ImageList_Destroy(images);
  IconStrip none(nullptr);
  EXPECT_EQ(none.Count(), 0);
}

}  // namespace
}  // namespace vrex::view
