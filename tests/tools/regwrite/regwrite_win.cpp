// Writes a REGEDIT4 file into the registry through the API.  Wine's regedit
// does not import HKEY_DYN_DATA; RegCreateKeyExA does.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "support/fixtures/regfile.h"
#include "platform/os/win/handles_win.h"
#include "platform/os/win/win_ports_win.h"

namespace {

using vrex::os::win::RootHandle;

// RegDeleteKeyA removes only leaf keys on NT: remove children first.
LONG DeleteTree(HKEY parent, const std::string& path) {
  vrex::win::UniqueRegKey key;
  if (RegOpenKeyExA(parent, path.c_str(), 0, KEY_ALL_ACCESS, key.put()) == ERROR_SUCCESS) {
    char name[256];
    for (;;) {
      DWORD length = sizeof name;
      if (RegEnumKeyExA(key.get(), 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
      if (DeleteTree(key.get(), name) != ERROR_SUCCESS) break;
    }
  }
  key.reset();
  return RegDeleteKeyA(parent, path.c_str());
}

bool Apply(const vrex::os::RegKeyEdit& edit) {
  std::string where = std::string(vrex::os::RootKeyName(edit.root)) + "\\" + edit.path;
  if (edit.remove) {
    DeleteTree(RootHandle(edit.root), edit.path);
    return true;
  }
  vrex::win::UniqueRegKey key;
  LONG status = RegCreateKeyExA(RootHandle(edit.root), edit.path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                KEY_ALL_ACCESS, nullptr, key.put(), nullptr);
  if (status == ERROR_INVALID_PARAMETER || status == ERROR_ACCESS_DENIED) {
    // Keys under HKEY_DYN_DATA are volatile by nature.
    status = RegCreateKeyExA(RootHandle(edit.root), edit.path.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                             nullptr, key.put(), nullptr);
  }
  if (status != ERROR_SUCCESS) {
    std::fprintf(stderr, "regwrite: cannot create %s (error %ld)\n", where.c_str(), status);
    return false;
  }
  for (const auto& value : edit.values) {
    if (value.remove) {
      RegDeleteValueA(key.get(), value.name.c_str());
      continue;
    }
    status = RegSetValueExA(key.get(), value.name.empty() ? nullptr : value.name.c_str(), 0, value.type,
                            value.data.empty() ? nullptr : value.data.data(), static_cast<DWORD>(value.data.size()));
    if (status != ERROR_SUCCESS) {
      std::fprintf(stderr, "regwrite: cannot set %s\\%s (error %ld)\n", where.c_str(), value.name.c_str(), status);
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: regwrite FILE.reg...\n");
    return 2;
  }
  for (int i = 1; i < argc; ++i) {
    std::ifstream in(argv[i], std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "regwrite: cannot open %s\n", argv[i]);
      return 1;
    }
    std::stringstream text;
    text << in.rdbuf();
    try {
      for (const auto& edit : vrex::os::ParseRegFile(text.str())) {
        if (!Apply(edit)) return 1;
      }
    } catch (const vrex::os::RegFileError& error) {
      std::fprintf(stderr, "regwrite: %s: %s\n", argv[i], error.what());
      return 1;
    }
  }
  return 0;
}
