#pragma once
// Network-management port: the account functions of netapi32 that the users
// and local groups pages call, with their own argument lists.  The records
// are the wide-character structures the system hands out, laid out as the
// system lays them out (the Win32 adapter checks each against the SDK), so a
// caller reads them the same way from either adapter.
//
// As with the real functions: a buffer that a call returns belongs to the
// caller, who gives it back with ApiBufferFree (also after ERROR_MORE_DATA);
// a call that fails may leave its outputs untouched, so callers clear them
// first.  An enumeration returns whole entries only; the preferred length
// limits how many, ERROR_MORE_DATA says that more remain, and the resume
// handle says where the next call goes on.
#include <cstdint>

namespace vrex::os {

using WideChar = char16_t;  // WCHAR
using NetStatus = std::uint32_t;

namespace net {
inline constexpr NetStatus kSuccess = 0;           // NERR_Success
inline constexpr NetStatus kAccessDenied = 5;      // ERROR_ACCESS_DENIED
inline constexpr NetStatus kInvalidLevel = 124;    // ERROR_INVALID_LEVEL
inline constexpr NetStatus kMoreData = 234;        // ERROR_MORE_DATA
inline constexpr NetStatus kNoSuchAlias = 1376;    // ERROR_NO_SUCH_ALIAS: no such local group
inline constexpr NetStatus kInternalError = 2140;  // NERR_InternalError
inline constexpr NetStatus kGroupNotFound = 2220;  // NERR_GroupNotFound
inline constexpr NetStatus kUserNotFound = 2221;   // NERR_UserNotFound
inline constexpr std::uint32_t kMaxPreferredLength = 0xFFFFFFFF;

// Bits of a user record's flags.
inline constexpr std::uint32_t kUfScript = 0x0001;
inline constexpr std::uint32_t kUfAccountDisable = 0x0002;
inline constexpr std::uint32_t kUfHomeDirRequired = 0x0008;
inline constexpr std::uint32_t kUfLockout = 0x0010;
inline constexpr std::uint32_t kUfTempDuplicateAccount = 0x0100;
inline constexpr std::uint32_t kUfNormalAccount = 0x0200;
inline constexpr std::uint32_t kUfInterdomainTrustAccount = 0x0800;
inline constexpr std::uint32_t kUfWorkstationTrustAccount = 0x1000;
inline constexpr std::uint32_t kUfServerTrustAccount = 0x2000;
// Bits of a user record's operator flags.
inline constexpr std::uint32_t kAfOpPrint = 1;
inline constexpr std::uint32_t kAfOpComm = 2;
inline constexpr std::uint32_t kAfOpServer = 4;
inline constexpr std::uint32_t kAfOpAccounts = 8;
// Privilege levels.
inline constexpr std::uint32_t kUserPrivGuest = 0;
inline constexpr std::uint32_t kUserPrivUser = 1;
inline constexpr std::uint32_t kUserPrivAdmin = 2;
// An account expiry that never comes, and storage without a limit.
inline constexpr std::uint32_t kTimeqForever = 0xFFFFFFFF;
inline constexpr std::uint32_t kMaxStorageUnlimited = 0xFFFFFFFF;
}  // namespace net

// USER_INFO_0
struct UserInfo0 {
  WideChar* name;
};

// USER_INFO_3.  Times count seconds since 1970-01-01 00:00 UTC.
struct UserInfo3 {
  WideChar* name;
  WideChar* password;
  std::uint32_t passwordAge;
  std::uint32_t priv;
  WideChar* homeDir;
  WideChar* comment;
  std::uint32_t flags;
  WideChar* scriptPath;
  std::uint32_t authFlags;  // the operator flags
  WideChar* fullName;
  WideChar* usrComment;
  WideChar* parms;
  WideChar* workstations;
  std::uint32_t lastLogon;
  std::uint32_t lastLogoff;
  std::uint32_t acctExpires;
  std::uint32_t maxStorage;
  std::uint32_t unitsPerWeek;
  std::uint8_t* logonHours;
  std::uint32_t badPwCount;
  std::uint32_t numLogons;
  WideChar* logonServer;
  std::uint32_t countryCode;
  std::uint32_t codePage;
  std::uint32_t userId;
  std::uint32_t primaryGroupId;
  WideChar* profile;
  WideChar* homeDirDrive;
  std::uint32_t passwordExpired;
};

// LOCALGROUP_INFO_0
struct LocalGroupInfo0 {
  WideChar* name;
};

// LOCALGROUP_INFO_1
struct LocalGroupInfo1 {
  WideChar* name;
  WideChar* comment;
};

// LOCALGROUP_MEMBERS_INFO_1
struct LocalGroupMembersInfo1 {
  void* sid;
  std::uint32_t sidUsage;  // SID_NAME_USE
  WideChar* name;
};

class NetManagement {
 public:
  virtual ~NetManagement() = default;
  virtual NetStatus ApiBufferFree(void* buffer) = 0;
  virtual NetStatus UserEnum(const WideChar* server, std::uint32_t level, std::uint32_t filter, std::uint8_t** buffer,
                             std::uint32_t preferredLength, std::uint32_t* entriesRead, std::uint32_t* totalEntries,
                             std::uint32_t* resumeHandle) = 0;
  virtual NetStatus UserGetInfo(const WideChar* server, const WideChar* userName, std::uint32_t level,
                                std::uint8_t** buffer) = 0;
  virtual NetStatus LocalGroupEnum(const WideChar* server, std::uint32_t level, std::uint8_t** buffer,
                                   std::uint32_t preferredLength, std::uint32_t* entriesRead,
                                   std::uint32_t* totalEntries, std::uintptr_t* resumeHandle) = 0;
  virtual NetStatus LocalGroupGetMembers(const WideChar* server, const WideChar* groupName, std::uint32_t level,
                                         std::uint8_t** buffer, std::uint32_t preferredLength,
                                         std::uint32_t* entriesRead, std::uint32_t* totalEntries,
                                         std::uintptr_t* resumeHandle) = 0;
  virtual NetStatus LocalGroupGetInfo(const WideChar* server, const WideChar* groupName, std::uint32_t level,
                                      std::uint8_t** buffer) = 0;
};

}  // namespace vrex::os
