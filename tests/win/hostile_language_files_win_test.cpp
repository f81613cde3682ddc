// The INI file and the language modules as a user or a broken install leaves
// them, through the real profile functions and loader under Wine: an INI file
// that is empty, binary or read-only, a module that is missing, no DLL at
// all, or a DLL without our strings.  Start-up always ends with a language
// in force and every lookup with a text.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "lang/language.h"
#include "lang/string_ids.h"
#include "platform/os/win/win_ports_win.h"
#include "support/memory/memory_ports.h"

namespace vrex {
namespace {

std::string ExeBase() {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string exe(path, length);
  return exe.substr(0, exe.find_last_of('.'));
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

class HostileLanguageFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    os::win::InstallWin32Ports();
    os::Ports ports = os::Os();
    ports.messages = &messages;
    os::InstallPorts(ports);
    ini = ExeBase() + ".ini";
    savedIni = ReadFileBytes(ini);
  }
  void TearDown() override {
    UnloadLanguageModule();
    SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (savedIni) WriteFileBytes(ini, *savedIni);
    DeleteFileA((ExeBase() + "DE.dll").c_str());
  }
  std::string IniValue(const char* key) {
    char value[64] = "";
    GetPrivateProfileStringA("Options", key, "<none>", value, sizeof value, ini.c_str());
    return value;
  }

  os::memory::RecordingMessageBoxes messages;
  std::string ini;
  std::optional<std::string> savedIni;
};

TEST_F(HostileLanguageFiles, EveryBrokenFileEndsInALanguageAndTexts) {
  enum class DeModule { None, Text, WithoutStrings };
  struct Case {
    const char* what;
    std::string iniBytes;
    bool readOnly;
    DeModule de;
    const char* text;      // language string 10
    std::size_t messages;  // missing-module messages shown
  };
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 131 + 7) & 0xFF);
  const Case cases[] = {
      // No "Language" key: the system's language (English here) is taken.
      {"empty INI file", "", false, DeModule::None, "Report", 0},
      {"binary INI file", binary, false, DeModule::None, "Report", 0},
      {"read-only INI file without the key", "[Options]\r\n", true, DeModule::None, "Report", 0},
      {"read-only INI file with the key", "[Options]\r\nLanguage=EN\r\n", true, DeModule::None, "Report", 0},
      {"missing module", "[Options]\r\nLanguage=DE\r\n", false, DeModule::None, "Report", 1},
      {"module that is no DLL", "[Options]\r\nLanguage=DE\r\n", false, DeModule::Text, "<No load message>", 0},
      {"DLL without our strings", "[Options]\r\nLanguage=DE\r\n", false, DeModule::WithoutStrings, "<No load message>",
       0},
  };
  const std::string de = ExeBase() + "DE.dll";
  const std::string folder = ExeBase().substr(0, ExeBase().find_last_of('\\') + 1);
  for (const auto& c : cases) {
    messages.shown.clear();
    WriteFileBytes(ini, c.iniBytes);
    if (c.readOnly) SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_READONLY);
    DeleteFileA(de.c_str());
    if (c.de == DeModule::Text) WriteFileBytes(de, "This is no module.\r\n");
    // A real DLL of ours that holds no string table: the stand-in phonebook library.
    if (c.de == DeModule::WithoutStrings) {
      ASSERT_TRUE(CopyFileA((folder + "..\\testphonebook\\dialsnap.dll").c_str(), de.c_str(), FALSE));
    }
    UnloadLanguageModule();
    LoadLanguageModule();
    EXPECT_EQ(GetLangString(IDS_REPORT_BUTTON), c.text) << c.what;
    EXPECT_EQ(messages.shown.size(), c.messages) << c.what;
    SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!c.readOnly) {
      EXPECT_EQ(IniValue("RunLang"), c.de == DeModule::None ? "EN" : "DE") << c.what;
    }
  }
}

}  // namespace
}  // namespace vrex
