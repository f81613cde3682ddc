#pragma once
// The SNMP extension agent of the TCP/IP MIB (SnmpExtensionInit,
// SnmpExtensionQuery) with the utility library's SnmpUtilOidAppend.
#include <cstdint>
#include <memory>
#include <vector>

namespace vrex::os {

// An object identifier, one entry per component.
using Oid = std::vector<std::uint32_t>;

namespace asn {
inline constexpr std::uint8_t kInteger = 0x02;
inline constexpr std::uint8_t kOctetString = 0x04;
inline constexpr std::uint8_t kNull = 0x05;
inline constexpr std::uint8_t kIpAddress = 0x40;
inline constexpr std::uint8_t kCounter32 = 0x41;
inline constexpr std::uint8_t kGauge32 = 0x42;
inline constexpr std::uint8_t kTimeTicks = 0x43;
inline constexpr std::uint8_t kGetNextRequest = 0xA1;
inline constexpr std::int32_t kNoError = 0;
inline constexpr std::int32_t kNoSuchName = 2;
inline constexpr std::int32_t kGenErr = 5;
}  // namespace asn

// A variable's value: number for the integer types, bytes for the string
// types (octet string, IP address).
struct SnmpValue {
  std::uint8_t type = asn::kNull;
  std::int32_t number = 0;
  std::vector<std::uint8_t> bytes;
};

// One variable binding whose name and value belong to the SNMP utility
// library, so that the agent can replace them.  Destroying it frees both.
class SnmpVariable {
 public:
  virtual ~SnmpVariable() = default;
  // SnmpUtilOidAppend onto the binding's name; false when it fails.
  virtual bool AppendToName(const Oid& ids) = 0;
  virtual Oid Name() const = 0;
  virtual SnmpValue Value() const = 0;
};

class SnmpExtension {
 public:
  virtual ~SnmpExtension() = default;
  // SnmpExtensionInit; false when the agent cannot be loaded or refuses.
  virtual bool ExtensionInit(std::uint32_t uptimeReference) = 0;
  // A binding with an empty name and a NULL value; nothing when the agent is unavailable.
  virtual std::unique_ptr<SnmpVariable> NewVariable() = 0;
  // SnmpExtensionQuery with a request list holding the one binding; false
  // when the call fails.  The agent replaces the binding's name and value.
  virtual bool ExtensionQuery(std::uint8_t pduType, SnmpVariable& variable, std::int32_t& errorStatus,
                              std::int32_t& errorIndex) = 0;
};

}  // namespace vrex::os
