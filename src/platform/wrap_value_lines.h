#pragma once
// Breaks a long value into pieces of at most `width` characters, each
// continuation on a new visual line at IND position x.
#include <string>
#include <string_view>

namespace vrex {

// A piece ends after the last blank among its final `back` characters (the
// blank stays with it); with no blank there, the word is cut `back`
// characters before the width.  A text of exactly width characters is kept whole.
std::string WrapValueLines(std::string_view text, int x, int width, int back);

}  // namespace vrex
