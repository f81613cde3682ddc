#include "platform/os/ports.h"

#include <cstdio>
#include <cstdlib>

namespace vrex::os {
namespace {

Ports installed;

template <typename Port>
Port& Require(Port* port, const char* name) {
  if (port == nullptr) {
    std::fprintf(stderr, "no %s port installed\n", name);
    std::abort();
  }
  return *port;
}

}  // namespace

const Ports& Os() { return installed; }
Registry& RegistryPort() { return Require(installed.registry, "registry"); }
System& SystemPort() { return Require(installed.system, "system"); }
Modules& ModulesPort() { return Require(installed.modules, "modules"); }
Files& FilesPort() { return Require(installed.files, "files"); }
IniFiles& IniPort() { return Require(installed.ini, "INI"); }
MessageBoxes& MessagesPort() { return Require(installed.messages, "message box"); }
Sockets& SocketsPort() { return Require(installed.sockets, "sockets"); }
IpHelper& IpHelperPort() { return Require(installed.ipHelper, "IP Helper"); }
NetBiosApi& NetBiosPort() { return Require(installed.netbios, "NetBIOS"); }
SnmpExtension& SnmpPort() { return Require(installed.snmp, "SNMP agent"); }
UserInterface& UiPort() { return Require(installed.ui, "user interface"); }
VersionResources& VersionsPort() { return Require(installed.versions, "version resource"); }
Shell& ShellPort() { return Require(installed.shell, "shell"); }
NetManagement& NetManagementPort() { return Require(installed.netManagement, "network-management"); }

Ports InstallPorts(const Ports& ports) {
  Ports previous = installed;
  installed = ports;
  return previous;
}

}  // namespace vrex::os
