// The command line: which form it asks for, its item list, and the selection
// the report from the command line ticks.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include "lang/language.h"
#include "support/memory/memory_ports.h"

namespace vrex::app {
namespace {

using Kind = CommandLine::Kind;

TEST(CommandLineTest, ArgumentsChooseTheForm) {
  struct Case {
    std::vector<std::string> arguments;
    Kind kind;
    std::string file;
    std::vector<int> items;
    std::string wrong;
  };
  const Case cases[] = {
      {{}, Kind::kWindow, "", {}, ""},
      {{"--help"}, Kind::kHelp, "", {}, ""},
      {{"--list-items"}, Kind::kListItems, "", {}, ""},
      {{"--report", "C:\\r.txt"}, Kind::kReport, "C:\\r.txt", {}, ""},
      {{"--report", "r.htm", "--items", "540,525, 101"}, Kind::kReport, "r.htm", {540, 525, 101}, ""},
      {{"--report"}, Kind::kWrong, "", {}, "--report"},
      {{"--report", "--items", "540"}, Kind::kWrong, "", {}, "--report"},
      {{"--report", "r.txt", "--items"}, Kind::kWrong, "", {}, "--items"},
      {{"--report", "r.txt", "--items", "540,x"}, Kind::kWrong, "", {}, "x"},
      {{"--report", "r.txt", "--items", "540,"}, Kind::kWrong, "", {}, "540,"},
      {{"--report", "r.txt", "--items", "-1"}, Kind::kWrong, "", {}, "-1"},
      {{"--report", "r.txt", "extra"}, Kind::kWrong, "", {}, "extra"},
      {{"--help", "x"}, Kind::kWrong, "", {}, "x"},
      {{"/report"}, Kind::kWrong, "", {}, "/report"},
  };
  for (const Case& c : cases) {
    CommandLine got = ParseCommandLine(c.arguments);
    std::string shown = c.arguments.empty() ? "(none)" : c.arguments[0];
    EXPECT_EQ(got.kind, c.kind) << shown;
    EXPECT_EQ(got.file, c.file) << shown;
    EXPECT_EQ(got.items, c.items) << shown;
    EXPECT_EQ(got.wrong, c.wrong) << shown;
  }
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
