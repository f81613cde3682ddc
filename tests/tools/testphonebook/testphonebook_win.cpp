// A phonebook library for tests: getdialsnap gives the bytes of the file
// phonebook.txt beside the DLL, as they are, closed by two NULs, so that a
// run of the program shows a known phonebook.  No file: an empty text.
// While a file "hold" lies beside the DLL, the call first writes "held" there
// and waits (at most a minute) for "hold" to go: a test holds the run in its
// gathering that way.
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

void WaitWhileHeld() {
  const std::string hold = FileBeside("hold");
  if (GetFileAttributesA(hold.c_str()) == INVALID_FILE_ATTRIBUTES) return;
  HANDLE held = CreateFileA(FileBeside("held").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
  for (int waited = 0; waited < 60000 && GetFileAttributesA(hold.c_str()) != INVALID_FILE_ATTRIBUTES; waited += 50)
    Sleep(50);
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) self = instance;
  return TRUE;
}

extern "C" const char* WINAPI getdialsnap() {
  WaitWhileHeld();
  text = ReadWhole(FileBeside("phonebook.txt"));
  text.push_back('\0');
  text.push_back('\0');
  return text.c_str();
}
