// Choosing, loading and reading the language module, and the INI routines under it.
#include <gtest/gtest.h>

#include "lang/ini.h"
#include "lang/language.h"
#include "support/memory/memory_ports.h"

namespace vrex {
namespace {

constexpr const char* kExe = "C:\\Vrex\\Network\\VrexNet.exe";
constexpr const char* kIni = "C:\\Vrex\\Network\\VrexNet.ini";

class LanguageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UnloadLanguageModule();
    world.system.exePath = kExe;
  }
  void TearDown() override { UnloadLanguageModule(); }

  void AddModule(const std::string& code, std::map<unsigned, std::string> strings = {{1, "text"}}) {
    std::string path = std::string("C:\\Vrex\\Network\\VrexNet") + code + ".dll";
    world.files.AddFile(path);
    world.modules.AddLibrary(path, std::move(strings));
  }
  std::optional<std::string> Ini(const char* key) { return world.files.IniValue(kIni, "Options", key); }

  os::memory::World world;
};

TEST_F(LanguageTest, FirstStartOnGermanSystemSeedsBothKeysAndLoadsTheGermanModule) {
  world.system.langId = 0x0407;
  AddModule("DE", {{1, "Netzwerk"}});
  LoadLanguageModule();
  EXPECT_EQ(Ini("Language"), "DE");
  EXPECT_EQ(Ini("RunLang"), "DE");
  ASSERT_EQ(world.modules.loaded, std::vector<std::string>{"C:\\Vrex\\Network\\VrexNetDE.dll"});
  EXPECT_EQ(GetLangString(1), "Netzwerk");
  EXPECT_TRUE(world.messages.shown.empty());
}

TEST_F(LanguageTest, MissingModuleShowsTheCzechMessageOnceAndFallsBackToEnglish) {
  world.files.WriteString(kIni, "Options", "Language", "FR");
  AddModule("EN", {{1, "Network"}});
  LoadLanguageModule();
  ASSERT_EQ(world.messages.shown.size(), 1u);
  // UTF-8 shown in Unicode: the accented a reads the same under every code page.
  EXPECT_EQ(world.messages.shown[0].text, "Jazykov\xC3\xA1 mutace FR modulu neexistuje!");
  EXPECT_TRUE(world.messages.shown[0].utf8);
  EXPECT_EQ(world.messages.shown[0].caption, "Vrex Info Network");
  EXPECT_EQ(world.messages.shown[0].flags & 0xF0, os::mb::kIconError);
  EXPECT_EQ(Ini("Language"), "EN");
  EXPECT_EQ(Ini("RunLang"), "EN");
  EXPECT_EQ(GetLangString(1), "Network");
}

TEST_F(LanguageTest, EmptyLanguageLooksForAModuleWithoutCode) {
  world.files.WriteString(kIni, "Options", "Language", "");
  LoadLanguageModule();
  ASSERT_EQ(world.messages.shown.size(), 1u);
  EXPECT_EQ(world.messages.shown[0].text, "Jazykov\xC3\xA1 mutace  modulu neexistuje!");
  // The EN module's existence is not tested: it is simply loaded, and here it is missing.
  EXPECT_EQ(world.modules.loaded, std::vector<std::string>{"C:\\Vrex\\Network\\VrexNetEN.dll"});
  EXPECT_EQ(LanguageModuleHandle(), 0u);
  EXPECT_EQ(GetLangString(1), kNoLoadMessage);
}

TEST_F(LanguageTest, EmptyLanguageFindsAModuleNamedWithoutCode) {
  world.files.WriteString(kIni, "Options", "Language", "");
  AddModule("", {{1, "plain"}});
  LoadLanguageModule();
  EXPECT_TRUE(world.messages.shown.empty());
  EXPECT_EQ(Ini("RunLang"), "");
  EXPECT_EQ(GetLangString(1), "plain");
}

TEST_F(LanguageTest, CodeThatIsNotAFewLettersNamesNoModule) {
  const std::string codes[] = {
      "\\..\\..\\probe\\dll\\code",
      "..\\EN",
      "C:\\probe",
      "E N",
      "EN.",
      "ABCDEFGHI",  // nine letters: longer than any code
      "EN\xC9",
      std::string(5000, 'X'),  // shown cut to its first 32 characters
  };
  for (const auto& code : codes) {
    const std::string shown = code.size() == 5000 ? std::string(32, 'X') + "\xE2\x80\xA6" : code;
    os::memory::World fresh;
    fresh.system.exePath = kExe;
    const std::string probe = std::string("C:\\Vrex\\Network\\VrexNet") + code + ".dll";
    // The file the code points to exists and is a module: it must still not be loaded.
    fresh.files.AddFile(probe);
    fresh.modules.AddLibrary(probe, {{1, "probe"}});
    fresh.files.AddFile("C:\\Vrex\\Network\\VrexNetEN.dll");
    fresh.modules.AddLibrary("C:\\Vrex\\Network\\VrexNetEN.dll", {{1, "Network"}});
    fresh.files.WriteString(kIni, "Options", "Language", code);
    UnloadLanguageModule();
    LoadLanguageModule();
    ASSERT_EQ(fresh.messages.shown.size(), 1u) << code;
    EXPECT_EQ(fresh.messages.shown[0].text, "Jazykov\xC3\xA1 mutace " + shown + " modulu neexistuje!");
    EXPECT_EQ(fresh.modules.loaded, std::vector<std::string>{"C:\\Vrex\\Network\\VrexNetEN.dll"}) << code;
    EXPECT_EQ(fresh.files.IniValue(kIni, "Options", "Language"), "EN") << code;
    EXPECT_EQ(fresh.files.IniValue(kIni, "Options", "RunLang"), "EN") << code;
    EXPECT_EQ(GetLangString(1), "Network") << code;
    UnloadLanguageModule();
  }
}

TEST_F(LanguageTest, CodesOfLettersAreTakenInEitherCase) {
  for (const std::string code : {"ru", "CSY", "Abcdefgh"}) {
    os::memory::World fresh;
    fresh.system.exePath = kExe;
    const std::string path = "C:\\Vrex\\Network\\VrexNet" + code + ".dll";
    fresh.files.AddFile(path);
    fresh.modules.AddLibrary(path, {{1, code}});
    fresh.files.WriteString(kIni, "Options", "Language", code);
    UnloadLanguageModule();
    LoadLanguageModule();
    EXPECT_TRUE(fresh.messages.shown.empty()) << code;
    EXPECT_EQ(GetLangString(1), code);
    // Loaded as a data file: none of its code runs.
    EXPECT_EQ(fresh.modules.loadedAsData, std::vector<std::string>{path});
    UnloadLanguageModule();
  }
}

TEST_F(LanguageTest, RunLangIsWrittenOnEveryCallButLanguageOnlyWhenSeeded) {
  world.files.WriteString(kIni, "Options", "Language", "IT");
  world.files.WriteString(kIni, "Options", "RunLang", "DE");
  AddModule("IT");
  EXPECT_EQ(GetLanguageModulePath(), "C:\\Vrex\\Network\\VrexNetIT.dll");
  EXPECT_EQ(Ini("RunLang"), "IT");
  EXPECT_EQ(Ini("Language"), "IT");
}

TEST_F(LanguageTest, LiteralErrorValueCountsAsMissingKey) {
  world.files.WriteString(kIni, "Options", "Language", "<Error>");
  world.system.langId = 0x0405;  // Czech
  AddModule("CSY");
  EXPECT_EQ(GetLanguageModulePath(), "C:\\Vrex\\Network\\VrexNetCSY.dll");
  EXPECT_EQ(Ini("Language"), "CSY");
}

TEST_F(LanguageTest, ReloadingReleasesThePreviousModule) {
  world.files.WriteString(kIni, "Options", "Language", "EN");
  AddModule("EN");
  LoadLanguageModule();
  auto first = LanguageModuleHandle();
  LoadLanguageModule();
  EXPECT_EQ(world.modules.freed, std::vector<os::ModuleHandle>{first});
  EXPECT_EQ(world.modules.LoadedCount(), 1);
}

TEST_F(LanguageTest, LookupsWithoutModuleOrIdGiveTheFallback) {
  EXPECT_EQ(GetLangString(540), kNoLoadMessage);  // before loading
  world.files.WriteString(kIni, "Options", "Language", "EN");
  AddModule("EN", {{10, "Report"}});
  LoadLanguageModule();
  EXPECT_EQ(GetLangString(10), "Report");
  EXPECT_EQ(GetLangString(11), kNoLoadMessage);
  EXPECT_EQ(GetLangString(-5), kNoLoadMessage);
}

TEST_F(LanguageTest, StringsAreCutAt1023CharactersAndAtTheirFirstNul) {
  world.files.WriteString(kIni, "Options", "Language", "EN");
  AddModule("EN", {{1, std::string(1500, 'x')}, {2, std::string("before\0after", 12)}});
  LoadLanguageModule();
  EXPECT_EQ(GetLangString(1), std::string(1023, 'x'));
  EXPECT_EQ(GetLangString(2), "before");
}

TEST_F(LanguageTest, NoModuleReadsTheProgramsOwnStringsWhichHoldNoneOfOurIds) {
  world.modules.ownStrings = {{61248, "own"}};
  EXPECT_EQ(LoadModuleString(0, 61248), "own");
  EXPECT_EQ(LoadModuleString(0, 1), kNoLoadMessage);
}

TEST_F(LanguageTest, SystemLanguageMapsPrimaryLanguageBitsOnly) {
  struct Case {
    std::uint16_t langId;
    const char* code;
  };
  for (auto [langId, code] :
       {Case{0x0405, "CSY"}, Case{0x0807, "DE"}, Case{0x0C0A, "ES"}, Case{0x040C, "FR"}, Case{0x0410, "IT"},
        Case{0x0419, "RUS"}, Case{0x0409, "EN"}, Case{0x0415, "EN"}, Case{0x7C05, "CSY"}}) {
    world.system.langId = langId;
    EXPECT_EQ(GetSystemLanguageCode(), code) << std::hex << langId;
  }
}

TEST_F(LanguageTest, IniReadReportsMissingKeysAndWriteFailures) {
  std::string value = "stale";
  EXPECT_FALSE(ReadIniString(kIni, "Options", "Language", value));
  EXPECT_EQ(value, "<Error>");
  EXPECT_TRUE(WriteIniString(kIni, "Options", "Language", "DE"));
  EXPECT_TRUE(ReadIniString(kIni, "options", "LANGUAGE", value));
  EXPECT_EQ(value, "DE");
  world.files.failWrites = true;
  EXPECT_FALSE(WriteIniString(kIni, "Options", "Language", "FR"));
}

TEST_F(LanguageTest, IniWriteFailuresDoNotStopTheChoice) {
  world.files.failWrites = true;
  world.system.langId = 0x0410;
  AddModule("IT");
  EXPECT_EQ(GetLanguageModulePath(), "C:\\Vrex\\Network\\VrexNetIT.dll");
}

}  // namespace
}  // namespace vrex
