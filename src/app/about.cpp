#include "app/about.h"

#include <cstdio>
#include <exception>

#include "components/file_version.h"
#include "lang/ini.h"
#include "platform/os/ports.h"
#include "platform/text.h"

namespace vrex::app {
namespace {

// The program's texts are ANSI: 0xDC is U with diaeresis, 0xF3 o with acute.
constexpr const char* kGermanCaption =
    "\xDC"
    "ber Applikacion";
constexpr const char* kSpanishCaption = "Sobre aplicati\xF3n";
constexpr const char* kCzechCaption = "O Aplikaci";

constexpr std::size_t kLongName = 15;
constexpr NamePlacement kLargeName{16, 194};
constexpr NamePlacement kSmallName{12, 198};
constexpr int kSmallestNameSize = 8;

// Selectors of GetFileVersionText.
constexpr int kInternalName = 2, kFileVersion = 4, kLegalCopyright = 5, kComments = 7, kProductVersion = 9;

constexpr const char* kErrorCaption = "Error";
constexpr const char* kInformationCaption = "Information";
constexpr const char* kShellErrorText = "Error no.%d of 'ShellExecute' design!\n\n%s";
constexpr const char* kOpenErrorText = "Error open dialog !\n\n%s";
constexpr const char* kNotShownText = "Not show 'About' !";

std::string Format(const char* pattern, int number, const std::string& text) {
  int length = std::snprintf(nullptr, 0, pattern, number, text.c_str());
  std::string result(length > 0 ? length : 0, '\0');
  std::snprintf(result.data(), result.size() + 1, pattern, number, text.c_str());
  return result;
}

bool OpenAddress(const std::string& scheme, const std::string& address) {
  if (address.empty()) return true;
  os::ShellResult result = os::ShellPort().Execute("open", scheme + address, "");
  if (result.Succeeded()) return true;
  const os::SystemError& error = result.error;
  os::MessagesPort().Show(Format(kShellErrorText, static_cast<int>(error.code), error.text), kErrorCaption,
                          os::mb::kOk | os::mb::kIconError);
  return false;
}

}  // namespace

AboutLanguage AboutLanguageFor(std::string_view runLang) {
  std::string code = text::ToUpper(runLang);
  if (code == "CSY") return {AboutFlag::CSY, kCzechCaption};
  if (code == "DE") return {AboutFlag::DE, kGermanCaption};
  if (code == "ES") return {AboutFlag::ES, kSpanishCaption};
  if (code == "FR") return {AboutFlag::FR, "About"};
  if (code == "IT") return {AboutFlag::IT, "About"};
  if (code == "RUS") return {AboutFlag::RUS, "About"};
  return {AboutFlag::EN, "About"};
}

AboutLanguage ReadAboutLanguage() {
  try {
    std::string runLang;
    // A missing key reads as "<Error>", which is no language: English.
    ReadIniString(ProgramIniPath(), kOptionsSection, kRunLangKey, runLang);
    return AboutLanguageFor(runLang);
  } catch (const std::exception&) {
    return AboutLanguage{};
  }
}

AboutTexts ReadAboutTexts() {
  const std::string program = ExePath();
  AboutTexts texts;
  texts.name = GetFileVersionText(program, kInternalName);
  texts.nameHint = GetFileVersionText(program, kComments);
  texts.copyright = GetFileVersionText(program, kLegalCopyright);
  texts.version = GetFileVersionText(program, kProductVersion);
  texts.versionHint = kVersionHintPrefix + GetFileVersionText(program, kFileVersion);
  return texts;
}

NamePlacement PlaceName(std::string_view name) { return name.size() > kLongName ? kSmallName : kLargeName; }

int FitNameSize(const NamePlacement& placement, int room, const std::function<int(int pointSize)>& widthAt) {
  int size = placement.pointSize;
  while (size > kSmallestNameSize && widthAt(size) > room) --size;
  return size;
}

bool OpenWebAddress(const std::string& address) { return OpenAddress("http://", address); }

bool OpenMailAddress(const std::string& address) { return OpenAddress("mailto:", address); }

int ExecuteAbout(const std::function<std::unique_ptr<AboutDialog>()>& create) {
  int result = kAboutNotShown;
  std::unique_ptr<AboutDialog> dialog;
  try {
    dialog = create();
    if (dialog != nullptr && dialog->SetDlg()) result = dialog->ShowModal();
  } catch (const std::exception& error) {
    os::MessagesPort().Show(text::FillIn(kOpenErrorText, error.what()), kErrorCaption,
                            os::mb::kOk | os::mb::kIconError);
    result = kAboutNotShown;
  }
  if (result == kAboutNotShown)
    os::MessagesPort().Show(kNotShownText, kInformationCaption, os::mb::kOk | os::mb::kIconInformation);
  if (dialog != nullptr) dialog->FreeDlg();
  return result;
}

}  // namespace vrex::app
