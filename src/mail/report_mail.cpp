#include "mail/report_mail.h"

#include "platform/text.h"

namespace vrex::mail {
namespace {

constexpr char kSubject[] = "Vrex Info Report";
// Simple MAPI's results that need no word to the user.
constexpr unsigned long kSuccess = 0;
constexpr unsigned long kUserAbort = 1;

std::string FileName(const std::string& path) {
  std::size_t cut = path.find_last_of("\\/:");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace

std::optional<ReportFiles> ReportFilesFromArguments(const std::vector<std::string>& arguments) {
  std::vector<std::string> files;
  for (const std::string& argument : arguments) {
    if (!text::Trim(argument).empty()) files.push_back(argument);
  }
  if (files.size() < 2) return std::nullopt;
  return ReportFiles{files[0], files[1]};
}

MailMessage ReportMessage(const ReportFiles& fullPaths, std::string body) {
  return MailMessage{kSubject, std::move(body), fullPaths.html, FileName(fullPaths.html)};
}

std::optional<std::string> OutcomeText(const SendOutcome& outcome, const ReportFiles& fullPaths) {
  std::string why;
  switch (outcome.kind) {
    case SendOutcome::Kind::kUnreadable: why = "No message was made: the text report could not be read."; break;
    case SendOutcome::Kind::kNoMapi:
      why = "No mail program could be reached: none is installed for Simple MAPI (MAPI32.DLL).";
      break;
    case SendOutcome::Kind::kNoSendMail:
      why = "No mail program could be reached: MAPI32.DLL lacks MAPISendMail.";
      break;
    case SendOutcome::Kind::kAnswered:
      if (outcome.result == kSuccess || outcome.result == kUserAbort) return std::nullopt;
      why = "No mail program could be reached: Simple MAPI gave error " + std::to_string(outcome.result) + ".";
      break;
  }
  return why + "\n\nThe report is in these two files:\n" + fullPaths.text + "\n" + fullPaths.html;
}

std::string UsageText() {
  return "VrMail sends the reports of Vrex Info Network: choose Send in the program's report window.";
}

}  // namespace vrex::mail
