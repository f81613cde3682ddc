#pragma once
// One block of a module's string table, read with bounds checks: a damaged
// module must give "no string", never a read outside the block.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace vrex {

// A block holds 16 strings (IDs 16 * (n - 1) to 16 * n - 1), each a 16-bit
// character count followed by that many UTF-16 characters, little-endian.
// The string at index (0 to 15) of the block; nothing when the block ends
// before it does, or when index is beyond 15.
std::optional<std::u16string> StringTableEntry(const std::uint8_t* block, std::size_t length, unsigned index);

// The block that holds a string ID, as the resource finder names it.
inline unsigned StringTableBlockOf(unsigned id) { return ((id & 0xFFFFu) >> 4) + 1; }

}  // namespace vrex
