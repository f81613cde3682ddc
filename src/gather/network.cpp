#include "gather/network.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <unordered_set>

#include "gather/registry_reads.h"
#include "platform/os/ports.h"
#include "platform/text.h"

namespace vrex::gather {
namespace {

constexpr const char* kNTClassRoot = "SYSTEM\\CurrentControlSet\\Control\\Class";
constexpr const char* kWin9xClassRoot = "SYSTEM\\CurrentControlSet\\Services\\Class";
constexpr const char* kNT5NetworkRoot = "SYSTEM\\CurrentControlSet\\Control\\Network";

// The network object keeps its own platform test, apart from the program's
// version code: NT means NT 3.x and later, and NT 5 means 2000 and later,
// whose network components all sit in the NT 5 layout.
os::OsVersionInfo VersionBlock() {
  os::OsVersionInfo info{};
  if (!os::SystemPort().QueryVersion(info)) info = os::OsVersionInfo{};
  return info;
}

bool LibraryIsNT() {
  auto info = VersionBlock();
  return info.platformId == os::kPlatformWin32NT && info.majorVersion >= 3;
}

bool LibraryIsNT5() {
  auto info = VersionBlock();
  return info.platformId == os::kPlatformWin32NT && info.majorVersion >= 5;
}

// Fills a list with entries that no earlier one equals, ignoring case.  The
// upper-cased entries taken so far answer the question at once, however
// long the list grows.
class UniqueEntries {
 public:
  explicit UniqueEntries(std::vector<std::string>& list) : list_(list) {
    for (const auto& entry : list_) taken_.insert(text::ToUpper(entry));
  }
  void Add(const std::string& entry) {
    if (taken_.insert(text::ToUpper(entry)).second) list_.push_back(entry);
  }

 private:
  std::vector<std::string>& list_;
  std::unordered_set<std::string> taken_;
};

void ShowError(const std::exception& error, const char* caption) {
  os::MessagesPort().Show(error.what(), caption, os::mb::kOk | os::mb::kIconError);
}

template <std::size_t N>
std::string FieldText(const std::array<char, N>& field) {
  return text::UpToNul(std::string_view(field.data(), field.size()));
}

}  // namespace

void TWinsock::GetInfo() {
  try {
    os::WinsockSession winsock(0x0101);
    if (!winsock.Started()) {
      status_ = kWinsockNotInitialized;
      return;
    }
    const auto& data = winsock.Data();
    description_ = FieldText(data.description);
    status_ = FieldText(data.systemStatus);
    majorVersion_ = VersionMajor(data.highVersion);
    minorVersion_ = VersionMinor(data.highVersion);
  } catch (const std::exception& error) {
    ShowError(error, "TWinsock.GetInfo");
  }
}

TNetwork::TNetwork() : devices_(std::make_shared<EmptyDeviceSource>()) {}

void TNetwork::SetDeviceSource(std::shared_ptr<DeviceSource> source) {
  devices_ = source ? std::move(source) : std::make_shared<EmptyDeviceSource>();
}

std::string TNetwork::LocalAddressList() {
  std::string list;
  auto addresses = os::OwnHostAddresses();
  if (!addresses) return list;
  for (const auto& address : *addresses) list += os::DottedQuad(address) + ",";
  if (!list.empty()) list.pop_back();
  return list;
}

void TNetwork::GetInfo() {
  try {
    winsock_.GetInfo();

    ipAddresses_.clear();
    std::string addresses = LocalAddressList();
    for (std::size_t start = 0; !addresses.empty() && start <= addresses.size();) {
      std::size_t comma = std::min(addresses.find(',', start), addresses.size());
      ipAddresses_.push_back(addresses.substr(start, comma - start));
      start = comma + 1;
    }

    ReadAdapters();

    const bool nt5 = LibraryIsNT5();
    const std::string root = nt5 ? kNT5NetworkRoot : ClassRootKey();
    const std::string valueName = nt5 ? "Description" : "DriverDesc";
    ReadClassList(root, "NetTrans", valueName, protocols_);
    ReadClassList(root, "NetService", valueName, services_);
    ReadClassList(root, "NetClient", valueName, clients_);

    ReadNetBiosAddresses();
  } catch (const std::exception& error) {
    ShowError(error, "TNetwork.GetInfo");
  }
}

void TNetwork::ReadAdapters() {
  adapters_.clear();
  cardAdapterIndex_ = -1;
  std::vector<DeviceRecord> devices = devices_->Devices();
  std::stable_sort(devices.begin(), devices.end(), [](const DeviceRecord& a, const DeviceRecord& b) {
    return text::ToUpper(a.className) < text::ToUpper(b.className);
  });
  for (const auto& device : devices) {
    if (!text::StartsWithNoCase(device.className, "NET")) continue;
    adapters_.push_back(device.friendlyName.empty() ? device.description : device.friendlyName);
    if (!device.location.empty() && cardAdapterIndex_ == -1) cardAdapterIndex_ = static_cast<int>(adapters_.size()) - 1;
  }
}

void TNetwork::ReadNetBiosAddresses() {
  macAddresses_.clear();
  UniqueEntries addresses(macAddresses_);
  LanaEnum lanas = EnumerateLanas();
  for (std::size_t i = 0; i < lanas.length; ++i) {
    if (ResetLana(lanas.lana[i]) != os::nb::kGoodReturn) continue;
    addresses.Add(AdapterAddress(lanas.lana[i]));
  }
}

TNetwork& Network() {
  static TNetwork network;
  return network;
}

std::string ClassRootKey() { return LibraryIsNT() ? kNTClassRoot : kWin9xClassRoot; }

void ReadClassList(const std::string& rootPath, const std::string& className, const std::string& valueName,
                   std::vector<std::string>& list) {
  list.clear();
  const std::vector<std::string> classKeys = SubKeyNamesOf(os::RootKey::LocalMachine, rootPath);
  const bool nt = LibraryIsNT();
  for (const auto& name : classKeys) {
    auto key = OpenMachineKey(rootPath + "\\" + name);
    if (!key) continue;
    auto keyClass = key->ReadText("Class");
    if (!keyClass || !text::EqualsNoCase(*keyClass, className)) continue;

    std::string classKey = name;
    if (!nt) {
      // The 9x class entry links to the key that holds the class's drivers.
      classKey = text::ToUpper(key->ReadText("Link").value_or(""));
      key.reset();
      if (classKey.empty()) return;
      key = OpenMachineKey(rootPath + "\\" + classKey);
      if (!key) return;
    }
    std::vector<std::string> entries = key->SubKeyNames();
    key.reset();
    UniqueEntries unique(list);
    for (const auto& entryName : entries) {
      auto entry = OpenMachineKey(rootPath + "\\" + classKey + "\\" + entryName);
      if (!entry) continue;
      if (auto value = entry->ReadText(valueName)) unique.Add(*value);
    }
    // Only the first matching class key counts.
    return;
  }
}

std::uint8_t NetbiosCall(os::ControlBlock& block) { return os::NetBiosPort().Call(block); }

LanaEnum EnumerateLanas() {
  std::array<std::uint8_t, kLanaEnumLength> record{};
  os::ControlBlock block;
  block.command = os::nb::kEnumerateCommand;
  block.buffer = record.data();
  block.length = kLanaEnumLength;
  if (NetbiosCall(block) != os::nb::kGoodReturn) record[0] = 0;
  LanaEnum lanas;
  lanas.length = record[0];  // a byte: never beyond the record's room
  std::copy_n(record.begin() + 1, lanas.lana.size(), lanas.lana.begin());
  return lanas;
}

std::uint8_t ResetLana(std::uint8_t lana) {
  os::ControlBlock block;
  block.command = os::nb::kResetCommand;
  block.lana = lana;
  return NetbiosCall(block);
}

std::string AdapterAddress(std::uint8_t lana) {
  std::array<std::uint8_t, kAdapterStatusLength> status{};
  os::ControlBlock block;
  block.command = os::nb::kAdapterStatusCommand;
  block.buffer = status.data();
  block.length = kAdapterStatusLength;
  block.callName.fill(' ');
  block.callName[0] = '*';
  block.lana = lana;
  if (NetbiosCall(block) != os::nb::kGoodReturn) return kUnknownHardwareAddress;
  char text[18];
  std::snprintf(text, sizeof text, "%2.2x:%2.2x:%2.2x:%2.2x:%2.2x:%2.2x", status[0], status[1], status[2], status[3],
                status[4], status[5]);
  return text;
}

}  // namespace vrex::gather
