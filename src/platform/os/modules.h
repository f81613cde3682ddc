#pragma once
// Library loading, function lookup and string resources (LoadLibraryA,
// GetProcAddress, LoadStringA, FreeLibrary).
#include <cstdint>
#include <string>

namespace vrex::os {

// Zero is no module; LoadString with zero reads the program's own file.
using ModuleHandle = std::uintptr_t;
// A function's address in a library; the caller knows its real type.
using ProcAddress = void (*)();

class Modules {
 public:
  virtual ~Modules() = default;
  virtual ModuleHandle Load(const std::string& path) = 0;
  virtual bool Free(ModuleHandle module) = 0;
  // The exported function of that name; nullptr when the library lacks it.
  virtual ProcAddress Lookup(ModuleHandle module, const std::string& name) = 0;
  // Copies at most bufferLength - 1 characters and a NUL; returns the count copied, 0 when absent.
  virtual int LoadResourceString(ModuleHandle module, unsigned id, char* buffer, int bufferLength) = 0;
};

}  // namespace vrex::os
