#pragma once
// Reads what the loader of an old Windows looks at in a PE file: the machine,
// the system versions of the header and the functions imported by name.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace vrex::importcheck {

struct Import {
  std::string library;   // as the file names it, e.g. "KERNEL32.dll"
  std::string function;  // empty when imported by ordinal
  std::uint32_t ordinal = 0;
};

struct PeImage {
  std::uint16_t machine = 0;  // 0x14C for i386
  bool pe32Plus = false;      // a 64-bit optional header
  std::uint16_t osMajor = 0, osMinor = 0;
  std::uint16_t subsystemMajor = 0, subsystemMinor = 0;
  std::vector<Import> imports;
};

class PeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

constexpr std::uint16_t kMachineI386 = 0x14C;

// Every read is checked against the bytes: a damaged file gives PeError.
PeImage ReadPeImage(const std::vector<std::uint8_t>& bytes);

}  // namespace vrex::importcheck
