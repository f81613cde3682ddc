#include "app/startup_gathering.h"

#include <exception>
#include <memory>
#include <utility>

#include "gather/basic_info.h"
#include "gather/connections.h"
#include "gather/device_list.h"
#include "gather/dialup.h"
#include "gather/internet_info.h"
#include "gather/local_groups.h"
#include "gather/network.h"
#include "gather/network_adapters.h"
#include "gather/protocols.h"
#include "gather/tcpip_details.h"
#include "gather/users.h"
#include "gather/winsock_lines.h"
#include "lang/message_texts.h"
#include "lang/os_version.h"
#include "lang/string_ids.h"
#include "platform/os/ports.h"
#include "platform/text.h"

namespace vrex::app {

std::vector<std::string> ActiveConnections;
fslozky SystemFolders;

void ReadSystemFolder() { SystemFolders.system = os::SystemPort().SystemDirectory().substr(0, 255); }

void GatherActiveConnections() {
  ActiveConnections.clear();
  if (GetOSVersionCode() == oscode::kWinNT4) return;
  try {
    ActiveConnections = gather::connectionstostringlst();
  } catch (const std::exception&) {
    // Start-up goes on without them.
  }
}

void GatherDevicesAndNetwork(const std::function<void()>& refreshDevices,
                             const std::function<void(const std::string& message)>& onDatabaseError) {
  try {
    refreshDevices();
  } catch (const std::exception& error) {
    onDatabaseError(error.what());
  }
  gather::Network().SetDeviceSource(std::make_shared<gather::DeviceListSource>());
  getnetinfo();
  gather::getnetcards();
  gather::getprotocolsetc();
}

void GatherAgain(const std::function<void()>& refreshDevices,
                 const std::function<void(const std::string& message)>& onDatabaseError) {
  GatherActiveConnections();
  GatherDevicesAndNetwork(refreshDevices, onDatabaseError);
}

void getnetinfo() {
  gather::BasicInfo() = {};
  gather::InternetInfo() = {};
  gather::ReadBasicAddresses(gather::BasicInfo());
  // The browsers, the proxy and the mail accounts come between the addresses and the names.
  gather::ReadInternetInfo(gather::InternetInfo());
  gather::ReadBasicNames(gather::BasicInfo());
}

bool RefreshDevices() {
  gather::BuildDeviceList();
  return gather::AnnotateDevices("net", "");
}

std::string MissingDatabaseMessage() {
  return text::FillIn(GetMessageText(IDS_CMD_NO_DATABASE), gather::DefaultDatabaseFolder());
}

Gatherers StartUpGatherers(std::function<bool()> online) {
  Gatherers g;
  g.zakladniinfotostringlst = [online = std::move(online)] { return gather::zakladniinfotostringlst(online()); };
  g.netadapterstostringlst = gather::netadapterstostringlst;
  g.protocolstostringlst = gather::protocolstostringlst;
  g.servicestostringlst = gather::servicestostringlst;
  g.clientstostringlst = gather::clientstostringlst;
  g.winsocktostringlst = [] { return gather::winsocktostringlst(); };
  g.tcpipdetailstostringlst = [] { return gather::tcpipdetailstostringlst(); };
  g.postatostringlst = [] { return gather::postatostringlst(gather::InternetInfo()); };
  g.proxytostringlst = [] { return gather::proxytostringlst(gather::InternetInfo()); };
  g.explorerstostringlst = [] { return gather::explorerstostringlst(gather::InternetInfo()); };
  g.gettel = [] { return gather::gettel(SystemFolders.system); };
  g.userstostringlst = gather::userstostringlst;
  g.localgroupstostringlst = gather::localgroupstostringlst;
  g.globalgroupstostringlst = gather::globalgroupstostringlst;
  return g;
}

}  // namespace vrex::app
