#include "platform/account_api.h"

#include <iterator>

#include "platform/os/loaded_module.h"
#include "platform/os/ports.h"

namespace vrex {
namespace accountapi {
namespace {

// The families' lists, in lookup order.
// clang-format off
constexpr const char* kFileEncryptionNames[] = {
    "FileEncryptionStatusW", "EncryptFileW", "DecryptFileW", "ConvertSidToStringSidW", "ConvertStringSidToSidW"};

constexpr const char* kSecurityNames[] = {
    "GetFileSecurityA", "MakeAbsoluteSD", "GetSecurityDescriptorOwner", "GetSecurityDescriptorControl",
    "SetSecurityDescriptorControl", "SetSecurityDescriptorOwner", "SetFileSecurityA", "SetNamedSecurityInfoA",
    "GetNamedSecurityInfoA", "GetSecurityDescriptorDacl", "GetLengthSid", "InitializeAcl", "AddAccessDeniedAce",
    "AddAccessAllowedAce", "AddAuditAccessAce", "GetAce", "SetSecurityDescriptorDacl", "GetAclInformation",
    "SetSecurityDescriptorSacl", "GetSecurityDescriptorSacl", "MakeSelfRelativeSD", "InitializeSecurityDescriptor",
    "LsaOpenPolicy", "LsaEnumerateTrustedDomains", "LsaClose", "LsaFreeMemory", "LsaQueryInformationPolicy",
    "LsaSetInformationPolicy", "LsaNtStatusToWinError", "LsaLookupSids", "LsaLookupNames",
    "LsaEnumerateAccountsWithUserRight", "LsaEnumerateAccountRights", "LsaEnumeratePrivilegesOfAccount",
    "LsaAddAccountRights", "LsaRemoveAccountRights", "RegGetKeySecurity", "RegSetKeySecurity",
    "LookupPrivilegeDisplayNameW", "AllocateAndInitializeSid", "FreeSid", "IsValidSid", "GetSidIdentifierAuthority",
    "GetSidSubAuthorityCount", "GetSidSubAuthority", "AdjustTokenPrivileges"};

constexpr const char* kServiceNames[] = {
    "ChangeServiceConfigA", "CloseServiceHandle", "ControlService", "CreateServiceA", "DeleteService",
    "EnumDependentServicesA", "EnumServicesStatusA", "GetServiceDisplayNameA", "GetServiceKeyNameA",
    "LockServiceDatabase", "NotifyBootConfigStatus", "OpenSCManagerA", "OpenServiceA", "QueryServiceConfigA",
    "QueryServiceLockStatusA", "QueryServiceStatus", "StartServiceA", "QueryServiceObjectSecurity",
    "SetServiceObjectSecurity", "UnlockServiceDatabase", "RegConnectRegistryA", "RegOpenKeyExA", "RegCloseKey",
    "RegEnumKeyExA", "RegQueryValueExA", "InitiateSystemShutdownExA", "RegEnumValueA", "RegQueryInfoKeyA"};

constexpr const char* kAccountLookupNames[] = {
    "LookupAccountNameA", "LookupAccountSidA", "LookupPrivilegeValueA", "LookupPrivilegeNameA", "EqualSid",
    "AllocateAndInitializeSid", "BackupEventLogA", "ClearEventLogA", "CloseEventLog", "DeregisterEventSource",
    "GetNumberOfEventLogRecords", "GetOldestEventLogRecord", "NotifyChangeEventLog", "OpenBackupEventLogA",
    "OpenEventLogA", "ReadEventLogA", "RegisterEventSourceA", "ReportEventA"};

constexpr const char* kNetManagementNames[] = {
    "NetJoinDomain", "NetUnjoinDomain", "NetServerEnum", "NetRemoteTOD", "NetMessageNameAdd", "NetMessageNameDel",
    "NetMessageBufferSend", "NetMessageNameEnum", "NetApiBufferFree", "NetUserEnum", "NetUserGetInfo",
    "NetUserChangePassword", "NetQueryDisplayInformation", "NetGetDisplayInformationIndex", "NetGroupEnum",
    "NetLocalGroupEnum", "NetUserGetGroups", "NetUserGetLocalGroups", "NetLocalGroupAddMembers",
    "NetLocalGroupDelMembers", "NetGroupAddUser", "NetGroupDelUser", "NetLocalGroupAdd", "NetLocalGroupDel",
    "NetGroupAdd", "NetGroupDel", "NetUserSetInfo", "NetUserAdd", "NetUserDel", "NetGroupGetUsers",
    "NetLocalGroupGetMembers", "NetLocalGroupSetMembers", "NetGroupSetUsers", "NetGroupGetInfo", "NetGroupSetInfo",
    "NetLocalGroupGetInfo", "NetLocalGroupSetInfo", "NetShareGetInfo", "NetShareSetInfo", "NetServerGetInfo",
    "NetUserModalsGet", "NetServerSetInfo", "NetUserModalsSet", "NetSessionEnum", "NetSessionDel", "NetFileEnum",
    "NetFileClose", "NetShareAdd", "NetShareDel", "NetShareEnum", "NetShareCheck", "NetGetAnyDCName", "NetGetDCName",
    "NetWkstaUserGetInfo", "NetWkstaGetInfo"};
// clang-format on

static_assert(std::size(kFileEncryptionNames) == 5);
static_assert(std::size(kSecurityNames) == 46);
static_assert(std::size(kServiceNames) == 28);
static_assert(std::size(kAccountLookupNames) == 18);
static_assert(std::size(kNetManagementNames) == 55);

constexpr const char* kAdvapi = "advapi32.dll";
constexpr const char* kRadmin = "radmin32.dll";

const FamilyDefinition kFamilies[kFamilyCount] = {
    {kAdvapi, kRadmin, PlatformTest::kNt5, kFileEncryptionNames, false},
    {kAdvapi, kRadmin, PlatformTest::kNt, kSecurityNames, false},
    {kAdvapi, kRadmin, PlatformTest::kNt, kServiceNames, false},
    {kAdvapi, kRadmin, PlatformTest::kNt, kAccountLookupNames, false},
    {"netapi32.dll", kRadmin, PlatformTest::kNt, kNetManagementNames, true},
};

std::array<BoundFamily, kFamilyCount> bound;

int IndexIn(const FamilyDefinition& definition, std::string_view name) {
  for (std::size_t i = 0; i < definition.names.size(); ++i)
    if (definition.names[i] == name) return static_cast<int>(i);
  return -1;
}

bool VersionTest(PlatformTest test) {
  os::OsVersionInfo info;  // all zero, as the 148-byte block starts
  if (!os::SystemPort().QueryVersion(info)) {
    CheckLastOSError();
    info = os::OsVersionInfo{};
  }
  const bool nt = info.platformId == os::kPlatformWin32NT;
  return test == PlatformTest::kNt ? nt : nt && info.majorVersion >= 5;
}

void Bind(const FamilyDefinition& definition, BoundFamily& family) {
  family = BoundFamily{};
  const bool platform = VersionTest(definition.test);
  family.fileName = platform ? definition.ntLibrary : definition.otherLibrary;
  family.pointers.assign(definition.names.size(), nullptr);
  family.handle = os::ModulesPort().Load(family.fileName);
  if (!os::IsLoaded(family.handle)) return;
  // The 9x family's library exports the network-management functions in
  // their ANSI form only; the buffer release is the same on both.
  const bool ansi = definition.ansiOffNt && !IsNTPlatform();
  for (std::size_t i = 0; i < definition.names.size(); ++i) {
    std::string name = definition.names[i];
    if (ansi && name != "NetApiBufferFree") name += 'A';
    family.pointers[i] = os::ModulesPort().Lookup(family.handle, name);
    family.lookupNames.push_back(std::move(name));
  }
}

}  // namespace

const FamilyDefinition& Definition(int family) { return kFamilies[family - 1]; }

const BoundFamily& Family(int family) { return bound[family - 1]; }

os::ProcAddress Pointer(int family, std::string_view listName) {
  if (family < 1 || family > kFamilyCount) return nullptr;
  const BoundFamily& found = Family(family);
  int index = IndexIn(Definition(family), listName);
  if (index < 0 || static_cast<std::size_t>(index) >= found.pointers.size()) return nullptr;
  return found.pointers[index];
}

bool IsNTPlatform() { return VersionTest(PlatformTest::kNt); }

bool IsNT5Platform() { return VersionTest(PlatformTest::kNt5); }

void BindAccountLibraries() {
  ReleaseAccountLibraries();
  for (int i = 0; i < kFamilyCount; ++i) Bind(kFamilies[i], bound[i]);
}

void ReleaseAccountLibraries() {
  for (BoundFamily& family : bound) {
    os::LoadedModule library(family.handle);  // freed here
    // No pointer may outlive its library.
    family = BoundFamily{};
  }
}

std::string SystemErrorText(std::uint32_t code) {
  return std::to_string(code) + ": " + os::SystemPort().ErrorMessageText(code);
}

void CheckLastOSError() {
  const std::uint32_t code = os::SystemPort().LastError();
  if (code != 0) throw ENTException(SystemErrorText(code), static_cast<std::int32_t>(code));
}

}  // namespace accountapi

namespace netapi {
namespace {

constexpr int kNetManagementFamily = 5;

// The bound function, or ENTException naming the library it should come from.
template <typename Function>
Function Require(std::string_view name) {
  os::ProcAddress address = accountapi::Pointer(kNetManagementFamily, name);
  if (address == nullptr)
    throw ENTException("Cannot load library \"" + accountapi::Family(kNetManagementFamily).fileName +
                       "\" or linked libraries");
  return reinterpret_cast<Function>(address);
}

}  // namespace

os::NetStatus NetApiBufferFree(void* buffer) { return Require<NetApiBufferFreeFn>("NetApiBufferFree")(buffer); }

os::NetStatus NetUserEnum(const os::WideChar* server, std::uint32_t level, std::uint32_t filter, std::uint8_t** buffer,
                          std::uint32_t preferredLength, std::uint32_t* entriesRead, std::uint32_t* totalEntries,
                          std::uint32_t* resumeHandle) {
  return Require<NetUserEnumFn>("NetUserEnum")(server, level, filter, buffer, preferredLength, entriesRead,
                                               totalEntries, resumeHandle);
}

os::NetStatus NetUserGetInfo(const os::WideChar* server, const os::WideChar* userName, std::uint32_t level,
                             std::uint8_t** buffer) {
  return Require<NetUserGetInfoFn>("NetUserGetInfo")(server, userName, level, buffer);
}

os::NetStatus NetLocalGroupEnum(const os::WideChar* server, std::uint32_t level, std::uint8_t** buffer,
                                std::uint32_t preferredLength, std::uint32_t* entriesRead, std::uint32_t* totalEntries,
                                std::uintptr_t* resumeHandle) {
  return Require<NetLocalGroupEnumFn>("NetLocalGroupEnum")(server, level, buffer, preferredLength, entriesRead,
                                                           totalEntries, resumeHandle);
}

os::NetStatus NetLocalGroupGetMembers(const os::WideChar* server, const os::WideChar* groupName, std::uint32_t level,
                                      std::uint8_t** buffer, std::uint32_t preferredLength, std::uint32_t* entriesRead,
                                      std::uint32_t* totalEntries, std::uintptr_t* resumeHandle) {
  return Require<NetLocalGroupGetMembersFn>("NetLocalGroupGetMembers")(
      server, groupName, level, buffer, preferredLength, entriesRead, totalEntries, resumeHandle);
}

os::NetStatus NetLocalGroupGetInfo(const os::WideChar* server, const os::WideChar* groupName, std::uint32_t level,
                                   std::uint8_t** buffer) {
  return Require<NetLocalGroupGetInfoFn>("NetLocalGroupGetInfo")(server, groupName, level, buffer);
}

}  // namespace netapi
}  // namespace vrex
