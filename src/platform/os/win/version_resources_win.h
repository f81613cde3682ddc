#pragma once
// Win32 adapter of the version resource port.
#include "platform/os/version_resources.h"

namespace vrex::os::win {

class Win32VersionResources : public VersionResources {
 public:
  std::uint32_t InfoSize(const std::string& file) override;
  bool Info(const std::string& file, std::uint32_t length, void* block) override;
  bool QueryValue(void* block, const std::string& subBlock, void*& value, std::uint32_t& length) override;
  std::optional<std::string> FileDateText(const std::string& file) override;
  std::string CodeModulePath() override;
};

}  // namespace vrex::os::win
