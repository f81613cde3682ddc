#include "platform/os/win/clipboard_win.h"

#include <cstring>

#include "platform/os/win/handles_win.h"

namespace vrex::win {
namespace {

// Hands a copy of the bytes, NUL included, to the clipboard, which then owns them.
bool PlaceCopy(UINT format, const void* data, std::size_t length) {
  UniqueGlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, length));
  if (!memory) return false;
  void* target = GlobalLock(memory.get());
  if (target == nullptr) return false;
  std::memcpy(target, data, length);
  GlobalUnlock(memory.get());
  if (SetClipboardData(format, memory.get()) == nullptr) return false;
  memory.release();  // the clipboard's now
  return true;
}

}  // namespace

bool PutOnClipboard(HWND owner, const std::string& ansi, const std::u16string* unicode) {
  if (!OpenClipboard(owner)) return false;
  bool placed = EmptyClipboard() && PlaceCopy(CF_TEXT, ansi.c_str(), ansi.size() + 1);
  if (placed && unicode != nullptr)
    placed = PlaceCopy(CF_UNICODETEXT, unicode->c_str(), (unicode->size() + 1) * sizeof(char16_t));
  CloseClipboard();
  return placed;
}

}  // namespace vrex::win
