// A phonebook library for tests: getdialsnap gives the bytes of the file
// phonebook.txt beside the DLL, as they are, closed by two NULs, so that a
// run of the program shows a known phonebook.  No file: an empty text.
#include <windows.h>

#include <string>

namespace {

HMODULE self = nullptr;
std::string text;

std::string FileBeside(const char* name) {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(self, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  std::string folder(path, length);
  folder.erase(folder.find_last_of('\\') + 1);
  return folder + name;
}

std::string ReadWhole(const std::string& path) {
  std::string bytes;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  char chunk[4096];
  DWORD read = 0;
  while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0) bytes.append(chunk, read);
  CloseHandle(file);
  return bytes;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) self = instance;
  return TRUE;
}

extern "C" const char* WINAPI getdialsnap() {
  text = ReadWhole(FileBeside("phonebook.txt"));
  text.push_back('\0');
  text.push_back('\0');
  return text.c_str();
}
