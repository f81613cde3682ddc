#include "support/memory/memory_shell.h"

namespace vrex::os::memory {

ShellResult MemoryShell::Execute(const std::string& verb, const std::string& file, const std::string& parameters) {
  return ExecuteIn(verb, file, parameters, "");
}

ShellResult MemoryShell::ExecuteIn(const std::string& verb, const std::string& file, const std::string& parameters,
                                   const std::string& folder) {
  calls.push_back(Call{verb, file, parameters, folder});
  ShellResult result{42, {}};
  if (!results.empty()) {
    result.code = results.front();
    results.pop_front();
  }
  if (!result.Succeeded()) result.error = lastError;
  return result;
}

}  // namespace vrex::os::memory
