#pragma once
// Breaks a long value into pieces of at most `width` characters, each
// continuation on a new visual line at IND position x.
#include <string>
#include <string_view>
#include <vector>

namespace vrex {

// A piece ends after the last blank among its final `back` characters (the
// blank stays with it); with no blank there, the word is cut `back`
// characters before the width.  A text of exactly width characters is kept whole.
std::string WrapValueLines(std::string_view text, int x, int width, int back);

// The pieces WrapValueLines puts on visual lines of their own, in order
// (views into text; one empty piece for an empty text).
std::vector<std::string_view> WrapPieces(std::string_view text, int width, int back);
// What WrapValueLines writes between two pieces.
std::string WrapBreak(int x);

}  // namespace vrex
