#include <windows.h>

#include "platform/os/win/win_ports_win.h"

namespace vrex::os::win {

ModuleHandle Win32Modules::Load(const std::string& path) {
  return reinterpret_cast<ModuleHandle>(LoadLibraryA(path.c_str()));
}

bool Win32Modules::Free(ModuleHandle module) { return ::FreeLibrary(reinterpret_cast<HMODULE>(module)) != 0; }

int Win32Modules::LoadResourceString(ModuleHandle module, unsigned id, char* buffer, int bufferLength) {
  return LoadStringA(reinterpret_cast<HINSTANCE>(module), id, buffer, bufferLength);
}

}  // namespace vrex::os::win
