#include "platform/string_table.h"

namespace vrex {
namespace {

constexpr unsigned kStringsPerBlock = 16;

std::uint16_t WordAt(const std::uint8_t* bytes) { return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8)); }

}  // namespace

std::optional<std::u16string> StringTableEntry(const std::uint8_t* block, std::size_t length, unsigned index) {
  if (block == nullptr || index >= kStringsPerBlock) return std::nullopt;
  std::size_t at = 0;
  for (unsigned i = 0;; ++i) {
    // at never passes length: every step below is checked against what is left.
    if (length - at < 2) return std::nullopt;
    const std::size_t count = WordAt(block + at);
    at += 2;
    // Counted in characters of two bytes; compared against what is left, so nothing can wrap.
    if (count > (length - at) / 2) return std::nullopt;
    if (i == index) {
      std::u16string text(count, u'\0');
      for (std::size_t c = 0; c < count; ++c) text[c] = static_cast<char16_t>(WordAt(block + at + 2 * c));
      return text;
    }
    at += 2 * count;
  }
}

}  // namespace vrex
