#pragma once
// NetBIOS (Netbios of netapi32): one call per network control block.
#include <array>
#include <cstdint>

namespace vrex::os {

namespace nb {
inline constexpr std::uint8_t kResetCommand = 0x32;
inline constexpr std::uint8_t kAdapterStatusCommand = 0x33;
inline constexpr std::uint8_t kEnumerateCommand = 0x37;
inline constexpr std::uint8_t kGoodReturn = 0x00;
inline constexpr std::uint8_t kBufferTooSmall = 0x01;
inline constexpr std::uint8_t kInvalidLana = 0x23;
}  // namespace nb

// The fields of the network control block that the program sets.  Every
// other field of the 64-byte block is zero, so every call is synchronous and
// a reset asks for the default resource limits.
struct ControlBlock {
  std::uint8_t command = 0;
  std::uint8_t returnCode = 0;
  std::uint8_t* buffer = nullptr;
  std::uint16_t length = 0;  // bytes at buffer
  std::array<char, 16> callName{};
  std::uint8_t lana = 0;
};

class NetBiosApi {
 public:
  virtual ~NetBiosApi() = default;
  // Runs the command; returns the return code, which is also stored in block.returnCode.
  virtual std::uint8_t Call(ControlBlock& block) = 0;
};

}  // namespace vrex::os
