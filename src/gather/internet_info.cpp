#include "gather/internet_info.h"

#include <cstdio>
#include <memory>
#include <optional>

#include "gather/label_value_line.h"
#include "gather/mail_account_files.h"
#include "gather/registry_reads.h"
#include "lang/language.h"
#include "lang/string_ids.h"
#include "platform/ui/art_ids.h"

namespace vrex::gather {
namespace {

using Lines = std::vector<std::string>;

std::string Cut(std::string text, std::size_t length) {
  if (text.size() > length) text.resize(length);
  return text;
}

// A text value that exists and is not empty.
std::optional<std::string> Filled(const os::RegistryKey& key, const char* name) {
  if (!key.ValueExists(name)) return std::nullopt;
  auto value = key.ReadText(name);
  if (!value || value->empty()) return std::nullopt;
  return value;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool MatchesAt(const std::string& data, std::size_t at, const std::string& tag) {
  if (data.size() - at < tag.size()) return false;
  for (std::size_t i = 0; i < tag.size(); ++i)
    if (Lower(data[at + i]) != Lower(tag[i])) return false;
  return true;
}

// The common line with a blank before the label.
std::string MailLine(int labelId, const std::string& value) {
  std::string label(1, ' ');
  label += GetLangString(labelId);
  return LabelValueLine(ART_ICON_MAIL, label, value);
}

std::string ProxyLine(const char* protocol, const std::string& value) {
  return MarkupLine(IconTag(ART_ICON_COMPUTER_TELEPHONE) + "<FONT size=\"10\" color=\"clblue\"> " + protocol +
                        ": <IND x=\"200\"><FONT color=\"clmaroon\">",
                    value, " </FONT>");
}

std::string BrowserLine(int labelId, const std::string& value) {
  return MarkupLine(IconTag(ART_ICON_BROWSER) + "<FONT size=\"10\" color=\"clblue\">" + GetLangString(labelId) +
                        "<IND x=\"200\"><FONT color=\"clmaroon\">",
                    value, " </FONT>");
}

}  // namespace

TInternetInfo& InternetInfo() {
  static TInternetInfo info;
  return info;
}

std::string FindStr(const std::string& data, const std::string& tag) {
  for (std::size_t at = 0; at < data.size(); ++at) {
    if (!MatchesAt(data, at, tag)) continue;
    auto semicolon = data.find(';', at);
    if (semicolon == std::string::npos) continue;
    std::size_t start = at + tag.size();
    return semicolon > start ? data.substr(start, semicolon - start) : std::string();
  }
  return {};
}

void ReadBrowsers(TInternetInfo& info) {
  // Internet Explorer 10 and 11 keep "Version" at 9.10 and 9.11 for old
  // installers and their own version in "svcVersion".
  if (auto key = OpenForReading(os::RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Internet Explorer")) {
    if (auto version = Filled(*key, "Version")) {
      info.IEVersion = *version;
      if (version->rfind("9.1", 0) == 0)
        if (auto own = Filled(*key, "svcVersion")) info.IEVersion = *own;
    }
  }
  if (auto key = OpenForReading(os::RootKey::CurrentUser, "Software\\Microsoft\\Internet Explorer\\Main")) {
    if (key->ValueExists("start page")) info.IEStartPage = key->ReadText("start page").value_or("");
  }
  if (auto key = OpenForReading(os::RootKey::LocalMachine, "SOFTWARE\\Netscape")) {
    auto products = key->SubKeyNames();
    if (!products.empty())
      if (auto product = OpenForReading(os::RootKey::LocalMachine, "SOFTWARE\\Netscape\\" + products.front()))
        info.NetscapeVersion = Cut(product->ReadText("CurrentVersion").value_or(""), kNetscapeLength);
  }
}

void ReadProxy(TInternetInfo& info) {
  auto key =
      OpenForReading(os::RootKey::CurrentUser, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Internet Settings");
  if (!key || !key->ValueExists("ProxyServer")) return;
  // Only a text is a server setting; another type leaves the fields empty.
  auto value = key->ReadText("ProxyServer");
  if (!value) return;
  // Without the letters "ftp" the value is one server for every protocol.
  if (value->find("ftp") == std::string::npos) {
    info.ProxyFtp = info.ProxyGopher = info.ProxyHttp = info.ProxyHttps = Cut(*value, kProxyLength);
    return;
  }
  // A list "protocol=server;...": the ";" added lets the last entry be found too.
  const std::string list = *value + ";";
  info.ProxyFtp = Cut(FindStr(list, "ftp="), kProxyLength);
  info.ProxyGopher = Cut(FindStr(list, "gopher="), kProxyLength);
  info.ProxyHttp = Cut(FindStr(list, "http="), kProxyLength);
  info.ProxyHttps = Cut(FindStr(list, "https="), kProxyLength);
}

void ReadMailAccounts(TInternetInfo& info) {
  // Every number is probed: an account may follow a gap.
  for (std::size_t n = 1; n <= kMailAccountCount; ++n) {
    char path[96];
    std::snprintf(path, sizeof path, "SOFTWARE\\Microsoft\\Internet Account Manager\\Accounts\\000000%02u",
                  static_cast<unsigned>(n));
    auto key = OpenForReading(os::RootKey::CurrentUser, path);
    if (!key) continue;
    auto name = Filled(*key, "Account Name");
    auto smtp = Filled(*key, "SMTP Server");
    if (!name || !smtp) continue;
    TMailAccount& account = info.MailAccounts[n - 1];
    account.AccountName = *name;
    account.Pop3Server = Filled(*key, "POP3 Server").value_or("");
    account.Pop3UserName = Filled(*key, "POP3 User Name").value_or("");
    account.SmtpServer = *smtp;
    account.SmtpDisplayName = Filled(*key, "SMTP Display Name").value_or("");
    account.SmtpEmailAddress = Filled(*key, "SMTP Email Address").value_or("");
  }
}

void ReadInternetInfo(TInternetInfo& info) {
  ReadBrowsers(info);
  ReadProxy(info);
  ReadMailAccounts(info);
  ReadMailAccountFiles(info);
}

std::vector<std::string> postatostringlst(const TInternetInfo& info) {
  Lines lines;
  for (const TMailAccount& account : info.MailAccounts) {
    if (account.AccountName.empty()) continue;
    lines.push_back(MarkupLine(IconTag(ART_ICON_MAIL) + "<FONT size=\"11\" color=\"clred\"> " +
                                   GetLangString(IDS_MAIL_ACCOUNT) + " <FONT color=\"clBlue\"> ",
                               account.AccountName, " </FONT>"));
    lines.push_back(MailLine(IDS_MAIL_ADDRESS, account.SmtpEmailAddress));
    lines.push_back(MailLine(IDS_MAIL_POP3_SERVER, account.Pop3Server));
    lines.push_back(MailLine(IDS_MAIL_SMTP_SERVER, account.SmtpServer));
    lines.push_back(MailLine(IDS_MAIL_POP3_USER, account.Pop3UserName));
    lines.push_back(MailLine(IDS_MAIL_DISPLAY_NAME, account.SmtpDisplayName));
    lines.push_back("</FONT> ");
  }
  return lines;
}

std::vector<std::string> proxytostringlst(const TInternetInfo& info) {
  return {
      ProxyLine("HTTP", info.ProxyHttp),
      ProxyLine("HTTPS", info.ProxyHttps),
      ProxyLine("FTP", info.ProxyFtp),
      ProxyLine("GOPHER", info.ProxyGopher),
  };
}

std::vector<std::string> explorerstostringlst(const TInternetInfo& info) {
  return {
      BrowserLine(IDS_BROWSER_IE_VERSION, info.IEVersion),
      BrowserLine(IDS_BROWSER_START_PAGE, info.IEStartPage),
      " ",
      BrowserLine(IDS_BROWSER_NETSCAPE_VERSION, info.NetscapeVersion),
  };
}

}  // namespace vrex::gather
