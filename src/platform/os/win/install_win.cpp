#include "platform/os/win/win_ports_win.h"

namespace vrex::os::win {

void InstallWin32Ports() {
  static Win32Registry registry;
  static Win32System system;
  static Win32Modules modules;
  static Win32Files files;
  static Win32MessageBoxes messages;
  Ports ports;
  ports.registry = &registry;
  ports.system = &system;
  ports.modules = &modules;
  ports.files = &files;
  ports.ini = &files;
  ports.messages = &messages;
  InstallPorts(ports);
}

}  // namespace vrex::os::win
