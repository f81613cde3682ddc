#include "support/memory/memory_network.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <thread>

#include "platform/text.h"

namespace vrex::os::memory {
namespace {

constexpr int kNotInitialised = 10093;  // WSANOTINITIALISED

template <std::size_t N>
void SetField(std::array<char, N>& field, std::string_view text) {
  field.fill('\0');
  std::memcpy(field.data(), text.data(), std::min(text.size(), N));
}

}  // namespace

MemorySockets::MemorySockets() {
  data.version = 0x0101;
  data.highVersion = 0x0202;
  SetDescription("WinSock 2.0");
  SetSystemStatus("Running");
}

int MemorySockets::Startup(std::uint16_t versionRequested, WinsockData& out) {
  requestedVersions.push_back(versionRequested);
  if (throwOnStartup) throw std::runtime_error("Winsock start-up raised");
  if (startupError != 0) return startupError;
  ++startups;
  out = data;
  return 0;
}

int MemorySockets::Cleanup() {
  if (Outstanding() <= 0) return kNotInitialised;
  ++cleanups;
  return 0;
}

std::optional<std::string> MemorySockets::HostName(std::size_t bufferLength) {
  ++hostNameCalls;
  if (Outstanding() <= 0 || !hostName || hostName->size() + 1 > bufferLength) return std::nullopt;
  return *hostName;
}

std::optional<std::vector<Ipv4>> MemorySockets::AddressesOf(const std::string& name) {
  ++addressLookups;
  if (onAddressLookup) onAddressLookup();
  if (Outstanding() <= 0) return std::nullopt;
  auto found = hosts_.find(text::ToUpper(name));
  if (found == hosts_.end()) return std::nullopt;
  return found->second;
}

std::optional<std::string> MemorySockets::NameOf(const Ipv4& address) {
  ++nameLookups;
  if (Outstanding() <= 0) return std::nullopt;
  Pass(DurationOf(address));
  auto found = reverseNames.find(address);
  if (found == reverseNames.end()) return std::nullopt;
  return found->second;
}

std::optional<std::uint32_t> MemorySockets::StartNameLookup(const Ipv4& address) {
  if (startLookupFails || Outstanding() <= 0) return std::nullopt;
  ++lookupsStarted;
  underWay_.push_back(Lookup{++lastLookup_, address, Now() + DurationOf(address)});
  return lastLookup_;
}

void MemorySockets::WaitForMessage(std::uint32_t milliseconds) {
  const std::uint32_t now = Now();
  std::uint32_t wait = milliseconds;
  for (const Lookup& lookup : underWay_) {
    const auto left = static_cast<std::int32_t>(lookup.due - now);
    wait = std::min(wait, static_cast<std::uint32_t>(std::max(left, 0)));
  }
  Pass(wait);
}

std::vector<NameAnswer> MemorySockets::TakeNameAnswers() {
  const std::uint32_t now = Now();
  auto answered = std::stable_partition(underWay_.begin(), underWay_.end(), [&](const Lookup& lookup) {
    return static_cast<std::int32_t>(now - lookup.due) < 0;
  });
  std::stable_sort(answered, underWay_.end(),
                   [&](const Lookup& a, const Lookup& b) { return static_cast<std::int32_t>(a.due - b.due) < 0; });
  std::vector<NameAnswer> answers;
  for (auto lookup = answered; lookup != underWay_.end(); ++lookup) {
    NameAnswer answer;
    answer.lookup = lookup->number;
    if (auto found = reverseNames.find(lookup->address); found != reverseNames.end()) answer.name = found->second;
    answers.push_back(std::move(answer));
  }
  underWay_.erase(answered, underWay_.end());
  return answers;
}

void MemorySockets::CancelNameLookup(std::uint32_t lookup) {
  cancelled.push_back(lookup);
  std::erase_if(underWay_, [&](const Lookup& started) { return started.number == lookup; });
}

std::uint32_t MemorySockets::Now() const {
  if (simulatedTicks != nullptr) return *simulatedTicks;
  return static_cast<std::uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - created_).count());
}

void MemorySockets::Pass(std::uint32_t milliseconds) {
  if (simulatedTicks != nullptr)
    *simulatedTicks += milliseconds;
  else if (milliseconds > 0)
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

std::uint32_t MemorySockets::DurationOf(const Ipv4& address) const {
  auto found = lookupDelays.find(address);
  return found != lookupDelays.end() ? found->second : lookupMilliseconds;
}

std::optional<std::string> MemorySockets::ServiceOf(std::uint16_t port, const std::string& protocol) {
  ++serviceLookups;
  if (Outstanding() <= 0) return std::nullopt;
  auto found = services.find({port, protocol});
  if (found == services.end()) return std::nullopt;
  return found->second;
}

void MemorySockets::SetDescription(std::string_view text) { SetField(data.description, text); }
void MemorySockets::SetSystemStatus(std::string_view text) { SetField(data.systemStatus, text); }

void MemorySockets::AddHost(const std::string& name, std::vector<Ipv4> addresses) {
  hosts_[text::ToUpper(name)] = std::move(addresses);
}

std::optional<std::vector<InterfaceRow>> MemoryIpHelper::InterfaceTable() {
  if (fails) return std::nullopt;
  return rows;
}

void MemoryIpHelper::AddInterface(std::vector<std::uint8_t> physicalAddress) {
  rows.push_back(InterfaceRow{std::move(physicalAddress)});
}

std::uint8_t MemoryNetBios::Call(ControlBlock& block) {
  calls.push_back(Recorded{block.command, block.lana, block.length, std::string(block.callName.data(), 16)});
  auto finish = [&](std::uint8_t code) {
    block.returnCode = code;
    return code;
  };
  auto adapter = std::find_if(adapters.begin(), adapters.end(), [&](const Adapter& a) { return a.lana == block.lana; });
  switch (block.command) {
    case nb::kEnumerateCommand: {
      // Like Netbios, refuses a buffer shorter than LANA_ENUM (a count and 255 numbers).
      if (block.buffer == nullptr || block.length < 256) return finish(nb::kBufferTooSmall);
      std::vector<std::uint8_t> record;
      record.push_back(reportedCount.value_or(static_cast<std::uint8_t>(adapters.size())));
      for (const auto& a : adapters) record.push_back(a.lana);
      // A failing enumeration may still have written part of the record.
      std::memcpy(block.buffer, record.data(), std::min<std::size_t>(record.size(), block.length));
      return finish(enumerateResult);
    }
    case nb::kResetCommand:
      if (adapter == adapters.end()) return finish(nb::kInvalidLana);
      return finish(adapter->resetResult);
    case nb::kAdapterStatusCommand: {
      if (adapter == adapters.end()) return finish(nb::kInvalidLana);
      if (adapter->statusResult != nb::kGoodReturn) return finish(adapter->statusResult);
      if (block.buffer == nullptr || block.length < 60) return finish(nb::kBufferTooSmall);
      std::memcpy(block.buffer, adapter->address.data(), adapter->address.size());
      return finish(nb::kGoodReturn);
    }
    default: return finish(0x03);  // NRC_ILLCMD
  }
}

void MemoryNetBios::AddAdapter(std::uint8_t lana, std::array<std::uint8_t, 6> address) {
  adapters.push_back(Adapter{lana, address});
}

namespace {

class MemoryVariable : public SnmpVariable {
 public:
  explicit MemoryVariable(int& live) : live_(live) { ++live_; }
  ~MemoryVariable() override { --live_; }
  bool AppendToName(const Oid& ids) override {
    name.insert(name.end(), ids.begin(), ids.end());
    return true;
  }
  Oid Name() const override { return name; }
  SnmpValue Value() const override { return value; }

  Oid name;
  SnmpValue value;

 private:
  int& live_;
};

const Oid kTcpEntry = {1, 3, 6, 1, 2, 1, 6, 13, 1};
const Oid kUdpEntry = {1, 3, 6, 1, 2, 1, 7, 5, 1};

SnmpValue Integer(std::int32_t number) { return SnmpValue{asn::kInteger, number, {}}; }
SnmpValue Address(const Ipv4& address) {
  return SnmpValue{asn::kIpAddress, 0, std::vector<std::uint8_t>(address.begin(), address.end())};
}

void AppendAddress(Oid& oid, const Ipv4& address) { oid.insert(oid.end(), address.begin(), address.end()); }

}  // namespace

MemorySnmpAgent::MemorySnmpAgent() {
  // The scalars around the two tables, as a MIB-II agent serves them: the TCP
  // table's walk ends on tcpInErrs, the UDP group's scalars precede its table.
  for (std::uint32_t item : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u, 9u, 10u, 11u, 12u, 14u, 15u})
    SetObject({1, 3, 6, 1, 2, 1, 6, item, 0}, Integer(static_cast<std::int32_t>(item)));
  for (std::uint32_t item : {1u, 2u, 3u, 4u}) SetObject({1, 3, 6, 1, 2, 1, 7, item, 0}, Integer(0));
}

bool MemorySnmpAgent::ExtensionInit(std::uint32_t reference) {
  ++inits;
  uptimeReference = reference;
  return !initFails;
}

std::unique_ptr<SnmpVariable> MemorySnmpAgent::NewVariable() { return std::make_unique<MemoryVariable>(liveVariables); }

bool MemorySnmpAgent::ExtensionQuery(std::uint8_t pduType, SnmpVariable& variable, std::int32_t& errorStatus,
                                     std::int32_t& errorIndex) {
  auto& binding = dynamic_cast<MemoryVariable&>(variable);
  ++queries;
  errorStatus = asn::kNoError;
  errorIndex = 0;
  if (queries == failAtRequest) {
    if (failingErrorStatus == asn::kNoError) return false;
    errorStatus = failingErrorStatus;
    errorIndex = 1;
    return true;
  }
  const auto& ordered = Ordered();
  std::size_t index = ordered.size();
  if (pduType == asn::kGetNextRequest) {
    if (lastAnswer_ < ordered.size() && ordered[lastAnswer_]->first == binding.name) {
      index = lastAnswer_ + 1;
    } else {
      auto after = std::upper_bound(ordered.begin(), ordered.end(), binding.name,
                                    [](const Oid& name, const Object* object) { return name < object->first; });
      index = static_cast<std::size_t>(after - ordered.begin());
    }
  } else if (auto found = objects_.find(binding.name); found != objects_.end()) {
    index = static_cast<std::size_t>(
        std::lower_bound(ordered.begin(), ordered.end(), &*found,
                         [](const Object* a, const Object* b) { return a->first < b->first; }) -
        ordered.begin());
  }
  if (index >= ordered.size()) {
    // The end of the agent's view: the name is left as it was.
    errorStatus = asn::kNoSuchName;
    errorIndex = 1;
    return true;
  }
  lastAnswer_ = index;
  binding.name = ordered[index]->first;
  binding.value = ordered[index]->second;
  return true;
}

const std::vector<const MemorySnmpAgent::Object*>& MemorySnmpAgent::Ordered() {
  if (!orderedValid_) {
    ordered_.clear();
    ordered_.reserve(objects_.size());
    for (const auto& object : objects_) ordered_.push_back(&object);
    orderedValid_ = true;
    lastAnswer_ = 0;
  }
  return ordered_;
}

Oid MemorySnmpAgent::TcpCell(int column, Ipv4 local, std::uint32_t localPort, Ipv4 remote, std::uint32_t remotePort) {
  Oid oid = kTcpEntry;
  oid.push_back(static_cast<std::uint32_t>(column));
  AppendAddress(oid, local);
  oid.push_back(localPort);
  AppendAddress(oid, remote);
  oid.push_back(remotePort);
  return oid;
}

Oid MemorySnmpAgent::UdpCell(int column, Ipv4 local, std::uint32_t localPort) {
  Oid oid = kUdpEntry;
  oid.push_back(static_cast<std::uint32_t>(column));
  AppendAddress(oid, local);
  oid.push_back(localPort);
  return oid;
}

void MemorySnmpAgent::AddTcpRow(std::int32_t state, Ipv4 local, std::uint32_t localPort, Ipv4 remote,
                                std::uint32_t remotePort) {
  auto cell = [&](int column) { return TcpCell(column, local, localPort, remote, remotePort); };
  SetObject(cell(1), Integer(state));
  SetObject(cell(2), Address(local));
  SetObject(cell(3), Integer(static_cast<std::int32_t>(localPort)));
  SetObject(cell(4), Address(remote));
  SetObject(cell(5), Integer(static_cast<std::int32_t>(remotePort)));
}

void MemorySnmpAgent::AddUdpRow(Ipv4 local, std::uint32_t localPort) {
  SetObject(UdpCell(1, local, localPort), Address(local));
  SetObject(UdpCell(2, local, localPort), Integer(static_cast<std::int32_t>(localPort)));
}

void MemorySnmpAgent::SetObject(Oid name, SnmpValue value) {
  objects_[std::move(name)] = std::move(value);
  orderedValid_ = false;
}

void MemorySnmpAgent::RemoveObjects(const Oid& prefix) {
  orderedValid_ = false;
  std::erase_if(objects_, [&](const auto& object) {
    return object.first.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), object.first.begin());
  });
}

void MemoryUi::ProcessMessages() {
  ++processMessagesCalls;
  if (onProcessMessages) onProcessMessages();
}

}  // namespace vrex::os::memory
