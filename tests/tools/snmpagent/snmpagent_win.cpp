// A small SNMP extension agent for tests.  It serves the TCP connection table
// (1.3.6.1.2.1.6.13.1) and the UDP listener table (1.3.6.1.2.1.7.5.1) of the
// file connections.txt beside the DLL, with a few scalars around them, and
// answers GET-NEXT in MIB order.  Lines of the file:
//
//   tcp STATE LOCALADDR LOCALPORT REMOTEADDR REMOTEPORT
//   udp LOCALADDR LOCALPORT
//   endless      the first column of the TCP table never ends: every GET-NEXT
//                in it gives one more row (0.0.0.0:0 to 0.0.0.0:N, state 5)
//   fault        the first query writes to an address nothing maps, as a
//                broken agent would (for the tests of the fault handler)
//
// Blank lines and lines starting with '#' are skipped.  The file is read
// afresh at every SnmpExtensionInit.
#include <windows.h>
#include <snmp.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Ids = std::vector<UINT>;

struct Value {
  BYTE type = ASN_INTEGER;
  AsnInteger32 number = 0;
  std::array<BYTE, 4> address{};
};

HMODULE self = nullptr;
std::map<Ids, Value> objects;  // vector order is MIB order
bool endless = false;
bool fault = false;
// Not a constant, so that the compiler cannot see the write is bad.
volatile std::uintptr_t unmappedAddress = 16;
const Ids kTcpEntry = {1, 3, 6, 1, 2, 1, 6, 13, 1};

// The endless table's answer to a GET-NEXT for name, if it gives one.
bool EndlessNext(const Ids& name, Ids& next) {
  Ids column1 = kTcpEntry, column2 = kTcpEntry;
  column1.push_back(1);
  column2.push_back(2);
  if (!endless || !(name < column2)) return false;
  UINT row = 1;
  if (name.size() >= column1.size() && std::equal(column1.begin(), column1.end(), name.begin()))
    row = name.size() > 19 ? name[19] + 1 : 1;
  next = column1;
  next.insert(next.end(), {0, 0, 0, 0, 0, 0, 0, 0, 0, row});
  return true;
}

bool ParseAddress(const std::string& text, std::array<BYTE, 4>& address) {
  unsigned parts[4];
  char tail = 0;
  if (std::sscanf(text.c_str(), "%u.%u.%u.%u%c", &parts[0], &parts[1], &parts[2], &parts[3], &tail) != 4) return false;
  for (int i = 0; i < 4; ++i) {
    if (parts[i] > 255) return false;
    address[i] = static_cast<BYTE>(parts[i]);
  }
  return true;
}

Value Integer(long number) {
  Value value;
  value.number = static_cast<AsnInteger32>(number);
  return value;
}

Value Address(const std::array<BYTE, 4>& address) {
  Value value;
  value.type = ASN_IPADDRESS;
  value.address = address;
  return value;
}

Ids Cell(Ids entry, UINT column, std::initializer_list<std::pair<const std::array<BYTE, 4>*, UINT>> index) {
  entry.push_back(column);
  for (const auto& [address, port] : index) {
    if (address != nullptr) entry.insert(entry.end(), address->begin(), address->end());
    if (address == nullptr) entry.push_back(port);
  }
  return entry;
}

bool Load() {
  objects.clear();
  endless = false;
  fault = false;
  char path[MAX_PATH] = {};
  DWORD length = GetModuleFileNameA(self, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return false;
  char* slash = std::strrchr(path, '\\');
  std::string file = slash ? std::string(path, slash + 1) + "connections.txt" : "connections.txt";
  std::ifstream in(file);
  if (!in) return false;

  const Ids tcpEntry = {1, 3, 6, 1, 2, 1, 6, 13, 1};
  const Ids udpEntry = {1, 3, 6, 1, 2, 1, 7, 5, 1};
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string kind;
    if (!(words >> kind) || kind[0] == '#') continue;
    if (kind == "endless" || kind == "fault") {
      (kind == "endless" ? endless : fault) = true;
      continue;
    }
    if (kind == "tcp") {
      long state;
      std::string local, remote;
      UINT localPort, remotePort;
      std::array<BYTE, 4> localAddress, remoteAddress;
      if (!(words >> state >> local >> localPort >> remote >> remotePort) || !ParseAddress(local, localAddress) ||
          !ParseAddress(remote, remoteAddress))
        return false;
      auto cell = [&](UINT column) {
        return Cell(tcpEntry, column,
                    {{&localAddress, 0}, {nullptr, localPort}, {&remoteAddress, 0}, {nullptr, remotePort}});
      };
      objects[cell(1)] = Integer(state);
      objects[cell(2)] = Address(localAddress);
      objects[cell(3)] = Integer(localPort);
      objects[cell(4)] = Address(remoteAddress);
      objects[cell(5)] = Integer(remotePort);
    } else if (kind == "udp") {
      std::string local;
      UINT localPort;
      std::array<BYTE, 4> localAddress;
      if (!(words >> local >> localPort) || !ParseAddress(local, localAddress)) return false;
      auto cell = [&](UINT column) { return Cell(udpEntry, column, {{&localAddress, 0}, {nullptr, localPort}}); };
      objects[cell(1)] = Address(localAddress);
      objects[cell(2)] = Integer(localPort);
    } else {
      return false;
    }
  }
  // The scalars that follow the TCP table and precede the UDP table.
  for (UINT item : {14u, 15u}) objects[{1, 3, 6, 1, 2, 1, 6, item, 0}] = Integer(0);
  for (UINT item : {1u, 2u, 3u, 4u}) objects[{1, 3, 6, 1, 2, 1, 7, item, 0}] = Integer(0);
  return true;
}

void SetName(AsnObjectIdentifier& name, const Ids& ids) {
  Ids copy = ids;
  AsnObjectIdentifier source{static_cast<UINT>(copy.size()), copy.data()};
  SnmpUtilOidFree(&name);
  SnmpUtilOidCpy(&name, &source);
}

// What the caller's binding held before: freed through the utility library
// that allocated it (SnmpUtilAsnAnyFree is missing from older import libraries).
void FreeValue(AsnAny& any) {
  switch (any.asnType) {
    case ASN_OCTETSTRING:
    case ASN_IPADDRESS:
    case ASN_OPAQUE:
    case ASN_BITS:
    case ASN_SEQUENCE:
      if (any.asnValue.string.dynamic && any.asnValue.string.stream != nullptr)
        SnmpUtilMemFree(any.asnValue.string.stream);
      break;
    case ASN_OBJECTIDENTIFIER: SnmpUtilOidFree(&any.asnValue.object); break;
    default: break;
  }
}

void SetValue(AsnAny& any, const Value& value) {
  FreeValue(any);
  std::memset(&any, 0, sizeof any);
  any.asnType = value.type;
  if (value.type == ASN_IPADDRESS) {
    auto* stream = static_cast<BYTE*>(SnmpUtilMemAlloc(4));
    std::memcpy(stream, value.address.data(), 4);
    any.asnValue.address.stream = stream;
    any.asnValue.address.length = 4;
    any.asnValue.address.dynamic = TRUE;
  } else {
    any.asnValue.number = value.number;
  }
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) self = instance;
  return TRUE;
}

extern "C" BOOL WINAPI SnmpExtensionInit(DWORD, HANDLE* trapEvent, AsnObjectIdentifier* firstRegion) {
  if (!Load()) return FALSE;
  if (trapEvent != nullptr) *trapEvent = nullptr;
  if (firstRegion != nullptr) {
    UINT mib2[] = {1, 3, 6, 1, 2, 1};
    AsnObjectIdentifier region{6, mib2};
    SnmpUtilOidCpy(firstRegion, &region);
  }
  return TRUE;
}

extern "C" BOOL WINAPI SnmpExtensionQuery(BYTE pduType, SnmpVarBindList* list, AsnInteger32* errorStatus,
                                          AsnInteger32* errorIndex) {
  if (fault) *reinterpret_cast<volatile int*>(unmappedAddress) = 1;
  *errorStatus = SNMP_ERRORSTATUS_NOERROR;
  *errorIndex = 0;
  for (UINT i = 0; i < list->len; ++i) {
    SnmpVarBind& binding = list->list[i];
    Ids name(binding.name.ids, binding.name.ids + binding.name.idLength);
    Ids next;
    if (pduType == SNMP_PDU_GETNEXT && EndlessNext(name, next)) {
      SetName(binding.name, next);
      SetValue(binding.value, Integer(5));
      continue;
    }
    auto found = pduType == SNMP_PDU_GETNEXT ? objects.upper_bound(name) : objects.find(name);
    if (found == objects.end()) {
      *errorStatus = SNMP_ERRORSTATUS_NOSUCHNAME;
      *errorIndex = static_cast<AsnInteger32>(i + 1);
      // Past the end of the view a GET-NEXT names the successor of the MIB-II groups served.
      if (pduType == SNMP_PDU_GETNEXT) SetName(binding.name, {1, 3, 6, 1, 2, 1, 8});
      return TRUE;
    }
    SetName(binding.name, found->first);
    SetValue(binding.value, found->second);
  }
  return TRUE;
}
