#include "platform/colour.h"

namespace vrex {
namespace {

int Channel(Colour colour, int shift) { return static_cast<int>(colour >> shift & 0xFF); }

}  // namespace

Colour Blend(Colour under, Colour over, int alpha) {
  if (alpha < 0) alpha = 0;
  if (alpha > 255) alpha = 255;
  int mixed[3];
  for (int i = 0; i < 3; ++i)
    mixed[i] = (Channel(over, 8 * i) * alpha + Channel(under, 8 * i) * (255 - alpha) + 127) / 255;
  return MakeColour(mixed[0], mixed[1], mixed[2]);
}

std::vector<GradientBand> GradientBands(int left, int right, Colour from, Colour to) {
  std::vector<GradientBand> bands;
  const long long span = static_cast<long long>(right) - left;
  for (int x = left; x < right; ++x) {
    int mixed[3];
    for (int i = 0; i < 3; ++i) {
      long long start = Channel(from, 8 * i);
      mixed[i] = static_cast<int>(start + (Channel(to, 8 * i) - start) * (x - left) / span);
    }
    Colour colour = MakeColour(mixed[0], mixed[1], mixed[2]);
    if (!bands.empty() && bands.back().colour == colour)
      bands.back().right = x + 1;
    else
      bands.push_back(GradientBand{x, x + 1, colour});
  }
  return bands;
}

}  // namespace vrex
