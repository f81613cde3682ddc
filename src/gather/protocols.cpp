#include "gather/protocols.h"

#include "gather/label_value_line.h"
#include "gather/registry_reads.h"
#include "gather/network.h"
#include "gather/network_adapters.h"
#include "platform/ui/art_ids.h"

namespace vrex::gather {
namespace {

constexpr const char* kProducts = "SOFTWARE\\Microsoft";

void AddTypedSoftware() {
  for (const auto& product : SubKeyNamesOf(os::RootKey::LocalMachine, kProducts)) {
    const std::string productPath = std::string(kProducts) + "\\" + product;
    for (const auto& version : SubKeyNamesOf(os::RootKey::LocalMachine, productPath)) {
      auto key = OpenMachineKey(productPath + "\\" + version);
      if (!key) continue;
      // A type that is not text names none of the three lists.
      const std::string type = key->ReadText("SoftwareType").value_or("");
      if (type != "service" && type != "transport" && type != "driver") continue;
      const std::string title = key->ReadText("Title").value_or("");
      if (type == "service") ServiceList().push_back(title);
      if (type == "transport") ProtocolList().push_back(title);
      if (type == "driver") AdapterNameList().push_back(title);
    }
  }
}

std::vector<std::string> Render(const std::vector<std::string>& list, const std::string& opening) {
  std::vector<std::string> lines;
  lines.reserve(list.size());
  for (const auto& entry : list) lines.push_back(MarkupLine(opening, entry));
  return lines;
}

}  // namespace

std::vector<std::string>& ProtocolList() {
  static std::vector<std::string> list;
  return list;
}

std::vector<std::string>& ServiceList() {
  static std::vector<std::string> list;
  return list;
}

std::vector<std::string>& ClientList() {
  static std::vector<std::string> list;
  return list;
}

void getprotocolsetc() {
  TNetwork& network = Network();
  network.GetInfo();
  ProtocolList() = network.Protocols();
  ServiceList() = network.Services();
  ClientList() = network.Clients();
  AddTypedSoftware();
}

std::vector<std::string> protocolstostringlst() {
  return Render(ProtocolList(), IconTag(ART_ICON_COMPUTER) + " <FONT color=\"clblue\" size=\"10\">");
}

std::vector<std::string> servicestostringlst() {
  return Render(ServiceList(), IconTag(ART_ICON_MONITOR) + "<FONT color=\"clblue\" size=\"10\">");
}

std::vector<std::string> clientstostringlst() {
  return Render(ClientList(), IconTag(ART_ICON_NETWORK_CARD_2) + "<FONT color=\"clblue\" size=\"10\">");
}

}  // namespace vrex::gather
