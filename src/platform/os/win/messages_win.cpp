#include <windows.h>

#include "platform/os/win/win_ports_win.h"

namespace vrex::os::win {

int Win32MessageBoxes::Show(const std::string& text, const std::string& caption, std::uint32_t flags) {
  // Owned by the active window of the thread, so the box is modal to it.
  return MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(), flags | MB_TASKMODAL);
}

}  // namespace vrex::os::win
