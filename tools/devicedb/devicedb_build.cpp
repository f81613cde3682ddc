#include "devicedb_build.h"

#include <cctype>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <stdexcept>

namespace vrex::devicedb {
namespace {

struct Subsystem {
  std::string subvendor, subdevice, name;
};
struct Device {
  std::string id, name;
  std::vector<Subsystem> subsystems;
};
struct Vendor {
  std::string id, name;
  std::vector<Device> devices;
};

std::string Upper(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return result;
}

bool IsHexId(std::string_view text) {
  if (text.size() != 4) return false;
  for (char c : text)
    if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
  return true;
}

// "id  name": four hexadecimal digits, two blanks, the name.
std::optional<std::pair<std::string, std::string>> IdAndName(std::string_view text) {
  if (text.size() < 7 || !IsHexId(text.substr(0, 4)) || text.substr(4, 2) != "  ") return std::nullopt;
  return std::make_pair(Upper(text.substr(0, 4)), std::string(text.substr(6)));
}

std::string Replace(std::string text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

// The program reads "#" in a vendor name and "_0" in a device name as the
// start of an extra text; the list's own names must not start one.
std::string VendorName(const std::string& name) { return Replace(ToLatin1(name), "#", "No."); }
std::string DeviceName(const std::string& name) { return Replace(ToLatin1(name), "_0", "-0"); }

std::vector<Vendor> ParseVendors(std::string_view pciIds) {
  std::vector<Vendor> vendors;
  std::size_t start = 0;
  while (start < pciIds.size()) {
    std::size_t end = pciIds.find('\n', start);
    if (end == std::string_view::npos) end = pciIds.size();
    std::string_view line = pciIds.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line[0] == '#') continue;
    if (line.starts_with("C ")) break;  // the device classes follow the vendors
    if (line.starts_with("\t\t")) {
      // "subvendor subdevice  name"
      std::string_view entry = line.substr(2);
      if (vendors.empty() || vendors.back().devices.empty() || entry.size() < 12 || entry[4] != ' ') continue;
      if (!IsHexId(entry.substr(0, 4))) continue;
      auto rest = IdAndName(entry.substr(5));
      if (!rest) continue;
      vendors.back().devices.back().subsystems.push_back({Upper(entry.substr(0, 4)), rest->first, rest->second});
    } else if (line[0] == '\t') {
      auto device = IdAndName(line.substr(1));
      if (device && !vendors.empty()) vendors.back().devices.push_back({device->first, device->second, {}});
    } else if (auto vendor = IdAndName(line)) {
      vendors.push_back({vendor->first, vendor->second, {}});
    }
  }
  return vendors;
}

// What the network drivers claim of one chip: every card made with it, or
// only cards of some subsystems ("SVVVSDDD") or subsystem vendors ("SVVV").
struct Claim {
  bool anySubsystem = false;
  std::set<std::string> subsystems, subvendors;
  bool Covers(const Subsystem& entry) const {
    return anySubsystem || subsystems.count(entry.subvendor + entry.subdevice) || subvendors.count(entry.subvendor);
  }
};

// "VVVV DDDD *", "VVVV DDDD SVVV SDDD" or "VVVV DDDD SVVV *", then a tab and the driver.
std::map<std::string, Claim> ParseClaims(std::string_view list) {
  std::map<std::string, Claim> claims;
  std::size_t start = 0;
  while (start < list.size()) {
    std::size_t end = list.find('\n', start);
    if (end == std::string_view::npos) end = list.size();
    std::string_view line = list.substr(start, end - start);
    start = end + 1;
    line = line.substr(0, line.find('\t'));
    if (line.size() < 11 || line[0] == '#' || !IsHexId(line.substr(0, 4)) || !IsHexId(line.substr(5, 4))) continue;
    Claim& claim = claims[Upper(line.substr(0, 4)) + Upper(line.substr(5, 4))];
    const std::string_view subsystem = line.substr(10);
    if (subsystem == "*")
      claim.anySubsystem = true;
    else if (subsystem.size() == 9 && IsHexId(subsystem.substr(0, 4)) && subsystem.substr(5) == "*")
      claim.subvendors.insert(Upper(subsystem.substr(0, 4)));
    else if (subsystem.size() == 9 && IsHexId(subsystem.substr(0, 4)) && IsHexId(subsystem.substr(5, 4)))
      claim.subsystems.insert(Upper(subsystem.substr(0, 4)) + Upper(subsystem.substr(5, 4)));
  }
  return claims;
}

// Token-ring cards left the kernel long ago; the PCI ID list still names them.
bool IsTokenRingName(std::string_view name) {
  std::string lower(name);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower.find("token ring") != std::string::npos || lower.find("token-ring") != std::string::npos;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

std::string ToLatin1(std::string_view utf8) {
  std::string result;
  for (std::size_t i = 0; i < utf8.size();) {
    auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {
      result += static_cast<char>(lead);
      ++i;
      continue;
    }
    std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    unsigned code = lead & (0x7F >> length);
    bool complete = i + length <= utf8.size();
    for (std::size_t k = 1; complete && k < length; ++k) {
      auto next = static_cast<unsigned char>(utf8[i + k]);
      if ((next & 0xC0) != 0x80) complete = false;
      code = (code << 6) | (next & 0x3F);
    }
    result += complete && length == 2 && code <= 0xFF ? static_cast<char>(code) : '?';
    i += complete ? length : 1;
  }
  return result;
}

DatabaseLines BuildDatabaseLines(std::string_view pciIds, std::string_view networkDevices) {
  const std::vector<Vendor> vendors = ParseVendors(pciIds);
  const std::map<std::string, Claim> claims = ParseClaims(networkDevices);
  std::map<std::string, std::string> vendorNames;
  for (const auto& vendor : vendors) vendorNames[vendor.id] = vendor.name;

  DatabaseLines files;
  files.net.push_back("; Vrex network device database, from the PCI ID list and the network drivers' device tables");
  files.other.push_back("; Vrex device database: every device it names is in net.txt");
  for (const auto& vendor : vendors) {
    std::vector<std::string> net;
    for (const auto& device : vendor.devices) {
      const std::string chip = "VEN_" + vendor.id + "&DEV_" + device.id;
      auto claim = claims.find(vendor.id + device.id);
      const bool tokenRing = claim == claims.end() && IsTokenRingName(device.name);
      if (claim == claims.end() && !tokenRing) continue;
      ++(tokenRing ? files.fromTokenRing : files.fromDrivers);
      const Claim whole{true, {}, {}};
      const Claim& covered = tokenRing ? whole : claim->second;
      // A card made with the chip is named by the chip, then by the card where that says more.
      std::set<std::string> named;
      for (const auto& subsystem : device.subsystems) {
        if (!covered.Covers(subsystem)) continue;
        std::string card = subsystem.name;
        auto subvendor = vendorNames.find(subsystem.subvendor);
        if (subsystem.subvendor != vendor.id && subvendor != vendorNames.end()) card = subvendor->second + " " + card;
        const std::string name = card == device.name ? device.name : device.name + " (" + card + ")";
        net.push_back(chip + "&SUBSYS_" + subsystem.subdevice + subsystem.subvendor + "=" + DeviceName(name));
        named.insert(subsystem.subvendor + subsystem.subdevice);
      }
      // Cards the drivers name that the list does not: named by the chip.
      for (const auto& subsystem : covered.subsystems)
        if (!named.count(subsystem))
          net.push_back(chip + "&SUBSYS_" + subsystem.substr(4) + subsystem.substr(0, 4) + "=" +
                        DeviceName(device.name));
      if (covered.anySubsystem) net.push_back(chip + "=" + DeviceName(device.name));
    }
    if (net.empty()) continue;
    files.net.push_back("V " + vendor.id + ".=" + VendorName(vendor.name));
    files.net.insert(files.net.end(), net.begin(), net.end());
  }
  return files;
}

DatabaseLines BuildDatabaseFromFiles(const std::string& pciIdsPath, const std::string& networkDevicesPath) {
  return BuildDatabaseLines(ReadFile(pciIdsPath), ReadFile(networkDevicesPath));
}

}  // namespace vrex::devicedb
