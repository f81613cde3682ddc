#include <windows.h>

#include <string>

#include "platform/os/win/win_ports_win.h"
#include "platform/string_table.h"

namespace vrex::os::win {
namespace {

// A data-file module's handle carries flags in its two low bits; the mapping starts at the page below.
const void* MappingOf(ModuleHandle module) {
  if (module == 0) return GetModuleHandleA(nullptr);
  return reinterpret_cast<const void*>(module & ~static_cast<ModuleHandle>(3));
}

// Whether every byte of [data, data + length) is readable memory of the
// module's own mapping.  A damaged resource entry can point anywhere.
bool InsideModule(ModuleHandle module, const void* data, std::size_t length) {
  MEMORY_BASIC_INFORMATION region{};
  if (VirtualQuery(MappingOf(module), &region, sizeof region) == 0) return false;
  const void* allocation = region.AllocationBase;
  auto at = reinterpret_cast<std::uintptr_t>(data);
  const std::uintptr_t end = at + length;
  if (end < at) return false;
  while (at < end) {
    if (VirtualQuery(reinterpret_cast<const void*>(at), &region, sizeof region) == 0) return false;
    if (region.AllocationBase != allocation || region.State != MEM_COMMIT) return false;
    if ((region.Protect & (PAGE_NOACCESS | PAGE_GUARD)) != 0) return false;
    const auto next = reinterpret_cast<std::uintptr_t>(region.BaseAddress) + region.RegionSize;
    if (next <= at) return false;
    at = next;
  }
  return true;
}

}  // namespace

ModuleHandle Win32Modules::Load(const std::string& path) {
  return reinterpret_cast<ModuleHandle>(LoadLibraryA(path.c_str()));
}

ModuleHandle Win32Modules::LoadData(const std::string& path) {
  return reinterpret_cast<ModuleHandle>(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
}

bool Win32Modules::Free(ModuleHandle module) { return ::FreeLibrary(reinterpret_cast<HMODULE>(module)) != 0; }

ProcAddress Win32Modules::Lookup(ModuleHandle module, const std::string& name) {
  return reinterpret_cast<ProcAddress>(GetProcAddress(reinterpret_cast<HMODULE>(module), name.c_str()));
}

// LoadStringA walks the string table without looking at its bounds; the block
// is found here through the system's resource functions and read by a reader
// that checks them.
int Win32Modules::LoadResourceString(ModuleHandle module, unsigned id, char* buffer, int bufferLength) {
  if (buffer == nullptr || bufferLength <= 0) return 0;
  auto instance = reinterpret_cast<HMODULE>(module);
  HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(StringTableBlockOf(id)), MAKEINTRESOURCEA(6));  // RT_STRING
  if (found == nullptr) return 0;
  const DWORD length = SizeofResource(instance, found);
  HGLOBAL loaded = LoadResource(instance, found);
  const void* block = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (block == nullptr || !InsideModule(module, block, length)) return 0;
  auto text = StringTableEntry(static_cast<const std::uint8_t*>(block), length, id & 15);
  if (!text || text->empty()) return 0;
  auto wide = reinterpret_cast<const wchar_t*>(text->data());
  const int wideCount = static_cast<int>(text->size());
  int needed = WideCharToMultiByte(CP_ACP, 0, wide, wideCount, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return 0;
  std::string ansi(static_cast<std::size_t>(needed), '\0');
  if (WideCharToMultiByte(CP_ACP, 0, wide, wideCount, ansi.data(), needed, nullptr, nullptr) != needed) return 0;
  const int count = needed < bufferLength - 1 ? needed : bufferLength - 1;
  ansi.copy(buffer, static_cast<std::size_t>(count));
  buffer[count] = '\0';
  return count;
}

Modules::TextExport Win32Modules::FindTextExport(ModuleHandle module, const std::string& name) {
  using Function = const char*(WINAPI*)();
  auto address = GetProcAddress(reinterpret_cast<HMODULE>(module), name.c_str());
  if (address == nullptr) return {};
  auto function = reinterpret_cast<Function>(reinterpret_cast<void*>(address));
  return [function] { return function(); };
}

}  // namespace vrex::os::win
