#pragma once
// In-memory shell: records what it was asked to start and answers with
// scripted results.
#include <deque>
#include <string>
#include <vector>

#include "platform/os/shell.h"

namespace vrex::os::memory {

class MemoryShell : public Shell {
 public:
  struct Call {
    std::string verb;
    std::string file;
    std::string parameters;
    std::string folder = {};  // the working folder, when one was given
    bool operator==(const Call&) const = default;
  };
  ShellResult Execute(const std::string& verb, const std::string& file, const std::string& parameters) override;
  ShellResult ExecuteIn(const std::string& verb, const std::string& file, const std::string& parameters,
                        const std::string& folder) override;

  std::vector<Call> calls;
  std::deque<int> results;  // results given in order; 42 (success) when empty
  SystemError lastError;    // what a failed start reports
};

}  // namespace vrex::os::memory
