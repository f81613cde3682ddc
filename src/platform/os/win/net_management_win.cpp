#include <windows.h>
#include <lm.h>

#include <cstddef>

#include "platform/account_api.h"
#include "platform/os/win/net_management_win.h"

namespace vrex::os::win {
namespace {

// The port's records are read straight from the system's buffers: each must
// match the SDK's structure member for member, in either pointer size.
#define VREX_SAME_MEMBER(ours, member, theirs, field) \
  static_assert(offsetof(ours, member) == offsetof(theirs, field) && sizeof ours{}.member == sizeof theirs{}.field)

static_assert(sizeof(WideChar) == sizeof(WCHAR));
static_assert(sizeof(NetStatus) == sizeof(NET_API_STATUS));
static_assert(sizeof(std::uintptr_t) == sizeof(DWORD_PTR));

static_assert(sizeof(UserInfo0) == sizeof(USER_INFO_0));
VREX_SAME_MEMBER(UserInfo0, name, USER_INFO_0, usri0_name);

static_assert(sizeof(UserInfo3) == sizeof(USER_INFO_3));
VREX_SAME_MEMBER(UserInfo3, name, USER_INFO_3, usri3_name);
VREX_SAME_MEMBER(UserInfo3, password, USER_INFO_3, usri3_password);
VREX_SAME_MEMBER(UserInfo3, passwordAge, USER_INFO_3, usri3_password_age);
VREX_SAME_MEMBER(UserInfo3, priv, USER_INFO_3, usri3_priv);
VREX_SAME_MEMBER(UserInfo3, homeDir, USER_INFO_3, usri3_home_dir);
VREX_SAME_MEMBER(UserInfo3, comment, USER_INFO_3, usri3_comment);
VREX_SAME_MEMBER(UserInfo3, flags, USER_INFO_3, usri3_flags);
VREX_SAME_MEMBER(UserInfo3, scriptPath, USER_INFO_3, usri3_script_path);
VREX_SAME_MEMBER(UserInfo3, authFlags, USER_INFO_3, usri3_auth_flags);
VREX_SAME_MEMBER(UserInfo3, fullName, USER_INFO_3, usri3_full_name);
VREX_SAME_MEMBER(UserInfo3, usrComment, USER_INFO_3, usri3_usr_comment);
VREX_SAME_MEMBER(UserInfo3, parms, USER_INFO_3, usri3_parms);
VREX_SAME_MEMBER(UserInfo3, workstations, USER_INFO_3, usri3_workstations);
VREX_SAME_MEMBER(UserInfo3, lastLogon, USER_INFO_3, usri3_last_logon);
VREX_SAME_MEMBER(UserInfo3, lastLogoff, USER_INFO_3, usri3_last_logoff);
VREX_SAME_MEMBER(UserInfo3, acctExpires, USER_INFO_3, usri3_acct_expires);
VREX_SAME_MEMBER(UserInfo3, maxStorage, USER_INFO_3, usri3_max_storage);
VREX_SAME_MEMBER(UserInfo3, unitsPerWeek, USER_INFO_3, usri3_units_per_week);
VREX_SAME_MEMBER(UserInfo3, logonHours, USER_INFO_3, usri3_logon_hours);
VREX_SAME_MEMBER(UserInfo3, badPwCount, USER_INFO_3, usri3_bad_pw_count);
VREX_SAME_MEMBER(UserInfo3, numLogons, USER_INFO_3, usri3_num_logons);
VREX_SAME_MEMBER(UserInfo3, logonServer, USER_INFO_3, usri3_logon_server);
VREX_SAME_MEMBER(UserInfo3, countryCode, USER_INFO_3, usri3_country_code);
VREX_SAME_MEMBER(UserInfo3, codePage, USER_INFO_3, usri3_code_page);
VREX_SAME_MEMBER(UserInfo3, userId, USER_INFO_3, usri3_user_id);
VREX_SAME_MEMBER(UserInfo3, primaryGroupId, USER_INFO_3, usri3_primary_group_id);
VREX_SAME_MEMBER(UserInfo3, profile, USER_INFO_3, usri3_profile);
VREX_SAME_MEMBER(UserInfo3, homeDirDrive, USER_INFO_3, usri3_home_dir_drive);
VREX_SAME_MEMBER(UserInfo3, passwordExpired, USER_INFO_3, usri3_password_expired);

static_assert(sizeof(LocalGroupInfo0) == sizeof(LOCALGROUP_INFO_0));
VREX_SAME_MEMBER(LocalGroupInfo0, name, LOCALGROUP_INFO_0, lgrpi0_name);

static_assert(sizeof(LocalGroupInfo1) == sizeof(LOCALGROUP_INFO_1));
VREX_SAME_MEMBER(LocalGroupInfo1, name, LOCALGROUP_INFO_1, lgrpi1_name);
VREX_SAME_MEMBER(LocalGroupInfo1, comment, LOCALGROUP_INFO_1, lgrpi1_comment);

static_assert(sizeof(LocalGroupMembersInfo1) == sizeof(LOCALGROUP_MEMBERS_INFO_1));
VREX_SAME_MEMBER(LocalGroupMembersInfo1, sid, LOCALGROUP_MEMBERS_INFO_1, lgrmi1_sid);
VREX_SAME_MEMBER(LocalGroupMembersInfo1, sidUsage, LOCALGROUP_MEMBERS_INFO_1, lgrmi1_sidusage);
VREX_SAME_MEMBER(LocalGroupMembersInfo1, name, LOCALGROUP_MEMBERS_INFO_1, lgrmi1_name);

#undef VREX_SAME_MEMBER

// The same numbers as the SDK's.
static_assert(net::kMoreData == ERROR_MORE_DATA && net::kInternalError == NERR_InternalError &&
              net::kUserNotFound == NERR_UserNotFound && net::kGroupNotFound == NERR_GroupNotFound &&
              net::kNoSuchAlias == ERROR_NO_SUCH_ALIAS && net::kInvalidLevel == ERROR_INVALID_LEVEL);
static_assert(net::kUfScript == UF_SCRIPT && net::kUfAccountDisable == UF_ACCOUNTDISABLE &&
              net::kUfHomeDirRequired == UF_HOMEDIR_REQUIRED && net::kUfLockout == UF_LOCKOUT &&
              net::kUfTempDuplicateAccount == UF_TEMP_DUPLICATE_ACCOUNT && net::kUfNormalAccount == UF_NORMAL_ACCOUNT &&
              net::kUfInterdomainTrustAccount == UF_INTERDOMAIN_TRUST_ACCOUNT &&
              net::kUfWorkstationTrustAccount == UF_WORKSTATION_TRUST_ACCOUNT &&
              net::kUfServerTrustAccount == UF_SERVER_TRUST_ACCOUNT);
static_assert(net::kAfOpPrint == AF_OP_PRINT && net::kAfOpComm == AF_OP_COMM && net::kAfOpServer == AF_OP_SERVER &&
              net::kAfOpAccounts == AF_OP_ACCOUNTS);
static_assert(net::kUserPrivGuest == USER_PRIV_GUEST && net::kUserPrivUser == USER_PRIV_USER &&
              net::kUserPrivAdmin == USER_PRIV_ADMIN);
static_assert(net::kTimeqForever == TIMEQ_FOREVER && net::kMaxStorageUnlimited == USER_MAXSTORAGE_UNLIMITED &&
              net::kMaxPreferredLength == MAX_PREFERRED_LENGTH);

}  // namespace

NetStatus Win32NetManagement::ApiBufferFree(void* buffer) { return netapi::NetApiBufferFree(buffer); }

NetStatus Win32NetManagement::UserEnum(const WideChar* server, std::uint32_t level, std::uint32_t filter,
                                       std::uint8_t** buffer, std::uint32_t preferredLength, std::uint32_t* entriesRead,
                                       std::uint32_t* totalEntries, std::uint32_t* resumeHandle) {
  return netapi::NetUserEnum(server, level, filter, buffer, preferredLength, entriesRead, totalEntries, resumeHandle);
}

NetStatus Win32NetManagement::UserGetInfo(const WideChar* server, const WideChar* userName, std::uint32_t level,
                                          std::uint8_t** buffer) {
  return netapi::NetUserGetInfo(server, userName, level, buffer);
}

NetStatus Win32NetManagement::LocalGroupEnum(const WideChar* server, std::uint32_t level, std::uint8_t** buffer,
                                             std::uint32_t preferredLength, std::uint32_t* entriesRead,
                                             std::uint32_t* totalEntries, std::uintptr_t* resumeHandle) {
  return netapi::NetLocalGroupEnum(server, level, buffer, preferredLength, entriesRead, totalEntries, resumeHandle);
}

NetStatus Win32NetManagement::LocalGroupGetMembers(const WideChar* server, const WideChar* groupName,
                                                   std::uint32_t level, std::uint8_t** buffer,
                                                   std::uint32_t preferredLength, std::uint32_t* entriesRead,
                                                   std::uint32_t* totalEntries, std::uintptr_t* resumeHandle) {
  return netapi::NetLocalGroupGetMembers(server, groupName, level, buffer, preferredLength, entriesRead, totalEntries,
                                         resumeHandle);
}

NetStatus Win32NetManagement::LocalGroupGetInfo(const WideChar* server, const WideChar* groupName, std::uint32_t level,
                                                std::uint8_t** buffer) {
  return netapi::NetLocalGroupGetInfo(server, groupName, level, buffer);
}

}  // namespace vrex::os::win
