#pragma once
// Colour arithmetic for drawing without the blending and gradient functions
// that Windows 95 and NT 4.0 lack.  Colours are 0x00BBGGRR, as COLORREF.
#include <cstdint>
#include <vector>

namespace vrex {

using Colour = std::uint32_t;

constexpr Colour MakeColour(int red, int green, int blue) {
  return static_cast<Colour>(red) | static_cast<Colour>(green) << 8 | static_cast<Colour>(blue) << 16;
}

// The colour of over laid on under with the constant opacity alpha (0 to
// 255), each channel rounded to nearest.
Colour Blend(Colour under, Colour over, int alpha);

// One solid stretch of a gradient: columns [left, right) in one colour.
struct GradientBand {
  int left;
  int right;
  Colour colour;
};

// A horizontal gradient over the columns [left, right), from `from` at the
// left column to `to` at the right edge, as solid bands: column x takes
// from + (to - from) * (x - left) / (right - left) in each channel, and
// neighbouring columns of one colour share a band.
std::vector<GradientBand> GradientBands(int left, int right, Colour from, Colour to);

}  // namespace vrex
