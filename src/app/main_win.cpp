// Program main: installs the Win32 ports, binds the account libraries,
// creates the main window and runs the message loop until it closes.
#include <windows.h>
#include <commctrl.h>

#include "app/netfrm_win.h"
#include "platform/account_api.h"
#include "platform/os/win/fault_handler_win.h"
#include "platform/os/win/newer_functions_win.h"
#include "platform/os/win/window_win.h"
#include "platform/os/win/win_ports_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  // A fault nothing handles is shown, with where it happened, before the program ends.
  vrex::win::InstallFaultHandler();
  vrex::os::win::InstallWin32Ports();
  vrex::win::InitCommonControlClasses(ICC_WIN95_CLASSES);
  // Bound before any window exists and released when the run ends.  A
  // version query that fails is shown; the program goes on without them.
  vrex::accountapi::AccountLibrariesOwner accountLibraries;
  vrex::win::Guarded([] {
    vrex::accountapi::BindAccountLibraries();
    return LRESULT{0};
  });
  return vrex::app::RunApplication(instance, showCommand);
}
