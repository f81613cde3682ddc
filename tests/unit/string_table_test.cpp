// Reading one block of a module's string table: a damaged block gives no
// string and is never read past its end (AddressSanitizer sees each case on
// a buffer of exactly the block's length).
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/string_table.h"

namespace vrex {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::optional<std::u16string> Entry(const Bytes& block, unsigned index) {
  // A copy on the heap of exactly the block's size, so a read past it is caught.
  auto exact = std::make_unique<std::uint8_t[]>(block.size() + (block.empty() ? 1 : 0));
  std::copy(block.begin(), block.end(), exact.get());
  return StringTableEntry(exact.get(), block.size(), index);
}

// String 0 empty, 1 "Hi", 2 to 14 empty, 15 one Cyrillic letter: the layout a resource compiler writes.
const Bytes kSound = {0, 0, 2,    0,   'H', 0, 'i', 0,                    // 0 and 1
                      0, 0, 0,    0,   0,   0, 0,   0, 0, 0, 0, 0, 0, 0,  // 2 to 8
                      0, 0, 0,    0,   0,   0, 0,   0, 0, 0, 0, 0,        // 9 to 14
                      1, 0, 0x0D, 0x04};

TEST(StringTable, FindsEachCountedStringOfTheBlock) {
  EXPECT_EQ(Entry(kSound, 0), std::u16string());
  EXPECT_EQ(Entry(kSound, 1), u"Hi");
  EXPECT_EQ(Entry(kSound, 2), std::u16string());
  EXPECT_EQ(Entry(kSound, 15), std::u16string(1, char16_t{0x040D}));  // both bytes of a character are read
  EXPECT_EQ(Entry(kSound, 16), std::nullopt);                         // a block holds 16 strings
}

TEST(StringTable, DamagedBlocksGiveNoString) {
  struct Case {
    const char* what;
    Bytes block;
    unsigned index;
  };
  const Case cases[] = {
      {"empty block", {}, 0},
      {"count cut in half", {2}, 0},
      {"count past the end", {3, 0, 'a', 0, 'b', 0}, 0},
      {"largest count", {0xFF, 0xFF, 'a', 0}, 0},
      {"odd byte at the end", {1, 0, 'a'}, 0},
      {"earlier string runs past the end", {0xFF, 0x7F, 'a', 0, 1, 0, 'b', 0}, 1},
      {"block ends before the string asked for", {1, 0, 'a', 0}, 1},
      {"block ends inside a later count", {1, 0, 'a', 0, 1}, 1},
  };
  for (const auto& c : cases) EXPECT_EQ(Entry(c.block, c.index), std::nullopt) << c.what;
  EXPECT_EQ(StringTableEntry(nullptr, 4, 0), std::nullopt);
}

TEST(StringTable, BlockOfAnIdFollowsTheResourceNaming) {
  EXPECT_EQ(StringTableBlockOf(0), 1u);
  EXPECT_EQ(StringTableBlockOf(15), 1u);
  EXPECT_EQ(StringTableBlockOf(16), 2u);
  EXPECT_EQ(StringTableBlockOf(50202), 3138u);
  EXPECT_EQ(StringTableBlockOf(0x10010), 2u);  // only the low 16 bits of an ID count
}

}  // namespace
}  // namespace vrex
