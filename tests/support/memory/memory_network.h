#pragma once
// In-memory adapters of the network ports: Winsock, IP Helper, NetBIOS, the
// SNMP agent and the user interface.  Each is scriptable (answers, failing
// calls) and counts what was asked of it.
#include <array>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/os/ip_helper.h"
#include "platform/os/netbios.h"
#include "platform/os/snmp_agent.h"
#include "platform/os/sockets.h"
#include "platform/os/ui.h"

namespace vrex::os::memory {

// Lookups answer only while a start-up is outstanding, as Winsock does.
class MemorySockets : public Sockets {
 public:
  MemorySockets();
  int Startup(std::uint16_t versionRequested, WinsockData& data) override;
  int Cleanup() override;
  std::optional<std::string> HostName(std::size_t bufferLength) override;
  std::optional<std::vector<Ipv4>> AddressesOf(const std::string& hostName) override;
  std::optional<std::string> NameOf(const Ipv4& address) override;
  std::optional<std::uint32_t> StartNameLookup(const Ipv4& address) override;
  void WaitForMessage(std::uint32_t milliseconds) override;
  std::vector<NameAnswer> TakeNameAnswers() override;
  void CancelNameLookup(std::uint32_t lookup) override;
  std::optional<std::string> ServiceOf(std::uint16_t port, const std::string& protocol) override;

  // Sets the description or status field; text longer than the field fills it without a NUL.
  void SetDescription(std::string_view text);
  void SetSystemStatus(std::string_view text);
  void AddHost(const std::string& name, std::vector<Ipv4> addresses);
  int Outstanding() const { return startups - cleanups; }

  WinsockData data;
  int startupError = 0;                                           // non-zero: WSAStartup fails with it
  bool throwOnStartup = false;                                    // WSAStartup raises std::runtime_error
  std::optional<std::string> hostName = std::string("vrexhost");  // nothing: gethostname fails
  std::map<Ipv4, std::string> reverseNames;
  std::map<std::pair<std::uint16_t, std::string>, std::string> services;
  std::vector<std::uint16_t> requestedVersions;
  int startups = 0;
  int cleanups = 0;
  int hostNameCalls = 0;
  int addressLookups = 0;  // gethostbyname
  int nameLookups = 0;     // gethostbyaddr
  int serviceLookups = 0;  // getservbyport
  // How long a reverse lookup takes, alone or among others (those of
  // lookupDelays' addresses take their own time): a started lookup answers
  // once its time has passed, as many at once as were started.
  std::uint32_t lookupMilliseconds = 0;
  std::map<Ipv4, std::uint32_t> lookupDelays;
  // The lookups' clock: this tick count when set, which waiting moves on;
  // otherwise real time, and the lookups really take their time.
  std::uint32_t* simulatedTicks = nullptr;
  bool startLookupFails = false;         // WSAAsyncGetHostByAddr refuses every lookup
  int lookupsStarted = 0;                // WSAAsyncGetHostByAddr
  std::vector<std::uint32_t> cancelled;  // lookups cancelled, by number
  // Runs at the start of every gethostbyname, e.g. to change the answers between ticks.
  std::function<void()> onAddressLookup;

 private:
  struct Lookup {
    std::uint32_t number;
    Ipv4 address;
    std::uint32_t due;  // on the lookups' clock
  };
  std::uint32_t Now() const;
  void Pass(std::uint32_t milliseconds);
  std::uint32_t DurationOf(const Ipv4& address) const;

  std::map<std::string, std::vector<Ipv4>> hosts_;  // key: upper-cased name
  std::vector<Lookup> underWay_;                    // in starting order
  std::uint32_t lastLookup_ = 0;
  std::chrono::steady_clock::time_point created_ = std::chrono::steady_clock::now();
};

class MemoryIpHelper : public IpHelper {
 public:
  std::optional<std::vector<InterfaceRow>> InterfaceTable() override;
  // Adds a row with the given physical address (empty: no address).
  void AddInterface(std::vector<std::uint8_t> physicalAddress);
  bool fails = false;
  std::vector<InterfaceRow> rows;
};

// LANAs with their adapters; each call is recorded.
class MemoryNetBios : public NetBiosApi {
 public:
  struct Adapter {
    std::uint8_t lana = 0;
    std::array<std::uint8_t, 6> address{};
    std::uint8_t resetResult = nb::kGoodReturn;
    std::uint8_t statusResult = nb::kGoodReturn;
  };
  struct Recorded {
    std::uint8_t command;
    std::uint8_t lana;
    std::uint16_t length;
    std::string callName;
  };
  std::uint8_t Call(ControlBlock& block) override;
  void AddAdapter(std::uint8_t lana, std::array<std::uint8_t, 6> address);

  std::vector<Adapter> adapters;
  std::uint8_t enumerateResult = nb::kGoodReturn;
  // When set, the enumeration reports this count whatever the adapters are.
  std::optional<std::uint8_t> reportedCount;
  std::vector<Recorded> calls;
};

// An agent over a table of objects that answers GET-NEXT in MIB order.
class MemorySnmpAgent : public SnmpExtension {
 public:
  MemorySnmpAgent();
  bool ExtensionInit(std::uint32_t uptimeReference) override;
  std::unique_ptr<SnmpVariable> NewVariable() override;
  bool ExtensionQuery(std::uint8_t pduType, SnmpVariable& variable, std::int32_t& errorStatus,
                      std::int32_t& errorIndex) override;

  // A row of the TCP connection table (1.3.6.1.2.1.6.13.1) with all five columns.
  void AddTcpRow(std::int32_t state, Ipv4 local, std::uint32_t localPort, Ipv4 remote, std::uint32_t remotePort);
  // A row of the UDP listener table (1.3.6.1.2.1.7.5.1) with both columns.
  void AddUdpRow(Ipv4 local, std::uint32_t localPort);
  void SetObject(Oid name, SnmpValue value);
  // Removes every object whose name begins with prefix (e.g. one column).
  void RemoveObjects(const Oid& prefix);

  static Oid TcpCell(int column, Ipv4 local, std::uint32_t localPort, Ipv4 remote, std::uint32_t remotePort);
  static Oid UdpCell(int column, Ipv4 local, std::uint32_t localPort);

  bool initFails = false;
  int failAtRequest = 0;                            // the request with this number (from 1) returns false
  std::int32_t failingErrorStatus = asn::kNoError;  // error status of that failing request
  int inits = 0;
  int queries = 0;
  int liveVariables = 0;
  std::uint32_t uptimeReference = 0;

 private:
  using Object = std::pair<const Oid, SnmpValue>;
  // The objects in MIB order (vector order is MIB order); rebuilt after edits.
  const std::vector<const Object*>& Ordered();

  std::map<Oid, SnmpValue> objects_;
  std::vector<const Object*> ordered_;
  bool orderedValid_ = false;
  // A walk asks for the successor of the name it was just given: remember where that was.
  std::size_t lastAnswer_ = 0;
};

class MemoryUi : public UserInterface {
 public:
  void ProcessMessages() override;
  void SetCursor(Cursor cursor) override { cursors.push_back(cursor); }
  void Terminate() override { terminated = true; }
  bool Terminated() const override { return terminated; }

  int processMessagesCalls = 0;
  std::vector<Cursor> cursors;
  bool terminated = false;
  // Runs for each ProcessMessages: stands for the messages that were waiting.
  std::function<void()> onProcessMessages;
};

}  // namespace vrex::os::memory
