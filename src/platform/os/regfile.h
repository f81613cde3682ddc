#pragma once
// Reader of REGEDIT4 registry files, the form every registry fixture takes.
// The same file fills the in-memory registry of native tests and is written
// into Wine's registry for the tests under Wine.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/os/registry.h"

namespace vrex::os {

class RegFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct RegValueEdit {
  std::string name;  // empty for the default value "@"
  bool remove = false;
  std::uint32_t type = 0;  // a ValueType number; hex(N) gives N
  std::vector<std::uint8_t> data;
};

struct RegKeyEdit {
  RootKey root = RootKey::LocalMachine;
  std::string path;  // below the root, without a leading backslash
  bool remove = false;
  std::vector<RegValueEdit> values;
};

// Throws RegFileError naming the line of the first thing it cannot read.
std::vector<RegKeyEdit> ParseRegFile(std::string_view text);

// "HKEY_LOCAL_MACHINE" and the like (also the HKLM short forms); throws on others.
RootKey ParseRootKeyName(std::string_view name);
const char* RootKeyName(RootKey root);

}  // namespace vrex::os
