// VrMail: started by the report window's Send with the text and the HTML
// report, it opens the user's own mail program with a new message through
// Simple MAPI, the report's text as its body and the HTML file attached.
// MAPI32.DLL is bound at run time, so that the program also starts where no
// mail program is installed, and then says where the report is.
#include <windows.h>
#include <mapi.h>

#include <optional>
#include <string>
#include <vector>

#include "mail/report_mail.h"
#include "platform/os/win/handles_win.h"

namespace {

using vrex::mail::SendOutcome;

// The structures Simple MAPI reads, as a 32-bit mail program lays them out.
static_assert(sizeof(void*) != 4 || sizeof(MapiFileDesc) == 24);
static_assert(sizeof(void*) != 4 || sizeof(MapiMessage) == 48);

// Simple MAPI wants full paths; relative ones are taken from the working folder.
std::string FullPath(const std::string& path) {
  char full[MAX_PATH];
  char* name = nullptr;
  DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, &name);
  if (length == 0 || length >= MAX_PATH) return path;
  return std::string(full, length);
}

// The file's bytes as they are: the report is written in the ANSI code page
// the mail program expects.
std::optional<std::string> ReadBytes(const std::string& path) {
  vrex::win::UniqueKernelHandle file(vrex::win::FileHandle(
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr)));
  if (!file) return std::nullopt;
  std::string bytes;
  char chunk[4096];
  DWORD read = 0;
  for (;;) {
    if (!ReadFile(file.get(), chunk, sizeof chunk, &read, nullptr)) return std::nullopt;
    if (read == 0) return bytes;
    bytes.append(chunk, read);
  }
}

SendOutcome HandOver(vrex::mail::MailMessage& message) {
  vrex::win::UniqueModule mapi(LoadLibraryA("MAPI32.DLL"));
  if (!mapi) return {SendOutcome::Kind::kNoMapi};
  auto send = reinterpret_cast<LPMAPISENDMAIL>(reinterpret_cast<void*>(GetProcAddress(mapi.get(), "MAPISendMail")));
  if (send == nullptr) return {SendOutcome::Kind::kNoSendMail};
  MapiFileDesc attachment{};
  attachment.nPosition = 0xFFFFFFFF;  // not placed in the text: an attachment of its own
  attachment.lpszPathName = message.attachmentPath.data();
  attachment.lpszFileName = message.attachmentName.data();
  MapiMessage note{};
  note.lpszSubject = message.subject.data();
  note.lpszNoteText = message.body.data();
  note.nFileCount = 1;
  note.lpFiles = &attachment;
  // The mail program shows the new message, logging on first if it must;
  // the user adds the recipients.
  return {SendOutcome::Kind::kAnswered, send(0, 0, &note, MAPI_DIALOG | MAPI_LOGON_UI, 0)};
}

void Tell(const std::string& text) {
  MessageBoxA(nullptr, text.c_str(), vrex::mail::kBoxTitle, MB_OK | MB_ICONWARNING);
}

}  // namespace

// A window program still gets its arguments split by the C runtime here.
int main(int argc, char** argv) {
  // A mail library that lacks a library of its own fails to load quietly.
  SetErrorMode(SEM_FAILCRITICALERRORS);
  std::optional<vrex::mail::ReportFiles> given =
      vrex::mail::ReportFilesFromArguments(std::vector<std::string>(argv + 1, argv + argc));
  if (!given) {
    Tell(vrex::mail::UsageText());
    return 2;
  }
  vrex::mail::ReportFiles files{FullPath(given->text), FullPath(given->html)};
  std::optional<std::string> body = ReadBytes(files.text);
  SendOutcome outcome{SendOutcome::Kind::kUnreadable};
  if (body) {
    vrex::mail::MailMessage message = vrex::mail::ReportMessage(files, std::move(*body));
    outcome = HandOver(message);
  }
  std::optional<std::string> text = vrex::mail::OutcomeText(outcome, files);
  if (!text) return 0;
  Tell(*text);
  return 1;
}
