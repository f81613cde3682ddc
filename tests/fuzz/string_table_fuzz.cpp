// A language module's string table block of any content: each string is read
// inside the block, and a block that holds a string holds every one before it.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_check.h"
#include "platform/string_table.h"

using vrex::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::size_t used = 0;  // bytes of the counts and strings read so far
  bool ended = false;
  for (unsigned index = 0; index < 17; ++index) {
    const auto text = vrex::StringTableEntry(data, size, index);
    if (!text) {
      ended = true;
      continue;
    }
    Require(index < 16, "a block holds 16 strings");
    Require(!ended, "a string after one the block does not hold");
    Require(used + 2 + 2 * text->size() <= size, "the string fits in the block");
    if (!text->empty())
      Require((*text)[0] == (data[used + 2] | data[used + 3] << 8), "the first character follows its count");
    used += 2 + 2 * text->size();
  }
  return 0;
}
