#include "platform/wrap_value_lines.h"

#include <algorithm>

namespace vrex {

std::vector<std::string_view> WrapPieces(std::string_view text, int width, int back) {
  if (width <= 0) return {text};
  std::vector<std::string_view> pieces;
  std::size_t limit = static_cast<std::size_t>(width);
  while (text.size() > limit) {
    // Positions count from 1: look at width - 1 down to width - back.
    std::size_t piece = 0;
    for (int p = width - 1; p >= width - back && p >= 1; --p) {
      if (text[p - 1] == ' ') {
        piece = static_cast<std::size_t>(p);
        break;
      }
    }
    // No blank: cut the word, but always take at least one character.
    if (piece == 0) piece = static_cast<std::size_t>(std::clamp(width - back, 1, width));
    pieces.push_back(text.substr(0, piece));
    text.remove_prefix(piece);
  }
  pieces.push_back(text);
  return pieces;
}

std::string WrapBreak(int x) { return "<BR><IND x=\"" + std::to_string(x) + "\">"; }

std::string WrapValueLines(std::string_view text, int x, int width, int back) {
  std::string result;
  bool first = true;
  for (std::string_view piece : WrapPieces(text, width, back)) {
    if (!first) result += WrapBreak(x);
    first = false;
    result.append(piece);
  }
  return result;
}

}  // namespace vrex
