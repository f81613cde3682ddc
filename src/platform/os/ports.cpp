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
Registry& Reg() { return Require(installed.registry, "registry"); }
System& Sys() { return Require(installed.system, "system"); }
Modules& Mods() { return Require(installed.modules, "modules"); }
Files& Fs() { return Require(installed.files, "files"); }
IniFiles& Ini() { return Require(installed.ini, "INI"); }
MessageBoxes& Msg() { return Require(installed.messages, "message box"); }
Sockets& Sock() { return Require(installed.sockets, "sockets"); }
IpHelper& IpHlp() { return Require(installed.ipHelper, "IP Helper"); }
NetBiosApi& Nb() { return Require(installed.netbios, "NetBIOS"); }
SnmpExtension& Snmp() { return Require(installed.snmp, "SNMP agent"); }
UserInterface& Ui() { return Require(installed.ui, "user interface"); }
VersionResources& Ver() { return Require(installed.versions, "version resource"); }
Shell& Sh() { return Require(installed.shell, "shell"); }
NetManagement& NetMgmt() { return Require(installed.netManagement, "network-management"); }

Ports InstallPorts(const Ports& ports) {
  Ports previous = installed;
  installed = ports;
  return previous;
}

}  // namespace vrex::os
