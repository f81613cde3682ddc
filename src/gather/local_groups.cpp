#include "gather/local_groups.h"

#include "gather/label_value_line.h"
#include "gather/net_buffer.h"
#include "lang/language.h"
#include "lang/string_ids.h"
#include "platform/os/ports.h"

namespace vrex::gather {
namespace {

constexpr const char* kEnd = "</FONT>";

}  // namespace

std::vector<std::string> localgroupstostringlst() {
  std::vector<std::string> lines;
  std::uintptr_t resume = 0;
  for (;;) {
    NetBuffer buffer;
    std::uint32_t read = 0, total = 0;
    const os::NetStatus status =
        os::NetMgmt().LocalGroupEnum(nullptr, 0, buffer.Receive(), kGroupEnumLength, &read, &total, &resume);
    // A failed call ends the walk; the groups already listed stay.
    if (status != os::net::kSuccess && status != os::net::kMoreData) break;
    const auto* groups = buffer.As<os::LocalGroupInfo0>();
    for (std::uint32_t i = 0; groups != nullptr && i < read; ++i) {
      const std::string name = AnsiText(groups[i].name);
      if (name.empty()) continue;
      lines.push_back(MarkupLine("<FONT color=\"clgreen\"><ind x=\"10\"><IMG src=\"idx:17\"></IMG>", name));
      for (std::string& line : groupdetailtostringlst(groups[i].name)) lines.push_back(std::move(line));
      lines.push_back(" ");
    }
    buffer.Release();
    if (!EnumerationGoesOn(status, read, total)) break;
  }
  return lines;
}

std::vector<std::string> groupdetailtostringlst(const std::u16string& name) {
  std::vector<std::string> lines;
  {
    NetBuffer info;
    // A failed query returns no record to read: the group keeps its name line only.
    if (os::NetMgmt().LocalGroupGetInfo(nullptr, name.c_str(), 1, info.Receive()) != os::net::kSuccess || info.Empty())
      return lines;
    const std::string comment = AnsiText(info.As<os::LocalGroupInfo1>()->comment);
    lines.push_back(WrappedMarkupLine("<FONT COLOR=\"clmaroon\"> <IND x=\"20\">", comment, 20, 50, 4));
    info.Release();
  }
  lines.push_back("<FONT COLOR=\"clblue\"> <IND x=\"20\">" + GetLangString(IDS_ACCOUNT_MEMBERS) + kEnd);
  // Members that do not fit in one call come with the following ones.
  std::uintptr_t resume = 0;
  for (;;) {
    NetBuffer buffer;
    std::uint32_t read = 0, total = 0;
    const os::NetStatus status = os::NetMgmt().LocalGroupGetMembers(nullptr, name.c_str(), 1, buffer.Receive(),
                                                                    kGroupEnumLength, &read, &total, &resume);
    if (status != os::net::kSuccess && status != os::net::kMoreData) break;
    const auto* members = buffer.As<os::LocalGroupMembersInfo1>();
    for (std::uint32_t i = 0; members != nullptr && i < read; ++i) {
      const std::string member = AnsiText(members[i].name);
      if (!member.empty())
        lines.push_back(MarkupLine("<FONT COLOR=\"clmaroon\"> <IND x=\"30\"><IMG src=\"idx:16\"></IMG>", member));
    }
    buffer.Release();
    if (!EnumerationGoesOn(status, read, total)) break;
  }
  return lines;
}

std::vector<std::string> globalgroupstostringlst() { return {}; }

}  // namespace vrex::gather
