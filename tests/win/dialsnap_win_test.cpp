// The phonebook libraries under Wine: the test stand-in hands out the file
// beside it through the module port's text export, and the shipped
// dialsnap.dll loads and gives a text of the form the dial-up page reads.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "gather/dialup.h"
#include "platform/os/win/win_ports_win.h"

namespace vrex {
namespace {

std::string ExeFolder() {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

// The text up to its two closing NULs, at most limit bytes in.
bool ClosedText(const char* text, std::size_t limit, std::string& out) {
  for (std::size_t i = 0; i + 1 < limit; ++i) {
    if (text[i] == '\0' && text[i + 1] == '\0') {
      out.assign(text, i);
      return true;
    }
  }
  return false;
}

TEST(PhonebookLibraries, TestLibraryGivesTheFileBesideItThroughThePort) {
  os::win::InstallWin32Ports();
  const std::string folder = ExeFolder() + "..\\testphonebook\\";
  const std::string file = folder + "phonebook.txt";
  const char content[] = "EN=Wine@PhoneNumber=42@ ";
  FILE* out = std::fopen(file.c_str(), "wb");
  ASSERT_NE(out, nullptr) << file;
  std::fwrite(content, 1, sizeof content - 1, out);
  std::fclose(out);

  os::ModuleHandle module = os::ModulesPort().Load(folder + "dialsnap.dll");
  ASSERT_NE(module, 0u);
  auto getdialsnap = os::ModulesPort().FindTextExport(module, "getdialsnap");
  ASSERT_TRUE(getdialsnap);
  EXPECT_FALSE(os::ModulesPort().FindTextExport(module, "GetDialSnap"));
  std::string text;
  ASSERT_TRUE(ClosedText(getdialsnap(), 4096, text));
  EXPECT_EQ(text, content);
  EXPECT_TRUE(os::ModulesPort().Free(module));
  std::remove(file.c_str());
}

// The shipped library, from the dist folder the harness names.
TEST(PhonebookLibraries, ShippedLibraryLoadsAndGivesAWellFormedText) {
  const char* dist = std::getenv("VREX_DIST");
  if (dist == nullptr) GTEST_SKIP() << "VREX_DIST names no dist folder";
  std::string path = std::string("Z:") + dist + "/Network/dialsnap.dll";
  for (char& c : path)
    if (c == '/') c = '\\';
  HMODULE module = LoadLibraryA(path.c_str());
  ASSERT_NE(module, nullptr) << path << " error " << GetLastError();
  using GetDialSnap = const char*(WINAPI*)();
  auto getdialsnap = reinterpret_cast<GetDialSnap>(reinterpret_cast<void*>(GetProcAddress(module, "getdialsnap")));
  ASSERT_NE(getdialsnap, nullptr);
  std::string text;
  ASSERT_TRUE(ClosedText(getdialsnap(), 1 << 20, text));
  // Empty, or entries whose every piece renders, closed by one character after the last "@".
  if (!text.empty()) {
    EXPECT_EQ(text.rfind("EN=", 0), 0u) << text;
    EXPECT_EQ(text.substr(text.size() - 2), "@ ") << text;
    for (const std::string& line : gather::PhonebookLines(text)) EXPECT_NE(line, "") << text;
  }
  // A second call gives the same text: the phonebook did not change between.
  std::string again;
  ASSERT_TRUE(ClosedText(getdialsnap(), 1 << 20, again));
  EXPECT_EQ(again, text);
  EXPECT_TRUE(FreeLibrary(module));
}

}  // namespace
}  // namespace vrex
