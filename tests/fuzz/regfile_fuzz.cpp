// Registry files of any content: the reader either gives edits the in-memory
// registry takes, or throws its own error, never another exception.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "support/fixtures/regfile.h"
#include "support/memory/memory_registry.h"

namespace os = vrex::os;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<os::RegKeyEdit> edits;
  try {
    edits = os::ParseRegFile(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const os::RegFileError&) {
    return 0;
  }
  os::memory::MemoryRegistry registry;
  registry.Apply(edits);
  return 0;
}
