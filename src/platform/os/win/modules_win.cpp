#include <windows.h>

#include "platform/os/win/win_ports_win.h"

namespace vrex::os::win {

ModuleHandle Win32Modules::Load(const std::string& path) {
  return reinterpret_cast<ModuleHandle>(LoadLibraryA(path.c_str()));
}

bool Win32Modules::Free(ModuleHandle module) { return ::FreeLibrary(reinterpret_cast<HMODULE>(module)) != 0; }

ProcAddress Win32Modules::Lookup(ModuleHandle module, const std::string& name) {
  return reinterpret_cast<ProcAddress>(GetProcAddress(reinterpret_cast<HMODULE>(module), name.c_str()));
}

int Win32Modules::LoadResourceString(ModuleHandle module, unsigned id, char* buffer, int bufferLength) {
  return LoadStringA(reinterpret_cast<HINSTANCE>(module), id, buffer, bufferLength);
}

Modules::TextExport Win32Modules::FindTextExport(ModuleHandle module, const std::string& name) {
  using Function = const char*(WINAPI*)();
  auto address = GetProcAddress(reinterpret_cast<HMODULE>(module), name.c_str());
  if (address == nullptr) return {};
  auto function = reinterpret_cast<Function>(reinterpret_cast<void*>(address));
  return [function] { return function(); };
}

}  // namespace vrex::os::win
