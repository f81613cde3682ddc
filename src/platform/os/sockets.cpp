#include "platform/os/sockets.h"

#include <cstdio>

#include "platform/os/ports.h"

namespace vrex::os {

std::string DottedQuad(const Ipv4& address) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%u.%u.%u.%u", address[0], address[1], address[2], address[3]);
  return buffer;
}

std::optional<std::vector<Ipv4>> OwnHostAddresses() {
  constexpr std::size_t kHostNameBufferLength = 64;
  WinsockSession winsock(0x0101);
  auto name = SocketsPort().HostName(kHostNameBufferLength);
  if (!name) return std::nullopt;
  return SocketsPort().AddressesOf(*name);
}

WinsockSession::WinsockSession(std::uint16_t versionRequested) {
  WinsockData data;
  error_ = SocketsPort().Startup(versionRequested, data);
  if (error_ == 0) data_ = data;
}

WinsockSession::~WinsockSession() { Close(); }

void WinsockSession::Close() {
  if (error_ != 0) return;
  SocketsPort().Cleanup();
  error_ = -1;
}

}  // namespace vrex::os
