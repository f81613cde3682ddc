// Version information from version blocks built byte by byte and parsed by
// the in-memory version resource adapter.
#include "components/file_version.h"

#include <gtest/gtest.h>

#include "support/version_block.h"
#include "support/memory/memory_ports.h"

namespace vrex {
namespace {

using test::Strings;
using test::StringTable;
using test::Translations;
using test::VersionNode;
using test::VersionRoot;

constexpr const char* kFile = "C:\\Tools\\tool.exe";

class FileVersionTest : public ::testing::Test {
 protected:
  void Add(const std::string& path, const VersionNode& root) {
    world.versions.AddFile(path, "24.12.2003", root.Bytes());
  }
  TFileVersion& Load(const std::string& path) {
    version.SetFilename(path);
    return version;
  }

  os::memory::World world;
  TFileVersion version;
};

TEST_F(FileVersionTest, TranslationTableChoosesTheStringTable) {
  // Only Czech / code page 1250: lookups use 040504e2 (spelt in upper case in
  // the block; keys match regardless of case), not the default table.
  auto czech = VersionRoot(0, 0);
  czech.Add(VersionNode::Block("StringFileInfo")
                .Add(StringTable("040904E4", {{"CompanyName", "wrong table"}}))
                .Add(StringTable("040504E2", {{"CompanyName", "Vrex s.r.o."}})));
  czech.Add(Translations({{0x0405, 0x04E2}}));
  Add(kFile, czech);
  EXPECT_EQ(Load(kFile).Translations(), std::vector<std::string>{"040504e2"});
  EXPECT_EQ(version.CompanyName(), "Vrex s.r.o.");

  // No translation table: the default key.
  Add("C:\\plain.exe", VersionRoot(0, 0).Add(Strings("040904E4", {{"CompanyName", "Vrex"}})));
  EXPECT_TRUE(Load("C:\\plain.exe").Translations().empty());
  EXPECT_EQ(version.TranslationKey(), "040904E4");
  EXPECT_EQ(version.CompanyName(), "Vrex");

  // A table too short for a pair holds only a code page, taken as US English.
  Add("C:\\short.exe",
      VersionRoot(0, 0).Add(VersionNode::Block("VarFileInfo").Add(VersionNode::Binary("Translation", {0xE2, 0x04}))));
  EXPECT_EQ(Load("C:\\short.exe").Translations(), std::vector<std::string>{"040904e2"});
}

TEST_F(FileVersionTest, TranslationIndexChoosesAnEntryAndResetsWhenOutOfRange) {
  auto two = VersionRoot(0, 0);
  two.Add(VersionNode::Block("StringFileInfo")
              .Add(StringTable("040904b0", {{"ProductName", "Network"}}))
              .Add(StringTable("040704b0", {{"ProductName", "Netzwerk"}})));
  two.Add(Translations({{0x0409, 0x04B0}, {0x0407, 0x04B0}}));
  Add(kFile, two);
  EXPECT_EQ(Load(kFile).Translations(), (std::vector<std::string>{"040904b0", "040704b0"}));
  version.SetTranslationIndex(1);
  EXPECT_EQ(version.ProductName(), "Netzwerk");
  // Past the list: the default key, until the next load resets the index.
  version.SetTranslationIndex(2);
  EXPECT_EQ(version.ProductName(), "");
  version.LoadVersionInfo();
  EXPECT_EQ(version.TranslationIndex(), 0);
  EXPECT_EQ(version.ProductName(), "Network");
}

TEST_F(FileVersionTest, VersionTextsWinOverTheFixedWords) {
  Add(kFile,
      VersionRoot(0x00020001, 0x0000000F, 0x00030000, 7).Add(Strings("040904E4", {{"FileVersion", "2.1 beta"}})));
  EXPECT_EQ(Load(kFile).FileVersion().Text(), "2.1 beta");
  EXPECT_EQ(version.ProductVersion().Text(), "3.0.0.7");  // no "ProductVersion" text

  Add(kFile, VersionRoot(0x00020001, 0x0000000F));
  version.LoadVersionInfo();
  EXPECT_EQ(version.FileVersion().Text(), "2.1.0.15");
  TVersionNumberInformation big;
  big.Assign(0xFFFF0001, 0x8000FFFF, "");
  EXPECT_EQ(big.Text(), "65535.1.32768.65535");  // parts are unsigned
}

TEST_F(FileVersionTest, BuildFlagsAreNamedInTheirFixedOrder) {
  constexpr std::uint32_t kDebug = 0x01, kPreRelease = 0x02, kPatched = 0x04, kInfoInferred = 0x10;
  Add(kFile, VersionRoot(0, 0, 0, 0, kPatched | kDebug));
  EXPECT_EQ(Load(kFile).GetBuildFlagsText(), "Debug, Patched");
  Add(kFile, VersionRoot(0, 0, 0, 0, kPreRelease | kInfoInferred | 0x100));
  version.LoadVersionInfo();
  EXPECT_EQ(version.GetBuildFlagsText(), "Info Inferred, Pre-Release");
  Add(kFile, VersionRoot(0, 0, 0, 0, 0x3F));
  version.LoadVersionInfo();
  EXPECT_EQ(version.GetBuildFlagsText(), "Debug, Info Inferred, Patched, Pre-Release, Private, Special");
}

TEST_F(FileVersionTest, GetFileVersionTextMapsEverySelector) {
  Add(kFile, VersionRoot(0x00010000, 0)
                 .Add(Strings("040904E4", {{"CompanyName", "company"},
                                           {"FileDescription", "description"},
                                           {"FileVersion", "1.0.0.9"},
                                           {"InternalName", "internal"},
                                           {"LegalCopyright", "copyright"},
                                           {"LegalTrademarks", "trademarks"},
                                           {"OriginalFilename", "original.exe"},
                                           {"ProductName", "product"},
                                           {"ProductVersion", "1.0"},
                                           {"Comments", "comments"}})));
  const char* expected[] = {"company",      "trademarks", "internal", "description", "1.0.0.9",   "copyright",
                            "original.exe", "comments",   "product",  "1.0",         "24.12.2003"};
  for (int selector = 0; selector <= 10; ++selector)
    EXPECT_EQ(GetFileVersionText(kFile, selector), expected[selector]) << selector;
  EXPECT_EQ(GetFileVersionText(kFile, 11), "");
  EXPECT_EQ(GetFileVersionText(kFile, -1), "");
}

TEST_F(FileVersionTest, FilesWithoutAUsableResourceGiveEmptyTexts) {
  // The date needs no version resource; a missing file has neither.
  world.versions.AddFile("C:\\readme.txt", "05.06.2007");
  EXPECT_EQ(GetFileVersionText("C:\\readme.txt", 10), "05.06.2007");
  EXPECT_EQ(GetFileVersionText("C:\\readme.txt", 2), "");
  for (int selector = 0; selector <= 10; ++selector) EXPECT_EQ(GetFileVersionText("C:\\missing.exe", selector), "");
  Load("C:\\missing.exe");
  EXPECT_FALSE(version.FileVersion().Valid());
  EXPECT_EQ(version.ProductVersion().Text(), "");
  EXPECT_EQ(version.FixedInfo().FileVersionMS(), 0u);

  // Fixed information shorter than the structure is not read past.
  Add("C:\\stub.exe", VersionNode::Binary("VS_VERSION_INFO", {0xBD, 0x04, 0xEF, 0xFE}));
  EXPECT_FALSE(Load("C:\\stub.exe").FixedInfo().Present());
  EXPECT_EQ(version.FileVersion().Text(), "0.0.0.0");

  // Damaged blocks: cut short, a child running past its parent, two bytes.
  auto bytes = VersionRoot(0x00010000, 0).Add(Strings("040904E4", {{"CompanyName", "Vrex"}})).Bytes();
  auto overlong = bytes;
  overlong[92] = 0xFF;  // the StringFileInfo node starts behind the 52 bytes of fixed information
  world.versions.AddFile("C:\\cut.exe", "", test::ByteList(bytes.begin(), bytes.begin() + 100));
  world.versions.AddFile("C:\\overlong.exe", "", overlong);
  world.versions.AddFile("C:\\tiny.exe", "", {0x02, 0x00});
  for (const char* file : {"C:\\cut.exe", "C:\\overlong.exe", "C:\\tiny.exe"})
    EXPECT_EQ(GetFileVersionText(file, 0), "") << file;
  world.versions.AddFile("C:\\whole.exe", "", bytes);
  EXPECT_EQ(GetFileVersionText("C:\\whole.exe", 0), "Vrex");
}

TEST_F(FileVersionTest, FilenameDefaultsToTheProgramOrTheLibraryItRunsIn) {
  world.system.exePath = "C:\\Vrex\\VrexNet.exe";
  EXPECT_EQ(version.GetFilename(), "C:\\Vrex\\VrexNet.exe");
  world.versions.codeModulePath = "C:\\Vrex\\plugin.dll";
  EXPECT_EQ(version.GetFilename(), "C:\\Vrex\\plugin.dll");
  version.SetForceEXE(true);
  version.SetForceEXE(true);  // unchanged: no second load
  EXPECT_EQ(world.versions.sizeQueries, std::vector<std::string>{"C:\\Vrex\\VrexNet.exe"});
  version.SetFilename("C:\\" + std::string(300, 'x'));
  EXPECT_EQ(world.versions.sizeQueries.back().size(), 255u);  // the system's buffer
}

struct RecordingLabel : VersionLabelTarget {
  void SetCaption(const std::string& text) override { caption = text; }
  std::string caption = "<unset>";
};

struct RecordingList : VersionListTarget {
  void Clear() override { rows.clear(), columns.clear(); }
  void SetReportStyle() override {}
  void AddColumn(const std::string& title, int width) override { columns += title + std::to_string(width) + " "; }
  void AddRow(const std::string& caption, const std::string& value) override { rows.push_back(caption + "=" + value); }
  std::string columns;
  std::vector<std::string> rows;
};

TEST_F(FileVersionTest, DisplayTargetsGetTheirValuesAndTheListTheRest) {
  Add(kFile, VersionRoot(0x00010002, 0x00030004, 0x00010000, 0, 0x01)
                 .Add(Strings("040904E4", {{"CompanyName", "Vrex"},
                                           {"LegalCopyright", "(c) Vrex"},
                                           {"ProductName", "Vrex Info Network"},
                                           {"Comments", "note"}})));
  Load(kFile);
  RecordingList list;
  version.SetVersionListView(&list);
  EXPECT_EQ(list.columns, "Resource-2 Value-2 ");
  // Fixed order; empty values are left out.
  EXPECT_EQ(list.rows, (std::vector<std::string>{"Product Name=Vrex Info Network", "Product Version=1.0.0.0",
                                                 "Company Name=Vrex", "Legal Copyright=(c) Vrex",
                                                 "File Version=1.2.3.4", "Build Flags=Debug", "Comments=note"}));
  // A linked label takes its value out of the list.
  RecordingLabel copyright, description;
  version.SetCopyrightLabel(&copyright);
  version.SetDescriptionLabel(&description);
  EXPECT_EQ(copyright.caption, "(c) Vrex");
  EXPECT_EQ(description.caption, "");
  EXPECT_EQ(list.rows.size(), 6u);
  version.SetShowResource(PreDefBit(pdComments) | PreDefBit(pdBuildFlags));
  EXPECT_EQ(list.rows, (std::vector<std::string>{"Build Flags=Debug", "Comments=note"}));

  {
    RecordingLabel product;
    version.SetProductLabel(&product);
    version.SetVersionLabel(&product);  // one label in two roles: the product name is written last
    EXPECT_EQ(product.caption, "Vrex Info Network");
  }
  EXPECT_EQ(version.ProductLabel(), nullptr);
  EXPECT_EQ(version.VersionLabel(), nullptr);
  version.LoadVersionInfo();  // would write into the destroyed label if still linked
  EXPECT_EQ(copyright.caption, "(c) Vrex");
}

}  // namespace
}  // namespace vrex
