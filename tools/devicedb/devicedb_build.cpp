#include "devicedb_build.h"

#include <cctype>
#include <map>
#include <optional>

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

bool IsWordCharacter(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }

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

bool IsNetworkDeviceName(std::string_view name) {
  // The network controller subclasses' names, and what wireless cards call themselves.
  static const char* const kWords[] = {"ethernet", "token ring", "fddi",   "atm",     "isdn",     "worldfip",
                                       "picmg",    "infiniband", "fabric", "network", "wireless", "wlan",
                                       "802.11",   "wi-fi",      "wifi",   "lan",     "gigabit",  "nic"};
  const std::string lower = [&] {
    std::string text(name);
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
  }();
  for (std::string_view word : kWords) {
    for (std::size_t at = lower.find(word); at != std::string::npos; at = lower.find(word, at + 1)) {
      bool startsWord = at == 0 || !IsWordCharacter(lower[at - 1]);
      bool endsWord = at + word.size() == lower.size() || !IsWordCharacter(lower[at + word.size()]);
      if (startsWord && endsWord) return true;
    }
  }
  return false;
}

DatabaseLines BuildDatabaseLines(std::string_view pciIds) {
  const std::vector<Vendor> vendors = ParseVendors(pciIds);
  std::map<std::string, bool> knownVendors;
  for (const auto& vendor : vendors) knownVendors[vendor.id] = true;

  DatabaseLines files;
  files.net.push_back("; Vrex network device database, from the PCI ID list");
  files.other.push_back("; Vrex device database, from the PCI ID list");
  for (const auto& vendor : vendors) {
    std::vector<std::string> net, other;
    for (const auto& device : vendor.devices) {
      auto& lines = IsNetworkDeviceName(device.name) ? net : other;
      for (const auto& subsystem : device.subsystems) {
        // Named by the subsystem's vendor, so one the list does not know is left out.
        if (!knownVendors.count(subsystem.subvendor)) continue;
        lines.push_back(vendor.id + " " + device.id + " SUBS " + subsystem.subdevice + " " + subsystem.subvendor + "=" +
                        DeviceName(subsystem.name));
      }
      lines.push_back("VEN_" + vendor.id + "&DEV_" + device.id + "=" + DeviceName(device.name));
    }
    const std::string vendorLine = "V " + vendor.id + ".=" + VendorName(vendor.name);
    if (!net.empty()) {
      files.net.push_back(vendorLine);
      files.net.insert(files.net.end(), net.begin(), net.end());
    }
    // Every vendor has its line in other.txt, devices or not: subsystem
    // entries are named by it.
    files.other.push_back(vendorLine);
    files.other.insert(files.other.end(), other.begin(), other.end());
  }
  return files;
}

}  // namespace vrex::devicedb
