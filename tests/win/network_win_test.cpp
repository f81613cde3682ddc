// Basic information, the network object and the online detector against
// Wine's real IP Helper, Winsock, NetBIOS and timers.  The physical address
// and the host name are checked against what ipconfig /all reports for the
// same prefix: the test script passes its output in VREX_IPCONFIG_FILE, and
// without it the test runs ipconfig itself.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <regex>
#include <sstream>

#include "components/inet_detector.h"
#include "gather/basic_info.h"
#include "gather/network.h"
#include "gather/winsock_lines.h"
#include "lang/os_version.h"
#include "platform/os/win/win_ports_win.h"
#include "platform/text.h"

namespace vrex::gather {
namespace {

std::string RunIpconfig() {
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE read = nullptr, write = nullptr;
  if (!CreatePipe(&read, &write, &inherit, 0)) return {};
  SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = write;
  startup.hStdError = write;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION process{};
  char command[] = "ipconfig.exe /all";
  BOOL started = CreateProcessA(nullptr, command, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
  CloseHandle(write);
  std::string output;
  if (started) {
    char buffer[4096];
    DWORD count = 0;
    while (ReadFile(read, buffer, sizeof buffer, &count, nullptr) && count > 0) output.append(buffer, count);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
  }
  CloseHandle(read);
  return output;
}

struct Ipconfig {
  std::string hostName;
  std::vector<std::string> physicalAddresses;  // "02-FC-00-00-00-01", interfaces that have one
  std::vector<std::string> ipv4Addresses;
};

Ipconfig ReadIpconfig() {
  std::string text;
  if (const char* file = std::getenv("VREX_IPCONFIG_FILE")) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    text = content.str();
  } else {
    text = RunIpconfig();
  }
  Ipconfig result;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    auto colon = line.find(" : ");
    if (colon == std::string::npos) continue;
    std::string label = text::ToLower(text::Trim(line.substr(0, line.find(". "))));
    std::string value = text::Trim(line.substr(colon + 3));
    if (label == "hostname" || label == "host name") result.hostName = value;
    if (label == "physical address" && !value.empty()) result.physicalAddresses.push_back(value);
    if (label == "ipv4 address" || label == "ip address") result.ipv4Addresses.push_back(value);
  }
  return result;
}

// "02-FC-00-00-00-01" as the basic information shows it: "02 FC 00 00 00 01 ".
std::string AsBasicInfo(std::string address) {
  std::replace(address.begin(), address.end(), '-', ' ');
  return text::ToUpper(address) + " ";
}

std::string DirectRegistryText(HKEY root, const char* path, const char* name) {
  HKEY key;
  if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return {};
  char buffer[1024] = {};
  DWORD size = sizeof buffer - 1, type = 0;
  LONG status = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(key);
  return status == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ) ? std::string(buffer) : std::string();
}

// The first LANA's adapter address, asked of Netbios without our routines.
std::string DirectNetBiosAddress() {
  LANA_ENUM lanas{};
  NCB enumerate{};
  enumerate.ncb_command = NCBENUM;
  enumerate.ncb_buffer = reinterpret_cast<UCHAR*>(&lanas);
  enumerate.ncb_length = sizeof lanas;
  if (Netbios(&enumerate) != NRC_GOODRET || lanas.length == 0) return "no LANA";
  NCB reset{};
  reset.ncb_command = NCBRESET;
  reset.ncb_lana_num = lanas.lana[0];
  if (Netbios(&reset) != NRC_GOODRET) return "reset failed";
  UCHAR status[348] = {};
  NCB query{};
  query.ncb_command = NCBASTAT;
  query.ncb_buffer = status;
  query.ncb_length = sizeof status;
  std::memset(query.ncb_callname, ' ', NCBNAMSZ);
  query.ncb_callname[0] = '*';
  query.ncb_lana_num = lanas.lana[0];
  if (Netbios(&query) != NRC_GOODRET) return "status failed";
  char text[18];
  std::snprintf(text, sizeof text, "%02x:%02x:%02x:%02x:%02x:%02x", status[0], status[1], status[2], status[3],
                status[4], status[5]);
  return text;
}

class NetworkUnderWine : public ::testing::Test {
 protected:
  void SetUp() override { os::win::InstallWin32Ports(); }
};

TEST_F(NetworkUnderWine, BasicInformationAgreesWithIpconfig) {
  Ipconfig ipconfig = ReadIpconfig();
  ASSERT_FALSE(ipconfig.hostName.empty()) << "ipconfig /all gave no host name";
  ASSERT_FALSE(ipconfig.physicalAddresses.empty());
  TBasicInfo info;
  ReadBasicAddresses(info);
  ReadBasicNames(info);
  EXPECT_EQ(info.PhysicalAddress, AsBasicInfo(ipconfig.physicalAddresses.back()));
  {
    os::WinsockSession winsock;
    ASSERT_TRUE(winsock.Started());
    auto hostName = os::SocketsPort().HostName(256);
    ASSERT_TRUE(hostName.has_value());
    EXPECT_TRUE(text::EqualsNoCase(*hostName, ipconfig.hostName)) << *hostName << " / " << ipconfig.hostName;
  }
  EXPECT_NE(std::find(ipconfig.ipv4Addresses.begin(), ipconfig.ipv4Addresses.end(), info.HostIPAddress),
            ipconfig.ipv4Addresses.end())
      << "host address " << info.HostIPAddress;

  // The names come from the registry of the Windows family Wine plays.
  std::string computer, workgroup, user;
  if (IsNTFamily()) {
    const char* winlogon = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
    const char* explorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
    computer = DirectRegistryText(HKEY_LOCAL_MACHINE, winlogon, "DefaultDomainName");
    workgroup = DirectRegistryText(HKEY_CURRENT_USER, explorer, "Last Domain");
    workgroup.erase(0, workgroup.rfind(',') == std::string::npos ? 0 : workgroup.rfind(',') + 1);
    user = DirectRegistryText(HKEY_CURRENT_USER, explorer, "Logon User Name");
    if (user.empty()) user = DirectRegistryText(HKEY_LOCAL_MACHINE, winlogon, "DefaultUserName");
  } else if (IsWin9xFamily()) {
    computer = DirectRegistryText(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\ComputerName\\ComputerName",
                                  "ComputerName");
    workgroup =
        DirectRegistryText(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\VxD\\VNETSUP", "Workgroup");
    user = DirectRegistryText(HKEY_LOCAL_MACHINE, "Network\\Logon", "username");
  }
  EXPECT_EQ(info.ComputerOrDomain, computer);
  EXPECT_EQ(info.WorkgroupOrDomain, workgroup);
  EXPECT_EQ(info.UserName, user);

  RecordProperty("hostIPAddress", info.HostIPAddress);
  RecordProperty("physicalAddress", info.PhysicalAddress);
  RecordProperty("computerOrDomain", info.ComputerOrDomain);
  RecordProperty("workgroupOrDomain", info.WorkgroupOrDomain);
  RecordProperty("userName", info.UserName);
  auto lines = zakladniinfotostringlst(info, true);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_NE(lines[1].find("<FONT color=\"clmaroon\"> " + info.PhysicalAddress + " </FONT>"), std::string::npos);
  EXPECT_NE(lines[5].find("> ON-LINE </FONT>"), std::string::npos);
  for (const auto& line : lines) EXPECT_EQ(line.rfind("<IMG src=\"idx:0\"></IMG> <FONT size=\"10\"", 0), 0u) << line;
}

TEST_F(NetworkUnderWine, WinsockReportsItselfAsWinsockTwo) {
  TWinsock winsock;
  winsock.GetInfo();
  EXPECT_EQ(winsock.Description(), "WinSock 2.0");
  EXPECT_EQ(winsock.Status(), "Running");
  EXPECT_EQ(winsock.MajorVersion(), 2);
  EXPECT_EQ(winsock.MinorVersion(), 2);
  auto lines = winsocktostringlst(winsock);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_NE(lines[0].find("> WinSock 2.0 </FONT>"), std::string::npos) << lines[0];
  EXPECT_NE(lines[1].find("> 2.2 </FONT>"), std::string::npos) << lines[1];
  EXPECT_NE(lines[2].find("> Running </FONT>"), std::string::npos) << lines[2];
  EXPECT_EQ(lines[3], " ");
}

TEST_F(NetworkUnderWine, NetworkObjectFindsOneNetBiosAdapterAndTheHostAddresses) {
  Ipconfig ipconfig = ReadIpconfig();
  TNetwork network;
  network.GetInfo();
  ASSERT_EQ(network.MACAddresses().size(), 1u);
  const std::string mac = network.MACAddresses()[0];
  EXPECT_TRUE(std::regex_match(mac, std::regex("([0-9a-f]{2}:){5}[0-9a-f]{2}"))) << mac;
  EXPECT_EQ(mac, DirectNetBiosAddress());
  RecordProperty("netbiosAddress", mac);
  ASSERT_FALSE(network.IPAddresses().empty());
  for (const auto& address : network.IPAddresses())
    EXPECT_NE(std::find(ipconfig.ipv4Addresses.begin(), ipconfig.ipv4Addresses.end(), address),
              ipconfig.ipv4Addresses.end())
        << address;
  EXPECT_EQ(network.WinSock().Description(), "WinSock 2.0");
  EXPECT_EQ(network.CardAdapterIndex(), -1);  // no device source yet
}

TEST_F(NetworkUnderWine, DetectorTicksOnTheThreadOfItsHiddenWindow) {
  // The dial-up flag makes the computer count as on line whatever its address.
  const char* remoteAccess = "System\\CurrentControlSet\\Services\\RemoteAccess";
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, remoteAccess, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const BYTE flag[4] = {1, 0, 0, 0};
  RegSetValueExA(key, "Remote Connection", 0, REG_BINARY, flag, sizeof flag);
  RegCloseKey(key);

  std::vector<DWORD> threads;
  {
    components::TINetDetector detector(components::CreateHiddenWindowTimer);
    detector.OnChanged = [&](components::TINetDetector&) { threads.push_back(GetCurrentThreadId()); };
    detector.SetDispatchInterval(20);
    const DWORD start = GetTickCount();
    MSG message;
    while (!detector.Online() && GetTickCount() - start < 5000) {
      if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&message);
      } else {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
      }
    }
    EXPECT_TRUE(detector.Online());
  }
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, remoteAccess);
  ASSERT_FALSE(threads.empty());
  for (DWORD thread : threads) EXPECT_EQ(thread, GetCurrentThreadId());
}

}  // namespace
}  // namespace vrex::gather
