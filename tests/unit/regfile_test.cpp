// The REGEDIT4 reader and the in-memory registry it fills.
#include <gtest/gtest.h>

#include "support/memory/memory_registry.h"

namespace vrex::os {
namespace {

constexpr const char* kFixture = R"(REGEDIT4

; a comment
[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\VxD\VNETSUP]
"Workgroup"="HOME \"NET\""
"ComputerName"="C:\\PATH"
@="default"

[HKEY_LOCAL_MACHINE\Enum\PCI\VEN_10EC]
"HardwareID"=hex(7):50,43,49,00,41,\
  42,00,00
"Count"=dword:0000002a
"Bytes"=hex:01,02,ff

[HKEY_DYN_DATA\Config Manager\Enum\C29A3E10]
"HardWareKey"="PCI\\VEN_10EC"

[HKEY_CURRENT_USER\Software\Gone]
"x"="y"

[-HKEY_CURRENT_USER\Software\Gone]
)";

TEST(RegFile, ReadsEveryValueFormTheFixturesUse) {
  memory::MemoryRegistry registry;
  registry.LoadText(kFixture);
  auto key =
      registry.Open(RootKey::LocalMachine, "system\\currentcontrolset\\services\\vxd\\vnetsup", Access::ReadOnly);
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->ReadText("workgroup"), "HOME \"NET\"");
  EXPECT_EQ(key->ReadText("ComputerName"), "C:\\PATH");
  EXPECT_EQ(key->ReadText(""), "default");
  EXPECT_FALSE(key->ValueExists("Missing"));

  auto pci = registry.Open(RootKey::LocalMachine, "Enum\\PCI\\VEN_10EC", Access::Full);
  ASSERT_NE(pci, nullptr);
  EXPECT_EQ(pci->ReadRaw("HardwareID"), (std::vector<std::uint8_t>{'P', 'C', 'I', 0, 'A', 'B', 0, 0}));
  EXPECT_FALSE(pci->ReadText("HardwareID"));  // multi-text is not plain text
  EXPECT_EQ(pci->ReadInteger("Count"), 42u);
  EXPECT_FALSE(pci->ReadInteger("Bytes"));
  EXPECT_FALSE(pci->ReadRaw("Bytes", 2));  // does not fit
  EXPECT_EQ(pci->ReadRaw("Bytes", 3)->size(), 3u);

  EXPECT_NE(registry.Open(RootKey::DynData, "Config Manager\\Enum\\C29A3E10", Access::ReadOnly), nullptr);
  EXPECT_EQ(registry.Open(RootKey::CurrentUser, "Software\\Gone", Access::ReadOnly), nullptr);
}

TEST(RegFile, SubkeysEnumerateSortedWithoutCaseAndFullAccessCanBeDenied) {
  memory::MemoryRegistry registry;
  registry.LoadText(
      "REGEDIT4\n[HKLM\\A\\Zeta]\n[HKLM\\A\\_low]\n[HKLM\\A\\alpha]\n[HKLM\\A\\zeta\\Child]\n[HKLM\\A\\Beta]\n");
  auto key = registry.Open(RootKey::LocalMachine, "A", Access::ReadOnly);
  // As the real registry: upper case compared, so "_" sorts after the letters.
  EXPECT_EQ(key->SubKeyNames(), (std::vector<std::string>{"alpha", "Beta", "Zeta", "_low"}));
  registry.DenyFullAccess(RootKey::LocalMachine, "A");
  EXPECT_EQ(registry.Open(RootKey::LocalMachine, "A", Access::Full), nullptr);
  EXPECT_NE(registry.Open(RootKey::LocalMachine, "A", Access::ReadOnly), nullptr);
}

TEST(RegFile, ReportsTheLineOfWhatItCannotRead) {
  auto errorOf = [](const char* text) -> std::string {
    try {
      ParseRegFile(text);
    } catch (const RegFileError& error) {
      return error.what();
    }
    return "";
  };
  EXPECT_EQ(errorOf("[HKLM\\A]\n"), "line 1: expected REGEDIT4 header");
  EXPECT_EQ(errorOf("REGEDIT4\n\n[HKEY_NOWHERE\\A]\n"), "line 3: unknown root key 'HKEY_NOWHERE'");
  EXPECT_EQ(errorOf("REGEDIT4\n\"a\"=\"b\"\n"), "line 2: value outside any key");
  EXPECT_EQ(errorOf("REGEDIT4\n[HKLM\\A]\n\"a\"=dword:xyz\n"), "line 3: bad dword 'xyz'");
  EXPECT_EQ(errorOf("REGEDIT4\n[HKLM\\A]\n\"a\"=hex:1,,2\n"), "line 3: empty hex byte");
  EXPECT_EQ(errorOf("REGEDIT4\n[HKLM\\A]\n\"a\"=hex(zz):00\n"), "line 3: bad value type 'zz'");
  EXPECT_EQ(errorOf("REGEDIT4\n[HKLM\\A]\n\"a\"=hex(100000007):00\n"), "line 3: bad value type '100000007'");
  EXPECT_EQ(errorOf("REGEDIT4\n[HKLM\\A]\n\"a\"=hex():00\n"), "line 3: bad value type ''");
  EXPECT_EQ(errorOf("REGEDIT4\n[HKLM\\A]\n\"a=\"b\n"), "line 3: expected '=' after the value name");
}

}  // namespace
}  // namespace vrex::os
