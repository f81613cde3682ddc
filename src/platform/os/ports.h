#pragma once
// The one place the logic reaches the operating system from.  The program
// installs the Win32 adapters at start; tests install in-memory ones.
#include "platform/os/files.h"
#include "platform/os/ip_helper.h"
#include "platform/os/messages.h"
#include "platform/os/modules.h"
#include "platform/os/net_management.h"
#include "platform/os/netbios.h"
#include "platform/os/registry.h"
#include "platform/os/shell.h"
#include "platform/os/snmp_agent.h"
#include "platform/os/sockets.h"
#include "platform/os/system.h"
#include "platform/os/ui.h"
#include "platform/os/version_resources.h"

namespace vrex::os {

struct Ports {
  Registry* registry = nullptr;
  System* system = nullptr;
  Modules* modules = nullptr;
  Files* files = nullptr;
  IniFiles* ini = nullptr;
  MessageBoxes* messages = nullptr;
  Sockets* sockets = nullptr;
  IpHelper* ipHelper = nullptr;
  NetBiosApi* netbios = nullptr;
  SnmpExtension* snmp = nullptr;
  UserInterface* ui = nullptr;
  VersionResources* versions = nullptr;
  Shell* shell = nullptr;
  NetManagement* netManagement = nullptr;
};

// The installed ports; a missing port is a programming error and aborts.
const Ports& Os();
Registry& RegistryPort();
System& SystemPort();
Modules& ModulesPort();
Files& FilesPort();
IniFiles& IniPort();
MessageBoxes& MessagesPort();
Sockets& SocketsPort();
IpHelper& IpHelperPort();
NetBiosApi& NetBiosPort();
SnmpExtension& SnmpPort();
UserInterface& UiPort();
VersionResources& VersionsPort();
Shell& ShellPort();
NetManagement& NetManagementPort();

// Installs ports and gives back the previous set (tests restore it).
Ports InstallPorts(const Ports& ports);

}  // namespace vrex::os
