// A Simple MAPI library for tests: MAPISendMail writes mapi.log in the
// working folder with what it was handed (flags, subject, recipients, each
// attachment, then the body as its bytes, last) and answers success, as a
// mail program does once the user has sent the message.  The log appears
// whole, by renaming, so that a test may read it as soon as it is there.
#include <windows.h>
#include <mapi.h>

#include <string>

namespace {

std::string Text(const char* text) { return text != nullptr ? text : "(null)"; }

}  // namespace

extern "C" ULONG WINAPI MAPISendMail(LHANDLE session, ULONG_PTR window, lpMapiMessage message, FLAGS flags, ULONG) {
  std::string log = "session: " + std::to_string(session) + "\nwindow: " + std::to_string(window) +
                    "\nflags: " + std::to_string(flags) + "\n";
  if (message == nullptr) return MAPI_E_FAILURE;
  log += "subject: " + Text(message->lpszSubject) + "\nrecipients: " + std::to_string(message->nRecipCount) + "\n";
  for (ULONG i = 0; i < message->nFileCount; ++i) {
    const MapiFileDesc& file = message->lpFiles[i];
    log += "attachment path: " + Text(file.lpszPathName) + "\nattachment name: " + Text(file.lpszFileName) +
           "\nattachment position: " + std::to_string(file.nPosition) + "\n";
  }
  log += "body:\n" + Text(message->lpszNoteText);
  HANDLE file = CreateFileA("mapi.tmp", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return MAPI_E_FAILURE;
  DWORD written = 0;
  BOOL wrote = WriteFile(file, log.data(), static_cast<DWORD>(log.size()), &written, nullptr);
  CloseHandle(file);
  if (!wrote || !MoveFileExA("mapi.tmp", "mapi.log", MOVEFILE_REPLACE_EXISTING)) return MAPI_E_FAILURE;
  return SUCCESS_SUCCESS;
}
