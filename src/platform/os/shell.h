#pragma once
// Starting documents, addresses and programs through the shell
// (ShellExecuteA), and the system's text for the last error.
#include <cstdint>
#include <string>

namespace vrex::os {

struct SystemError {
  std::uint32_t code = 0;
  std::string text;  // the system's message, without the trailing line break and full stop
};

class Shell {
 public:
  virtual ~Shell() = default;
  // ShellExecuteA without an owner window or working folder, shown normally.
  // An empty verb is the default verb, empty parameters are none.  Results
  // above 32 mean success.
  virtual int Execute(const std::string& verb, const std::string& file, const std::string& parameters) = 0;
  // The calling thread's last error code and its system message.
  virtual SystemError LastErrorText() = 0;
};

}  // namespace vrex::os
