// Text of the ANSI code page reaches a console in the console's own code
// page and a file as it is: the French "réseau" must not read "rÚseau" in a
// console that shows code page 850.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "platform/os/win/console_win.h"
#include "platform/os/win/handles_win.h"

namespace vrex::win {
namespace {

// What a console shows for the text, read back from its screen buffer; in a
// process of its own, since a new console takes the standard handles.
std::wstring ShownInConsole(const char* text) {
  FreeConsole();
  if (!AllocConsole()) return L"(no console)";
  UniqueKernelHandle console(
      FileHandle(CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, 0, nullptr)));
  if (!console || !SetConsoleOutputCP(850) || !SetConsoleCursorPosition(console.get(), COORD{0, 0}))
    return L"(console not set up)";
  WriteAnsiText(console.get(), text);
  WCHAR shown[6] = {};
  DWORD read = 0;
  ReadConsoleOutputCharacterW(console.get(), shown, 6, COORD{0, 0}, &read);
  return std::wstring(shown, read);
}

TEST(ConsoleText, AConsoleGetsItsOwnCodePageAFileTheBytes) {
  ASSERT_EQ(GetACP(), 1252u);  // the code page the text is written in
  EXPECT_EXIT(std::exit(ShownInConsole("r\xE9seau") == L"r\u00E9seau" ? 0 : 1), ::testing::ExitedWithCode(0), "");

  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  const std::string path = std::string(folder) + "vrex-console-text.txt";
  {
    UniqueKernelHandle file(FileHandle(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)));
    ASSERT_TRUE(file);
    EXPECT_FALSE(IsConsole(file.get()));
    WriteAnsiText(file.get(), "r\xE9seau");
  }
  char bytes[16] = {};
  DWORD length = 0;
  {
    UniqueKernelHandle file(
        FileHandle(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
    ASSERT_TRUE(file);
    ReadFile(file.get(), bytes, sizeof bytes, &length, nullptr);
  }
  DeleteFileA(path.c_str());
  EXPECT_EQ(std::string(bytes, length), "r\xE9seau");
}

}  // namespace
}  // namespace vrex::win
