#include "gather/winsock_lines.h"

#include "gather/label_value_line.h"
#include "lang/language.h"
#include "lang/string_ids.h"
#include "platform/ui/art_ids.h"

namespace vrex::gather {
namespace {

std::string Line(int labelId, const std::string& value) {
  return LabelValueLine(ART_ICON_NETWORK_PLUG, GetLangString(labelId), value);
}

}  // namespace

std::vector<std::string> winsocktostringlst(const TWinsock& winsock) {
  return {
      Line(IDS_WINSOCK_DESCRIPTION, winsock.Description()),
      Line(IDS_WINSOCK_VERSION, std::to_string(winsock.MajorVersion()) + "." + std::to_string(winsock.MinorVersion())),
      Line(IDS_WINSOCK_STATUS, winsock.Status()),
      " ",
  };
}

std::vector<std::string> winsocktostringlst() { return winsocktostringlst(Network().WinSock()); }

}  // namespace vrex::gather
