#include "gather/basic_info.h"

#include <cstdio>

#include "gather/label_value_line.h"
#include "lang/language.h"
#include "lang/os_version.h"
#include "lang/string_ids.h"
#include "platform/os/ports.h"
#include "platform/ui/art_ids.h"

namespace vrex::gather {
namespace {

std::string Cut(std::string text, std::size_t length) {
  if (text.size() > length) text.resize(length);
  return text;
}

void ReadWin9xNames(TBasicInfo& info) {
  auto& registry = os::RegistryPort();
  if (auto key = registry.Open(os::RootKey::LocalMachine, "System\\CurrentControlSet\\Services\\VxD\\VNETSUP",
                               os::Access::ReadOnly)) {
    if (key->ValueExists("Workgroup"))
      if (auto value = key->ReadText("Workgroup")) info.WorkgroupOrDomain = *value;
  }
  if (auto key =
          registry.Open(os::RootKey::LocalMachine, "System\\CurrentControlSet\\Control\\ComputerName\\ComputerName",
                        os::Access::ReadOnly)) {
    if (key->ValueExists("ComputerName"))
      if (auto value = key->ReadText("computername")) info.ComputerOrDomain = *value;
  }
  if (auto key = registry.Open(os::RootKey::LocalMachine, "Network\\Logon", os::Access::ReadOnly)) {
    if (key->ValueExists("username"))
      if (auto value = key->ReadText("username")) info.UserName = *value;
  }
}

void ReadNTNames(TBasicInfo& info) {
  auto& registry = os::RegistryPort();
  if (auto key = registry.Open(os::RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon",
                               os::Access::ReadOnly)) {
    if (auto value = key->ReadText("DefaultDomainName")) info.ComputerOrDomain = *value;
    if (auto value = key->ReadText("DefaultUserName")) info.UserName = *value;
  }
  if (auto key = registry.Open(os::RootKey::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer",
                               os::Access::ReadOnly)) {
    if (auto value = key->ReadText("Last Domain")) {
      // "DOMAIN1,DOMAIN2,DOMAIN3": the name after the last comma.
      std::string domain = *value;
      if (auto comma = domain.rfind(','); comma != std::string::npos) domain.erase(0, comma + 1);
      info.WorkgroupOrDomain = domain;
    }
    if (auto value = key->ReadText("Logon User Name")) info.UserName = *value;
  }
}

std::string Line(int labelId, const std::string& value) {
  return LabelValueLine(ART_ICON_INFORMATION, GetLangString(labelId), value);
}

}  // namespace

TBasicInfo& BasicInfo() {
  static TBasicInfo info;
  return info;
}

std::string PhysicalAddressLookup() {
  std::string result;
  auto table = os::IpHelperPort().InterfaceTable();
  if (!table) return result;
  for (const auto& row : *table) {
    if (row.physicalAddress.empty()) continue;
    std::string address;
    for (std::uint8_t byte : row.physicalAddress) {
      char digits[4];
      std::snprintf(digits, sizeof digits, "%02X ", byte);
      address += digits;
    }
    result = address;
  }
  return result;
}

std::string LocalIPAddressLookup() {
  std::string result;
  auto addresses = os::OwnHostAddresses();
  if (!addresses) return result;
  for (const auto& address : *addresses) result = os::DottedQuad(address);
  return result;
}

void ReadBasicAddresses(TBasicInfo& info) {
  info.PhysicalAddress = Cut(PhysicalAddressLookup(), kPhysicalAddressLength);
  info.HostIPAddress = Cut(LocalIPAddressLookup(), kHostIPAddressLength);
}

void ReadBasicNames(TBasicInfo& info) {
  // The two families exclude each other; any other code reads no names.
  if (IsWin9xFamily()) ReadWin9xNames(info);
  if (IsNTFamily()) ReadNTNames(info);
}

void GetNetInfoBasic() {
  ReadBasicAddresses(BasicInfo());
  ReadBasicNames(BasicInfo());
}

std::vector<std::string> zakladniinfotostringlst(const TBasicInfo& info, bool online) {
  return {
      Line(IDS_BASIC_IP_ADDRESS, info.HostIPAddress),
      Line(IDS_BASIC_PHYSICAL_ADDRESS, info.PhysicalAddress),
      Line(IDS_BASIC_COMPUTER_NAME, info.ComputerOrDomain),
      Line(IDS_BASIC_WORKGROUP, info.WorkgroupOrDomain),
      Line(IDS_BASIC_USER_NAME, info.UserName),
      Line(IDS_BASIC_CONNECTION_STATUS, online ? "ON-LINE" : "OFF-LINE"),
  };
}

std::vector<std::string> zakladniinfotostringlst(bool online) { return zakladniinfotostringlst(BasicInfo(), online); }

}  // namespace vrex::gather
