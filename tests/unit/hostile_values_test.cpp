// Values read from the system that hold markup or HTML: every page shows
// them as text, with their angle brackets escaped, so they neither restyle the
// page nor become tags in an HTML report.
#include <gtest/gtest.h>

#include <functional>

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
#include "lang/language.h"
#include "support/memory/memory_ports.h"

namespace vrex::gather {
namespace {

using Lines = std::vector<std::string>;
using os::memory::World;

std::u16string Wide(const std::string& text) { return std::u16string(text.begin(), text.end()); }

class HostileValues : public ::testing::Test {
 protected:
  void SetUp() override { UnloadLanguageModule(); }
  // The program-wide lists the pages read are left empty for the tests after these.
  void TearDown() override {
    DeviceList().clear();
    AdapterNameList().clear();
    ProtocolList().clear();
    ServiceList().clear();
    ClientList().clear();
  }
  World world;
};

struct Page {
  const char* name;
  // Puts the value where the page reads it from and returns the page's lines.
  std::function<Lines(World&, const std::string&)> lines;
};

const Page kPages[] = {
    {"basic information",
     [](World&, const std::string& v) {
       TBasicInfo info;
       info.UserName = v;
       return zakladniinfotostringlst(info, false);
     }},
    {"winsock",
     [](World& world, const std::string& v) {
       world.sockets.SetDescription(v);
       TWinsock winsock;
       winsock.GetInfo();
       return winsocktostringlst(winsock);
     }},
    {"adapter title without a device record",
     [](World&, const std::string& v) {
       DeviceList().clear();
       AdapterNameList() = {v};
       return netadapterstostringlst();
     }},
    {"adapter driver value",
     [](World& world, const std::string& v) {
       DeviceListRecord card;
       card.Name = "card";
       card.ClassName = "Net";
       card.DriverKey = "System\\CurrentControlSet\\Services\\Class\\Net\\0000";
       world.registry.SetText(os::RootKey::LocalMachine, card.DriverKey, "DriverDesc", v);
       DeviceList() = {card};
       AdapterNameList() = {"card"};
       return netadapterstostringlst();
     }},
    {"protocols",
     [](World&, const std::string& v) {
       ProtocolList() = {v};
       return protocolstostringlst();
     }},
    {"services",
     [](World&, const std::string& v) {
       ServiceList() = {v};
       return servicestostringlst();
     }},
    {"clients",
     [](World&, const std::string& v) {
       ClientList() = {v};
       return clientstostringlst();
     }},
    {"tcp/ip",
     [](World& world, const std::string& v) {
       world.system.SetVersion(1, 4, 10);
       return tcpipdetailstostringlst(v);
     }},
    {"mail account name",
     [](World&, const std::string& v) {
       TInternetInfo info;
       info.MailAccounts[0].AccountName = v;
       return postatostringlst(info);
     }},
    {"mail server",
     [](World&, const std::string& v) {
       TInternetInfo info;
       info.MailAccounts[0].AccountName = "work";
       info.MailAccounts[0].SmtpServer = v;
       return postatostringlst(info);
     }},
    {"proxy",
     [](World&, const std::string& v) {
       TInternetInfo info;
       info.ProxyHttp = v;
       return proxytostringlst(info);
     }},
    {"browsers",
     [](World&, const std::string& v) {
       TInternetInfo info;
       info.IEStartPage = v;
       return explorerstostringlst(info);
     }},
    {"dial-up entry", [](World&, const std::string& v) { return PhonebookLines("EN=" + v + "@PhoneNumber=1@ "); }},
    {"dial-up property",
     [](World&, const std::string& v) { return PhonebookLines("EN=Office@PhoneNumber=" + v + "@ "); }},
    {"user name",
     [](World& world, const std::string& v) {
       world.netManagement.users = {{.name = Wide(v)}};
       return userstostringlst();
     }},
    {"user's full name",
     [](World& world, const std::string& v) {
       world.netManagement.users = {{.name = u"tom", .fullName = Wide(v)}};
       return userstostringlst();
     }},
    {"local group name",
     [](World& world, const std::string& v) {
       world.netManagement.groups = {{.name = Wide(v)}};
       return localgroupstostringlst();
     }},
    {"local group member",
     [](World& world, const std::string& v) {
       world.netManagement.groups = {{.name = u"staff", .members = {Wide(v)}}};
       return localgroupstostringlst();
     }},
    {"local host name of a connection",
     [](World& world, const std::string& v) {
       world.sockets.hostName = v;
       world.snmp.AddTcpRow(5, {10, 0, 0, 2}, 1025, {0, 0, 0, 0}, 0);
       return connectionstostringlst();
     }},
};

TEST_F(HostileValues, EveryPageShowsAValuesTagsEscaped) {
  const std::pair<const char*, const char*> values[] = {
      {"<FONT size=\"200\">x</FONT>", "&lt;FONT size=\"200\"&gt;x&lt;/FONT&gt;"},
      {"<script>alert(1)</script>", "&lt;script&gt;alert(1)&lt;/script&gt;"},
  };
  for (const Page& page : kPages) {
    for (const auto& [value, escaped] : values) {
      SCOPED_TRACE(std::string(page.name) + ": " + value);
      World world;
      const Lines lines = page.lines(world, value);
      int shown = 0;
      for (const std::string& line : lines) {
        EXPECT_EQ(line.find(value), std::string::npos) << line;
        if (line.find(escaped) != std::string::npos) ++shown;
      }
      EXPECT_GT(shown, 0) << ::testing::PrintToString(lines);
    }
  }
}

TEST_F(HostileValues, AWrappedValueIsBrokenBeforeItIsEscaped) {
  world.modules.ownStrings = {{122, "Description"}};
  world.netManagement.users = {{.name = u"tom", .comment = Wide(std::string(24, 'x') + "<script>")}};
  EXPECT_EQ(userdetailtostringlst(u"tom").at(3),
            "<IND x=\"20\"><IMG src=\"idx:16\"></IMG><FONT color=\"clblue\">Description<FONT color=\"clmaroon\"><IND "
            "x=\"170\">xxxxxxxxxxxxxxxxxxxxxxxx&lt;s<BR><IND x=\"170\">cript&gt;</FONT>");
}

}  // namespace
}  // namespace vrex::gather
