#pragma once
// IP Helper: the interface table (GetIfTable).
#include <cstdint>
#include <optional>
#include <vector>

namespace vrex::os {

struct InterfaceRow {
  // The row's physical address: its first dwPhysAddrLen bytes; empty for
  // interfaces without one, such as the loopback interface.
  std::vector<std::uint8_t> physicalAddress;
};

class IpHelper {
 public:
  virtual ~IpHelper() = default;
  // The interface table in sorted order; nothing when the call fails.
  virtual std::optional<std::vector<InterfaceRow>> InterfaceTable() = 0;
};

}  // namespace vrex::os
