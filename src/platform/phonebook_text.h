#pragma once
// The phonebook library's text: every entry's properties as pieces of a tag
// and a value, each ended by "@".  The library builds it from the Remote
// Access phonebook; it is portable here so that its form is tested natively.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vrex::phonebook {

// The connection option bits of a phonebook entry, as the Remote Access
// interface numbers them.
namespace option {
inline constexpr std::uint32_t kUseCountryAndAreaCodes = 0x00000001;
inline constexpr std::uint32_t kSpecificIpAddr = 0x00000002;
inline constexpr std::uint32_t kSpecificNameServers = 0x00000004;
inline constexpr std::uint32_t kIpHeaderCompression = 0x00000008;
inline constexpr std::uint32_t kRemoteDefaultGateway = 0x00000010;
inline constexpr std::uint32_t kDisableLcpExtensions = 0x00000020;
inline constexpr std::uint32_t kTerminalBeforeDial = 0x00000040;
inline constexpr std::uint32_t kTerminalAfterDial = 0x00000080;
inline constexpr std::uint32_t kModemLights = 0x00000100;
inline constexpr std::uint32_t kSwCompression = 0x00000200;
inline constexpr std::uint32_t kRequireEncryptedPw = 0x00000400;
inline constexpr std::uint32_t kRequireMsEncryptedPw = 0x00000800;
inline constexpr std::uint32_t kRequireDataEncryption = 0x00001000;
inline constexpr std::uint32_t kNetworkLogon = 0x00002000;
inline constexpr std::uint32_t kUseLogonCredentials = 0x00004000;
inline constexpr std::uint32_t kPromoteAlternates = 0x00008000;
}  // namespace option

// Network protocol bits and framing protocols.
inline constexpr std::uint32_t kNetBEUI = 0x1;
inline constexpr std::uint32_t kIpx = 0x2;
inline constexpr std::uint32_t kIp = 0x4;
inline constexpr std::uint32_t kFramingPpp = 0x1;
inline constexpr std::uint32_t kFramingSlip = 0x2;
inline constexpr std::uint32_t kFramingRas = 0x4;

struct Entry {
  std::string name;
  std::string deviceName;
  std::string phoneNumber;
  std::uint32_t countryId = 0;
  std::uint32_t countryCode = 0;
  std::string areaCode;
  // Addresses as their four bytes, first byte first.
  std::array<std::uint8_t, 4> ipAddr{};
  std::array<std::uint8_t, 4> dns{};
  std::array<std::uint8_t, 4> dnsAlt{};
  std::array<std::uint8_t, 4> wins{};
  std::array<std::uint8_t, 4> winsAlt{};
  std::uint32_t netProtocols = 0;
  std::uint32_t framingProtocol = 0;
  std::string script;
  std::uint32_t options = 0;
};

// The entries' pieces in turn, an empty piece between two entries, and one
// blank after the last "@" so that a reader that stops short of the last
// character still sees the last property.  No entries: an empty text.  An "@"
// inside a value would end its piece early and is written as "_".
std::string PhonebookText(const std::vector<Entry>& entries);

}  // namespace vrex::phonebook
