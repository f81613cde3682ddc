#include "gather/device_list.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

#include "gather/registry_reads.h"
#include "gather/device_database.h"
#include "lang/ini.h"
#include "lang/multistring.h"
#include "lang/os_version.h"
#include "platform/cipher.h"
#include "platform/os/ports.h"
#include "platform/text.h"

namespace vrex::gather {
namespace {

constexpr const char* kNTEnum = "SYSTEM\\CurrentControlSet\\Enum";
constexpr const char* kNT4RootEnum = "SYSTEM\\CurrentControlSet\\Enum\\Root";
constexpr const char* kNTServices = "SYSTEM\\CurrentControlSet\\Services";
constexpr const char* kNTClassRoot = "SYSTEM\\CurrentControlSet\\Control\\Class\\";
constexpr const char* kWin9xClassRoot = "System\\CurrentControlSet\\Services\\Class\\";
constexpr const char* kConfigManagerEnum = "Config Manager\\Enum";

std::string Text(const os::RegistryKey& key, std::string_view name) { return key.ReadText(name).value_or(""); }

// "friendlyname" when the instance has one, else its "DeviceDesc".
std::string DisplayName(const os::RegistryKey& key) {
  return Text(key, key.ValueExists("friendlyname") ? "friendlyname" : "DeviceDesc");
}

// A multi-text value run together; the whole value, however long.
std::string JoinedValue(const os::RegistryKey& key, std::string_view name) {
  return JoinMultiString(key.ReadRaw(name, os::kWholeValue).value_or(std::vector<std::uint8_t>{}));
}

// Enumerator and device keys are containers: they have no "DeviceDesc".
std::optional<std::vector<std::string>> ContainerSubKeys(const std::string& path) {
  auto key = OpenMachineKey(path);
  if (!key || key->ValueExists("DeviceDesc")) return std::nullopt;
  return key->SubKeyNames();
}

void NT5Walk(bool needsDeviceReference, std::vector<DeviceListRecord>& list) {
  for (const auto& enumerator : SubKeyNamesOf(os::RootKey::LocalMachine, kNTEnum)) {
    const std::string enumeratorPath = std::string(kNTEnum) + "\\" + enumerator;
    auto devices = ContainerSubKeys(enumeratorPath);
    if (!devices) continue;
    for (const auto& device : *devices) {
      const std::string devicePath = enumeratorPath + "\\" + device;
      auto instances = ContainerSubKeys(devicePath);
      if (!instances) continue;
      for (const auto& instance : *instances) {
        DeviceListRecord& record = list.emplace_back();
        const std::string instancePath = devicePath + "\\" + instance;
        {
          auto control = OpenMachineKey(instancePath + "\\Control");
          if (!control || (needsDeviceReference && !control->ValueExists("DeviceReference"))) continue;
        }
        auto key = OpenMachineKey(instancePath);
        if (!key) continue;
        if (key->ValueExists("DeviceDesc")) {
          if (key->ValueExists("HardwareID")) record.HardwareIds = text::ToUpper(JoinedValue(*key, "HardwareID"));
          record.InstanceKey = instancePath;
          record.Name = DisplayName(*key);
          if (key->ValueExists("Classguid")) record.ClassDescription = Text(*key, "Classguid");
          record.HardwareFlag = key->ValueExists("CompatibleIDs") ? 1 : 0;
          record.DriverKey = kNTClassRoot + Text(*key, "Driver");
        }
        if (record.ClassDescription.empty()) continue;
        if (auto classKey = OpenMachineKey(kNTClassRoot + record.ClassDescription)) {
          record.ClassDescription = Text(*classKey, "");
          if (classKey->ValueExists("Class")) record.ClassName = Text(*classKey, "Class");
        }
      }
    }
  }
}

// How the 9x family files a device under its class: by the class GUID of
// the device's key, whose class key links to the class by name (98 and Me);
// or by the class name itself (the first releases of Windows 95 keep many
// drivers' class that way only).
enum class ClassBy { Guid, Name };

// Fills the record's class from the device's key; false when that way finds
// no class key, and the record is then left for another way.
bool FileUnderClass(ClassBy classBy, const os::RegistryKey& key, DeviceListRecord& record) {
  const std::string value = Text(key, classBy == ClassBy::Guid ? "Classguid" : "Class");
  if (value.empty()) return false;
  auto classKey = OpenMachineKey(kWin9xClassRoot + value);
  if (!classKey) return false;
  if (classBy == ClassBy::Name) {
    record.ClassName = value;
    record.ClassDescription = Text(*classKey, "");
    return true;
  }
  // The GUID's key links to the class key by name.
  record.ClassName = Text(*classKey, "Class");
  record.ClassDescription = Text(*classKey, "link");
  classKey.reset();
  if (record.ClassDescription.empty()) return true;
  if (auto linked = OpenMachineKey(kWin9xClassRoot + record.ClassDescription))
    record.ClassDescription = Text(*linked, "");
  return true;
}

// Every present device of the configuration manager, filed under its class
// by GUID, and where that finds no class and byNameToo, by name.  Windows 95
// needs both: one walk of each way would list every device twice.
void ConfigManagerWalk(bool byNameToo, std::vector<DeviceListRecord>& list) {
  for (const auto& node : SubKeyNamesOf(os::RootKey::DynData, kConfigManagerEnum)) {
    std::string hardwareKey;
    {
      auto present = OpenForReading(os::RootKey::DynData, std::string(kConfigManagerEnum) + "\\" + node);
      if (!present || !present->ValueExists("HardWareKey")) continue;
      hardwareKey = Text(*present, "HardWareKey");
    }
    const std::string instancePath = "ENUM\\" + hardwareKey;
    auto key = OpenMachineKey(instancePath);
    if (!key) continue;
    DeviceListRecord& record = list.emplace_back();
    // The hardware key carries the same vendor and device parts as the identifiers.
    if (key->ValueExists("HardwareID")) record.HardwareIds = text::ToUpper(hardwareKey);
    if (!key->ValueExists("DeviceDesc")) continue;
    record.Name = DisplayName(*key);
    record.InstanceKey = instancePath;
    const std::string upperPath = text::ToUpper(instancePath);
    record.HardwareFlag =
        upperPath.find("NETWORK") == std::string::npos && upperPath.find("SW") == std::string::npos ? 1 : 0;
    record.DriverKey = kWin9xClassRoot + Text(*key, "Driver");
    if (!FileUnderClass(ClassBy::Guid, *key, record) && byNameToo) FileUnderClass(ClassBy::Name, *key, record);
  }
}

// The service whose first enumerated device is each root instance, by the
// upper-cased "Root\device\instance" text; the first service wins.
std::unordered_map<std::string, std::string> ServicesByInstance() {
  std::unordered_map<std::string, std::string> services;
  for (const auto& service : SubKeyNamesOf(os::RootKey::LocalMachine, kNTServices)) {
    auto enumKey = OpenMachineKey(std::string(kNTServices) + "\\" + service + "\\enum");
    if (!enumKey || !enumKey->ValueExists("0")) continue;
    services.emplace(text::ToUpper(Text(*enumKey, "0")), service);
  }
  return services;
}

void NT4Walk(std::vector<DeviceListRecord>& list) {
  std::optional<std::unordered_map<std::string, std::string>> services;  // read at the first started device
  for (const auto& device : SubKeyNamesOf(os::RootKey::LocalMachine, kNT4RootEnum)) {
    const std::string devicePath = std::string(kNT4RootEnum) + "\\" + device;
    auto instances = ContainerSubKeys(devicePath);
    if (!instances) continue;
    for (const auto& instance : *instances) {
      const std::string instancePath = devicePath + "\\" + instance;
      auto key = OpenMachineKey(instancePath);
      // Only started devices; one without "StatusFlags" is taken as not started.
      if (!key || key->ReadInteger("StatusFlags") != 8u) continue;
      DeviceListRecord& record = list.emplace_back();

      if (!services) services = ServicesByInstance();
      auto service = services->find(text::ToUpper("Root\\" + device + "\\" + instance));
      if (service != services->end()) {
        auto adapter = OpenMachineKey(std::string(kNTServices) + "\\" + service->second + "\\Device0");
        if (adapter && adapter->ValueExists("HardwareInformation.AdapterString"))
          record.DatabaseName = JoinedValue(*adapter, "HardwareInformation.AdapterString");
      }
      record.InstanceKey = instancePath;
      if (key->ValueExists("DeviceDesc")) record.Name = DisplayName(*key);
      record.HardwareFlag = key->ValueExists("ConfigFlags") ? 1 : 0;
      record.ClassName = Text(*key, "Class");
      record.ClassDescription = Text(*key, "ClassGuid");
      record.DriverKey = kNTClassRoot + Text(*key, "driver");
      if (record.ClassDescription.empty()) continue;
      if (auto classKey = OpenMachineKey(kNTClassRoot + record.ClassDescription))
        record.ClassDescription = Text(*classKey, "");
    }
  }
}

// The lines of one database file; nothing when it is absent or unreadable.
std::optional<std::vector<std::string>> DatabaseFile(const std::string& path) {
  return os::FilesPort().ReadLines(path);
}

}  // namespace

std::vector<DeviceListRecord>& DeviceList() {
  static std::vector<DeviceListRecord> list;
  return list;
}

void BuildDeviceList() {
  auto& list = DeviceList();
  list.clear();
  if (IsWin2000()) NT5Walk(true, list);
  if (IsWinXPOrLater()) NT5Walk(false, list);
  if (IsWin9xFamily()) ConfigManagerWalk(IsWin95(), list);
  if (GetOSVersionCode() == oscode::kWinNT4) NT4Walk(list);
}

std::string DefaultDatabaseFolder() { return InstallPath(kDefaultDatabaseFolder); }

bool AnnotateDevices(const std::string& classFilter, const std::string& folder) {
  if (GetOSVersionCode() == oscode::kWinNT4) return true;
  std::string directory = text::Trim(folder).empty() ? DefaultDatabaseFolder() : folder;
  if (directory.back() != '\\' && directory.back() != '/') directory += '\\';

  std::optional<std::vector<std::string>> classFile = DatabaseFile(directory + classFilter + ".txt");
  std::optional<std::vector<std::string>> otherFile = DatabaseFile(directory + "other.txt");
  if (!classFile && !otherFile) return false;
  std::vector<std::string> lines = std::move(classFile).value_or(std::vector<std::string>{});
  std::vector<std::string> others = std::move(otherFile).value_or(std::vector<std::string>{});
  if (lines.empty() && others.empty()) return true;
  // Every line must decipher, whether a device needs it or not: a damaged
  // database is reported the same whatever devices the computer has.  A line
  // far longer than any name is damaged too, hexadecimal or not.
  constexpr std::size_t kLongestLine = 64 * 1024;
  const auto decodable = [](const std::vector<std::string>& part) {
    return std::all_of(part.begin(), part.end(), [](const std::string& line) {
      return line.size() <= kLongestLine && TCryptLib::Decodable(line);
    });
  };
  if (!decodable(lines) || !decodable(others)) throw CryptError(kNotHexError);

  const std::string upperFilter = text::ToUpper(classFilter);
  std::vector<DeviceListRecord*> wanted;
  std::vector<std::string> hardwareIdLists;
  for (auto& record : DeviceList()) {
    const std::string upperClass = text::ToUpper(record.ClassName);
    if (upperClass != upperFilter && upperClass != "UNKNOWN") continue;
    if (record.HardwareIds.empty()) continue;
    wanted.push_back(&record);
    hardwareIdLists.push_back(record.HardwareIds);
  }
  if (wanted.empty()) return true;

  TCryptLib cipher = DeviceDatabaseCipher();
  // Each line takes its plain text in its own room, which holds twice that.
  std::string plain;
  const auto decipher = [&cipher, &plain](std::vector<std::string>& part) {
    for (auto& line : part) {
      cipher.DecodeInto(line, plain);
      line.assign(plain);
    }
    std::fill(plain.begin(), plain.end(), '0');
  };
  decipher(lines);
  const auto entries = LookupInParts(
      std::move(lines),
      [&] {
        decipher(others);
        return std::move(others);
      },
      hardwareIdLists);

  std::optional<std::string> filterDescription;  // read once, for the first device that needs it
  for (std::size_t i = 0; i < wanted.size(); ++i) {
    DeviceListRecord& record = *wanted[i];
    if (const auto& entry = entries[i]) {
      record.DatabaseVendor = entry->vendor;
      record.DatabaseDevice = entry->device;
      record.VendorExtra = entry->vendorExtra;
      record.DeviceSuffix = entry->deviceSuffix;
      record.DatabaseName = entry->vendor + " " + entry->device;
    }
    if (text::ToUpper(record.ClassName) == "UNKNOWN" && !record.DatabaseName.empty()) {
      record.ClassName = classFilter;
      if (!filterDescription) filterDescription = GetClassDescription(classFilter);
      record.ClassDescription = *filterDescription;
    }
  }
  return true;
}

std::string GetClassDescription(const std::string& className) {
  std::string root;
  if (IsNTFamily())
    root = kNTClassRoot;
  else if (IsWin9xFamily())
    root = kWin9xClassRoot;
  else
    return {};
  if (!OpenMachineKey(root)) return {};
  for (const auto& name : SubKeyNamesOf(os::RootKey::LocalMachine, root)) {
    auto key = OpenMachineKey(root + name);
    if (key && text::EqualsNoCase(Text(*key, "Class"), className)) return Text(*key, "");
  }
  return {};
}

std::vector<DeviceRecord> DeviceListSource::Devices() {
  std::vector<DeviceRecord> devices;
  for (const auto& record : DeviceList()) {
    DeviceRecord device;
    device.className = record.ClassName;
    device.friendlyName = record.Name;
    if (!record.InstanceKey.empty())
      if (auto key = OpenMachineKey(record.InstanceKey)) device.location = Text(*key, "LocationInformation");
    devices.push_back(std::move(device));
  }
  return devices;
}

}  // namespace vrex::gather
