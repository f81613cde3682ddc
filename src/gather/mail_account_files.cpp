#include "gather/mail_account_files.h"

#include <array>
#include <cstdint>
#include <string>

#include "platform/os/ports.h"

namespace vrex::gather {
namespace {

constexpr const char* kStoreFolder = "\\Microsoft\\Windows Mail\\Local Folders";
constexpr const char* kExtension = ".oeaccount";

// UTF-16 code units of UTF-8 bytes; a malformed byte stands for itself.
std::u16string FromUtf8(std::string_view bytes) {
  std::u16string units;
  for (std::size_t i = 0; i < bytes.size();) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    const int length = byte < 0x80 ? 1 : (byte >> 5) == 6 ? 2 : (byte >> 4) == 14 ? 3 : (byte >> 3) == 30 ? 4 : 0;
    std::uint32_t code = length == 1 ? byte : length == 2 ? byte & 0x1F : length == 3 ? byte & 0x0F : byte & 0x07;
    bool whole = length > 0 && i + length <= bytes.size();
    for (int k = 1; whole && k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      whole = (next >> 6) == 2;
      code = code << 6 | (next & 0x3F);
    }
    if (!whole) {
      units += static_cast<char16_t>(byte);
      ++i;
      continue;
    }
    if (code >= 0x10000) {
      code -= 0x10000;
      units += static_cast<char16_t>(0xD800 + (code >> 10));
      units += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    } else {
      units += static_cast<char16_t>(code);
    }
    i += static_cast<std::size_t>(length);
  }
  return units;
}

// The file's text in the ANSI code page.
std::string FileText(std::string_view bytes) {
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
      static_cast<unsigned char>(bytes[1]) == 0xFE) {
    std::u16string units;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
      units +=
          static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8);
    return os::SystemPort().WideToAnsi(units);
  }
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  return os::SystemPort().WideToAnsi(FromUtf8(bytes));
}

// The text of element name ("<name ...>text</name>") with XML's own
// entities read; empty when the file has no such element.
std::string Element(const std::string& text, const std::string& name) {
  const std::string open = "<" + name;
  for (std::size_t at = text.find(open); at != std::string::npos; at = text.find(open, at + 1)) {
    const std::size_t after = at + open.size();
    if (after >= text.size() || (text[after] != '>' && text[after] != ' ')) continue;
    const std::size_t start = text.find('>', after);
    const std::size_t end = start == std::string::npos ? start : text.find("</" + name + ">", start);
    if (end == std::string::npos) return {};
    std::string value;
    static constexpr std::array<std::pair<std::string_view, char>, 5> kEntities = {
        {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}}};
    for (std::size_t i = start + 1; i < end; ++i) {
      bool read = false;
      for (const auto& [entity, character] : kEntities) {
        if (text.compare(i, entity.size(), entity) != 0) continue;
        value += character;
        i += entity.size() - 1;
        read = true;
        break;
      }
      if (!read) value += text[i];
    }
    return value;
  }
  return {};
}

}  // namespace

std::optional<TMailAccount> ParseMailAccountFile(std::string_view bytes) {
  const std::string text = FileText(bytes);
  TMailAccount account;
  account.AccountName = Element(text, "Account_Name");
  account.SmtpServer = Element(text, "SMTP_Server");
  if (account.AccountName.empty() || account.SmtpServer.empty()) return std::nullopt;
  account.Pop3Server = Element(text, "POP3_Server");
  account.Pop3UserName = Element(text, "POP3_User_Name");
  account.SmtpDisplayName = Element(text, "SMTP_Display_Name");
  account.SmtpEmailAddress = Element(text, "SMTP_Email_Address");
  return account;
}

void ReadMailAccountFiles(TInternetInfo& info) {
  const std::string localData = os::SystemPort().EnvironmentValue("LOCALAPPDATA");
  if (localData.empty()) return;  // before Vista: no such folder, and no such files
  const std::string folder = localData + kStoreFolder;
  auto slot = info.MailAccounts.begin();
  for (const std::string& name : os::FilesPort().FileNames(folder, kExtension)) {
    while (slot != info.MailAccounts.end() && !slot->AccountName.empty()) ++slot;
    if (slot == info.MailAccounts.end()) return;
    auto bytes = os::FilesPort().ReadBytes(folder + "\\" + name);
    if (!bytes) continue;
    if (auto account = ParseMailAccountFile(*bytes)) *slot = std::move(*account);
  }
}

}  // namespace vrex::gather
