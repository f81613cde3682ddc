#include "gather/local_groups.h"

#include "gather/label_value_line.h"
#include "gather/net_buffer.h"
#include "lang/language.h"
#include "lang/string_ids.h"
#include "platform/os/ports.h"
#include "platform/ui/art_ids.h"

namespace vrex::gather {
namespace {

constexpr const char* kEnd = "</FONT>";

}  // namespace

std::vector<std::string> localgroupstostringlst() {
  std::vector<std::string> lines;
  std::uintptr_t resume = 0;
  WalkEnumeration<os::LocalGroupInfo0>(
      kGroupEnumLength,
      [&resume](std::uint8_t** buffer, std::uint32_t length, std::uint32_t* read, std::uint32_t* total) {
        return os::NetManagementPort().LocalGroupEnum(nullptr, 0, buffer, length, read, total, &resume);
      },
      [&lines](const os::LocalGroupInfo0& group) {
        const std::string name = AnsiText(group.name);
        if (name.empty()) return;
        lines.push_back(MarkupLine("<FONT color=\"clgreen\"><ind x=\"10\">" + IconTag(ART_ICON_GROUP), name));
        for (std::string& line : groupdetailtostringlst(group.name)) lines.push_back(std::move(line));
        lines.push_back(" ");
      });
  return lines;
}

std::vector<std::string> groupdetailtostringlst(const std::u16string& name) {
  std::vector<std::string> lines;
  {
    NetBuffer info;
    // A failed query returns no record to read: the group keeps its name line only.
    if (os::NetManagementPort().LocalGroupGetInfo(nullptr, name.c_str(), 1, info.Receive()) != os::net::kSuccess ||
        info.Empty())
      return lines;
    const std::string comment = AnsiText(info.As<os::LocalGroupInfo1>()->comment);
    lines.push_back(WrappedMarkupLine("<FONT COLOR=\"clmaroon\"> <IND x=\"20\">", comment, 20, 50, 4));
    info.Release();
  }
  lines.push_back("<FONT COLOR=\"clblue\"> <IND x=\"20\">" + GetLangString(IDS_ACCOUNT_MEMBERS) + kEnd);
  // Members that do not fit in one call come with the following ones.
  std::uintptr_t resume = 0;
  WalkEnumeration<os::LocalGroupMembersInfo1>(
      kGroupEnumLength,
      [&resume, &name](std::uint8_t** buffer, std::uint32_t length, std::uint32_t* read, std::uint32_t* total) {
        return os::NetManagementPort().LocalGroupGetMembers(nullptr, name.c_str(), 1, buffer, length, read, total,
                                                            &resume);
      },
      [&lines](const os::LocalGroupMembersInfo1& member) {
        const std::string text = AnsiText(member.name);
        if (!text.empty())
          lines.push_back(MarkupLine("<FONT COLOR=\"clmaroon\"> <IND x=\"30\">" + IconTag(ART_ICON_USER), text));
      });
  return lines;
}

std::vector<std::string> globalgroupstostringlst() { return {}; }

}  // namespace vrex::gather
