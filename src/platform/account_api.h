#pragma once
// The account and security functions, bound at run time.  They live in
// different libraries on the NT and the 9x family, and older systems lack
// some of them, so the program imports none: at start it loads five library
// families by name, looks up every function it knows, and offers the
// network-management ones through forwarding routines that raise
// ENTException when their function is missing.  Released at program end.
#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/os/modules.h"
#include "platform/os/net_management.h"

#if defined(_WIN32)
#define VREX_NET_API __stdcall
#else
#define VREX_NET_API
#endif

namespace vrex {

// A failure of the account layer: a missing function (ErrorCode 0) or an
// operating-system error (its code).
class ENTException : public std::runtime_error {
 public:
  explicit ENTException(const std::string& message, std::int32_t errorCode = 0)
      : std::runtime_error(message), ErrorCode(errorCode) {}
  std::int32_t ErrorCode;
};

namespace accountapi {

// Which platform test picks a family's library.
enum class PlatformTest {
  kNt5,  // the NT platform from major version 5 on (2000, XP and later)
  kNt,   // the NT platform
};

// What a family is: its libraries and the names it binds, in lookup order.
struct FamilyDefinition {
  const char* ntLibrary;     // when the platform test holds
  const char* otherLibrary;  // otherwise
  PlatformTest test;
  std::span<const char* const> names;
  bool ansiOffNt;  // off the NT platform the names take an "A", NetApiBufferFree excepted
};

inline constexpr int kFamilyCount = 5;
// Families 1 (file encryption, SID texts) to 5 (network management).
const FamilyDefinition& Definition(int family);

// One family as bound at start.  A handle of 32 or below is a library that
// did not load; its pointers then all stay empty.
struct BoundFamily {
  std::string fileName;
  os::ModuleHandle handle = 0;
  std::vector<std::string> lookupNames;   // the names looked up, in order (empty when not loaded)
  std::vector<os::ProcAddress> pointers;  // one per name of the family's list; nullptr when missing
};

const BoundFamily& Family(int family);
// The bound function of the family's list name (without an "A"); nullptr when
// it is missing, not in the list, or the family does not exist.
os::ProcAddress Pointer(int family, std::string_view listName);

// Made afresh on each call from GetVersionExA.  When the version call fails,
// the last error is raised first (CheckLastOSError); with no error the test
// is false.
bool IsNTPlatform();
bool IsNT5Platform();

// Chooses, loads and binds every family; what an earlier binding holds is
// released first.  A library that does not load leaves its family empty.
void BindAccountLibraries();
// Releases every loaded family and forgets names and pointers.
void ReleaseAccountLibraries();

// Releases the families when the run ends.
class AccountLibrariesOwner {
 public:
  AccountLibrariesOwner() = default;
  ~AccountLibrariesOwner() { ReleaseAccountLibraries(); }
  AccountLibrariesOwner(const AccountLibrariesOwner&) = delete;
  AccountLibrariesOwner& operator=(const AccountLibrariesOwner&) = delete;
};

// The decimal code, ": " and the system's text for it.
std::string SystemErrorText(std::uint32_t code);
// Raises ENTException with SystemErrorText and the code when the calling
// thread's last error is not 0.
void CheckLastOSError();

}  // namespace accountapi

// The forwarding routines: the network-management functions of family 5
// under their own names and argument lists.  Each passes its arguments
// through unchanged and returns the function's status; a function that is
// not bound raises ENTException naming the family's library.
namespace netapi {

os::NetStatus NetApiBufferFree(void* buffer);
os::NetStatus NetUserEnum(const os::WideChar* server, std::uint32_t level, std::uint32_t filter, std::uint8_t** buffer,
                          std::uint32_t preferredLength, std::uint32_t* entriesRead, std::uint32_t* totalEntries,
                          std::uint32_t* resumeHandle);
os::NetStatus NetUserGetInfo(const os::WideChar* server, const os::WideChar* userName, std::uint32_t level,
                             std::uint8_t** buffer);
os::NetStatus NetLocalGroupEnum(const os::WideChar* server, std::uint32_t level, std::uint8_t** buffer,
                                std::uint32_t preferredLength, std::uint32_t* entriesRead, std::uint32_t* totalEntries,
                                std::uintptr_t* resumeHandle);
os::NetStatus NetLocalGroupGetMembers(const os::WideChar* server, const os::WideChar* groupName, std::uint32_t level,
                                      std::uint8_t** buffer, std::uint32_t preferredLength, std::uint32_t* entriesRead,
                                      std::uint32_t* totalEntries, std::uintptr_t* resumeHandle);
os::NetStatus NetLocalGroupGetInfo(const os::WideChar* server, const os::WideChar* groupName, std::uint32_t level,
                                   std::uint8_t** buffer);

// The functions' types, as the libraries export them.
using NetApiBufferFreeFn = os::NetStatus(VREX_NET_API*)(void*);
using NetUserEnumFn = os::NetStatus(VREX_NET_API*)(const os::WideChar*, std::uint32_t, std::uint32_t, std::uint8_t**,
                                                   std::uint32_t, std::uint32_t*, std::uint32_t*, std::uint32_t*);
using NetUserGetInfoFn = os::NetStatus(VREX_NET_API*)(const os::WideChar*, const os::WideChar*, std::uint32_t,
                                                      std::uint8_t**);
using NetLocalGroupEnumFn = os::NetStatus(VREX_NET_API*)(const os::WideChar*, std::uint32_t, std::uint8_t**,
                                                         std::uint32_t, std::uint32_t*, std::uint32_t*,
                                                         std::uintptr_t*);
using NetLocalGroupGetMembersFn = os::NetStatus(VREX_NET_API*)(const os::WideChar*, const os::WideChar*, std::uint32_t,
                                                               std::uint8_t**, std::uint32_t, std::uint32_t*,
                                                               std::uint32_t*, std::uintptr_t*);
using NetLocalGroupGetInfoFn = os::NetStatus(VREX_NET_API*)(const os::WideChar*, const os::WideChar*, std::uint32_t,
                                                            std::uint8_t**);

}  // namespace netapi
}  // namespace vrex
