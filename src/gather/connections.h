#pragma once
// Active connections: the TCP connection and UDP listener tables walked
// through the SNMP agent of the TCP/IP MIB, with host and service names from
// Winsock, rendered as display lines once at start-up.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/os/snmp_agent.h"
#include "platform/os/sockets.h"

namespace vrex::gather {

// One row of a walked table; a new record is all zero.
struct TConnRecord {
  std::int32_t State = 0;  // TCP connection state; 0 for UDP rows
  os::Ipv4 LocalAddr{};
  std::uint32_t LocalPort = 0;   // host order
  os::Ipv4 RemoteAddr{};         // TCP only
  std::uint32_t RemotePort = 0;  // TCP only
};

// A doubly linked ring of records behind a fixed head, kept in a vector and
// linked by index.  The head (position 0) holds no row: walking from it with
// Next visits every record once and comes back to it.
class TConnRing {
 public:
  using Position = std::size_t;
  static constexpr Position kHead = 0;

  TConnRing();
  // The first record, or the head when the ring is empty.
  Position First() const { return nodes_[kHead].next; }
  Position Next(Position position) const { return nodes_[position].next; }
  Position Previous(Position position) const { return nodes_[position].previous; }
  // Links a new, all-zero record in after position and returns it.
  Position InsertAfter(Position position);
  TConnRecord& operator[](Position position) { return nodes_[position].record; }
  const TConnRecord& operator[](Position position) const { return nodes_[position].record; }
  std::size_t Size() const { return nodes_.size() - 1; }
  // The records in ring order.
  std::vector<TConnRecord> Records() const;

 private:
  struct Node {
    TConnRecord record;
    Position previous = kHead;
    Position next = kHead;
  };
  std::vector<Node> nodes_;
};

// The texts of the TCP states 0 to 11; 12 is "DELETE_TCB", anything else its number.
std::string TcpStateName(std::int32_t state);

// The table identifiers: the table's entry followed by 0.
extern const os::Oid kTcpConnTable;  // 1.3.6.1.2.1.6.13.1.0
extern const os::Oid kUdpTable;      // 1.3.6.1.2.1.7.5.1.0

// One collection of the connection lines, with the state of the walk: the
// collected lines, the local host name, both rings and the names looked up.
// Reverse and service lookups are made once per distinct address or port and
// protocol within one collection.  The reverse lookups of the TCP rows'
// remote addresses run all at once, their answers arriving as window
// messages while the walk lets the messages through; the other lookups are
// made one at a time.
class ConnectionWalk {
 public:
  ConnectionWalk() = default;
  ConnectionWalk(const ConnectionWalk&) = delete;
  ConnectionWalk& operator=(const ConnectionWalk&) = delete;

  // Starts Winsock 1.1 (a failure is shown and ends the program, the rest
  // still runs), reads the host name, lets pending messages through and walks
  // the tables under the application-start cursor.
  void StartWinsock();
  void StopWinsock();
  // Walks the TCP then the UDP table and renders each table that finished.
  void ReadConnectionTables();

  std::string AddrName(bool local, const os::Ipv4& address);
  std::string PortName(std::uint32_t port, const std::string& protocol);

  const std::vector<std::string>& Lines() const { return lines_; }
  const std::string& LocalHostName() const { return localHostName_; }
  const TConnRing& TcpRing() const { return tcp_; }
  const TConnRing& UdpRing() const { return udp_; }

 private:
  enum class Outcome { Finished, Failed, CutShort };
  // Whether the walk's time is up (the tick count wraps after 49 days).
  bool TimeIsUp() const;
  Outcome WalkTable(const os::Oid& table, TConnRing& ring, bool tcp);
  // Names every remote address of the TCP rows not named yet: starts one
  // lookup per address, in row order, then waits for the answers.
  void LookUpRemoteNames();
  // One synchronous reverse lookup, after the waiting messages.
  std::string LookUpNow(const os::Ipv4& address);
  void RenderTcp();
  void RenderUdp();

  std::optional<os::WinsockSession> winsock_;
  std::uint32_t walkStarted_ = 0;
  std::string localHostName_;
  std::vector<std::string> lines_;
  TConnRing tcp_;
  TConnRing udp_;
  std::map<os::Ipv4, std::string> addressNames_;
  std::map<std::string, std::unordered_map<std::uint32_t, std::string>> portNames_;  // by protocol, then port
};

// How far one walk may go: an agent whose table never ends must not hold up
// start-up or fill the memory.  A walk that reaches a bound keeps the rows of
// the table it was in, renders them, and walks no further table, as after a
// failed request.
inline constexpr std::size_t kMostRowsPerTable = 65536;
inline constexpr std::size_t kMostAnswersPerTable = kMostRowsPerTable * 8;
inline constexpr std::uint32_t kLongestWalkMilliseconds = 10000;
// How long the reverse lookups of one walk wait for their answers, all
// together: an address whose answer has not come by then shows as after a
// failed lookup, so that a name server that never answers cannot hold up
// start-up.
inline constexpr std::uint32_t kLongestLookupWaitMilliseconds = 5000;

// The lines of every TCP row followed by those of every UDP row; a new list
// owned by the caller.
std::vector<std::string> connectionstostringlst();

}  // namespace vrex::gather
