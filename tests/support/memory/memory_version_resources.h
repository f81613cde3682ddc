#pragma once
// In-memory version resources: files with a date and, when they have one, the
// bytes of a 32-bit VS_VERSIONINFO resource, which QueryValue really parses.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/os/version_resources.h"

namespace vrex::os::memory {

class MemoryVersionResources : public VersionResources {
 public:
  std::uint32_t InfoSize(const std::string& file) override;
  bool Info(const std::string& file, std::uint32_t length, void* block) override;
  bool QueryValue(void* block, const std::string& subBlock, void*& value, std::uint32_t& length) override;
  std::optional<std::string> FileDateText(const std::string& file) override;
  std::string CodeModulePath() override { return codeModulePath; }

  // A file with its date text and its version resource (empty: none).
  void AddFile(const std::string& path, std::string dateText, std::vector<std::uint8_t> resource = {});
  std::string codeModulePath;
  std::vector<std::string> sizeQueries;  // files InfoSize was asked about, in order

 private:
  struct File {
    std::string date;
    std::vector<std::uint8_t> resource;
  };
  struct Filled {
    std::uint32_t resourceLength;
    std::uint32_t bufferLength;
  };
  std::map<std::string, File> files_;     // key: upper-cased path
  std::map<const void*, Filled> filled_;  // blocks Info has filled
};

}  // namespace vrex::os::memory
