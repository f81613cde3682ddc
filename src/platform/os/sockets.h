#pragma once
// Winsock 1.1 as the gatherers use it: start-up data, the host name, host
// lookups by name and by address (one at a time, or many at once with the
// answers arriving as window messages), and service lookups by port.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vrex::os {

// An IPv4 address, its four bytes in network order.
using Ipv4 = std::array<std::uint8_t, 4>;

// The fields of WSAStartup's data block that the program reads; the two texts
// are the block's fixed-size fields, not necessarily NUL-terminated.
struct WinsockData {
  std::uint16_t version = 0;
  std::uint16_t highVersion = 0;
  std::array<char, 257> description{};
  std::array<char, 129> systemStatus{};
};

// One asynchronous reverse lookup's answer: the name, or nothing when the lookup failed.
struct NameAnswer {
  std::uint32_t lookup = 0;
  std::optional<std::string> name;
};

class Sockets {
 public:
  virtual ~Sockets() = default;
  // WSAStartup: 0 or the error code; data is written only on success.
  virtual int Startup(std::uint16_t versionRequested, WinsockData& data) = 0;
  // WSACleanup: 0 or the error code.
  virtual int Cleanup() = 0;
  // gethostname into a buffer of bufferLength bytes; nothing when the call
  // fails, which includes a name that does not fit.
  virtual std::optional<std::string> HostName(std::size_t bufferLength) = 0;
  // gethostbyname: the entry's address list in resolver order; nothing when the lookup fails.
  virtual std::optional<std::vector<Ipv4>> AddressesOf(const std::string& hostName) = 0;
  // gethostbyaddr with 4 bytes of family AF_INET: the entry's name; nothing when the lookup fails.
  virtual std::optional<std::string> NameOf(const Ipv4& address) = 0;
  // WSAAsyncGetHostByAddr with 4 bytes of family AF_INET: starts a lookup
  // whose answer arrives as a window message to the user-interface thread;
  // the lookup's number (never 0), or nothing when it could not be started.
  virtual std::optional<std::uint32_t> StartNameLookup(const Ipv4& address) = 0;
  // Waits until a window message arrives (an answer among them) or the
  // milliseconds pass, without dispatching it (MsgWaitForMultipleObjects).
  virtual void WaitForMessage(std::uint32_t milliseconds) = 0;
  // The answers delivered since the last call, in the order they arrived.
  // Answers come in while the thread's messages are dispatched.
  virtual std::vector<NameAnswer> TakeNameAnswers() = 0;
  // WSACancelAsyncRequest: the lookup's answer, should it still come, is dropped.
  virtual void CancelNameLookup(std::uint32_t lookup) = 0;
  // getservbyport for a port in host order (the adapter converts it with htons).
  virtual std::optional<std::string> ServiceOf(std::uint16_t port, const std::string& protocol) = 0;
};

// The address in the form inet_ntoa gives it.
std::string DottedQuad(const Ipv4& address);

// The host's own addresses in resolver order: gethostname into a 64-byte
// buffer, then gethostbyname of that name, inside one Winsock 1.1 session.
// Nothing when Winsock, the name or the lookup fails.
std::optional<std::vector<Ipv4>> OwnHostAddresses();

// One WSAStartup, matched by exactly one WSACleanup when it succeeded.
class WinsockSession {
 public:
  explicit WinsockSession(std::uint16_t versionRequested = 0x0101);
  ~WinsockSession();
  WinsockSession(const WinsockSession&) = delete;
  WinsockSession& operator=(const WinsockSession&) = delete;

  bool Started() const { return error_ == 0; }
  int Error() const { return error_; }
  const WinsockData& Data() const { return data_; }
  // Cleans up now rather than at the end of the scope.
  void Close();

 private:
  WinsockData data_;
  int error_ = -1;
};

}  // namespace vrex::os
