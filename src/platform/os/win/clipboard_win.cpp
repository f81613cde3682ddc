#include "platform/os/win/clipboard_win.h"

#include <cstring>

namespace vrex::win {
namespace {

// Hands a copy of the bytes, NUL included, to the clipboard, which then owns them.
bool PlaceCopy(UINT format, const void* data, std::size_t length) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, length);
  if (memory == nullptr) return false;
  void* target = GlobalLock(memory);
  if (target == nullptr) {
    GlobalFree(memory);
    return false;
  }
  std::memcpy(target, data, length);
  GlobalUnlock(memory);
  if (SetClipboardData(format, memory) != nullptr) return true;
  GlobalFree(memory);
  return false;
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
