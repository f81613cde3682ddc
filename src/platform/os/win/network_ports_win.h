#pragma once
// The Win32 adapters of the network ports: thin calls, no logic.
#include <memory>
#include <string>

#include "platform/os/ports.h"

namespace vrex::os::win {

// Winsock 1.1 (wsock32).  The reverse lookups under way answer to a hidden
// window of the thread that started them.
class Win32Sockets : public Sockets {
 public:
  Win32Sockets();
  ~Win32Sockets() override;
  int Startup(std::uint16_t versionRequested, WinsockData& data) override;
  int Cleanup() override;
  std::optional<std::string> HostName(std::size_t bufferLength) override;
  std::optional<std::vector<Ipv4>> AddressesOf(const std::string& hostName) override;
  std::optional<std::string> NameOf(const Ipv4& address) override;
  std::optional<std::uint32_t> StartNameLookup(const Ipv4& address) override;
  void WaitForMessage(std::uint32_t milliseconds) override;
  std::vector<NameAnswer> TakeNameAnswers() override;
  void CancelNameLookup(std::uint32_t lookup) override;
  std::optional<std::string> ServiceOf(std::uint16_t port, const std::string& protocol) override;

 private:
  struct NameLookups;
  std::unique_ptr<NameLookups> lookups_;
};

class Win32IpHelper : public IpHelper {
 public:
  std::optional<std::vector<InterfaceRow>> InterfaceTable() override;
};

class Win32NetBios : public NetBiosApi {
 public:
  std::uint8_t Call(ControlBlock& block) override;
};

// The extension agent and the SNMP utility library, loaded with LoadLibraryA
// on first use and kept until the adapter is destroyed.  The program uses the
// system's agent; tests may name another agent file.
class Win32Snmp : public SnmpExtension {
 public:
  explicit Win32Snmp(std::string agentPath = "inetmib1.dll", std::string utilityPath = "snmpapi.dll");
  ~Win32Snmp() override;
  bool ExtensionInit(std::uint32_t uptimeReference) override;
  std::unique_ptr<SnmpVariable> NewVariable() override;
  bool ExtensionQuery(std::uint8_t pduType, SnmpVariable& variable, std::int32_t& errorStatus,
                      std::int32_t& errorIndex) override;
  // Whether both libraries loaded and export what the walk needs.
  bool Loaded();
  // The file the agent was loaded from (Wine may substitute its own for a path).
  std::string AgentFile();

  struct Libraries;

 private:
  std::string agentPath_;
  std::string utilityPath_;
  std::shared_ptr<Libraries> libraries_;
};

class Win32Ui : public UserInterface {
 public:
  void ProcessMessages() override;
  void SetCursor(Cursor cursor) override;
  void Terminate() override;
  bool Terminated() const override { return terminated_; }

 private:
  bool terminated_ = false;
};

}  // namespace vrex::os::win
