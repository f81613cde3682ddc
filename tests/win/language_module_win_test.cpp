// Language modules under Wine: loaded as data, so none of their code runs,
// and read with bounds checks, so a damaged string table gives the fallback
// text instead of a fault.  The modules are built here, byte by byte.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "lang/language.h"
#include "platform/os/win/win_ports_win.h"

namespace vrex {
namespace {

constexpr DWORD kSectionRva = 0x1000;
constexpr DWORD kSectionFileOffset = 0x200;
constexpr DWORD kSectionRawSize = 0x400;
constexpr DWORD kBlockOffset = 0x58;  // in the section, after the three directories and the data entry
constexpr DWORD kEntryCodeOffset = 0x300;

// What the module's string table entry says about its one block.
struct StringTable {
  unsigned blockName = 1;                      // IDs 0 to 15
  DWORD dataRva = kSectionRva + kBlockOffset;  // where the block is said to be
  DWORD dataSize = 0;                          // 0: the block's real size
  std::vector<std::uint16_t> block;            // counted UTF-16 strings
};

template <typename T>
void Put(std::vector<std::uint8_t>& file, std::size_t at, const T& value) {
  std::memcpy(file.data() + at, &value, sizeof value);
}

// A 32-bit DLL with one section that holds a resource directory with one
// string table block.  entryFlag, when given, makes its entry point set that
// 32-bit word to 1: the code would run if the module were loaded as code.
std::vector<std::uint8_t> ModuleFile(const StringTable& table, std::uint32_t entryFlag = 0) {
  std::vector<std::uint8_t> file(kSectionFileOffset + kSectionRawSize, 0);
  IMAGE_DOS_HEADER dos{};
  dos.e_magic = IMAGE_DOS_SIGNATURE;
  dos.e_lfanew = sizeof dos;
  Put(file, 0, dos);
  IMAGE_NT_HEADERS32 nt{};
  nt.Signature = IMAGE_NT_SIGNATURE;
  nt.FileHeader.Machine = IMAGE_FILE_MACHINE_I386;
  nt.FileHeader.NumberOfSections = 1;
  nt.FileHeader.SizeOfOptionalHeader = sizeof nt.OptionalHeader;
  nt.FileHeader.Characteristics = IMAGE_FILE_EXECUTABLE_IMAGE | IMAGE_FILE_32BIT_MACHINE | IMAGE_FILE_DLL;
  auto& optional = nt.OptionalHeader;
  optional.Magic = IMAGE_NT_OPTIONAL_HDR32_MAGIC;
  optional.AddressOfEntryPoint = entryFlag != 0 ? kSectionRva + kEntryCodeOffset : 0;
  optional.ImageBase = 0x5A000000;
  optional.SectionAlignment = 0x1000;
  optional.FileAlignment = 0x200;
  optional.MajorOperatingSystemVersion = 4;
  optional.MajorSubsystemVersion = 4;
  optional.SizeOfImage = 0x2000;
  optional.SizeOfHeaders = kSectionFileOffset;
  optional.Subsystem = IMAGE_SUBSYSTEM_WINDOWS_GUI;
  optional.SizeOfStackReserve = 0x100000;
  optional.SizeOfStackCommit = 0x1000;
  optional.SizeOfHeapReserve = 0x100000;
  optional.SizeOfHeapCommit = 0x1000;
  optional.NumberOfRvaAndSizes = IMAGE_NUMBEROF_DIRECTORY_ENTRIES;
  const DWORD blockBytes = static_cast<DWORD>(table.block.size() * 2);
  optional.DataDirectory[IMAGE_DIRECTORY_ENTRY_RESOURCE] = {kSectionRva, kBlockOffset + blockBytes};
  Put(file, dos.e_lfanew, nt);
  IMAGE_SECTION_HEADER section{};
  std::memcpy(section.Name, ".rsrc", 5);
  section.Misc.VirtualSize = kSectionRawSize;
  section.VirtualAddress = kSectionRva;
  section.SizeOfRawData = kSectionRawSize;
  section.PointerToRawData = kSectionFileOffset;
  section.Characteristics = IMAGE_SCN_CNT_CODE | IMAGE_SCN_CNT_INITIALIZED_DATA | IMAGE_SCN_MEM_EXECUTE |
                            IMAGE_SCN_MEM_READ | IMAGE_SCN_MEM_WRITE;
  Put(file, dos.e_lfanew + sizeof nt, section);

  // Type (RT_STRING), name (the block) and language levels, one entry each.
  const DWORD levels[3][2] = {{6, 0x18}, {table.blockName, 0x30}, {0x409, 0x48}};
  for (int level = 0; level < 3; ++level) {
    const std::size_t at = kSectionFileOffset + 0x18 * level;
    IMAGE_RESOURCE_DIRECTORY directory{};
    directory.NumberOfIdEntries = 1;
    Put(file, at, directory);
    IMAGE_RESOURCE_DIRECTORY_ENTRY entry{};
    entry.Name = levels[level][0];
    entry.OffsetToData = levels[level][1] | (level < 2 ? IMAGE_RESOURCE_DATA_IS_DIRECTORY : 0);
    Put(file, at + sizeof directory, entry);
  }
  IMAGE_RESOURCE_DATA_ENTRY data{};
  data.OffsetToData = table.dataRva;
  data.Size = table.dataSize != 0 ? table.dataSize : blockBytes;
  Put(file, kSectionFileOffset + 0x48, data);
  std::memcpy(file.data() + kSectionFileOffset + kBlockOffset, table.block.data(), blockBytes);

  if (entryFlag != 0) {
    // mov dword [entryFlag], 1; mov eax, 1; ret 12
    std::uint8_t code[] = {0xC7, 0x05, 0, 0, 0, 0, 1, 0, 0, 0, 0xB8, 1, 0, 0, 0, 0xC2, 0x0C, 0};
    std::memcpy(code + 2, &entryFlag, 4);
    std::memcpy(file.data() + kSectionFileOffset + kEntryCodeOffset, code, sizeof code);
  }
  return file;
}

// Strings 0 "Net" and 1 "Wine", the rest of the block empty.
std::vector<std::uint16_t> SoundBlock() {
  std::vector<std::uint16_t> block = {3, 'N', 'e', 't', 4, 'W', 'i', 'n', 'e'};
  block.resize(block.size() + 14, 0);
  return block;
}

std::string WriteModule(const std::string& name, const std::vector<std::uint8_t>& bytes) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  const std::string path = std::string(folder) + name;
  FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) return path;
  std::fwrite(bytes.data(), 1, bytes.size(), out);
  std::fclose(out);
  return path;
}

class LanguageModuleWin : public ::testing::Test {
 protected:
  void SetUp() override { os::win::InstallWin32Ports(); }
  // String id of the module at path, read as the program reads its language module.
  std::string StringOf(const std::string& path, int id) {
    os::ModuleHandle module = modules_.LoadData(path);
    EXPECT_NE(module, 0u) << path;
    std::string text = LoadModuleString(module, id);
    if (module != 0) modules_.Free(module);
    return text;
  }
  os::win::Win32Modules modules_;
};

TEST_F(LanguageModuleWin, DamagedStringTablesGiveTheFallbackText) {
  struct Case {
    const char* name;
    StringTable table;
    int id;
    const char* expected;
  };
  auto block = SoundBlock();
  const Case cases[] = {
      {"sound.dll", {1, kSectionRva + kBlockOffset, 0, block}, 1, "Wine"},
      {"sound0.dll", {1, kSectionRva + kBlockOffset, 0, block}, 0, "Net"},
      {"empty.dll", {1, kSectionRva + kBlockOffset, 0, block}, 2, "<No load message>"},
      {"outside.dll", {1, 0x7FFF0000, 0, block}, 1, "<No load message>"},
      {"beforeimage.dll", {1, 0xFFFFFFF0, 0, block}, 1, "<No load message>"},
      {"runsout.dll", {1, kSectionRva + kBlockOffset, 0x01000000, block}, 1, "<No load message>"},
      // Said to run far past the image, with strings that would lead a reader there.
      {"runsfar.dll", {1, kSectionRva + kBlockOffset, 0x01000000, {0xFFFF, 'N', 0, 0, 0, 0}}, 5, "<No load message>"},
      {"overrun.dll", {1, kSectionRva + kBlockOffset, 0, {0x7FFF, 'N'}}, 1, "<No load message>"},
      {"longfirst.dll",
       {1, kSectionRva + kBlockOffset, 0, {0xFFFF, 'N', 4, 'W', 'i', 'n', 'e'}},
       1,
       "<No load message>"},
  };
  for (const auto& c : cases) {
    const std::string path = WriteModule(std::string("vrexlang_") + c.name, ModuleFile(c.table));
    EXPECT_EQ(StringOf(path, c.id), c.expected) << c.name;
    DeleteFileA(path.c_str());
  }
}

volatile std::uint32_t entryRan = 0;

TEST_F(LanguageModuleWin, ModuleIsLoadedAsDataSoItsCodeNeverRuns) {
  if (sizeof(void*) != 4) GTEST_SKIP() << "32-bit program only: the entry code of the probe module is 32-bit";
  const auto flag = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(&entryRan));
  const std::string path =
      WriteModule("vrexlang_code.dll", ModuleFile({1, kSectionRva + kBlockOffset, 0, SoundBlock()}, flag));
  entryRan = 0;
  EXPECT_EQ(StringOf(path, 1), "Wine");
  EXPECT_EQ(entryRan, 0u);
  // The same file loaded as code runs its entry point: the probe works.
  HMODULE code = LoadLibraryA(path.c_str());
  ASSERT_NE(code, nullptr);
  EXPECT_EQ(entryRan, 1u);
  FreeLibrary(code);
  DeleteFileA(path.c_str());
}

}  // namespace
}  // namespace vrex
