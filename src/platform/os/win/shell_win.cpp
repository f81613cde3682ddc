#include <windows.h>
#include <shellapi.h>

#include "platform/os/win/handles_win.h"
#include "platform/os/win/shell_win.h"

namespace vrex::os::win {

namespace {

// The error code and the system's message for it.
SystemError ErrorText(DWORD code) {
  SystemError error;
  error.code = code;
  char* message = nullptr;
  DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                    FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ARGUMENT_ARRAY,
                                nullptr, error.code, 0, reinterpret_cast<char*>(&message), 0, nullptr);
  vrex::win::UniqueLocalMemory owned(message);
  if (message != nullptr) {
    // The system ends its messages with a full stop and a line break.
    while (length > 0 && (static_cast<unsigned char>(message[length - 1]) <= ' ' || message[length - 1] == '.'))
      --length;
    error.text.assign(message, length);
  }
  return error;
}

}  // namespace

ShellResult Win32Shell::Execute(const std::string& verb, const std::string& file, const std::string& parameters) {
  return ExecuteIn(verb, file, parameters, "");
}

ShellResult Win32Shell::ExecuteIn(const std::string& verb, const std::string& file, const std::string& parameters,
                                  const std::string& folder) {
  HINSTANCE started = ShellExecuteA(nullptr, verb.empty() ? nullptr : verb.c_str(), file.c_str(),
                                    parameters.empty() ? nullptr : parameters.c_str(),
                                    folder.empty() ? nullptr : folder.c_str(), SW_SHOWNORMAL);
  ShellResult result;
  result.code = static_cast<int>(reinterpret_cast<INT_PTR>(started));
  if (!result.Succeeded()) result.error = ErrorText(GetLastError());
  return result;
}

}  // namespace vrex::os::win
