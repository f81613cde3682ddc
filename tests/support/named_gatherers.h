#pragma once
// Every gatherer of the catalogue, each made by one factory from a short name
// ("basic", "adapters", ..., "global"), for tests of what runs which.
#include <functional>
#include <string>

#include "app/catalogue.h"

namespace vrex::test {

inline app::Gatherers NamedGatherers(const std::function<app::Gatherer(const std::string&)>& make) {
  app::Gatherers gatherers;
  gatherers.zakladniinfotostringlst = make("basic");
  gatherers.netadapterstostringlst = make("adapters");
  gatherers.protocolstostringlst = make("protocols");
  gatherers.servicestostringlst = make("services");
  gatherers.clientstostringlst = make("clients");
  gatherers.winsocktostringlst = make("winsock");
  gatherers.tcpipdetailstostringlst = make("tcpip");
  gatherers.postatostringlst = make("mail");
  gatherers.proxytostringlst = make("proxy");
  gatherers.explorerstostringlst = make("browsers");
  gatherers.gettel = make("dialup");
  gatherers.userstostringlst = make("users");
  gatherers.localgroupstostringlst = make("groups");
  gatherers.globalgroupstostringlst = make("global");
  return gatherers;
}

}  // namespace vrex::test
