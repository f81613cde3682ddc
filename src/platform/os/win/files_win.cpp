#include <windows.h>

#include "platform/os/win/handles_win.h"
#include "platform/os/win/newer_functions_win.h"
#include "platform/os/win/win_ports_win.h"
#include "platform/text.h"

namespace vrex::os::win {

bool Win32Files::Exists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32Files::IsFolder(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<std::string> Win32Files::ReadBytes(const std::string& path) {
  vrex::win::UniqueKernelHandle file(vrex::win::FileHandle(CreateFileA(
      path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
  if (!file) return std::nullopt;
  std::string content;
  char buffer[65536];
  DWORD read = 0;
  do {
    if (!ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr)) return std::nullopt;
    content.append(buffer, read);
  } while (read > 0);
  return content;
}

std::optional<std::vector<std::string>> Win32Files::ReadLines(const std::string& path) {
  auto content = ReadBytes(path);
  if (!content) return std::nullopt;
  return text::SplitLines(*content);
}

std::vector<std::string> Win32Files::FileNames(const std::string& folder, const std::string& extension) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found{};
  vrex::win::UniqueFindHandle search(
      vrex::win::FileHandle(FindFirstFileA((folder + "\\*" + extension).c_str(), &found)));
  if (!search) return names;
  do {
    // The short-name match of "*.ext" also takes longer endings ("*.htm" finds ".html"): only the exact ending counts.
    const std::string name = found.cFileName;
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && name.size() >= extension.size() &&
        text::EqualsNoCase(std::string_view(name).substr(name.size() - extension.size()), extension))
      names.push_back(name);
  } while (FindNextFileA(search.get(), &found));
  return names;
}

namespace {

// Writes the lines, each ending in CR LF, into a new or emptied file; 0, or
// the error as the failing call left it (a write that stopped short, which
// sets none, is a full disk).
DWORD WriteAll(const std::string& path, const std::vector<std::string>& lines) {
  std::string content;
  for (const auto& line : lines) content.append(line).append("\r\n");
  vrex::win::UniqueKernelHandle file(vrex::win::FileHandle(
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)));
  if (!file) return GetLastError();
  if (content.empty()) return 0;
  DWORD written = 0;
  if (!WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr))
    return GetLastError();
  return written == content.size() ? 0 : ERROR_DISK_FULL;
}

}  // namespace

bool Win32Files::WriteLines(const std::string& path, const std::vector<std::string>& lines) {
  return WriteAll(path, lines) == 0;
}

namespace {

// A new, empty file of a unique name in folder, made by the system; empty on failure.
std::string NewFileIn(const std::string& folder, DWORD& error) {
  char name[MAX_PATH + 1] = {};
  if (GetTempFileNameA(folder.c_str(), "vrx", 0, name) == 0) {
    error = GetLastError();
    return {};
  }
  return name;
}

}  // namespace

std::uint32_t Win32Files::ReplaceWithLines(const std::string& path, const std::vector<std::string>& lines) {
  std::size_t slash = path.find_last_of("\\/");
  std::string folder = slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
  DWORD attributes = GetFileAttributesA(path.c_str());
  bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  // A read-only file may still be renamed away; it must not be replaced.
  if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) return ERROR_ACCESS_DENIED;
  // Nor may a pipe or a device, which may have no attributes at all: opened
  // without access it tells its kind and waits for no other end.
  {
    vrex::win::UniqueKernelHandle existing(vrex::win::FileHandle(CreateFileA(
        path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
    if (existing && GetFileType(existing.get()) != FILE_TYPE_DISK) return kNotAFile;
  }
  DWORD error = 0;
  std::string fresh = NewFileIn(folder, error);
  if (fresh.empty()) return error;
  error = WriteAll(fresh, lines);
  if (error != 0) {
    DeleteFileA(fresh.c_str());
    return error;
  }
  // On the NT family the new file takes the old one's place in one step, so
  // that the file is never absent, however many reports are written at once.
  error = vrex::win::MoveReplacing(fresh.c_str(), path.c_str());
  if (error != ERROR_CALL_NOT_IMPLEMENTED) {
    if (error != 0) DeleteFileA(fresh.c_str());
    return error;
  }
  // MoveFileA does not replace, and MoveFileExA is not on the 9x family: the
  // old file steps aside under a spare name and comes back if the new one
  // cannot take its place.
  std::string spare;
  if (exists) {
    spare = NewFileIn(folder, error);
    if (spare.empty() || !DeleteFileA(spare.c_str()) || !MoveFileA(path.c_str(), spare.c_str())) {
      if (!spare.empty()) error = GetLastError();
      DeleteFileA(fresh.c_str());
      return error;
    }
  }
  if (!MoveFileA(fresh.c_str(), path.c_str())) {
    error = GetLastError();
    if (exists) MoveFileA(spare.c_str(), path.c_str());
    DeleteFileA(fresh.c_str());
    return error;
  }
  if (exists) DeleteFileA(spare.c_str());
  return 0;
}

std::optional<std::string> Win32Files::ReadString(const std::string& file, const std::string& section,
                                                  const std::string& key, const std::string& fallback) {
  char buffer[2048] = {};
  DWORD length =
      GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer, sizeof buffer, file.c_str());
  return std::string(buffer, length);
}

bool Win32Files::WriteString(const std::string& file, const std::string& section, const std::string& key,
                             const std::string& value) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != 0;
}

}  // namespace vrex::os::win
