// Program main: installs the Win32 ports, creates the main window and runs
// the message loop until it closes.
#include <windows.h>
#include <commctrl.h>

#include "app/netfrm_win.h"
#include "platform/os/win/newer_functions_win.h"
#include "platform/os/win/win_ports_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  vrex::os::win::InstallWin32Ports();
  vrex::win::InitCommonControlClasses(ICC_WIN95_CLASSES);
  return vrex::app::RunApplication(instance, showCommand);
}
