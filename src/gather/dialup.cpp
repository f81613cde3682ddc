#include "gather/dialup.h"

#include <cstdint>
#include <exception>

#include "gather/label_value_line.h"
#include "lang/language.h"
#include "lang/multistring.h"
#include "lang/string_ids.h"
#include "platform/os/loaded_module.h"
#include "platform/os/ports.h"
#include "platform/ui/art_ids.h"

namespace vrex::gather {
namespace {

const std::string kLabel = "<FONT color=\"clblue\" size=\"10\">";
const std::string kValue = "<IND x=\"200\"><FONT color=\"clmaroon\">";

// How a row's replacement is formed around its label.
enum class Form {
  kEntryName,          // the entry's heading: navy, then the name in green
  kValue,              // blue label, the value at x = 200 in maroon
  kSwitch,             // blue label; the switch word takes the place of the number
  kHeaderCompression,  // as a switch, after a closing icon tag of its own
};

struct TagRow {
  const char* tag;
  int label;  // language string
  Form form;
  bool onlyWithColon;  // tested only when the piece holds a ":"
};

// In table order: when a piece holds several tags, the last row found decides.
constexpr TagRow kTags[] = {
    {"EN=", IDS_DIALUP_CONNECTION, Form::kEntryName, false},
    {"devicename=", IDS_DIALUP_DEVICE, Form::kValue, false},
    {"PhoneNumber=", IDS_DIALUP_PHONE_NUMBER, Form::kValue, false},
    {"CountryID=", IDS_DIALUP_COUNTRY_ID, Form::kValue, false},
    {"CountryCode=", IDS_DIALUP_COUNTRY_CODE, Form::kValue, false},
    {"AreaCode=", IDS_DIALUP_AREA_CODE, Form::kValue, false},
    {"IpAddr=", IDS_DIALUP_IP_ADDRESS, Form::kValue, false},
    {"PrimaryDNS=", IDS_DIALUP_PRIMARY_DNS, Form::kValue, false},
    {"SecondaryDNS=", IDS_DIALUP_SECONDARY_DNS, Form::kValue, false},
    {"PrimaryWINS=", IDS_DIALUP_PRIMARY_WINS, Form::kValue, false},
    {"SecondaryWINS=", IDS_DIALUP_SECONDARY_WINS, Form::kValue, false},
    {"NetBEUI:", IDS_DIALUP_NETBEUI, Form::kSwitch, false},
    {"IPX:", IDS_DIALUP_IPX_SPX, Form::kSwitch, false},
    {"IP:", IDS_DIALUP_TCPIP, Form::kSwitch, false},
    {"optFraming:", IDS_DIALUP_FRAMING_PROTOCOL, Form::kValue, false},
    {"UCAAC:", IDS_DIALUP_USE_DIALING_RULES, Form::kSwitch, false},
    {"SIpA:", IDS_DIALUP_SPECIFIC_IP, Form::kSwitch, false},
    {"SNameServers:", IDS_DIALUP_SPECIFIC_NAME_SERVERS, Form::kSwitch, false},
    {"Script=", IDS_DIALUP_SCRIPT, Form::kValue, false},
    {"IpHeaderCompression:", IDS_DIALUP_HEADER_COMPRESSION, Form::kHeaderCompression, true},
    {"RemoteDefaultGateway:", IDS_DIALUP_REMOTE_GATEWAY, Form::kSwitch, true},
    {"DisableLcpExtensions:", IDS_DIALUP_NO_LCP_EXTENSIONS, Form::kSwitch, true},
    {"TerminalBeforeDial:", IDS_DIALUP_TERMINAL_BEFORE, Form::kSwitch, true},
    {"TerminalAfterDial:", IDS_DIALUP_TERMINAL_AFTER, Form::kSwitch, true},
    {"ModemLights:", IDS_DIALUP_MODEM_LIGHTS, Form::kSwitch, true},
    {"SWCompression:", IDS_DIALUP_SOFTWARE_COMPRESSION, Form::kSwitch, true},
    {"RequireEncryptedPw:", IDS_DIALUP_ENCRYPTED_PASSWORD, Form::kSwitch, true},
    {"RequireMsEncryptedPw:", IDS_DIALUP_MS_ENCRYPTED_PASSWORD, Form::kSwitch, true},
    {"RequireDataEncryption:", IDS_DIALUP_DATA_ENCRYPTION, Form::kSwitch, true},
    {"UseLogonCredentials:", IDS_DIALUP_USE_LOGON_CREDENTIALS, Form::kSwitch, true},
    {"PromoteAlternates:", IDS_DIALUP_TRY_ALTERNATES, Form::kSwitch, true},
    {"NetworkLogon:", IDS_DIALUP_NETWORK_LOGON, Form::kSwitch, true},
};

std::string Replacement(const TagRow& row) {
  const std::string label = GetLangString(row.label);
  switch (row.form) {
    case Form::kEntryName: return "<FONT color=\"clnavy\" size=\"12\">" + label + "<FONT color=\"clgreen\">";
    case Form::kValue: return kLabel + label + kValue;
    case Form::kSwitch: return kLabel + label;
    case Form::kHeaderCompression: return "</IMG>" + kLabel + label;
  }
  return {};
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

}  // namespace

void ReplaceFirst(const std::string& text, const std::string& tag, const std::string& replacement,
                  std::string& output) {
  auto at = text.find(tag);
  if (at == std::string::npos) return;
  // The text around the tag is the phonebook's, the replacement is markup.
  output = EscapeValue(std::string_view(text).substr(0, at)) + replacement +
           EscapeValue(std::string_view(text).substr(at + tag.size()));
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
    // The label is looked up only for a tag the piece holds: most rows miss.
    if (piece.find(row.tag) != std::string::npos) ReplaceFirst(piece, row.tag, Replacement(row), result);
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
    lines.push_back(rendered.empty() || rendered == " " ? std::string(" ")
                                                        : IconTag(ART_ICON_TELEPHONE_GLOBE) + rendered);
    piece.clear();
  }
  return lines;
}

std::vector<std::string> gettel(const std::string& systemDirectory) {
  // Without the remote-access library there is no dial-up networking to show.
  if (!os::FilesPort().Exists(systemDirectory + "\\rasapi32.dll")) return {GetLangString(IDS_DIALUP_NOT_INSTALLED)};
  os::ModuleHandle module = 0;
  try {
    module = os::ModulesPort().Load("dialsnap.dll");
  } catch (const std::exception&) {
    // As if the library were missing.
  }
  os::LoadedModule library(module);  // freed on every way out of the rendering
  if (!library.loaded()) return {};
  os::Modules::TextExport getdialsnap;
  try {
    getdialsnap = os::ModulesPort().FindTextExport(library.get(), "getdialsnap");
  } catch (const std::exception&) {
    // As if the export were missing.
  }
  if (!getdialsnap) return {};
  return PhonebookLines(JoinedText(getdialsnap()));
}

}  // namespace vrex::gather
