#pragma once
// The protocols, services and clients pages: the network object's class
// lists, plus the software that declares its type under "SOFTWARE\Microsoft",
// gathered once at start-up.
#include <string>
#include <vector>

namespace vrex::gather {

std::vector<std::string>& ProtocolList();
std::vector<std::string>& ServiceList();
std::vector<std::string>& ClientList();

// Refreshes the network object, copies its lists, then adds each product's
// "Title" by its "SoftwareType": "transport" to the protocols, "service" to
// the services, "driver" to the adapter name list (exact comparison).
void getprotocolsetc();

std::vector<std::string> protocolstostringlst();
std::vector<std::string> servicestostringlst();
std::vector<std::string> clientstostringlst();

}  // namespace vrex::gather
