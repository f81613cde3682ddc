// The language dialog's logic: enabling, pressing, the code Ok writes and the restart.
#include "lang/language_dialog.h"

#include <gtest/gtest.h>

#include <string_view>

#include "support/memory/memory_ports.h"

namespace vrex {
namespace {

constexpr const char* kExe = "C:\\Vrex\\Network\\VrexNet.exe";
constexpr const char* kIni = "C:\\Vrex\\Network\\VrexNet.ini";

class LanguageDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { world.system.exePath = kExe; }
  void AddModule(const std::string& code) {
    world.files.AddFile(std::string("C:\\Vrex\\Network\\VrexNet") + code + ".dll");
  }
  void SetLanguage(const std::string& code) { world.files.WriteString(kIni, "Options", "Language", code); }
  std::optional<std::string> Language() { return world.files.IniValue(kIni, "Options", "Language"); }
  // Codes of the buttons that are enabled (or down), top to bottom.
  static std::string Codes(const LanguageChoice& choice, bool LanguageButton::*state) {
    std::string codes;
    for (const auto& button : choice.buttons)
      if (button.*state) codes += std::string(button.code) + " ";
    return codes;
  }
  static std::string Enabled(const LanguageChoice& choice) { return Codes(choice, &LanguageButton::enabled); }
  static std::string Down(const LanguageChoice& choice) { return Codes(choice, &LanguageButton::down); }
  static std::size_t IndexOf(const LanguageChoice& choice, std::string_view code) {
    for (std::size_t i = 0; i < choice.buttons.size(); ++i)
      if (choice.buttons[i].code == code) return i;
    return choice.buttons.size();
  }

  os::memory::World world;
};

TEST_F(LanguageDialogTest, OnlyLanguagesWithAModuleFileAreEnabled) {
  AddModule("EN");
  AddModule("DE");
  world.files.AddFile("C:\\Vrex\\Network\\VrexNetFR.txt");
  world.files.AddFile("C:\\Other\\VrexNetIT.dll");
  SetLanguage("DE");
  auto choice = PrepareLanguageChoice();
  EXPECT_EQ(Enabled(choice), "DE EN ");
  EXPECT_EQ(Down(choice), "DE ");

  // No module at all: everything disabled, yet the INI's button is down.
  world.files.RemoveFile("C:\\Vrex\\Network\\VrexNetEN.dll");
  world.files.RemoveFile("C:\\Vrex\\Network\\VrexNetDE.dll");
  SetLanguage("RUS");
  choice = PrepareLanguageChoice();
  EXPECT_EQ(Enabled(choice), "");
  EXPECT_EQ(Down(choice), "RUS ");
  EXPECT_EQ(CommitLanguageChoice(choice).code, "RUS");
}

TEST_F(LanguageDialogTest, TheIniValueMustMatchACodeExactly) {
  for (const char* code : {"CSY", "DE", "EN", "ES", "FR", "IT", "RUS"}) {
    SetLanguage(code);
    EXPECT_EQ(Down(PrepareLanguageChoice()), std::string(code) + " ");
  }
  for (const char* value : {"ru", "RU", "CZ", "de", " EN", ""}) {
    SetLanguage(value);
    EXPECT_EQ(Down(PrepareLanguageChoice()), "") << value;
    EXPECT_EQ(Language(), value);  // present, so not rewritten
  }
  // A missing key becomes EN and is written.
  world.files.RemoveFile(kIni);
  EXPECT_EQ(Down(PrepareLanguageChoice()), "EN ");
  EXPECT_EQ(Language(), "EN");
}

TEST_F(LanguageDialogTest, ClicksBehaveLikeRadioButtonsAndOkWritesTheDownOne) {
  AddModule("EN");
  AddModule("DE");
  SetLanguage("RUS");  // down, though disabled
  auto choice = PrepareLanguageChoice();
  EXPECT_FALSE(PressLanguageButton(choice, IndexOf(choice, "FR")));  // disabled: no click
  EXPECT_EQ(Down(choice), "RUS ");
  EXPECT_TRUE(PressLanguageButton(choice, IndexOf(choice, "DE")));
  EXPECT_EQ(Down(choice), "DE ");                                   // the disabled RUS went up too
  EXPECT_TRUE(PressLanguageButton(choice, IndexOf(choice, "DE")));  // pressing again keeps it down
  EXPECT_EQ(Down(choice), "DE ");
  EXPECT_EQ(CommitLanguageChoice(choice).code, "DE");
  EXPECT_EQ(Language(), "DE");
  // A file that cannot be written: said, with the system's reason.
  world.files.failWrites = true;
  world.system.lastError = 5;
  world.system.errorMessages[5] = "Access denied.";
  EXPECT_EQ(CommitLanguageChoice(choice).error,
            "The language could not be saved in C:\\Vrex\\Network\\VrexNet.ini. The program keeps the language it has."
            "\nAccess denied.");
  world.files.failWrites = false;

  // Should several be down, the test order EN ES DE FR IT RUS CSY decides: the last wins.
  for (auto& button : choice.buttons) button.down = true;
  EXPECT_EQ(ChosenLanguageCode(choice), "CSY");
  choice.buttons[IndexOf(choice, "CSY")].down = false;
  EXPECT_EQ(ChosenLanguageCode(choice), "RUS");
  for (auto& button : choice.buttons)
    button.down = std::string_view(button.code) == "EN" || button.code == std::string_view("ES");
  EXPECT_EQ(ChosenLanguageCode(choice), "ES");

  // None down: an empty value is written, not skipped.
  SetLanguage("ru");
  choice = PrepareLanguageChoice();
  EXPECT_EQ(CommitLanguageChoice(choice).code, "");
  EXPECT_EQ(Language(), "");
}

TEST_F(LanguageDialogTest, RestartHappensOnlyOnYesAndOnce) {
  world.messages.answers = {os::mb::kIdNo};
  EXPECT_FALSE(OfferRestart());
  EXPECT_TRUE(world.shell.calls.empty());
  EXPECT_FALSE(world.ui.terminated);
  ASSERT_EQ(world.messages.shown.size(), 1u);
  EXPECT_EQ(world.messages.shown[0].text,
            "Changing language will take effect after you restart the application.Would You like to exit?");
  EXPECT_EQ(world.messages.shown[0].flags, os::mb::kYesNo | os::mb::kIconInformation);

  world.messages.answers = {os::mb::kIdYes};
  EXPECT_TRUE(OfferRestart());
  using Call = os::memory::MemoryShell::Call;
  EXPECT_EQ(world.shell.calls, (std::vector<Call>{{"", kExe, ""}}));
  EXPECT_TRUE(world.ui.terminated);

  // A failed start still ends the program: the user asked to exit.
  world.ui.terminated = false;
  world.shell.results = {2};
  world.messages.answers = {os::mb::kIdYes};
  EXPECT_TRUE(OfferRestart());
  EXPECT_EQ(world.shell.calls.size(), 2u);
  EXPECT_TRUE(world.ui.terminated);
}

}  // namespace
}  // namespace vrex
