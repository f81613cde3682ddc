#pragma once
// The language settings dialog's logic: which language buttons are enabled
// and down, the code Ok writes, and the offer to restart.  The window itself
// is in language_dialog_win.cpp.
#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace vrex {

inline constexpr const char* kLanguageDialogCaption = "Languagesettings";
inline constexpr const char* kRestartQuestion =
    "Changing language will take effect after you restart the application.Would You like to exit?";

struct LanguageButton {
  const char* code;
  const char* label;
  bool enabled = false;
  bool down = false;
};

// The seven language buttons, top to bottom.
struct LanguageChoice {
  std::array<LanguageButton, 7> buttons{{
      {"CSY", "CZ"},
      {"DE", "DE"},
      {"EN", "EN"},
      {"ES", "ES"},
      {"FR", "FR"},
      {"IT", "IT"},
      {"RUS", "RU"},
  }};
};

// Enables the languages whose module file exists and presses the one
// "Language" names exactly (a disabled one too); a missing key becomes "EN"
// and is written.
LanguageChoice PrepareLanguageChoice();
// A click: the button goes down and every other one up.  Disabled buttons
// take no clicks; returns whether it was taken.
bool PressLanguageButton(LanguageChoice& choice, std::size_t index);
// The down button's code, tested in the order EN, ES, DE, FR, IT, RUS, CSY
// (the last one down wins); empty when none is down.
std::string ChosenLanguageCode(const LanguageChoice& choice);
// The chosen code, and when it could not be written, what to tell the user.
struct LanguageCommit {
  std::string code;
  std::optional<std::string> error;  // the file, then the system's reason on the next line
};
// Writes the chosen code (empty included) to "Language".
LanguageCommit CommitLanguageChoice(const LanguageChoice& choice);
// Asks whether to exit; on Yes starts the program anew and ends this run
// (also when the new start failed: the user chose to exit).  True on Yes.
bool OfferRestart();

}  // namespace vrex
