#pragma once
// Starting documents, addresses and programs through the shell
// (ShellExecuteA), with the system's text for the error of a failed start.
#include <cstdint>
#include <string>

namespace vrex::os {

struct SystemError {
  std::uint32_t code = 0;
  std::string text;  // the system's message, without the trailing line break and full stop
};

struct ShellResult {
  int code = 0;       // ShellExecuteA's result: above 32 means success
  SystemError error;  // for a failure: the last error, read at once, and its message
  bool Succeeded() const { return code > 32; }
};

class Shell {
 public:
  virtual ~Shell() = default;
  // ShellExecuteA without an owner window or working folder, shown normally.
  // An empty verb is the default verb, empty parameters are none.
  virtual ShellResult Execute(const std::string& verb, const std::string& file, const std::string& parameters) = 0;
  // The same, started with folder as its working folder.
  virtual ShellResult ExecuteIn(const std::string& verb, const std::string& file, const std::string& parameters,
                                const std::string& folder) = 0;
};

}  // namespace vrex::os
