// The import check of the shipped files: the PE reader on a small image and
// on every truncation of it, the export list's reader, and the faults found.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>

#include "export_list.h"
#include "pe_image.h"

namespace vrex::importcheck {
namespace {

// A PE32 file with one section at RVA 0x1000 (file offset 0x200) holding an
// import table: kernel32.dll with GetTickCount by name and ordinal 7.
std::vector<std::uint8_t> SmallImage(std::uint16_t machine = kMachineI386, std::uint16_t osMajor = 4) {
  std::vector<std::uint8_t> file(0x300, 0);
  auto put16 = [&](std::size_t at, std::uint32_t v) { file[at] = v & 0xFF, file[at + 1] = v >> 8 & 0xFF; };
  auto put32 = [&](std::size_t at, std::uint32_t v) { put16(at, v & 0xFFFF), put16(at + 2, v >> 16); };
  put16(0, 0x5A4D);
  put32(0x3C, 0x40);
  put32(0x40, 0x00004550);
  put16(0x44, machine);
  put16(0x46, 1);            // sections
  put16(0x54, 96 + 16 * 8);  // optional header size
  const std::size_t optional = 0x58;
  put16(optional, 0x10B);
  put16(optional + 40, osMajor);
  put16(optional + 48, 4);
  put32(optional + 92, 16);          // data directories
  put32(optional + 96 + 8, 0x1000);  // import table
  const std::size_t section = optional + 96 + 16 * 8;
  put32(section + 8, 0x100);
  put32(section + 12, 0x1000);
  put32(section + 16, 0x100);
  put32(section + 20, 0x200);
  // Descriptor at 0x1000, names list at 0x1040, name of function at 0x1060, library name at 0x1080.
  put32(0x200, 0x1040);
  put32(0x200 + 12, 0x1080);
  put32(0x200 + 16, 0x1040);
  put32(0x240, 0x1060);
  put32(0x244, 0x80000007);
  std::memcpy(&file[0x262], "GetTickCount", 12);
  std::memcpy(&file[0x280], "KERNEL32.dll", 12);
  return file;
}

TEST(ImportCheck, ReadsTheHeaderAndTheImportsByNameAndOrdinal) {
  PeImage image = ReadPeImage(SmallImage());
  EXPECT_EQ(image.machine, kMachineI386);
  EXPECT_FALSE(image.pe32Plus);
  EXPECT_EQ(image.osMajor, 4);
  EXPECT_EQ(image.subsystemMajor, 4);
  ASSERT_EQ(image.imports.size(), 2u);
  EXPECT_EQ(image.imports[0].library, "KERNEL32.dll");
  EXPECT_EQ(image.imports[0].function, "GetTickCount");
  EXPECT_EQ(image.imports[1].function, "");
  EXPECT_EQ(image.imports[1].ordinal, 7u);
}

TEST(ImportCheck, EveryTruncationIsAFaultNotACrash) {
  std::vector<std::uint8_t> whole = SmallImage();
  // The image's last byte in use is the library name's terminator at 0x28C.
  for (std::size_t length = 0; length < 0x28D; ++length) {
    std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + length);
    EXPECT_THROW(ReadPeImage(cut), PeError) << length;
  }
}

TEST(ImportCheck, ExportListFaultsNameTheirLine) {
  const std::pair<const char*, const char*> cases[] = {
      {"a.dll F 95\n", "line 1: expected"},
      {"# c\na.dll F 96 nt4\n", "line 2: first 9x"},
      {"a.dll F 95 nt5\n", "line 1: first NT"},
      {"a.dll F 95 nt4\nA.DLL F 98 nt4\n", "line 2: listed twice"},
  };
  for (const auto& [text, fault] : cases) {
    try {
      ExportList::Parse(text);
      ADD_FAILURE() << text;
    } catch (const ListError& e) {
      EXPECT_EQ(std::string(e.what()).rfind(fault, 0), 0u) << e.what();
    }
  }
}

TEST(ImportCheck, NamesTheFileLibraryFunctionAndFirstSystemLackingIt) {
  ExportList list = ExportList::Parse(
      "kernel32.dll GetTickCount 95 nt4\n"
      "kernel32.dll IsDebuggerPresent 98 nt4  not on 95\n"
      "kernel32.dll TryEnterCriticalSection - nt4\n"
      "user32.dll MonitorFromWindow 95 2000\n");
  PeImage image;
  image.machine = kMachineI386;
  image.osMajor = image.subsystemMajor = 4;
  image.imports = {{"KERNEL32.dll", "GetTickCount", 0},
                   {"KERNEL32.dll", "IsDebuggerPresent", 0},
                   {"KERNEL32.dll", "TryEnterCriticalSection", 0},
                   {"USER32.dll", "MonitorFromWindow", 0},
                   {"USER32.dll", "NewThing", 0},
                   {"WS2_32.dll", "", 115}};
  const std::vector<std::string> expected = {
      "x.exe: KERNEL32.dll IsDebuggerPresent: Windows 95 lacks it",
      "x.exe: KERNEL32.dll TryEnterCriticalSection: Windows 95 lacks it",
      "x.exe: USER32.dll MonitorFromWindow: Windows NT 4.0 lacks it",
      "x.exe: USER32.dll NewThing: not in the export list; add it with the systems that export it",
      "x.exe: WS2_32.dll ordinal 115: imported by ordinal, which differs between systems",
  };
  EXPECT_EQ(CheckImage(image, list, "x.exe"), expected);
  EXPECT_EQ(ExportList::Parse("").Find("kernel32.dll", "GetTickCount"), nullptr);
}

TEST(ImportCheck, HeaderMustBeI386ForWindows4) {
  PeImage image = ReadPeImage(SmallImage(0x8664, 5));
  image.imports.clear();
  const std::vector<std::string> expected = {
      "x.dll: machine 0x8664, not i386 (0x14c)",
      "x.dll: operating system version 5.0, not 4.0",
  };
  EXPECT_EQ(CheckImage(image, ExportList{}, "x.dll"), expected);
}

TEST(ImportCheck, ShippedExportListReads) {
  std::ifstream in(VREX_EXPORT_LIST);
  std::stringstream text;
  text << in.rdbuf();
  ExportList list = ExportList::Parse(text.str());
  ASSERT_NE(list.Find("KERNEL32.DLL", "GetTickCount64"), nullptr);
  EXPECT_EQ(ExportList::FirstLacking(*list.Find("kernel32.dll", "GetTickCount64")), "Windows 95");
}

}  // namespace
}  // namespace vrex::importcheck
