#pragma once
// Reader of the artwork sources: pictures written as text, one character per
// pixel, with a palette legend that maps characters to colours.
//
//   # a comment
//   colour . 255,0,255                  one character, its colour
//   colour b 0,0,128 hover 0,0,255      ... and its colour in the hover image
//   picture info.bmp 16x16 [hover info_hover.bmp]
//   frame <label>                       starts the next frame of a strip
//   ................                    rows: exactly as wide as the picture
//   icon vrexnet.ico big.bmp small.bmp  an icon file from pictures above
//
// A picture is one frame of rows, or a strip of several frames that are laid
// out left to right; in a strip every frame begins with a "frame" line.
// Lines with a blank are directives, lines without one are rows.  Any fault
// throws SourceError whose text starts with "file:line:".
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace vrex::pixelart {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

// The colour of transparent pixels; the program masks it out.
inline constexpr Rgb kKeyColour{255, 0, 255};

struct Image {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;  // row by row, top row first

  Image() = default;
  Image(int w, int h, Rgb fill = {}) : width(w), height(h), pixels(static_cast<size_t>(w) * h, fill) {}
  Rgb& at(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
  const Rgb& at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

struct Picture {
  std::string name;        // output file name
  std::string hover_name;  // empty: no hover image
  int frame_width = 0;
  int frame_height = 0;
  int frames = 0;
  int line = 0;  // where it was declared
  Image image;
  Image hover;  // only when hover_name is set
};

struct IconFile {
  std::string name;
  std::vector<std::string> pictures;  // names of square pictures of the same source
  int line = 0;
};

struct SourceFile {
  std::vector<Picture> pictures;
  std::vector<IconFile> icons;
};

class SourceError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Parses the text of one source; file_name only labels the messages.
SourceFile ParseSource(const std::string& text, const std::string& file_name);

}  // namespace vrex::pixelart
