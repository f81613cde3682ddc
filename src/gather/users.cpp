#include "gather/users.h"

#include "gather/label_value_line.h"
#include "gather/net_buffer.h"
#include "lang/language.h"
#include "lang/string_ids.h"
#include "platform/os/ports.h"
#include "platform/ui/art_ids.h"

namespace vrex::gather {
namespace {

constexpr const char* kBlue = "<FONT color=\"clblue\">";
const std::string kUser = "<IND x=\"20\">" + IconTag(ART_ICON_USER) + kBlue;
const std::string kTime = "<IND x=\"20\">" + IconTag(ART_ICON_LIGHTNING) + kBlue;
const std::string kStorage = "<IND x=\"20\">" + IconTag(ART_ICON_SERVERS) + kBlue;
const std::string kFolder = "<IND x=\"20\">" + IconTag(ART_ICON_FOLDERS) + kBlue;
const std::string kYes20 = "<IND x=\"20\">" + IconTag(ART_ICON_TICK) + kBlue;
const std::string kNo20 = "<IND x=\"20\">" + IconTag(ART_ICON_CROSS) + kBlue;
const std::string kYes30 = "<IND x=\"30\">" + IconTag(ART_ICON_TICK) + kBlue;
const std::string kNo30 = "<IND x=\"30\">" + IconTag(ART_ICON_CROSS) + kBlue;
const std::string kSet = "<IND x=\"30\">" + IconTag(ART_ICON_OPTION_SET) + kBlue;
const std::string kClear = std::string("<IND x=\"30\">") + kBlue + IconTag(ART_ICON_OPTION_CLEAR);
constexpr const char* kHeading = "<IND x=\"20\"><FONT color=\"clnavy\">";
constexpr const char* kValue = "<FONT color=\"clmaroon\"><IND x=\"170\">";
constexpr const char* kEnd = "</FONT>";
constexpr const char* kBlank = " ";

constexpr std::uint32_t kSecondsPerDay = 86400;

std::string ValueLine(const std::string& prefix, int label, const std::string& value) {
  return MarkupLine(prefix + GetLangString(label) + kValue, value);
}

// A long value goes on over further visual lines from the value column.
std::string WrappedValueLine(const std::string& prefix, int label, const std::string& value) {
  return WrappedMarkupLine(prefix + GetLangString(label) + kValue, value, 170, 30, 4);
}

std::string HeadingLine(int label) { return kHeading + GetLangString(label) + kEnd; }

std::string MarkLine(bool set, int label) { return (set ? kSet : kClear) + GetLangString(label) + kEnd; }

std::string YesNoLine(bool yes, int x, int label) {
  const std::string& prefix = x == 30 ? (yes ? kYes30 : kNo30) : (yes ? kYes20 : kNo20);
  return ValueLine(prefix, label, GetLangString(yes ? IDS_ACCOUNT_YES : IDS_ACCOUNT_NO));
}

// The whole UTC day the seconds since 1970-01-01 fall on, in the short date
// format; the time of day and the time zone play no part.
std::string DateText(std::uint32_t seconds) {
  // Days to a civil date in the proleptic Gregorian calendar, counted from
  // 0000-03-01 so that the leap day ends each year.
  const std::int64_t z = seconds / kSecondsPerDay + 719468;
  const std::int64_t era = z / 146097;
  const std::int64_t dayOfEra = z - era * 146097;
  const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
  const int day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  const int month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
  return os::SystemPort().ShortDateText(year, month, day);
}

std::string DateOrUnknown(std::uint32_t seconds) {
  return seconds > 0 ? DateText(seconds) : GetLangString(IDS_USER_UNKNOWN);
}

}  // namespace

std::vector<std::string> userstostringlst() {
  std::vector<std::string> lines;
  std::uint32_t resume = 0;
  WalkEnumeration<os::UserInfo0>(
      kUserEnumLength,
      [&resume](std::uint8_t** buffer, std::uint32_t length, std::uint32_t* read, std::uint32_t* total) {
        return os::NetManagementPort().UserEnum(nullptr, 0, 0, buffer, length, read, total, &resume);
      },
      [&lines](const os::UserInfo0& user) {
        const std::string name = AnsiText(user.name);
        if (name.empty()) return;
        lines.push_back(MarkupLine("<IND x=\"10\"><FONT color=\"clgreen\" size=\"10\">", name));
        for (std::string& line : userdetailtostringlst(user.name)) lines.push_back(std::move(line));
      });
  return lines;
}

std::vector<std::string> userdetailtostringlst(const std::u16string& name) {
  NetBuffer buffer;
  // A failed query returns no record to read: the account keeps its name line only.
  if (os::NetManagementPort().UserGetInfo(nullptr, name.c_str(), 3, buffer.Receive()) != os::net::kSuccess ||
      buffer.Empty())
    return {};
  const os::UserInfo3& user = *buffer.As<os::UserInfo3>();
  const std::uint32_t flags = user.flags;
  const std::uint32_t operators = user.authFlags;
  const std::string passwordAge = user.passwordAge > 0
                                      ? std::to_string(user.passwordAge / kSecondsPerDay) + GetLangString(IDS_USER_DAYS)
                                      : GetLangString(IDS_USER_UNKNOWN);
  const std::string expires =
      user.acctExpires == os::net::kTimeqForever ? GetLangString(IDS_USER_NEVER) : DateText(user.acctExpires);
  const std::string storage = user.maxStorage == os::net::kMaxStorageUnlimited ? GetLangString(IDS_USER_UNLIMITED)
                                                                               : std::to_string(user.maxStorage);
  std::vector<std::string> lines = {
      kBlank,
      ValueLine(kUser, IDS_USER_NAME, AnsiText(user.name)),
      ValueLine(kUser, IDS_USER_FULL_NAME, AnsiText(user.fullName)),
      WrappedValueLine(kUser, IDS_USER_DESCRIPTION, AnsiText(user.comment)),
      kBlank,
      ValueLine(kTime, IDS_USER_LAST_LOGON, DateOrUnknown(user.lastLogon)),
      ValueLine(kTime, IDS_USER_LAST_LOGOFF, DateOrUnknown(user.lastLogoff)),
      ValueLine(kTime, IDS_USER_LOGON_COUNT, std::to_string(user.numLogons)),
      ValueLine(kTime, IDS_USER_PASSWORD_AGE, passwordAge),
      kBlank,
      HeadingLine(IDS_ACCOUNT_TYPE),
      MarkLine(flags & os::net::kUfNormalAccount, IDS_ACCOUNT_NORMAL),
      MarkLine(flags & os::net::kUfTempDuplicateAccount, IDS_ACCOUNT_TEMP_DUPLICATE),
      MarkLine(flags & os::net::kUfWorkstationTrustAccount, IDS_ACCOUNT_WORKSTATION_TRUST),
      MarkLine(flags & os::net::kUfServerTrustAccount, IDS_ACCOUNT_SERVER_TRUST),
      MarkLine(flags & os::net::kUfInterdomainTrustAccount, IDS_ACCOUNT_INTERDOMAIN_TRUST),
      kBlank,
      HeadingLine(IDS_USER_PRIVILEGE_LEVEL),
      MarkLine(user.priv == os::net::kUserPrivGuest, IDS_PRIVILEGE_GUEST),
      MarkLine(user.priv == os::net::kUserPrivUser, IDS_PRIVILEGE_USER),
      MarkLine(user.priv == os::net::kUserPrivAdmin, IDS_PRIVILEGE_ADMIN),
      kBlank,
      HeadingLine(IDS_OPERATOR_RIGHTS),
      YesNoLine(operators & os::net::kAfOpPrint, 30, IDS_OPERATOR_PRINT),
      YesNoLine(operators & os::net::kAfOpComm, 30, IDS_OPERATOR_COMMUNICATIONS),
      YesNoLine(operators & os::net::kAfOpServer, 30, IDS_OPERATOR_SERVER),
      YesNoLine(operators & os::net::kAfOpAccounts, 30, IDS_OPERATOR_ACCOUNTS),
      kBlank,
      ValueLine(kTime, IDS_USER_ACCOUNT_EXPIRES, expires),
      ValueLine(kStorage, IDS_USER_MAX_STORAGE, storage),
      YesNoLine(flags & os::net::kUfScript, 20, IDS_USER_LOGON_SCRIPT),
      WrappedValueLine(kFolder, IDS_USER_SCRIPT_PATH, AnsiText(user.scriptPath)),
      YesNoLine(flags & os::net::kUfAccountDisable, 20, IDS_USER_ACCOUNT_DISABLED),
      YesNoLine(flags & os::net::kUfHomeDirRequired, 20, IDS_USER_HOME_FOLDER_REQUIRED),
      YesNoLine(flags & os::net::kUfLockout, 20, IDS_USER_LOCKED_OUT),
      kBlank,
  };
  buffer.Release();
  return lines;
}

}  // namespace vrex::gather
