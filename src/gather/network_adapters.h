#pragma once
// The network adapters page: the adapter names gathered at start-up, and each
// adapter's driver details read afresh at every rendering.
#include <string>
#include <vector>

namespace vrex::gather {

// The program-wide adapter name list: the network and modem devices of the
// device list, on NT 4.0 the network cards' descriptions, then the titles of
// "driver" software.  Duplicates stay.
std::vector<std::string>& AdapterNameList();

// Rebuilds the adapter name list from the device list (and on NT 4.0 the
// network card keys).
void getnetcards();

// The page's lines: per adapter a navy title (its database name, else its
// own), the driver sub-header, the driver values present and a blank line.
// An entry without a device record shows its own plain navy line; on NT 4.0
// every entry does.
std::vector<std::string> netadapterstostringlst();

}  // namespace vrex::gather
