#include "platform/os/memory/memory_shell.h"

namespace vrex::os::memory {

int MemoryShell::Execute(const std::string& verb, const std::string& file, const std::string& parameters) {
  calls.push_back(Call{verb, file, parameters});
  if (results.empty()) return 42;
  int result = results.front();
  results.pop_front();
  return result;
}

}  // namespace vrex::os::memory
