#pragma once
// Internet settings: the browsers, the proxy server and the mail accounts,
// read once at start-up from the registry, and their display lines.
#include <array>
#include <string>
#include <vector>

namespace vrex::gather {

struct TMailAccount {
  std::string AccountName;  // empty: no account under this number
  std::string Pop3Server;
  std::string Pop3UserName;
  std::string SmtpServer;
  std::string SmtpDisplayName;
  std::string SmtpEmailAddress;
};

inline constexpr std::size_t kMailAccountCount = 20;
inline constexpr std::size_t kProxyLength = 50;
inline constexpr std::size_t kNetscapeLength = 255;

struct TInternetInfo {
  std::string IEVersion;
  std::string IEStartPage;
  std::string NetscapeVersion;    // at most 255 characters
  std::string NetscapeStartPage;  // at most 255 characters; nothing fills it
  std::string ProxyFtp;           // the proxy fields: at most 50 characters each
  std::string ProxyGopher;
  std::string ProxyHttp;
  std::string ProxyHttps;
  std::array<TMailAccount, kMailAccountCount> MailAccounts;  // [n - 1] for account key n
};

// The program-wide record, filled once by getnetinfo.
TInternetInfo& InternetInfo();

// The text after tag (compared without regard to ASCII case) up to the next
// ";"; empty when the tag is not followed by a ";" anywhere.
std::string FindStr(const std::string& data, const std::string& tag);

// The three reads of getnetinfo, in the order it makes them.
void ReadBrowsers(TInternetInfo& info);
void ReadProxy(TInternetInfo& info);
void ReadMailAccounts(TInternetInfo& info);
void ReadInternetInfo(TInternetInfo& info);

std::vector<std::string> postatostringlst(const TInternetInfo& info);
std::vector<std::string> proxytostringlst(const TInternetInfo& info);
std::vector<std::string> explorerstostringlst(const TInternetInfo& info);

}  // namespace vrex::gather
