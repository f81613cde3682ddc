#pragma once
// Turns the PCI ID list (pci.ids) and the list of PCI network devices
// (network_pci_ids.txt, what the network drivers of a Linux kernel claim)
// into the plain lines of the two device database files: net.txt holds the
// network devices and the vendor lines that name them, other.txt nothing but
// its comment line, so a driverless device that is not a network device is
// never taken for one.
//
// Per vendor, in the list's order: the vendor line "V 10EC.=name", then per
// device its subsystem entries "VEN_10EC&DEV_8139&SUBSYS_005A1025=device
// name (subsystem name)" followed by the device line "VEN_10EC&DEV_8139=name".
// The program takes the first line whose key a card's identifier holds, so a
// card's subsystem entry is found before its device line, and the chip's
// vendor line is the one the walk back from either reaches.  Each file opens
// with a comment line, so the first vendor line is within reach of that walk.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vrex::devicedb {

struct DatabaseLines {
  std::vector<std::string> net;
  std::vector<std::string> other;
  std::size_t fromDrivers = 0;    // devices the network drivers claim
  std::size_t fromTokenRing = 0;  // token-ring cards, named so by the PCI ID list
};

// The ANSI (Latin-1) form of a UTF-8 text; characters beyond it become "?".
std::string ToLatin1(std::string_view utf8);

DatabaseLines BuildDatabaseLines(std::string_view pciIds, std::string_view networkDevices);

// Both lists read from files; throws std::runtime_error naming a file that cannot be read.
DatabaseLines BuildDatabaseFromFiles(const std::string& pciIdsPath, const std::string& networkDevicesPath);

}  // namespace vrex::devicedb
