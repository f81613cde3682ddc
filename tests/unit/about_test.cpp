// The about box's logic: language table, texts from the version resource,
// the links through the shell and the flow of opening the box.
#include "app/about.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/version_block.h"
#include "support/memory/memory_ports.h"

namespace vrex::app {
namespace {

constexpr const char* kExe = "C:\\Vrex\\Network\\VrexNet.exe";
constexpr const char* kIni = "C:\\Vrex\\Network\\VrexNet.ini";

class AboutTest : public ::testing::Test {
 protected:
  void SetUp() override { world.system.exePath = kExe; }
  os::memory::World world;
};

TEST_F(AboutTest, RunLangChoosesFlagAndCaptionInAnyCase) {
  struct Case {
    const char* runLang;
    AboutFlag flag;
    const char* caption;
  };
  const Case cases[] = {
      {"CSY", AboutFlag::CSY, "O Aplikaci"},
      {"csy", AboutFlag::CSY, "O Aplikaci"},
      {"de", AboutFlag::DE,
       "\xDC"
       "ber Applikacion"},
      {"ES", AboutFlag::ES, "Sobre aplicati\xF3n"},
      {"FR", AboutFlag::FR, "About"},
      {"It", AboutFlag::IT, "About"},
      {"RUS", AboutFlag::RUS, "About"},
      {"EN", AboutFlag::EN, "About"},
      {"", AboutFlag::EN, "About"},
      {"RU", AboutFlag::EN, "About"},  // the label, not the code
  };
  for (const auto& c : cases) {
    auto language = AboutLanguageFor(c.runLang);
    EXPECT_EQ(language.flag, c.flag) << c.runLang;
    EXPECT_EQ(language.caption, c.caption) << c.runLang;
  }
}

TEST_F(AboutTest, LanguageIsReadFromRunLangNotLanguage) {
  world.files.WriteString(kIni, "Options", "Language", "DE");
  EXPECT_EQ(ReadAboutLanguage().flag, AboutFlag::EN);  // no RunLang at all
  world.files.WriteString(kIni, "Options", "RunLang", "de");
  EXPECT_EQ(ReadAboutLanguage().flag, AboutFlag::DE);
  world.files.WriteString(kIni, "Options", "RunLang", "");
  EXPECT_EQ(ReadAboutLanguage().caption, "About");
  EXPECT_EQ(ReadAboutLanguage().flag, AboutFlag::EN);
}

TEST_F(AboutTest, TextsComeFromTheProgramsOwnVersionResource) {
  auto root = test::VersionRoot(0x00010000, 7)
                  .Add(test::Strings("040904E4", {{"InternalName", "Vrex Info Network"},
                                                  {"Comments", "Network settings"},
                                                  {"LegalCopyright", "(c) 2026 Vrex"},
                                                  {"ProductVersion", "1.0"},
                                                  {"FileVersion", "1.0.0.7"}}));
  world.versions.AddFile(kExe, "01.01.2026", root.Bytes());
  auto texts = ReadAboutTexts();
  EXPECT_EQ(texts.name, "Vrex Info Network");
  EXPECT_EQ(texts.nameHint, "Network settings");
  EXPECT_EQ(texts.copyright, "(c) 2026 Vrex");
  EXPECT_EQ(texts.version, "1.0");
  EXPECT_EQ(texts.versionHint, "Build:  1.0.0.7");
  EXPECT_EQ(texts.web, "www.example.org/vrexnet");
  EXPECT_EQ(texts.mail, "support@example.org");
  EXPECT_EQ(world.versions.sizeQueries, std::vector<std::string>(5, kExe));  // each from the program's file

  // Without a version resource the labels stay empty; the hint keeps its prefix.
  world.versions.AddFile(kExe, "01.01.2026");
  texts = ReadAboutTexts();
  EXPECT_EQ(texts.name + texts.version + texts.copyright, "");
  EXPECT_EQ(texts.versionHint, "Build:  ");
}

TEST_F(AboutTest, NamesLongerThanFifteenCharactersAreSetSmallerAndLower) {
  EXPECT_EQ(PlaceName("Vrex Info Netwo").pointSize, 16);  // 15
  EXPECT_EQ(PlaceName("Vrex Info Netwo").top, 194);
  EXPECT_EQ(PlaceName("Vrex Info Networ").pointSize, 12);  // 16
  EXPECT_EQ(PlaceName("Vrex Info Networ").top, 198);
}

TEST_F(AboutTest, ANameTooWideForTheRoomBesideTheVersionIsSetSmallerDownToEightPoints) {
  struct Case {
    NamePlacement placement;
    int room;
    int size;
  };
  // Ten pixels a point.
  const Case cases[] = {{{12, 198}, 120, 12}, {{12, 198}, 119, 11}, {{16, 194}, 100, 10},
                        {{12, 198}, 80, 8},   {{12, 198}, 10, 8},   {{8, 198}, 10, 8}};
  for (const Case& c : cases)
    EXPECT_EQ(FitNameSize(c.placement, c.room, [](int points) { return points * 10; }), c.size) << c.room;
}

TEST_F(AboutTest, LinksOpenThroughTheShellAndReportItsFailures) {
  EXPECT_TRUE(OpenWebAddress(kWebAddress));
  EXPECT_TRUE(OpenMailAddress(kMailAddress));
  EXPECT_TRUE(OpenMailAddress(""));  // nothing to open
  using Call = os::memory::MemoryShell::Call;
  EXPECT_EQ(world.shell.calls, (std::vector<Call>{{"open", "http://www.example.org/vrexnet", ""},
                                                  {"open", "mailto:support@example.org", ""}}));
  EXPECT_TRUE(world.messages.shown.empty());

  // 32 is still a failure: only results above it succeed.
  world.shell.results = {32, 33};
  world.shell.lastError = {1155, "No application is associated with the specified file for this operation"};
  EXPECT_FALSE(OpenMailAddress(kMailAddress));
  ASSERT_EQ(world.messages.shown.size(), 1u);
  EXPECT_EQ(world.messages.shown[0].text,
            "Error no.1155 of 'ShellExecute' design!\n\n"
            "No application is associated with the specified file for this operation");
  EXPECT_EQ(world.messages.shown[0].flags, os::mb::kOk | os::mb::kIconError);
  EXPECT_TRUE(OpenWebAddress(kWebAddress));
  EXPECT_EQ(world.messages.shown.size(), 1u);
}

struct FakeDialog : AboutDialog {
  struct Log {
    int shown = 0, freed = 0;
  };
  FakeDialog(Log& log, int result, bool fails) : log(log), result(result), fails(fails) {}
  bool SetDlg() override { return fails ? throw std::runtime_error("no window class") : true; }
  int ShowModal() override { return ++log.shown, result; }
  void FreeDlg() override { ++log.freed; }
  Log& log;
  int result;
  bool fails;
};

TEST_F(AboutTest, ExecuteShowsTheBoxAndReportsWhatKeepsItFromShowing) {
  FakeDialog::Log log;
  constexpr int kCancelled = 2;
  EXPECT_EQ(ExecuteAbout([&] { return std::make_unique<FakeDialog>(log, kCancelled, false); }), kCancelled);
  EXPECT_EQ(log.shown, 1);
  EXPECT_EQ(log.freed, 1);
  EXPECT_TRUE(world.messages.shown.empty());

  log = {};
  EXPECT_EQ(ExecuteAbout([&] { return std::make_unique<FakeDialog>(log, kCancelled, true); }), kAboutNotShown);
  EXPECT_EQ(log.shown, 0);
  EXPECT_EQ(log.freed, 1);  // created, so freed
  ASSERT_EQ(world.messages.shown.size(), 2u);
  EXPECT_EQ(world.messages.shown[0].text, "Error open dialog !\n\nno window class");
  EXPECT_EQ(world.messages.shown[1].text, "Not show 'About' !");
  EXPECT_EQ(world.messages.shown[1].flags, os::mb::kOk | os::mb::kIconInformation);

  // Failing to create the box at all: reported, nothing to free.
  world.messages.shown.clear();
  EXPECT_EQ(ExecuteAbout([]() -> std::unique_ptr<AboutDialog> { throw std::runtime_error("out of handles"); }),
            kAboutNotShown);
  ASSERT_EQ(world.messages.shown.size(), 2u);
  EXPECT_EQ(world.messages.shown[0].text, "Error open dialog !\n\nout of handles");

  // A modal result of 3 itself counts as not shown.
  world.messages.shown.clear();
  log = {};
  EXPECT_EQ(ExecuteAbout([&] { return std::make_unique<FakeDialog>(log, kAboutNotShown, false); }), kAboutNotShown);
  ASSERT_EQ(world.messages.shown.size(), 1u);
  EXPECT_EQ(world.messages.shown[0].text, "Not show 'About' !");
}

}  // namespace
}  // namespace vrex::app
