// The Win32 adapters against Wine's real registry, profile functions and
// string resources (the version call under each Windows version setting is
// in setting/os_version_setting_win_test.cpp).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "lang/language.h"
#include "platform/os/win/win_ports_win.h"

namespace vrex {
namespace {

class Win32Ports : public ::testing::Test {
 protected:
  void SetUp() override { os::win::InstallWin32Ports(); }
};

TEST_F(Win32Ports, RegistryReadsWhatTheApiWrote) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\VrexTest\\Adapter", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  const char text[] = "hello";
  DWORD number = 0x12345678;
  const BYTE raw[300] = {1, 2, 3};
  RegSetValueExA(key, "Text", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text);
  RegSetValueExA(key, "Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
  RegSetValueExA(key, "Big", 0, REG_BINARY, raw, sizeof raw);
  HKEY child;
  RegCreateKeyExA(key, "Child", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &child, nullptr);
  RegCloseKey(child);
  RegCloseKey(key);

  auto opened = os::RegistryPort().Open(os::RootKey::CurrentUser, "Software\\VrexTest\\Adapter", os::Access::ReadOnly);
  ASSERT_NE(opened, nullptr);
  EXPECT_TRUE(opened->ValueExists("text"));
  EXPECT_EQ(opened->ReadText("Text"), "hello");
  EXPECT_FALSE(opened->ReadText("Number"));
  EXPECT_EQ(opened->ReadInteger("Number"), 0x12345678u);
  EXPECT_FALSE(opened->ReadRaw("Big"));  // 300 bytes do not fit the 255-byte buffer
  EXPECT_EQ(opened->ReadRaw("Big", 300)->size(), 300u);
  EXPECT_EQ(opened->SubKeyNames(), std::vector<std::string>{"Child"});
  EXPECT_EQ(os::RegistryPort().Open(os::RootKey::CurrentUser, "Software\\VrexTest\\Missing", os::Access::ReadOnly),
            nullptr);
}

// The pages only read, and their keys are opened asking for reading alone: a
// key whose access list lets everyone read and nobody write still opens for
// them, while a full-access open of it is refused.
TEST_F(Win32Ports, ReadOnlyOpenAsksForNoWriteAccess) {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  GetVersionExA(&version);
  if (version.dwPlatformId != VER_PLATFORM_WIN32_NT) GTEST_SKIP() << "the Windows 9x registry keeps no access lists";
  const std::string path = "Software\\VrexTest\\ReadOnly" + std::to_string(GetCurrentProcessId());
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const char text[] = "readable";
  RegSetValueExA(key, "Text", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text);
  SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
  PSID everyone = nullptr;
  ASSERT_TRUE(AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone));
  alignas(DWORD) BYTE aclBuffer[256];
  auto* acl = reinterpret_cast<PACL>(aclBuffer);
  ASSERT_TRUE(InitializeAcl(acl, sizeof aclBuffer, ACL_REVISION));
  ASSERT_TRUE(AddAccessAllowedAce(acl, ACL_REVISION, KEY_READ, everyone));
  SECURITY_DESCRIPTOR descriptor;
  InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
  SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE);
  ASSERT_EQ(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &descriptor), ERROR_SUCCESS);
  RegCloseKey(key);
  FreeSid(everyone);

  HKEY probe;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_ALL_ACCESS, &probe), ERROR_ACCESS_DENIED);
  EXPECT_EQ(os::RegistryPort().Open(os::RootKey::CurrentUser, path, os::Access::Full), nullptr);
  auto opened = os::RegistryPort().Open(os::RootKey::CurrentUser, path, os::Access::ReadOnly);
  ASSERT_NE(opened, nullptr);
  EXPECT_EQ(opened->ReadText("Text"), "readable");
}

// The harness wrote tests/fixtures/harness_dyn_data.reg before this run.
TEST_F(Win32Ports, FixturesWrittenByTheHarnessReadBackThroughTheAdapter) {
  auto dyn = os::RegistryPort().Open(os::RootKey::DynData, "Config Manager\\Enum\\VrexHarness", os::Access::ReadOnly);
  if (dyn == nullptr && std::getenv("VREX_HARNESS") == nullptr) GTEST_SKIP() << "not run by the harness";
  ASSERT_NE(dyn, nullptr);
  EXPECT_EQ(dyn->ReadText("HardWareKey"), "PCI\\VEN_10EC&DEV_8139");
  EXPECT_EQ(dyn->ReadRaw("Problem")->size(), 4u);
  auto machine = os::RegistryPort().Open(os::RootKey::LocalMachine, "Software\\VrexHarness", os::Access::ReadOnly);
  ASSERT_NE(machine, nullptr);
  EXPECT_EQ(machine->ReadRaw("Multi"), (std::vector<std::uint8_t>{'A', 0, 'B', 0, 0}));
  EXPECT_EQ(machine->ReadInteger("Count"), 42u);
}

TEST_F(Win32Ports, IniRoundTripThroughTheProfileFunctions) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  std::string file = std::string(folder) + "vrex_ini_test.ini";
  DeleteFileA(file.c_str());
  EXPECT_EQ(os::IniPort().ReadString(file, "Options", "Language", "<Error>"), "<Error>");
  EXPECT_TRUE(os::IniPort().WriteString(file, "Options", "Language", "DE"));
  EXPECT_EQ(os::IniPort().ReadString(file, "options", "language", "<Error>"), "DE");
  EXPECT_TRUE(os::FilesPort().Exists(file));
  DeleteFileA(file.c_str());
}

TEST_F(Win32Ports, NoModuleReadsTheExecutablesOwnResourcesWhichHoldNoLanguageIds) {
  EXPECT_EQ(LoadModuleString(0, 540), kNoLoadMessage);
  EXPECT_EQ(LoadModuleString(0, 1), kNoLoadMessage);
}

TEST_F(Win32Ports, ExePathNamesThisExecutable) {
  std::string path = os::SystemPort().ExePath();
  EXPECT_NE(path.find("vrex_win_tests.exe"), std::string::npos) << path;
  EXPECT_FALSE(os::SystemPort().SystemDirectory().empty());
}

}  // namespace
}  // namespace vrex
