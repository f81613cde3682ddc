#pragma once
// The users page: every user account of the local computer with its block
// of 36 lines, read afresh through the network-management functions on every
// rendering.
#include <string>
#include <vector>

#include "platform/os/net_management.h"

namespace vrex::gather {

// The preferred length of each enumeration call, in bytes.
inline constexpr std::uint32_t kUserEnumLength = 22;

std::vector<std::string> userstostringlst();
// The block of one account, queried by its name as the enumeration gave it;
// nothing when the query fails.
std::vector<std::string> userdetailtostringlst(const std::u16string& name);

}  // namespace vrex::gather
