#pragma once
// Files and INI files.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vrex::os {

class Files {
 public:
  virtual ~Files() = default;
  virtual bool Exists(const std::string& path) = 0;
  // Whether path names a folder ("C:\\" and "C:\\Reports\\" included).
  virtual bool IsFolder(const std::string& path) = 0;
  virtual std::optional<std::vector<std::string>> ReadLines(const std::string& path) = 0;
  // The file's bytes as they are; nothing when it cannot be read.
  virtual std::optional<std::string> ReadBytes(const std::string& path) = 0;
  // The names (without the folder) of the files in folder whose names end in
  // extension (".oeaccount"), in the order the system lists them; none when
  // the folder cannot be read.
  virtual std::vector<std::string> FileNames(const std::string& folder, const std::string& extension) = 0;
  virtual bool WriteLines(const std::string& path, const std::vector<std::string>& lines) = 0;
  // Writes the lines, each followed by CR LF, into a new file in path's
  // folder and only then puts it in path's place: on any failure an existing
  // file stays as it was and no new file is left behind.  0, or the system
  // error code of the call that failed; kNotAFile when path names something
  // other than a file on a disk (a pipe, a device), which is never replaced.
  virtual std::uint32_t ReplaceWithLines(const std::string& path, const std::vector<std::string>& lines) = 0;
};

// ERROR_BAD_FILE_TYPE: what ReplaceWithLines answers for a path that is no disk file.
inline constexpr std::uint32_t kNotAFile = 222;

// The profile functions (GetPrivateProfileStringA, WritePrivateProfileStringA).
class IniFiles {
 public:
  virtual ~IniFiles() = default;
  // The key's text, or fallback when the key is absent; nothing on an error.
  virtual std::optional<std::string> ReadString(const std::string& file, const std::string& section,
                                                const std::string& key, const std::string& fallback) = 0;
  // Creates the file when it is absent.
  virtual bool WriteString(const std::string& file, const std::string& section, const std::string& key,
                           const std::string& value) = 0;
};

}  // namespace vrex::os
