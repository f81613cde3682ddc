#include "platform/phonebook_text.h"

namespace vrex::phonebook {
namespace {

std::string Address(const std::array<std::uint8_t, 4>& bytes) {
  return std::to_string(bytes[0]) + "." + std::to_string(bytes[1]) + "." + std::to_string(bytes[2]) + "." +
         std::to_string(bytes[3]);
}

std::string Framing(std::uint32_t framing) {
  switch (framing) {
    case kFramingPpp: return "PPP";
    case kFramingSlip: return "SLIP";
    case kFramingRas: return "RAS";
  }
  return std::to_string(framing);
}

class Writer {
 public:
  void Piece(const char* tag, std::string value) {
    for (char& c : value)
      if (c == '@') c = '_';
    text_ += tag;
    text_ += value;
    text_ += '@';
  }
  void Switch(const char* tag, bool on) { Piece(tag, on ? "1" : "0"); }
  void Separator() { text_ += '@'; }
  std::string Finish() {
    if (!text_.empty()) text_ += ' ';
    return std::move(text_);
  }

 private:
  std::string text_;
};

}  // namespace

std::string PhonebookText(const std::vector<Entry>& entries) {
  Writer out;
  struct Option {
    const char* tag;
    std::uint32_t bit;
  };
  static constexpr Option kOptions[] = {
      {"IpHeaderCompression:", option::kIpHeaderCompression},
      {"RemoteDefaultGateway:", option::kRemoteDefaultGateway},
      {"DisableLcpExtensions:", option::kDisableLcpExtensions},
      {"TerminalBeforeDial:", option::kTerminalBeforeDial},
      {"TerminalAfterDial:", option::kTerminalAfterDial},
      {"ModemLights:", option::kModemLights},
      {"SWCompression:", option::kSwCompression},
      {"RequireEncryptedPw:", option::kRequireEncryptedPw},
      {"RequireMsEncryptedPw:", option::kRequireMsEncryptedPw},
      {"RequireDataEncryption:", option::kRequireDataEncryption},
      {"UseLogonCredentials:", option::kUseLogonCredentials},
      {"PromoteAlternates:", option::kPromoteAlternates},
      {"NetworkLogon:", option::kNetworkLogon},
  };
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Entry& entry = entries[i];
    if (i > 0) out.Separator();
    out.Piece("EN=", entry.name);
    out.Piece("devicename=", entry.deviceName);
    out.Piece("PhoneNumber=", entry.phoneNumber);
    out.Piece("CountryID=", std::to_string(entry.countryId));
    out.Piece("CountryCode=", std::to_string(entry.countryCode));
    out.Piece("AreaCode=", entry.areaCode);
    out.Switch("UCAAC:", (entry.options & option::kUseCountryAndAreaCodes) != 0);
    out.Switch("SIpA:", (entry.options & option::kSpecificIpAddr) != 0);
    out.Piece("IpAddr=", Address(entry.ipAddr));
    out.Switch("SNameServers:", (entry.options & option::kSpecificNameServers) != 0);
    out.Piece("PrimaryDNS=", Address(entry.dns));
    out.Piece("SecondaryDNS=", Address(entry.dnsAlt));
    out.Piece("PrimaryWINS=", Address(entry.wins));
    out.Piece("SecondaryWINS=", Address(entry.winsAlt));
    out.Switch("NetBEUI:", (entry.netProtocols & kNetBEUI) != 0);
    out.Switch("IPX:", (entry.netProtocols & kIpx) != 0);
    out.Switch("IP:", (entry.netProtocols & kIp) != 0);
    out.Piece("optFraming:", Framing(entry.framingProtocol));
    out.Piece("Script=", entry.script);
    for (const Option& option : kOptions) out.Switch(option.tag, (entry.options & option.bit) != 0);
  }
  return out.Finish();
}

}  // namespace vrex::phonebook
