#pragma once
// Version resources of executable files (GetFileVersionInfoSizeA,
// GetFileVersionInfoA, VerQueryValueA) and the file date shown beside them.
#include <cstdint>
#include <optional>
#include <string>

namespace vrex::os {

class VersionResources {
 public:
  virtual ~VersionResources() = default;
  // Bytes Info needs for the file's version block; 0 when the file has none or cannot be read.
  virtual std::uint32_t InfoSize(const std::string& file) = 0;
  // Fills length bytes at block with the file's version block; false on an error.
  virtual bool Info(const std::string& file, std::uint32_t length, void* block) = 0;
  // A value inside a block that Info filled: "\" is the fixed information,
  // "\VarFileInfo\Translation" the translation table, "\StringFileInfo\<key>\<name>"
  // a text.  Key names match without regard to case.  value points into the
  // block; length counts bytes for binary values and characters for texts.
  // False when there is no such value.  Texts arrive in the ANSI code page.
  virtual bool QueryValue(void* block, const std::string& subBlock, void*& value, std::uint32_t& length) = 0;
  // The file's last write date in the user's short date format; nothing when
  // there is no such file (a folder is no file either).
  virtual std::optional<std::string> FileDateText(const std::string& file) = 0;
  // The file of the module this code runs in: the program itself, or the
  // library it was linked into.  At most 255 characters.
  virtual std::string CodeModulePath() = 0;
};

}  // namespace vrex::os
