// Blending and gradients drawn without the system's blending functions.
#include <gtest/gtest.h>

#include "platform/colour.h"

namespace vrex {
namespace {

TEST(Colour, BlendWeighsEachChannelAndRounds) {
  const Colour white = MakeColour(255, 255, 255);
  const Colour red = MakeColour(255, 0, 0);
  EXPECT_EQ(Blend(white, red, 0), white);
  EXPECT_EQ(Blend(white, red, 255), red);
  // 255 * 96 / 255 for red; 255 * 159 / 255 for green and blue.
  EXPECT_EQ(Blend(white, red, 96), MakeColour(255, 159, 159));
  EXPECT_EQ(Blend(MakeColour(0, 0, 0), MakeColour(10, 20, 3), 128), MakeColour(5, 10, 2));
  EXPECT_EQ(Blend(white, red, 300), red);
}

TEST(Colour, GradientBandsCoverEveryColumnOnce) {
  const Colour from = MakeColour(0, 0, 200);
  const Colour to = MakeColour(100, 0, 0);
  std::vector<GradientBand> bands = GradientBands(10, 60, from, to);
  ASSERT_FALSE(bands.empty());
  EXPECT_EQ(bands.front().left, 10);
  EXPECT_EQ(bands.front().colour, from);
  EXPECT_EQ(bands.back().right, 60);
  // The last column is one step short of `to`, as the right edge is exclusive.
  EXPECT_EQ(bands.back().colour, MakeColour(98, 0, 4));
  for (std::size_t i = 1; i < bands.size(); ++i) {
    EXPECT_EQ(bands[i].left, bands[i - 1].right);
    EXPECT_NE(bands[i].colour, bands[i - 1].colour);
  }
}

TEST(Colour, GradientOfOneColourIsOneBandAndEmptySpanNone) {
  std::vector<GradientBand> one = GradientBands(0, 587, MakeColour(1, 2, 3), MakeColour(1, 2, 3));
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].right, 587);
  EXPECT_TRUE(GradientBands(5, 5, 0, 0xFFFFFF).empty());
}

}  // namespace
}  // namespace vrex
