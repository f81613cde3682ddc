#pragma once
// Turns the PCI ID list (pci.ids) into the plain lines of the two device
// database files: net.txt for network controllers, other.txt for the rest.
//
// Per vendor, in the list's order: the vendor line "V 10EC.=name", then per
// device its subsystem entries "10EC 8139 SUBS 8139 10EC=name" (vendor,
// device, subdevice, subvendor; 24 characters) followed by the device line
// "VEN_10EC&DEV_8139=name".  The program takes the first line that fits a
// card, so a card's subsystem entry is found before its device line, and its
// device line before any other.  Each file opens with a comment line, so the
// first vendor line is within reach of the walk back from its devices.
#include <string>
#include <string_view>
#include <vector>

namespace vrex::devicedb {

struct DatabaseLines {
  std::vector<std::string> net;
  std::vector<std::string> other;
};

// Whether a device name says it is a network controller.
bool IsNetworkDeviceName(std::string_view name);

// The ANSI (Latin-1) form of a UTF-8 text; characters beyond it become "?".
std::string ToLatin1(std::string_view utf8);

DatabaseLines BuildDatabaseLines(std::string_view pciIds);

}  // namespace vrex::devicedb
