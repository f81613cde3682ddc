#pragma once
// TCP/IP settings: read from the registry afresh at every rendering, from the
// layout of the running Windows (2000, the 9x family or NT 4.0); empty under
// every other version.
#include <string>
#include <vector>

namespace vrex::gather {

// Of a comma list of servers: the text before the first comma (the whole text
// without one), and the text after it (empty without one).
std::string FirstServer(const std::string& servers);
std::string FurtherServers(const std::string& servers);

// The page's lines; hostIPAddress is the address gathered at start-up, which
// every layout shows in place of a registry value.
std::vector<std::string> tcpipdetailstostringlst(const std::string& hostIPAddress);
// The same with the program-wide start-up address.
std::vector<std::string> tcpipdetailstostringlst();

}  // namespace vrex::gather
