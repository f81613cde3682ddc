#pragma once
// The local groups page: every local group of the local computer with its
// comment and members, read afresh on every rendering; and the global groups,
// which the program does not list.
#include <string>
#include <vector>

#include "platform/os/net_management.h"

namespace vrex::gather {

// The preferred length of each group and member enumeration call, in bytes.
inline constexpr std::uint32_t kGroupEnumLength = 255;

std::vector<std::string> localgroupstostringlst();
// The comment, the members heading and the members of one local group,
// queried by its name as the enumeration gave it; nothing when the query fails.
std::vector<std::string> groupdetailtostringlst(const std::u16string& name);
std::vector<std::string> globalgroupstostringlst();

}  // namespace vrex::gather
