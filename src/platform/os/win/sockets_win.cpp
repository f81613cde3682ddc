#include <windows.h>  // with winsock.h: Winsock 1.1 of wsock32

#include <cstring>
#include <vector>

#include "platform/os/win/network_ports_win.h"

namespace vrex::os::win {

int Win32Sockets::Startup(std::uint16_t versionRequested, WinsockData& data) {
  WSADATA block;
  std::memset(&block, 0, sizeof block);
  int error = WSAStartup(versionRequested, &block);
  if (error != 0) return error;
  data.version = block.wVersion;
  data.highVersion = block.wHighVersion;
  static_assert(sizeof block.szDescription == 257 && sizeof block.szSystemStatus == 129);
  std::memcpy(data.description.data(), block.szDescription, data.description.size());
  std::memcpy(data.systemStatus.data(), block.szSystemStatus, data.systemStatus.size());
  return 0;
}

int Win32Sockets::Cleanup() { return WSACleanup() == 0 ? 0 : WSAGetLastError(); }

std::optional<std::string> Win32Sockets::HostName(std::size_t bufferLength) {
  std::vector<char> buffer(bufferLength + 1, '\0');
  if (gethostname(buffer.data(), static_cast<int>(bufferLength)) != 0) return std::nullopt;
  return std::string(buffer.data());
}

std::optional<std::vector<Ipv4>> Win32Sockets::AddressesOf(const std::string& hostName) {
  const hostent* entry = gethostbyname(hostName.c_str());
  if (entry == nullptr) return std::nullopt;
  std::vector<Ipv4> addresses;
  if (entry->h_addrtype != AF_INET || entry->h_length != 4) return addresses;
  for (char** item = entry->h_addr_list; *item != nullptr; ++item) {
    Ipv4 address;
    std::memcpy(address.data(), *item, 4);
    addresses.push_back(address);
  }
  return addresses;
}

std::optional<std::string> Win32Sockets::NameOf(const Ipv4& address) {
  const hostent* entry = gethostbyaddr(reinterpret_cast<const char*>(address.data()), 4, AF_INET);
  if (entry == nullptr || entry->h_name == nullptr) return std::nullopt;
  return std::string(entry->h_name);
}

std::optional<std::string> Win32Sockets::ServiceOf(std::uint16_t port, const std::string& protocol) {
  const servent* entry = getservbyport(htons(port), protocol.c_str());
  if (entry == nullptr || entry->s_name == nullptr) return std::nullopt;
  return std::string(entry->s_name);
}

}  // namespace vrex::os::win
