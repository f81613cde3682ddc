#pragma once
// Library loading, function lookup and string resources (LoadLibraryA,
// LoadLibraryExA as a data file, GetProcAddress, FreeLibrary, the string
// table of a module).
#include <cstdint>
#include <functional>
#include <string>

namespace vrex::os {

// Zero is no module; LoadString with zero reads the program's own file.
using ModuleHandle = std::uintptr_t;

// Whether a handle that Load or LoadData gave names a loaded module: Win32
// gives zero for a failed load, and the values up to 32, the error codes of
// 16-bit Windows, count as failures too.
constexpr bool IsLoaded(ModuleHandle module) { return module > 32; }
// A function's address in a library; the caller knows its real type.
using ProcAddress = void (*)();

class Modules {
 public:
  virtual ~Modules() = default;
  // The library loaded with its code, or a handle IsLoaded refuses.
  virtual ModuleHandle Load(const std::string& path) = 0;
  // Maps the file for its resources alone: none of its code runs and nothing
  // it imports is loaded.  A handle IsLoaded refuses when it is no module.
  virtual ModuleHandle LoadData(const std::string& path) = 0;
  virtual bool Free(ModuleHandle module) = 0;
  // The exported function of that name; nullptr when the library lacks it.
  virtual ProcAddress Lookup(ModuleHandle module, const std::string& name) = 0;
  // Copies at most bufferLength - 1 characters and a NUL; returns the count
  // copied, 0 when absent.  A string table that points outside the module, or
  // whose strings run past their block, gives 0, as an absent string does.
  virtual int LoadResourceString(ModuleHandle module, unsigned id, char* buffer, int bufferLength) = 0;
  // An export that takes no arguments and gives the address of a text, as a
  // callable (GetProcAddress); empty when the module has no such export.
  using TextExport = std::function<const char*()>;
  virtual TextExport FindTextExport(ModuleHandle module, const std::string& name) = 0;
};

}  // namespace vrex::os
