// Program main: installs the Win32 ports, binds the account libraries,
// creates the main window and runs the message loop until it closes.  A
// command line of its own is run without any window, and without the common
// controls, whose loading alone brings up the desktop.
#include <windows.h>
#include <commctrl.h>

#include "app/command_line_win.h"
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
  // Bound before any window exists and released when the run ends.  A
  // version query that fails is shown; the program goes on without them.
  vrex::accountapi::AccountLibrariesOwner accountLibraries;
  vrex::win::Guarded([] {
    vrex::accountapi::BindAccountLibraries();
    return LRESULT{0};
  });
  // A report asked for on the command line is written without any window.
  std::vector<std::string> arguments = vrex::app::SplitArguments(GetCommandLineA());
  if (!arguments.empty()) arguments.erase(arguments.begin());  // the program's own name
  vrex::app::CommandLine command = vrex::app::ParseCommandLine(arguments);
  if (command.kind != vrex::app::CommandLine::Kind::kWindow) return vrex::app::RunCommandLine(command);
  vrex::win::InitCommonControlClasses(ICC_WIN95_CLASSES);
  return vrex::app::RunApplication(instance, showCommand);
}
