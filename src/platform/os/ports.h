#pragma once
// The one place the logic reaches the operating system from.  The program
// installs the Win32 adapters at start; tests install in-memory ones.
#include "platform/os/files.h"
#include "platform/os/messages.h"
#include "platform/os/modules.h"
#include "platform/os/registry.h"
#include "platform/os/system.h"

namespace vrex::os {

struct Ports {
  Registry* registry = nullptr;
  System* system = nullptr;
  Modules* modules = nullptr;
  Files* files = nullptr;
  IniFiles* ini = nullptr;
  MessageBoxes* messages = nullptr;
};

// The installed ports; a missing port is a programming error and aborts.
const Ports& Os();
Registry& Reg();
System& Sys();
Modules& Mods();
Files& Fs();
IniFiles& Ini();
MessageBoxes& Msg();

// Installs ports and gives back the previous set (tests restore it).
Ports InstallPorts(const Ports& ports);

}  // namespace vrex::os
