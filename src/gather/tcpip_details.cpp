#include "gather/tcpip_details.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>

#include "gather/basic_info.h"
#include "gather/label_value_line.h"
#include "gather/registry_reads.h"
#include "lang/language.h"
#include "lang/multistring.h"
#include "lang/os_version.h"
#include "lang/string_ids.h"
#include "platform/ui/art_ids.h"

namespace vrex::gather {
namespace {

using Lines = std::vector<std::string>;
using KeyPtr = std::unique_ptr<os::RegistryKey>;

constexpr const char* kAdapters = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Adapters";
constexpr const char* kServices = "SYSTEM\\CurrentControlSet\\Services";
constexpr const char* kNetTrans = "System\\CurrentControlSet\\Services\\Class\\NetTrans";
constexpr const char* kMstcp = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
constexpr const char* kNt4Adapter = "SYSTEM\\CurrentControlSet\\Services\\TC5081\\Parameters\\Tcpip";
constexpr const char* kNt4Tcpip = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";

const std::string kLabelStart = IconTag(ART_ICON_COMPUTER) + " <FONT color=\"clblue\" size=\"10\">";

std::string ValueLine(int labelId, const std::string& value) {
  return MarkupLine(kLabelStart + GetLangString(labelId) + "<IND x=\"200\"><FONT color=\"clmaroon\">", value);
}

// NT 4.0 shows the address after a second icon, blue and not indented.
std::string Nt4AddressLine(const std::string& value) {
  return MarkupLine(
      kLabelStart + GetLangString(IDS_TCPIP_IP_ADDRESS) + IconTag(ART_ICON_COMPUTER) + " <FONT color=\"clblue\">",
      value);
}

// A multi-string value read whole, its entries run together: the interface
// key's path.
std::optional<std::string> MultiText(const os::RegistryKey& key, const char* name) {
  auto data = key.ReadRaw(name, os::kWholeValue);
  if (!data) return std::nullopt;
  return JoinMultiString(*data);
}

// A mask or gateway list as a user reads it: the entries separated by ", ".
void AddMultiTextLine(Lines& lines, const os::RegistryKey& key, const char* name, int labelId) {
  if (!key.ValueExists(name)) return;
  if (auto data = key.ReadRaw(name, os::kWholeValue)) lines.push_back(ValueLine(labelId, MultiStringList(*data)));
}

// A DHCP switch that is not a number gives no line rather than a guess.
void AddDhcpLine(Lines& lines, const os::RegistryKey& key) {
  if (!key.ValueExists("EnableDHCP")) return;
  if (auto enabled = key.ReadInteger("EnableDHCP"))
    lines.push_back(ValueLine(IDS_TCPIP_DHCP_ENABLED, GetLangString(*enabled != 0 ? IDS_TCPIP_YES : IDS_TCPIP_NO)));
}

void AddNameServerLines(Lines& lines, const os::RegistryKey& key) {
  if (!key.ValueExists("NameServer")) return;
  std::string servers = key.ReadText("Nameserver").value_or("");
  lines.push_back(ValueLine(IDS_TCPIP_PRIMARY_DNS, FirstServer(servers)));
  lines.push_back(ValueLine(IDS_TCPIP_OTHER_DNS, FurtherServers(servers)));
}

// The adapter's own address: the one its DHCP lease gave when DHCP is on,
// else the first it is configured with; the host's address only when the
// interface key holds neither.
std::string InterfaceAddress(const os::RegistryKey& settings, const std::string& hostIPAddress) {
  const bool dhcp = settings.ValueExists("EnableDHCP") && settings.ReadInteger("EnableDHCP").value_or(0) != 0;
  if (dhcp && settings.ValueExists("DhcpIPAddress")) {
    std::string leased = settings.ReadText("DhcpIPAddress").value_or("");
    if (!leased.empty()) return leased;
  }
  if (settings.ValueExists("IPAddress")) {
    if (auto data = settings.ReadRaw("IPAddress", os::kWholeValue)) {
      std::string first(data->begin(), std::find(data->begin(), data->end(), std::uint8_t{0}));
      if (!first.empty()) return first;
    }
  }
  return hostIPAddress;
}

// Windows 2000, XP and later: each adapter names the key of its interface settings.
void InterfaceKeyLines(Lines& lines, const std::string& hostIPAddress) {
  std::vector<std::string> adapters;
  if (auto key = OpenMachineKey(kAdapters)) adapters = key->SubKeyNames();
  for (const std::string& adapter : adapters) {
    std::string settingsPath;
    {
      auto key = OpenMachineKey(std::string(kAdapters) + "\\" + adapter);
      if (!key || !key->ValueExists("IpConfig")) continue;
      // An adapter whose path cannot be read is skipped.
      auto path = MultiText(*key, "IpConfig");
      if (!path) continue;
      settingsPath = *path;
    }
    auto settings = OpenMachineKey(std::string(kServices) + "\\" + settingsPath);
    if (!settings) continue;
    lines.push_back(ValueLine(IDS_TCPIP_IP_ADDRESS, InterfaceAddress(*settings, hostIPAddress)));
    AddMultiTextLine(lines, *settings, "SubnetMask", IDS_TCPIP_SUBNET_MASK);
    AddNameServerLines(lines, *settings);
    AddMultiTextLine(lines, *settings, "DefaultGateway", IDS_TCPIP_DEFAULT_GATEWAY);
    AddDhcpLine(lines, *settings);
  }
}

// The 9x family: the transport key that holds the host's address is the one
// configured with a fixed address; without one, the last key walked speaks.
void Win9xLines(Lines& lines, const std::string& hostIPAddress) {
  lines.push_back(ValueLine(IDS_TCPIP_IP_ADDRESS, hostIPAddress));
  KeyPtr key = OpenMachineKey(kNetTrans);
  if (!key) return;
  std::string found;
  for (const std::string& name : key->SubKeyNames()) {
    key = OpenMachineKey(std::string(kNetTrans) + "\\" + name);
    if (key && key->ValueExists("IPAddress"))
      if (auto address = key->ReadText("IPAddress")) found = *address;
    if (found == hostIPAddress) break;
  }
  const bool fixed = found == hostIPAddress;
  if (key && key->ValueExists("IPMask"))
    lines.push_back(ValueLine(IDS_TCPIP_SUBNET_MASK, key->ReadText("IPMask").value_or("")));
  lines.push_back(ValueLine(IDS_TCPIP_DHCP_ENABLED, GetLangString(fixed ? IDS_TCPIP_NO : IDS_TCPIP_YES)));
  if (key && key->ValueExists("DefaultGateway"))
    lines.push_back(ValueLine(IDS_TCPIP_DEFAULT_GATEWAY, key->ReadText("DefaultGateway").value_or("")));
  key.reset();
  if (auto mstcp = OpenMachineKey(kMstcp)) AddNameServerLines(lines, *mstcp);
}

// NT 4.0: the settings of the one adapter service, then the name servers.
void Nt4Lines(Lines& lines, const std::string& hostIPAddress) {
  if (auto key = OpenMachineKey(kNt4Adapter)) {
    lines.push_back(Nt4AddressLine(hostIPAddress));
    AddMultiTextLine(lines, *key, "SubnetMask", IDS_TCPIP_SUBNET_MASK);
  }
  if (auto key = OpenMachineKey(kNt4Tcpip)) {
    lines.push_back(Nt4AddressLine(hostIPAddress));
    if (key->ValueExists("NameServer"))
      lines.push_back(ValueLine(IDS_TCPIP_DNS_SERVERS, key->ReadText("Nameserver").value_or("")));
  }
  if (auto key = OpenMachineKey(kNt4Adapter)) {
    AddMultiTextLine(lines, *key, "DefaultGateway", IDS_TCPIP_DEFAULT_GATEWAY);
    AddDhcpLine(lines, *key);
  }
}

}  // namespace

std::string FirstServer(const std::string& servers) { return servers.substr(0, servers.find(',')); }

std::string FurtherServers(const std::string& servers) {
  auto comma = servers.find(',');
  return comma == std::string::npos ? std::string() : servers.substr(comma + 1);
}

std::vector<std::string> tcpipdetailstostringlst(const std::string& hostIPAddress) {
  Lines lines;
  if (IsWin2000() || IsWinXPOrLater()) InterfaceKeyLines(lines, hostIPAddress);
  if (IsWin9xFamily()) Win9xLines(lines, hostIPAddress);
  if (GetOSVersionCode() == oscode::kWinNT4) Nt4Lines(lines, hostIPAddress);
  return lines;
}

std::vector<std::string> tcpipdetailstostringlst() { return tcpipdetailstostringlst(BasicInfo().HostIPAddress); }

}  // namespace vrex::gather
