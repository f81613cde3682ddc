// The command line: which form it asks for, its item list, and the selection
// the report from the command line ticks.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include "lang/language.h"
#include "support/memory/memory_ports.h"

namespace vrex::app {
namespace {

using Kind = CommandLine::Kind;

// What each command line asks for, and for a wrong one the message that
// names the argument, then the usage; in English without a language module.
TEST(CommandLineTest, ArgumentsChooseTheFormAndAWrongOneIsNamed) {
  os::memory::World world;
  UnloadLanguageModule();
  const std::string usage = "Usage: VrexNet.exe --report FILE [--items ID,ID,...] | --list-items | --help";
  struct Case {
    std::vector<std::string> arguments;
    Kind kind;
    std::string file;
    std::vector<int> items;
  };
  const Case cases[] = {
      {{}, Kind::kWindow, "", {}},
      {{"--help"}, Kind::kHelp, "", {}},
      {{"/?"}, Kind::kHelp, "", {}},
      {{"-H"}, Kind::kHelp, "", {}},
      {{"--List-Items"}, Kind::kListItems, "", {}},
      {{"--report", "C:\\r.txt"}, Kind::kReport, "C:\\r.txt", {}},
      {{"--REPORT", "r.htm", "--Items", "540,525, 101"}, Kind::kReport, "r.htm", {540, 525, 101}},
      {{"--items", "80", "--report", "r.txt"}, Kind::kReport, "r.txt", {80}},
  };
  for (const Case& c : cases) {
    CommandLine got = ParseCommandLine(c.arguments);
    EXPECT_EQ(got.kind, c.kind) << testing::PrintToString(c.arguments);
    EXPECT_EQ(got.file, c.file) << testing::PrintToString(c.arguments);
    EXPECT_EQ(got.items, c.items) << testing::PrintToString(c.arguments);
  }
  const std::string noFile = "--report: the name of the report file is missing (--report FILE).";
  const std::string noItems = "--items: the list of sub-item IDs is missing (--items ID,ID,...).";
  const std::pair<std::vector<std::string>, std::string> wrong[] = {
      {{"--report"}, noFile},
      {{"--report", ""}, noFile},
      {{"--report", "--items", "540"}, noFile},
      {{"--items", "540"}, noFile},
      {{"--bogus"}, "Unknown option: --bogus"},
      {{"/report"}, "Unknown option: /report"},
      {{"--report", "r.txt", "--items"}, noItems},
      {{"--report", "r.txt", "--items", ""}, noItems},
      {{"--report", "r.txt", "--items", "abc"},
       "Not a sub-item ID: \"abc\" (IDs are whole numbers from 0 to 65535, separated by commas)."},
      {{"--report", "r.txt", "--items", "-5"},
       "Not a sub-item ID: \"-5\" (IDs are whole numbers from 0 to 65535, separated by commas)."},
      {{"--report", "r.txt", "--items", "80,65536"},
       "Not a sub-item ID: \"65536\" (IDs are whole numbers from 0 to 65535, separated by commas)."},
      {{"--report", "r.txt", "--items", "540,,525"},
       "An ID is missing in the list 540,,525 (IDs are separated by single commas)."},
      {{"--report", "r.txt", "--items", "540,"},
       "An ID is missing in the list 540, (IDs are separated by single commas)."},
      {{"--report", "r.txt", "extra"}, "Unexpected argument: extra"},
      {{"--report", "a.txt", "--Report", "b.txt"}, "--Report is given twice."},
      {{"--help", "extra"}, "Unexpected argument: extra"},
      {{""}, "Unexpected argument: \"\""},
      {{"--report", "r.txt", "/?"}, "Unexpected argument: /?"},
  };
  for (const auto& [arguments, message] : wrong) {
    CommandLine got = ParseCommandLine(arguments);
    EXPECT_EQ(got.kind, Kind::kWrong) << testing::PrintToString(arguments);
    EXPECT_EQ(CommandLineMessage(got), (std::vector<std::string>{message, usage})) << testing::PrintToString(arguments);
  }
  // The usage is not lost without a language module, and it tells what each exit status means.
  EXPECT_EQ(
      CommandLineMessage(ParseCommandLine({"--help"})),
      (std::vector<std::string>{
          usage,
          "FILE: a name ending .htm or .html gets HTML, .json JSON, .csv CSV for spreadsheets (both UTF-8); any other "
          "name gets text.",
          "Exit status: 0 done; 1 the report could not be made or was stopped; 2 the command line is wrong."}));
}

TEST(CommandLineTest, CommandLineIsSplitAtBlanksOutsideQuotes) {
  EXPECT_EQ(SplitArguments("\"C:\\Program Files\\VrexNet.exe\"  --report \"C:\\My Reports\\r.txt\"\t--items 1"),
            (std::vector<std::string>{"C:\\Program Files\\VrexNet.exe", "--report", "C:\\My Reports\\r.txt", "--items",
                                      "1"}));
  EXPECT_EQ(SplitArguments("a \"\" b"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_TRUE(SplitArguments("   ").empty());
}

TEST(CommandLineTest, SelectionIsInPaneOrderAndUnknownIdsAreNamed) {
  os::memory::World world;
  UnloadLanguageModule();
  std::vector<int> unknown;
  auto all = CommandLineSelection({}, unknown);
  EXPECT_TRUE(unknown.empty());
  const int paneOrder[] = {540, 525, 526, 527, 528, 561, 529, 80, 81, 82, 350, 101, 102};
  ASSERT_EQ(all.size(), std::size(paneOrder));
  for (std::size_t i = 0; i < all.size(); ++i) {
    EXPECT_EQ(all[i].subItemCaption, kNoLoadMessage);
    EXPECT_TRUE(all[i].ticked);
  }
  EXPECT_EQ(all[5].sectionIndex, 0);
  EXPECT_EQ(all[5].subItemIndex, 5);
  EXPECT_EQ(all[12].sectionIndex, 2);
  EXPECT_EQ(all[12].subItemIndex, 1);

  auto some = CommandLineSelection({102, 540, 540, 350}, unknown);
  EXPECT_TRUE(unknown.empty());
  ASSERT_EQ(some.size(), 3u);
  EXPECT_EQ((std::pair{some[0].sectionIndex, some[0].subItemIndex}), (std::pair{0, 0}));
  EXPECT_EQ((std::pair{some[1].sectionIndex, some[1].subItemIndex}), (std::pair{1, 3}));
  EXPECT_EQ((std::pair{some[2].sectionIndex, some[2].subItemIndex}), (std::pair{2, 1}));

  EXPECT_TRUE(CommandLineSelection({540, 103, 7, 7}, unknown).empty());  // global groups is not in the pane
  EXPECT_EQ(unknown, (std::vector<int>{103, 7}));
}

}  // namespace
}  // namespace vrex::app
