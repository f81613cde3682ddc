#pragma once
// The device list: one record for every device instance of the registry's
// enumeration tree, built once at start-up, then named from the device
// database.  Every key is opened read-only.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gather/network.h"

namespace vrex::gather {

struct DeviceListRecord {
  std::string ClassDescription;  // the class key's default value (while walking: the GUID, link or name)
  std::string ClassName;         // "Net", "Modem", ...
  std::string InstanceKey;       // path of the instance key, as opened
  std::string Name;              // "friendlyname", else "DeviceDesc"
  std::string DriverKey;         // the class root path followed by the "Driver" value
  std::string DatabaseName;      // vendor + " " + device; on NT 4.0 the adapter string
  std::string HardwareIds;       // upper-cased identifiers the database lookup uses
  std::uint8_t HardwareFlag = 0;
  std::string DatabaseVendor;
  std::string DatabaseDevice;
  std::string VendorExtra;
  std::string DeviceSuffix;
};

// The program-wide device list, in walk order.
std::vector<DeviceListRecord>& DeviceList();

// Empties the list and runs each walk that applies to the running Windows.
void BuildDeviceList();

// Where the database files are when no folder is given, relative to the
// program's own folder (the install layout).
inline constexpr const char* kDefaultDatabaseFolder = "..\\SHARED\\DATABASES\\";

// The folder of the database files when no folder is given.
std::string DefaultDatabaseFolder();

// Names the devices of the class (and of class "Unknown") from the database:
// the class file (classFilter + ".txt"), then "other.txt", in folder (blank:
// the default).  Nothing on NT 4.0.  A line the cipher rejects ends the pass
// with its CryptError, the lines already deciphered wiped.  False when
// neither file could be read: the database is missing altogether.
bool AnnotateDevices(const std::string& classFilter, const std::string& folder);

// The display text of a device class: the default value of the first class
// key whose "Class" value is className (ignoring case); empty when none is.
std::string GetClassDescription(const std::string& className);

// The network object's adapter step reads the network-class devices of the
// list, with the location information of their instance keys.
class DeviceListSource : public DeviceSource {
 public:
  std::vector<DeviceRecord> Devices() override;
};

}  // namespace vrex::gather
