#pragma once
// Win32 adapter of the shell port.
#include "platform/os/shell.h"

namespace vrex::os::win {

class Win32Shell : public Shell {
 public:
  ShellResult Execute(const std::string& verb, const std::string& file, const std::string& parameters) override;
  ShellResult ExecuteIn(const std::string& verb, const std::string& file, const std::string& parameters,
                        const std::string& folder) override;
};

}  // namespace vrex::os::win
