#include "lang/language_dialog.h"

#include <string_view>

#include "lang/ini.h"
#include "lang/language.h"
#include "lang/message_texts.h"
#include "lang/string_ids.h"
#include "platform/os/ports.h"
#include "platform/text.h"

namespace vrex {
namespace {

constexpr const char* kFallbackCode = "EN";
constexpr const char* kQuestionCaption = "Information";

}  // namespace

LanguageChoice PrepareLanguageChoice() {
  LanguageChoice choice;
  for (const char* code : kLanguageCodes) {
    bool present = os::FilesPort().Exists(LanguageModulePathFor(code));
    for (auto& button : choice.buttons) {
      if (std::string_view(button.code) == code) button.enabled = present;
    }
  }
  const std::string ini = ProgramIniPath();
  std::string wanted;
  if (!ReadIniString(ini, kOptionsSection, kLanguageKey, wanted)) {
    wanted = kFallbackCode;
    WriteIniString(ini, kOptionsSection, kLanguageKey, wanted);
  }
  for (auto& button : choice.buttons) button.down = wanted == button.code;
  return choice;
}

bool PressLanguageButton(LanguageChoice& choice, std::size_t index) {
  if (index >= choice.buttons.size() || !choice.buttons[index].enabled) return false;
  for (std::size_t i = 0; i < choice.buttons.size(); ++i) choice.buttons[i].down = i == index;
  return true;
}

std::string ChosenLanguageCode(const LanguageChoice& choice) {
  std::string chosen;
  for (const char* code : kLanguageCodes) {
    for (const auto& button : choice.buttons) {
      if (button.down && std::string_view(button.code) == code) chosen = code;
    }
  }
  return chosen;
}

LanguageCommit CommitLanguageChoice(const LanguageChoice& choice) {
  LanguageCommit commit{ChosenLanguageCode(choice), std::nullopt};
  const std::string ini = ProgramIniPath();
  if (!WriteIniString(ini, kOptionsSection, kLanguageKey, commit.code)) {
    const std::string reason = os::SystemPort().ErrorMessageText(os::SystemPort().LastError());
    commit.error = text::FillIn(GetMessageText(IDS_LANGUAGE_NOT_SAVED), ini) + (reason.empty() ? "" : "\n" + reason);
  }
  return commit;
}

bool OfferRestart() {
  int answer = os::MessagesPort().Show(kRestartQuestion, kQuestionCaption, os::mb::kYesNo | os::mb::kIconInformation);
  if (answer != os::mb::kIdYes) return false;
  os::ShellPort().Execute("", ExePath(), "");
  // Ends even when the new start failed: the user chose to exit.
  os::UiPort().Terminate();
  return true;
}

}  // namespace vrex
