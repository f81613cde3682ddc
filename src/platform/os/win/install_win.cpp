#include "platform/os/win/net_management_win.h"
#include "platform/os/win/network_ports_win.h"
#include "platform/os/win/shell_win.h"
#include "platform/os/win/version_resources_win.h"
#include "platform/os/win/win_ports_win.h"

namespace vrex::os::win {

void InstallWin32Ports() {
  static Win32Registry registry;
  static Win32System system;
  static Win32Modules modules;
  static Win32Files files;
  static Win32MessageBoxes messages;
  static Win32Sockets sockets;
  static Win32IpHelper ipHelper;
  static Win32NetBios netbios;
  static Win32Snmp snmp;
  static Win32Ui ui;
  static Win32VersionResources versions;
  static Win32Shell shell;
  static Win32NetManagement netManagement;
  Ports ports;
  ports.registry = &registry;
  ports.system = &system;
  ports.modules = &modules;
  ports.files = &files;
  ports.ini = &files;
  ports.messages = &messages;
  ports.sockets = &sockets;
  ports.ipHelper = &ipHelper;
  ports.netbios = &netbios;
  ports.snmp = &snmp;
  ports.ui = &ui;
  ports.versions = &versions;
  ports.shell = &shell;
  ports.netManagement = &netManagement;
  InstallPorts(ports);
}

}  // namespace vrex::os::win
