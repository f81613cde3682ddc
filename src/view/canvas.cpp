#include "view/canvas.h"

namespace vrex::view {

int Canvas::IconSize() const {
  int ppi = PixelsPerInch();
  if (ppi <= 0) ppi = 96;
  return (16 * ppi + 48) / 96;
}

std::string MnemonicDisplayText(std::string_view text, int* underlined) {
  std::string shown;
  shown.reserve(text.size());
  if (underlined != nullptr) *underlined = -1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '&') {
      shown += text[i];
      continue;
    }
    if (++i == text.size()) break;  // a trailing '&' prefixes nothing
    // "&&" is a literal '&'; any other '&' marks the next character.
    if (text[i] != '&' && underlined != nullptr) *underlined = static_cast<int>(shown.size());
    shown += text[i];
  }
  return shown;
}

std::string EscapeMnemonics(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    if (c == '&') escaped += '&';
    escaped += c;
  }
  return escaped;
}

}  // namespace vrex::view
