#include <windows.h>

#include "platform/os/win/win_ports_win.h"
#include "platform/text.h"

namespace vrex::os::win {

int Win32MessageBoxes::Show(const std::string& text, const std::string& caption, std::uint32_t flags) {
  // Owned by the active window of the thread, so the box is modal to it.
  return MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(), flags | MB_TASKMODAL);
}

int Win32MessageBoxes::ShowUtf8(const std::string& text, const std::string& caption, std::uint32_t flags) {
  static_assert(sizeof(wchar_t) == sizeof(char16_t));
  const std::u16string wideText = text::Utf8ToUtf16(text);
  const std::u16string wideCaption = text::Utf8ToUtf16(caption);
  // Windows 95 has the Unicode message box too.
  return MessageBoxW(GetActiveWindow(), reinterpret_cast<const wchar_t*>(wideText.c_str()),
                     reinterpret_cast<const wchar_t*>(wideCaption.c_str()), flags | MB_TASKMODAL);
}

}  // namespace vrex::os::win
