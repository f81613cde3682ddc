#include <windows.h>
#include <shellapi.h>

#include "platform/os/win/shell_win.h"

namespace vrex::os::win {

int Win32Shell::Execute(const std::string& verb, const std::string& file, const std::string& parameters) {
  HINSTANCE result = ShellExecuteA(nullptr, verb.empty() ? nullptr : verb.c_str(), file.c_str(),
                                   parameters.empty() ? nullptr : parameters.c_str(), nullptr, SW_SHOWNORMAL);
  return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

SystemError Win32Shell::LastErrorText() {
  SystemError error;
  error.code = GetLastError();
  char* message = nullptr;
  DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                    FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ARGUMENT_ARRAY,
                                nullptr, error.code, 0, reinterpret_cast<char*>(&message), 0, nullptr);
  if (message != nullptr) {
    // The system ends its messages with a full stop and a line break.
    while (length > 0 && (static_cast<unsigned char>(message[length - 1]) <= ' ' || message[length - 1] == '.'))
      --length;
    error.text.assign(message, length);
    LocalFree(message);
  }
  return error;
}

}  // namespace vrex::os::win
