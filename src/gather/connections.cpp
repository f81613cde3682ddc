#include "gather/connections.h"

#include <algorithm>
#include <array>
#include <set>

#include "gather/label_value_line.h"
#include "platform/os/ports.h"
#include "platform/ui/art_ids.h"

namespace vrex::gather {
namespace {

constexpr std::size_t kLocalHostNameBufferLength = 256;
constexpr std::size_t kTableEntryLength = 9;  // components of a table's entry identifier
constexpr std::size_t kColumnIndex = 9;       // the tenth component names the column

constexpr std::array<const char*, 12> kTcpStateNames = {
    "???",      "CLOSED",    "LISTENING",  "SYN_SENT", "SEN_RECEIVED", "ESTABLISHED",
    "FIN_WAIT", "FIN_WAIT2", "CLOSE_WAIT", "CLOSING",  "LAST_ACK",     "TIME_WAIT",
};

constexpr os::Ipv4 kNoAddress = {0, 0, 0, 0};
constexpr os::Ipv4 kLoopback = {127, 0, 0, 1};

constexpr const char* kValueStart = "<IND x=\"200\"><FONT color=\"clmaroon\">";
constexpr const char* kLabelStart = "<FONT COLOR=\"clblue\" SIZE=\"8\">";

os::Ipv4 AddressOf(const os::SnmpValue& value) {
  os::Ipv4 address{};
  std::copy_n(value.bytes.begin(), std::min(value.bytes.size(), address.size()), address.begin());
  return address;
}

std::uint32_t NumberOf(const os::SnmpValue& value) { return static_cast<std::uint32_t>(value.number); }

std::string ValueLine(const char* label, const std::string& value) {
  return MarkupLine(std::string(kLabelStart) + label + kValueStart, value);
}

}  // namespace

const os::Oid kTcpConnTable = {1, 3, 6, 1, 2, 1, 6, 13, 1, 0};
const os::Oid kUdpTable = {1, 3, 6, 1, 2, 1, 7, 5, 1, 0};

TConnRing::TConnRing() : nodes_(1) {}

TConnRing::Position TConnRing::InsertAfter(Position position) {
  Position added = nodes_.size();
  Position following = nodes_[position].next;
  nodes_.push_back(Node{TConnRecord{}, position, following});
  nodes_[position].next = added;
  nodes_[following].previous = added;
  return added;
}

std::vector<TConnRecord> TConnRing::Records() const {
  std::vector<TConnRecord> records;
  records.reserve(Size());
  for (Position p = First(); p != kHead; p = Next(p)) records.push_back(nodes_[p].record);
  return records;
}

std::string TcpStateName(std::int32_t state) {
  if (state >= 0 && static_cast<std::size_t>(state) < kTcpStateNames.size()) return kTcpStateNames[state];
  if (state == 12) return "DELETE_TCB";
  return std::to_string(state);
}

void ConnectionWalk::StartWinsock() {
  lines_.clear();
  winsock_.emplace(0x0101);
  if (!winsock_->Started()) {
    os::MessagesPort().Show("Could not initialize Winsock.", "Error", os::mb::kOk | os::mb::kIconError);
    os::UiPort().Terminate();
  }
  localHostName_ = os::SocketsPort().HostName(kLocalHostNameBufferLength).value_or("");
  os::UiPort().ProcessMessages();
  os::ScopedCursor cursor(os::UiPort(), os::Cursor::AppStart);
  ReadConnectionTables();
}

void ConnectionWalk::StopWinsock() { winsock_.reset(); }

void ConnectionWalk::ReadConnectionTables() {
  walkStarted_ = os::SystemPort().TickCount();
  if (!os::SnmpPort().ExtensionInit(walkStarted_)) return;
  // A failed request ends the whole walk: the unfinished table and the ones
  // after it add nothing.  A walk cut short keeps the rows it has.
  Outcome outcome = WalkTable(kTcpConnTable, tcp_, true);
  if (outcome == Outcome::Failed) return;
  LookUpRemoteNames();
  RenderTcp();
  if (outcome == Outcome::CutShort) return;
  outcome = WalkTable(kUdpTable, udp_, false);
  if (outcome == Outcome::Failed) return;
  RenderUdp();
}

bool ConnectionWalk::TimeIsUp() const {
  return static_cast<std::uint32_t>(os::SystemPort().TickCount() - walkStarted_) >= kLongestWalkMilliseconds;
}

ConnectionWalk::Outcome ConnectionWalk::WalkTable(const os::Oid& table, TConnRing& ring, bool tcp) {
  auto& agent = os::SnmpPort();
  auto variable = agent.NewVariable();
  if (!variable || !variable->AppendToName(table)) return Outcome::Failed;
  const os::Oid entry(table.begin(), table.begin() + kTableEntryLength);
  os::Oid request = table;
  std::uint32_t column = 1;
  TConnRing::Position cursor = TConnRing::kHead;
  for (std::size_t answers = 0;; ++answers) {
    if (answers == kMostAnswersPerTable || TimeIsUp()) {
      return Outcome::CutShort;
    }
    std::int32_t errorStatus = os::asn::kNoError;
    std::int32_t errorIndex = 0;
    if (!agent.ExtensionQuery(os::asn::kGetNextRequest, *variable, errorStatus, errorIndex)) return Outcome::Failed;
    // "No such name" to a GET-NEXT is the end of the agent's view.
    if (errorStatus == os::asn::kNoSuchName) return Outcome::Finished;
    if (errorStatus != os::asn::kNoError) return Outcome::Failed;
    os::Oid name = variable->Name();
    if (name.size() <= kColumnIndex || !std::equal(entry.begin(), entry.end(), name.begin())) return Outcome::Finished;
    // An agent that does not move forward would keep the walk going for ever.
    if (!(request < name)) return Outcome::Failed;
    const std::uint32_t nameColumn = name[kColumnIndex];
    request.swap(name);

    const os::SnmpValue value = variable->Value();
    if (nameColumn != column) {
      column = nameColumn;
      cursor = ring.First();
    }
    if (column == 1) {
      if (ring.Size() == kMostRowsPerTable) {
        return Outcome::CutShort;
      }
      // The first column creates the records; the later ones fill them in the same row order.
      cursor = ring.InsertAfter(cursor);
      if (tcp) {
        ring[cursor].State = value.number;
      } else {
        ring[cursor].LocalAddr = AddressOf(value);
      }
      continue;
    }
    if (column > (tcp ? 5u : 2u)) continue;
    // A later column with more rows than the first one created: the extra cells are dropped.
    if (cursor == TConnRing::kHead) continue;
    TConnRecord& record = ring[cursor];
    if (!tcp) {
      record.LocalPort = NumberOf(value);
    } else {
      switch (column) {
        case 2: record.LocalAddr = AddressOf(value); break;
        case 3: record.LocalPort = NumberOf(value); break;
        case 4: record.RemoteAddr = AddressOf(value); break;
        case 5: record.RemotePort = NumberOf(value); break;
      }
    }
    cursor = ring.Next(cursor);
  }
}

void ConnectionWalk::RenderTcp() {
  for (const auto& record : tcp_.Records()) {
    std::string local = AddrName(true, record.LocalAddr) + ": " + PortName(record.LocalPort, "tcp");
    std::string remote = record.RemoteAddr == kNoAddress
                             ? std::string("0.0.0.0: 0")
                             : AddrName(false, record.RemoteAddr) + ": " + PortName(record.RemotePort, "tcp");
    lines_.push_back(IconTag(ART_ICON_NETWORK_PLUG) + " <FONT color=\"clnavy\" SIZE=\"10\">TCP</FONT>");
    lines_.push_back(ValueLine("Local adress: ", local));
    lines_.push_back(ValueLine("Remote adress: ", remote));
    lines_.push_back(ValueLine("State:", TcpStateName(record.State)));
  }
}

void ConnectionWalk::RenderUdp() {
  for (const auto& record : udp_.Records()) {
    std::string local = AddrName(true, record.LocalAddr) + ": " + PortName(record.LocalPort, "udp");
    lines_.push_back(IconTag(ART_ICON_NETWORK_PLUG) + " <FONT color=\"clnavy\" SIZE=\"10\">UDP</FONT>");
    lines_.push_back(ValueLine("Local adress:", local));
    lines_.push_back(ValueLine("Remote adress:", "*.*.*.*: *"));
    lines_.push_back(ValueLine("State:", TcpStateName(record.State)));
  }
}

void ConnectionWalk::LookUpRemoteNames() {
  std::vector<os::Ipv4> unnamed;  // in row order
  std::set<os::Ipv4> seen;
  for (TConnRing::Position p = tcp_.First(); p != TConnRing::kHead; p = tcp_.Next(p)) {
    const os::Ipv4& address = tcp_[p].RemoteAddr;
    if (address == kNoAddress || address == kLoopback || addressNames_.contains(address)) continue;
    if (seen.insert(address).second) unnamed.push_back(address);
  }
  if (unnamed.empty()) return;
  // The wait dialog repaints before the lookups, and while they run.
  os::UiPort().ProcessMessages();
  std::map<std::uint32_t, os::Ipv4> underWay;  // by lookup number
  for (const os::Ipv4& address : unnamed) {
    if (auto lookup = os::SocketsPort().StartNameLookup(address)) {
      underWay.emplace(*lookup, address);
    } else {
      // Winsock would not take it: this one is looked up alone.
      addressNames_.emplace(address, LookUpNow(address));
    }
  }
  const std::uint32_t waitStarted = os::SystemPort().TickCount();
  while (!underWay.empty()) {
    os::UiPort().ProcessMessages();
    for (const auto& answer : os::SocketsPort().TakeNameAnswers()) {
      auto found = underWay.find(answer.lookup);
      if (found == underWay.end()) continue;
      addressNames_.emplace(found->second, answer.name.value_or(os::DottedQuad(found->second)));
      underWay.erase(found);
    }
    if (underWay.empty()) break;
    const std::uint32_t waited = os::SystemPort().TickCount() - waitStarted;
    if (waited >= kLongestLookupWaitMilliseconds) break;
    os::SocketsPort().WaitForMessage(kLongestLookupWaitMilliseconds - waited);
  }
  for (const auto& [lookup, address] : underWay) {
    os::SocketsPort().CancelNameLookup(lookup);
    addressNames_.emplace(address, os::DottedQuad(address));
  }
}

std::string ConnectionWalk::LookUpNow(const os::Ipv4& address) {
  // Reverse lookups can be slow: let the wait dialog repaint first.
  os::UiPort().ProcessMessages();
  return os::SocketsPort().NameOf(address).value_or(os::DottedQuad(address));
}

std::string ConnectionWalk::AddrName(bool local, const os::Ipv4& address) {
  if (local) return localHostName_;
  if (address == kNoAddress) return "0.0.0.0";
  if (address == kLoopback) return "localhost";
  if (auto known = addressNames_.find(address); known != addressNames_.end()) return known->second;
  std::string name = LookUpNow(address);
  addressNames_.emplace(address, name);
  return name;
}

std::string ConnectionWalk::PortName(std::uint32_t port, const std::string& protocol) {
  auto& known = portNames_[protocol];
  if (auto found = known.find(port); found != known.end()) return found->second;
  std::string name = std::to_string(port);
  // A value outside the port range is shown as it is, not looked up truncated.
  if (port <= 0xFFFF) {
    os::UiPort().ProcessMessages();
    if (auto service = os::SocketsPort().ServiceOf(static_cast<std::uint16_t>(port), protocol)) name = *service;
  }
  known.emplace(port, name);
  return name;
}

std::vector<std::string> connectionstostringlst() {
  ConnectionWalk walk;
  walk.StartWinsock();
  std::vector<std::string> lines = walk.Lines();
  walk.StopWinsock();
  return lines;
}

}  // namespace vrex::gather
