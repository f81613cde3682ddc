// The mail program's part that needs no system; the message it hands over is
// checked end to end (tests/e2e/mail.sh).
#include <gtest/gtest.h>

#include "mail/report_mail.h"

namespace vrex::mail {
namespace {

TEST(ReportMailTest, TheTwoFilesAreTheFirstTwoArgumentsThatAreNotBlank) {
  const std::pair<std::vector<std::string>, const char*> cases[] = {
      {{" ", "..\\Vmail\\report.txt", "..\\Vmail\\report.htm"}, "..\\Vmail\\report.txt|..\\Vmail\\report.htm"},
      {{"a.txt", "", "b.htm", "c"}, "a.txt|b.htm"},
      {{" ", "a.txt"}, "none"},
      {{}, "none"},
  };
  for (const auto& [arguments, expected] : cases) {
    std::optional<ReportFiles> files = ReportFilesFromArguments(arguments);
    EXPECT_EQ(files ? files->text + "|" + files->html : "none", expected) << arguments.size();
  }
}

TEST(ReportMailTest, OnlyAFailureToReachAMailProgramIsToldWithWhereTheFilesAre) {
  const std::string where = "\n\nThe report is in these two files:\nC:\\V\\report.txt\nC:\\V\\report.htm";
  using Kind = SendOutcome::Kind;
  const std::pair<SendOutcome, std::string> cases[] = {
      {{Kind::kAnswered, 0}, "none"},
      {{Kind::kAnswered, 1}, "none"},
      {{Kind::kAnswered, 3}, "No mail program could be reached: Simple MAPI gave error 3." + where},
      {{Kind::kNoSendMail}, "No mail program could be reached: MAPI32.DLL lacks MAPISendMail." + where},
      {{Kind::kUnreadable}, "No message was made: the text report could not be read." + where},
  };
  for (const auto& [outcome, expected] : cases) {
    std::optional<std::string> text = OutcomeText(outcome, {"C:\\V\\report.txt", "C:\\V\\report.htm"});
    EXPECT_EQ(text.value_or("none"), expected) << outcome.result;
  }
}

}  // namespace
}  // namespace vrex::mail
