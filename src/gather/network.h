#pragma once
// The network object: Winsock description, local addresses, network-class
// devices, the installed protocols, services and clients, and the hardware
// addresses of the NetBIOS adapters.  Gathered once at start-up.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/os/netbios.h"

namespace vrex::gather {

// One device of the device list, as the adapter step needs it.
struct DeviceRecord {
  std::string className;
  std::string friendlyName;
  std::string description;
  std::string location;
};

// Where the adapter step takes its devices from, in class-name order.
class DeviceSource {
 public:
  virtual ~DeviceSource() = default;
  virtual std::vector<DeviceRecord> Devices() = 0;
};

// Knows no devices (until the device enumerator serves this step).
class EmptyDeviceSource : public DeviceSource {
 public:
  std::vector<DeviceRecord> Devices() override { return {}; }
};

class TWinsock {
 public:
  // Refreshes the properties; a failure is shown in a message box captioned "TWinsock.GetInfo".
  void GetInfo();

  const std::string& Description() const { return description_; }
  std::uint16_t MajorVersion() const { return majorVersion_; }
  std::uint16_t MinorVersion() const { return minorVersion_; }
  const std::string& Status() const { return status_; }

 private:
  std::string description_;
  std::uint16_t majorVersion_ = 0;
  std::uint16_t minorVersion_ = 0;
  std::string status_;
};

inline constexpr const char* kWinsockNotInitialized = "Winsock cannot be initialized.";

// A Windows Sockets version word: the low byte is the major number, the high byte the minor.
inline std::uint16_t VersionMajor(std::uint16_t word) { return word & 0xFF; }
inline std::uint16_t VersionMinor(std::uint16_t word) { return word >> 8; }

class TNetwork {
 public:
  TNetwork();

  // Refreshes every property; an error ends it where it happened and is shown
  // in a message box captioned "TNetwork.GetInfo".
  void GetInfo();
  // The host's addresses joined by commas; empty when the host name does not resolve.
  std::string LocalAddressList();
  void SetDeviceSource(std::shared_ptr<DeviceSource> source);

  const std::vector<std::string>& IPAddresses() const { return ipAddresses_; }
  const std::vector<std::string>& MACAddresses() const { return macAddresses_; }
  const std::vector<std::string>& Adapters() const { return adapters_; }
  int CardAdapterIndex() const { return cardAdapterIndex_; }
  const std::vector<std::string>& Protocols() const { return protocols_; }
  const std::vector<std::string>& Services() const { return services_; }
  const std::vector<std::string>& Clients() const { return clients_; }
  const TWinsock& WinSock() const { return winsock_; }

 private:
  void ReadAdapters();
  void ReadNetBiosAddresses();

  std::vector<std::string> ipAddresses_;
  std::vector<std::string> macAddresses_;
  std::vector<std::string> adapters_;
  int cardAdapterIndex_ = 0;
  std::vector<std::string> protocols_;
  std::vector<std::string> services_;
  std::vector<std::string> clients_;
  TWinsock winsock_;
  std::shared_ptr<DeviceSource> devices_;
};

// The program-wide network object (the Network property of MSystemInfo1).
TNetwork& Network();

// The class list reader: clears list, then fills it with the value valueName
// of every entry of the first class key under rootPath whose "Class" value is
// className, without duplicates (ignoring case).
void ReadClassList(const std::string& rootPath, const std::string& className, const std::string& valueName,
                   std::vector<std::string>& list);
// The class root key of the running system: Control\Class on the NT family, Services\Class otherwise.
std::string ClassRootKey();

// NetBIOS routines.  The enumeration record is the platform's LANA_ENUM: a
// count byte and room for 255 LANA numbers (MAX_LANA + 1); Netbios refuses a
// shorter buffer.
struct LanaEnum {
  std::uint8_t length = 0;
  std::array<std::uint8_t, 255> lana{};
};
inline constexpr std::uint16_t kLanaEnumLength = 256;
inline constexpr std::uint16_t kAdapterStatusLength = 348;
inline constexpr const char* kUnknownHardwareAddress = "??:??:??:??:??:??";

std::uint8_t NetbiosCall(os::ControlBlock& block);
// The LANA numbers; a failed enumeration gives none.
LanaEnum EnumerateLanas();
std::uint8_t ResetLana(std::uint8_t lana);
// The adapter's hardware address, "xx:xx:xx:xx:xx:xx" in lower case, or the question-mark text.
std::string AdapterAddress(std::uint8_t lana);

}  // namespace vrex::gather
