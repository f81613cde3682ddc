#pragma once
// What the mail program VrMail makes of the two report files it is started
// with: the new message it hands to the user's own mail program, and what it
// tells the user when no mail program takes it.
#include <optional>
#include <string>
#include <vector>

namespace vrex::mail {

// Title of every message box of the mail program.
inline constexpr char kBoxTitle[] = "Send report";

struct ReportFiles {
  std::string text;
  std::string html;
};

// The text and the HTML file from the arguments after the program's own
// name, in that order.  Blank arguments are passed over: the report window
// passes one before the files.  Nothing without two files.
std::optional<ReportFiles> ReportFilesFromArguments(const std::vector<std::string>& arguments);

struct MailMessage {
  std::string subject;
  std::string body;
  std::string attachmentPath;
  // What the recipient sees: the file name of the attachment's path.
  std::string attachmentName;
};

// The new message: the text report's bytes as its body, the HTML report
// attached.  The paths are full ones, as Simple MAPI wants them.
MailMessage ReportMessage(const ReportFiles& fullPaths, std::string body);

// How the hand-over ended.
struct SendOutcome {
  enum class Kind {
    kUnreadable,  // the text report could not be read
    kNoMapi,      // no MAPI32.DLL
    kNoSendMail,  // MAPI32.DLL without MAPISendMail
    kAnswered,    // MAPISendMail ran and gave result
  };
  Kind kind;
  unsigned long result = 0;
};

// What the user is told about the outcome, naming where the report files
// are; nothing when the message was handed over or the user cancelled it.
std::optional<std::string> OutcomeText(const SendOutcome& outcome, const ReportFiles& fullPaths);

// What the user is told when the program is started without two files.
std::string UsageText();

}  // namespace vrex::mail
