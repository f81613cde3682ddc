#include "support/memory/memory_shell.h"

namespace vrex::os::memory {

ShellResult MemoryShell::Execute(const std::string& verb, const std::string& file, const std::string& parameters) {
  calls.push_back(Call{verb, file, parameters});
  ShellResult result{42, {}};
  if (!results.empty()) {
    result.code = results.front();
    results.pop_front();
  }
  if (!result.Succeeded()) result.error = lastError;
  return result;
}

}  // namespace vrex::os::memory
