#pragma once
// The Win32 adapter of the network-management port: the forwarding routines
// of the account layer, which raise ENTException when netapi32 lacks a
// function.  Thin calls, no logic.
#include "platform/os/net_management.h"

namespace vrex::os::win {

class Win32NetManagement : public NetManagement {
 public:
  NetStatus ApiBufferFree(void* buffer) override;
  NetStatus UserEnum(const WideChar* server, std::uint32_t level, std::uint32_t filter, std::uint8_t** buffer,
                     std::uint32_t preferredLength, std::uint32_t* entriesRead, std::uint32_t* totalEntries,
                     std::uint32_t* resumeHandle) override;
  NetStatus UserGetInfo(const WideChar* server, const WideChar* userName, std::uint32_t level,
                        std::uint8_t** buffer) override;
  NetStatus LocalGroupEnum(const WideChar* server, std::uint32_t level, std::uint8_t** buffer,
                           std::uint32_t preferredLength, std::uint32_t* entriesRead, std::uint32_t* totalEntries,
                           std::uintptr_t* resumeHandle) override;
  NetStatus LocalGroupGetMembers(const WideChar* server, const WideChar* groupName, std::uint32_t level,
                                 std::uint8_t** buffer, std::uint32_t preferredLength, std::uint32_t* entriesRead,
                                 std::uint32_t* totalEntries, std::uintptr_t* resumeHandle) override;
  NetStatus LocalGroupGetInfo(const WideChar* server, const WideChar* groupName, std::uint32_t level,
                              std::uint8_t** buffer) override;
};

}  // namespace vrex::os::win
