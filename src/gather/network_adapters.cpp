#include "gather/network_adapters.h"

#include <string_view>
#include <unordered_map>

#include "gather/device_list.h"
#include "gather/label_value_line.h"
#include "gather/registry_reads.h"
#include "lang/language.h"
#include "lang/os_version.h"
#include "lang/string_ids.h"
#include "platform/text.h"
#include "platform/ui/art_ids.h"

namespace vrex::gather {
namespace {

constexpr const char* kNT4NetworkCards = "software\\Microsoft\\Windows NT\\CurrentVersion\\NetworkCards";

constexpr const char* kAdapterTitle = "<FONT color=\"clnavy\" size=\"11\">";

// Label and value touch their tags here, unlike the other pages' lines.
std::string DriverValueLine(int icon, const std::string& label, const std::string& value) {
  return MarkupLine(
      IconTag(icon) + " <FONT color=\"clblue\" size=\"10\">" + label + "<IND x=\"200\"><FONT color=\"clmaroon\">",
      value);
}

struct DriverValue {
  const char* name;
  int label;
};
constexpr DriverValue kDriverValues[] = {
    {"DriverDesc", IDS_ADAPTER_DESCRIPTION},
    {"ProviderName", IDS_ADAPTER_PROVIDER},
    {"DriverVersion", IDS_ADAPTER_DRIVER_VERSION},
    {"DriverDate", IDS_ADAPTER_DRIVER_DATE},
    {"InfPath", IDS_ADAPTER_INF_FILE},
};

void AddNT4NetworkCards(std::vector<std::string>& names) {
  for (const auto& card : SubKeyNamesOf(os::RootKey::LocalMachine, kNT4NetworkCards)) {
    auto key = OpenMachineKey(std::string(kNT4NetworkCards) + "\\" + card);
    if (key && key->ValueExists("Description")) names.push_back(key->ReadText("Description").value_or(""));
  }
}

void AddAdapter(const DeviceListRecord& record, std::vector<std::string>& lines) {
  lines.push_back(MarkupLine(kAdapterTitle, record.DatabaseName.empty() ? record.Name : record.DatabaseName));
  lines.push_back("<FONT color=\"clnavy\" size=\"10\">" + GetLangString(IDS_ADAPTER_DRIVER) + "</FONT>");
  const int icon = text::EqualsNoCase(record.ClassName, "MODEM") ? ART_ICON_TELEPHONE : ART_ICON_NETWORK_CARD;
  if (auto driver = OpenMachineKey(record.DriverKey)) {
    for (const auto& value : kDriverValues)
      if (driver->ValueExists(value.name))
        lines.push_back(DriverValueLine(icon, GetLangString(value.label), driver->ReadText(value.name).value_or("")));
  }
  lines.push_back(" ");
}

}  // namespace

std::vector<std::string>& AdapterNameList() {
  static std::vector<std::string> names;
  return names;
}

void getnetcards() {
  auto& names = AdapterNameList();
  names.clear();
  for (const auto& record : DeviceList()) {
    const std::string upperClass = text::ToUpper(record.ClassName);
    if (upperClass == "NET" || upperClass == "MODEM") names.push_back(record.Name);
  }
  if (GetOSVersionCode() == oscode::kWinNT4) AddNT4NetworkCards(names);
}

std::vector<std::string> netadapterstostringlst() {
  std::vector<std::string> lines;
  const auto& names = AdapterNameList();
  const bool plainOnly = GetOSVersionCode() == oscode::kWinNT4;
  // The first device of each name, found once rather than by a search per name.
  std::unordered_map<std::string_view, const DeviceListRecord*> deviceNamed;
  if (!plainOnly)
    for (const auto& record : DeviceList()) deviceNamed.emplace(record.Name, &record);
  for (const auto& name : names) {
    auto record = deviceNamed.find(name);
    if (record == deviceNamed.end())
      lines.push_back(MarkupLine(kAdapterTitle, name));
    else
      AddAdapter(*record->second, lines);
  }
  return lines;
}

}  // namespace vrex::gather
