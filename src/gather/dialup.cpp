#include "gather/dialup.h"

#include <cstdint>
#include <exception>

#include "lang/language.h"
#include "lang/multistring.h"
#include "lang/string_ids.h"
#include "platform/os/ports.h"

namespace vrex::gather {
namespace {

const std::string kLabel = "<FONT color=\"clblue\" size=\"10\">";
const std::string kValue = "<IND x=\"200\"><FONT color=\"clmaroon\">";

struct TagRow {
  const char* tag;
  int label;           // language string
  bool value;          // the value follows at x = 200
  bool onlyWithColon;  // tested only when the piece holds a ":"
};

// In table order: when a piece holds several tags, the last row found decides.
constexpr TagRow kTags[] = {
    {"EN=", IDS_DIALUP_CONNECTION, false, false},
    {"devicename=", IDS_DIALUP_DEVICE, true, false},
    {"PhoneNumber=", IDS_DIALUP_PHONE_NUMBER, true, false},
    {"CountryID=", IDS_DIALUP_COUNTRY_ID, true, false},
    {"CountryCode=", IDS_DIALUP_COUNTRY_CODE, true, false},
    {"AreaCode=", IDS_DIALUP_AREA_CODE, true, false},
    {"IpAddr=", IDS_DIALUP_IP_ADDRESS, true, false},
    {"PrimaryDNS=", IDS_DIALUP_PRIMARY_DNS, true, false},
    {"SecondaryDNS=", IDS_DIALUP_SECONDARY_DNS, true, false},
    {"PrimaryWINS=", IDS_DIALUP_PRIMARY_WINS, true, false},
    {"SecondaryWINS=", IDS_DIALUP_SECONDARY_WINS, true, false},
    {"NetBEUI:", IDS_DIALUP_NETBEUI, false, false},
    {"IPX:", IDS_DIALUP_IPX_SPX, false, false},
    {"IP:", IDS_DIALUP_TCPIP, false, false},
    {"optFraming:", IDS_DIALUP_FRAMING_PROTOCOL, true, false},
    {"UCAAC:", IDS_DIALUP_USE_DIALING_RULES, false, false},
    {"SIpA:", IDS_DIALUP_SPECIFIC_IP, false, false},
    {"SNameServers:", IDS_DIALUP_SPECIFIC_NAME_SERVERS, false, false},
    {"Script=", IDS_DIALUP_SCRIPT, true, false},
    {"IpHeaderCompression:", IDS_DIALUP_HEADER_COMPRESSION, false, true},
    {"RemoteDefaultGateway:", IDS_DIALUP_REMOTE_GATEWAY, false, true},
    {"DisableLcpExtensions:", IDS_DIALUP_NO_LCP_EXTENSIONS, false, true},
    {"TerminalBeforeDial:", IDS_DIALUP_TERMINAL_BEFORE, false, true},
    {"TerminalAfterDial:", IDS_DIALUP_TERMINAL_AFTER, false, true},
    {"ModemLights:", IDS_DIALUP_MODEM_LIGHTS, false, true},
    {"SWCompression:", IDS_DIALUP_SOFTWARE_COMPRESSION, false, true},
    {"RequireEncryptedPw:", IDS_DIALUP_ENCRYPTED_PASSWORD, false, true},
    {"RequireMsEncryptedPw:", IDS_DIALUP_MS_ENCRYPTED_PASSWORD, false, true},
    {"RequireDataEncryption:", IDS_DIALUP_DATA_ENCRYPTION, false, true},
    {"UseLogonCredentials:", IDS_DIALUP_USE_LOGON_CREDENTIALS, false, true},
    {"PromoteAlternates:", IDS_DIALUP_TRY_ALTERNATES, false, true},
    {"NetworkLogon:", IDS_DIALUP_NETWORK_LOGON, false, true},
};

std::string Replacement(const TagRow& row) {
  if (row.label == IDS_DIALUP_CONNECTION)
    return "<FONT color=\"clnavy\" size=\"12\">" + GetLangString(row.label) + "<FONT color=\"clgreen\">";
  // The header compression row has a form of its own: a closing icon tag
  // before the label, and no value column.
  if (row.label == IDS_DIALUP_HEADER_COMPRESSION) return "</IMG>" + kLabel + GetLangString(row.label);
  return kLabel + GetLangString(row.label) + (row.value ? kValue : "");
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The phonebook library's text reaches to its two closing NULs.
std::string JoinedText(const char* text) {
  if (text == nullptr) return {};
  std::size_t length = 0;
  while (!(text[length] == '\0' && text[length + 1] == '\0')) ++length;
  return JoinMultiString(reinterpret_cast<const std::uint8_t*>(text), length + 2);
}

// Frees the phonebook library on every way out of the rendering.
class LoadedLibrary {
 public:
  explicit LoadedLibrary(os::ModuleHandle module) : module_(module) {}
  ~LoadedLibrary() {
    if (module_ != 0) os::Mods().Free(module_);
  }
  LoadedLibrary(const LoadedLibrary&) = delete;
  LoadedLibrary& operator=(const LoadedLibrary&) = delete;
  os::ModuleHandle get() const { return module_; }

 private:
  os::ModuleHandle module_;
};

}  // namespace

void ReplaceFirst(const std::string& text, const std::string& tag, const std::string& replacement,
                  std::string& output) {
  auto at = text.find(tag);
  if (at == std::string::npos) return;
  output = text.substr(0, at) + replacement + text.substr(at + tag.size());
}

bool ReadsAsInteger(const std::string& text, long long& value) {
  std::size_t at = text.find_first_not_of(' ');
  if (at == std::string::npos) return false;
  bool negative = false;
  if (text[at] == '+' || text[at] == '-') negative = text[at++] == '-';
  int base = 10;
  if (at < text.size() && (text[at] == '$' || text[at] == 'x' || text[at] == 'X')) {
    base = 16;
    ++at;
  } else if (text.size() - at >= 2 && text[at] == '0' && (text[at + 1] == 'x' || text[at + 1] == 'X')) {
    base = 16;
    at += 2;
  }
  if (at >= text.size()) return false;
  // A 32-bit integer: up to 0xFFFFFFFF in hexadecimal, 2147483647 (or its
  // negative and one more) in decimal.
  const unsigned long long limit = base == 16 ? 0xFFFFFFFFull : (negative ? 2147483648ull : 2147483647ull);
  unsigned long long number = 0;
  for (; at < text.size(); ++at) {
    int digit = base == 16 ? HexDigit(text[at]) : (text[at] >= '0' && text[at] <= '9' ? text[at] - '0' : -1);
    if (digit < 0) return false;
    number = number * base + static_cast<unsigned>(digit);
    if (number > limit) return false;
  }
  value = negative ? -static_cast<long long>(number) : static_cast<long long>(number);
  return true;
}

std::string teltostring(const std::string& piece) {
  std::string result;
  const bool colon = piece.find(':') != std::string::npos;
  for (const TagRow& row : kTags) {
    if (row.onlyWithColon && !colon) continue;
    ReplaceFirst(piece, row.tag, Replacement(row), result);
  }
  // A switch's number becomes a word.
  if (colon) {
    auto first = result.find(':');
    long long number = 0;
    if (first != std::string::npos && ReadsAsInteger(result.substr(first + 1), number))
      result = result.substr(0, first + 1) + kValue +
               GetLangString(number == 0 ? IDS_DIALUP_SWITCH_OFF : IDS_DIALUP_SWITCH_ON);
  }
  if (!result.empty() && result != " ") result += "</FONT>";
  return result;
}

std::vector<std::string> PhonebookLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string piece;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '@') {
      piece += text[i];
      continue;
    }
    std::string rendered = teltostring(piece);
    lines.push_back(rendered.empty() || rendered == " " ? std::string(" ") : "<IMG src=\"idx:10\"></IMG>" + rendered);
    piece.clear();
  }
  return lines;
}

std::vector<std::string> gettel(const std::string& systemDirectory) {
  // Without the remote-access library there is no dial-up networking to show.
  if (!os::Fs().Exists(systemDirectory + "\\rasapi32.dll")) return {GetLangString(IDS_DIALUP_NOT_INSTALLED)};
  os::ModuleHandle module = 0;
  try {
    module = os::Mods().Load("dialsnap.dll");
  } catch (const std::exception&) {
    // As if the library were missing.
  }
  LoadedLibrary library(module);
  if (library.get() == 0) return {};
  os::Modules::TextExport getdialsnap;
  try {
    getdialsnap = os::Mods().FindTextExport(library.get(), "getdialsnap");
  } catch (const std::exception&) {
    // As if the export were missing.
  }
  if (!getdialsnap) return {};
  return PhonebookLines(JoinedText(getdialsnap()));
}

}  // namespace vrex::gather
