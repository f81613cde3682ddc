#include <windows.h>
#include <snmp.h>

#include <cstring>

#include "platform/os/win/handles_win.h"
#include "platform/os/win/network_ports_win.h"

namespace vrex::os::win {

// The agent lays out its variable bindings packed to four bytes.
static_assert(sizeof(void*) != 4 ||
              (sizeof(AsnAny) == 16 && sizeof(SnmpVarBind) == 24 && sizeof(AsnOctetString) == 12));

using OidAppendFunction = SNMPAPI(SNMP_FUNC_TYPE*)(AsnObjectIdentifier*, AsnObjectIdentifier*);
using OidFreeFunction = VOID(SNMP_FUNC_TYPE*)(AsnObjectIdentifier*);
using VarBindFreeFunction = VOID(SNMP_FUNC_TYPE*)(SnmpVarBind*);

// Both libraries with the entry points the walk calls.  Variables keep them
// loaded, since their memory belongs to the utility library.
struct Win32Snmp::Libraries {
  vrex::win::UniqueModule utility;
  vrex::win::UniqueModule agent;
  PFNSNMPEXTENSIONINIT init = nullptr;
  PFNSNMPEXTENSIONQUERY query = nullptr;
  OidAppendFunction oidAppend = nullptr;
  OidFreeFunction oidFree = nullptr;
  VarBindFreeFunction varBindFree = nullptr;
};

namespace {

template <typename Function>
Function Entry(const vrex::win::UniqueModule& module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module.get(), name)));
}

class Win32SnmpVariable : public SnmpVariable {
 public:
  explicit Win32SnmpVariable(std::shared_ptr<Win32Snmp::Libraries> libraries) : libraries_(std::move(libraries)) {
    std::memset(&binding_, 0, sizeof binding_);
    binding_.value.asnType = ASN_NULL;
  }
  ~Win32SnmpVariable() override { libraries_->varBindFree(&binding_); }

  bool AppendToName(const Oid& ids) override {
    Oid copy = ids;
    AsnObjectIdentifier source{static_cast<UINT>(copy.size()), copy.data()};
    return libraries_->oidAppend(&binding_.name, &source) != 0;
  }

  Oid Name() const override {
    if (binding_.name.ids == nullptr) return {};
    return Oid(binding_.name.ids, binding_.name.ids + binding_.name.idLength);
  }

  SnmpValue Value() const override {
    SnmpValue value;
    value.type = binding_.value.asnType;
    switch (value.type) {
      case ASN_OCTETSTRING:
      case ASN_IPADDRESS:
      case ASN_OPAQUE:
      case ASN_BITS: {
        const AsnOctetString& text = binding_.value.asnValue.string;
        if (text.stream != nullptr) value.bytes.assign(text.stream, text.stream + text.length);
        break;
      }
      case ASN_INTEGER:
      case ASN_COUNTER32:
      case ASN_GAUGE32:
      case ASN_TIMETICKS:
      case ASN_UINTEGER32: value.number = binding_.value.asnValue.number; break;
      default: break;
    }
    return value;
  }

  SnmpVarBind& Binding() { return binding_; }

 private:
  std::shared_ptr<Win32Snmp::Libraries> libraries_;
  SnmpVarBind binding_;
};

}  // namespace

Win32Snmp::Win32Snmp(std::string agentPath, std::string utilityPath)
    : agentPath_(std::move(agentPath)), utilityPath_(std::move(utilityPath)) {}

Win32Snmp::~Win32Snmp() = default;

bool Win32Snmp::Loaded() {
  if (libraries_) return true;
  auto libraries = std::make_shared<Libraries>();
  libraries->utility.reset(LoadLibraryA(utilityPath_.c_str()));
  libraries->agent.reset(LoadLibraryA(agentPath_.c_str()));
  if (!libraries->utility || !libraries->agent) return false;
  libraries->init = Entry<PFNSNMPEXTENSIONINIT>(libraries->agent, "SnmpExtensionInit");
  libraries->query = Entry<PFNSNMPEXTENSIONQUERY>(libraries->agent, "SnmpExtensionQuery");
  libraries->oidAppend = Entry<OidAppendFunction>(libraries->utility, "SnmpUtilOidAppend");
  libraries->oidFree = Entry<OidFreeFunction>(libraries->utility, "SnmpUtilOidFree");
  libraries->varBindFree = Entry<VarBindFreeFunction>(libraries->utility, "SnmpUtilVarBindFree");
  if (!libraries->init || !libraries->query || !libraries->oidAppend || !libraries->oidFree || !libraries->varBindFree)
    return false;
  libraries_ = std::move(libraries);
  return true;
}

std::string Win32Snmp::AgentFile() {
  if (!Loaded()) return {};
  char path[MAX_PATH] = {};
  DWORD length = GetModuleFileNameA(libraries_->agent.get(), path, MAX_PATH);
  return std::string(path, length < MAX_PATH ? length : 0);
}

bool Win32Snmp::ExtensionInit(std::uint32_t uptimeReference) {
  if (!Loaded()) return false;
  HANDLE trapEvent = nullptr;
  AsnObjectIdentifier firstRegion{0, nullptr};
  BOOL ok = libraries_->init(uptimeReference, &trapEvent, &firstRegion);
  if (firstRegion.ids != nullptr) libraries_->oidFree(&firstRegion);
  return ok != FALSE;
}

std::unique_ptr<SnmpVariable> Win32Snmp::NewVariable() {
  if (!Loaded()) return nullptr;
  return std::make_unique<Win32SnmpVariable>(libraries_);
}

bool Win32Snmp::ExtensionQuery(std::uint8_t pduType, SnmpVariable& variable, std::int32_t& errorStatus,
                               std::int32_t& errorIndex) {
  if (!Loaded()) return false;
  SnmpVarBindList list{&static_cast<Win32SnmpVariable&>(variable).Binding(), 1};
  AsnInteger32 status = 0;
  AsnInteger32 index = 0;
  BOOL ok = libraries_->query(pduType, &list, &status, &index);
  errorStatus = status;
  errorIndex = index;
  return ok != FALSE;
}

}  // namespace vrex::os::win
