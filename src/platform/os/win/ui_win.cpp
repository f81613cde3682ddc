#include <windows.h>

#include "platform/os/win/network_ports_win.h"

namespace vrex::os::win {

void Win32Ui::ProcessMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // Leave the quit request for the message loop.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void Win32Ui::SetCursor(Cursor cursor) {
  ::SetCursor(LoadCursorA(nullptr, cursor == Cursor::AppStart ? IDC_APPSTARTING : IDC_ARROW));
}

void Win32Ui::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

}  // namespace vrex::os::win
