// Version information read from version blocks built byte by byte and parsed
// by the in-memory version resource adapter.
#include "components/file_version.h"

#include <gtest/gtest.h>

#include <memory>

#include "helpers/version_block.h"
#include "platform/os/memory/memory_ports.h"

namespace vrex {
namespace {

using test::FixedInfo;
using test::StringTable;
using test::Translations;
using test::VersionNode;
using test::VersionRoot;

constexpr const char* kFile = "C:\\Tools\\tool.exe";

class FileVersionTest : public ::testing::Test {
 protected:
  void AddFile(const std::string& path, const VersionNode& root, std::string date = "24.12.2003") {
    world.versions.AddFile(path, std::move(date), root.Bytes());
  }
  std::unique_ptr<TFileVersion> Load(const std::string& path) {
    auto version = std::make_unique<TFileVersion>();
    version->SetFilename(path);
    return version;
  }

  os::memory::World world;
};

TEST_F(FileVersionTest, TranslationTableDecidesTheStringTable) {
  // Only Czech / code page 1250: lookups use 040504e2 (the block spells it in
  // upper case; keys match without regard to case), not the default table.
  auto czech = VersionRoot(FixedInfo(0, 0, 0, 0));
  czech.Add(VersionNode::Block("StringFileInfo")
                .Add(StringTable("040904E4", {{"CompanyName", "wrong table"}}))
                .Add(StringTable("040504E2", {{"CompanyName", "Vrex s.r.o."}, {"Comments", "Sit"}})));
  czech.Add(Translations({{0x0405, 0x04E2}}));
  AddFile(kFile, czech);
  auto version = Load(kFile);
  EXPECT_EQ(version->Translations(), std::vector<std::string>{"040504e2"});
  EXPECT_EQ(version->TranslationKey(), "040504e2");
  EXPECT_EQ(version->CompanyName(), "Vrex s.r.o.");

  // No translation table: the default key.
  auto plain = VersionRoot(FixedInfo(0, 0, 0, 0));
  plain.Add(VersionNode::Block("StringFileInfo").Add(StringTable("040904E4", {{"CompanyName", "Vrex"}})));
  AddFile("C:\\plain.exe", plain);
  version->SetFilename("C:\\plain.exe");
  EXPECT_TRUE(version->Translations().empty());
  EXPECT_EQ(version->TranslationKey(), "040904E4");
  EXPECT_EQ(version->CompanyName(), "Vrex");

  // A table too short for a pair is taken as a code page for US English.
  auto shortTable = VersionRoot(FixedInfo(0, 0, 0, 0));
  shortTable.Add(VersionNode::Block("VarFileInfo").Add(VersionNode::Binary("Translation", {0xE2, 0x04})));
  AddFile("C:\\short.exe", shortTable);
  version->SetFilename("C:\\short.exe");
  EXPECT_EQ(version->Translations(), std::vector<std::string>{"040904e2"});
}

TEST_F(FileVersionTest, TranslationIndexChoosesAnEntryAndResetsWhenOutOfRange) {
  auto two = VersionRoot(FixedInfo(0, 0, 0, 0));
  two.Add(VersionNode::Block("StringFileInfo")
              .Add(StringTable("040904b0", {{"ProductName", "Network"}}))
              .Add(StringTable("040704b0", {{"ProductName", "Netzwerk"}})));
  two.Add(Translations({{0x0409, 0x04B0}, {0x0407, 0x04B0}}));
  AddFile(kFile, two);
  auto version = Load(kFile);
  EXPECT_EQ(version->Translations(), (std::vector<std::string>{"040904b0", "040704b0"}));
  EXPECT_EQ(version->ProductName(), "Network");
  version->SetTranslationIndex(1);
  EXPECT_EQ(version->ProductName(), "Netzwerk");
  // An index past the list falls back to the default key until the next load resets it.
  version->SetTranslationIndex(2);
  EXPECT_EQ(version->TranslationKey(), "040904E4");
  EXPECT_EQ(version->ProductName(), "");
  version->LoadVersionInfo();
  EXPECT_EQ(version->TranslationIndex(), 0);
  EXPECT_EQ(version->ProductName(), "Network");
}

TEST_F(FileVersionTest, VersionNumbersPreferTheTextsOverTheFixedWords) {
  auto root = VersionRoot(FixedInfo(0x00020001, 0x0000000F, 0x00030000, 0x00000007));
  root.Add(VersionNode::Block("StringFileInfo").Add(StringTable("040904E4", {{"FileVersion", "2.1 beta"}})));
  AddFile(kFile, root);
  auto version = Load(kFile);
  EXPECT_EQ(version->FileVersion().Text(), "2.1 beta");
  // No "ProductVersion" text: built from the fixed words.
  EXPECT_EQ(version->ProductVersion().Text(), "3.0.0.7");
  EXPECT_EQ(version->FixedInfo().FileVersionLS(), 15u);

  auto bare = VersionRoot(FixedInfo(0x00020001, 0x0000000F, 0, 0));
  AddFile("C:\\bare.exe", bare);
  version->SetFilename("C:\\bare.exe");
  EXPECT_TRUE(version->FileVersion().Valid());
  EXPECT_EQ(version->FileVersion().Text(), "2.1.0.15");
  EXPECT_EQ(version->FileVersion().Parts(), (std::array<std::uint16_t, 4>{2, 1, 0, 15}));

  // The highest parts print as unsigned numbers.
  TVersionNumberInformation big;
  big.Assign(0xFFFF0001, 0x8000FFFF, "");
  EXPECT_EQ(big.Text(), "65535.1.32768.65535");
}

TEST_F(FileVersionTest, WithoutAResourceEverythingIsEmptyAndNotValid) {
  world.versions.AddFile(kFile, "01/02/2004");
  auto version = Load(kFile);
  EXPECT_FALSE(version->HasVersionBlock());
  EXPECT_FALSE(version->FileVersion().Valid());
  EXPECT_EQ(version->FileVersion().Text(), "");
  EXPECT_EQ(version->ProductVersion().Text(), "");
  EXPECT_FALSE(version->FixedInfo().Present());
  EXPECT_EQ(version->FixedInfo().FileVersionMS(), 0u);
  EXPECT_EQ(version->GetBuildFlagsText(), "");
  for (int index = 0; index < kPreDefCount; ++index) EXPECT_EQ(version->GetPredefined(index), "") << index;

  // Fixed information shorter than the structure is ignored rather than read past.
  auto stub = VersionNode::Binary("VS_VERSION_INFO", {0xBD, 0x04, 0xEF, 0xFE});
  AddFile("C:\\stub.exe", stub);
  version->SetFilename("C:\\stub.exe");
  EXPECT_TRUE(version->HasVersionBlock());
  EXPECT_FALSE(version->FixedInfo().Present());
  EXPECT_EQ(version->FileVersion().Text(), "0.0.0.0");
}

TEST_F(FileVersionTest, BuildFlagsAreNamedInTheirFixedOrder) {
  constexpr std::uint32_t kDebug = 0x01, kPreRelease = 0x02, kPatched = 0x04, kInfoInferred = 0x10;
  AddFile(kFile, VersionRoot(FixedInfo(0, 0, 0, 0, kPatched | kDebug)));
  auto version = Load(kFile);
  EXPECT_EQ(version->GetBuildFlagsText(), "Debug, Patched");

  AddFile(kFile, VersionRoot(FixedInfo(0, 0, 0, 0, 0x3F)));
  version->LoadVersionInfo();
  EXPECT_EQ(version->GetBuildFlagsText(), "Debug, Info Inferred, Patched, Pre-Release, Private, Special");

  AddFile(kFile, VersionRoot(FixedInfo(0, 0, 0, 0, kPreRelease | kInfoInferred | 0x100)));
  version->LoadVersionInfo();
  EXPECT_EQ(version->GetBuildFlagsText(), "Info Inferred, Pre-Release");
}

TEST_F(FileVersionTest, GetFileVersionTextMapsEverySelector) {
  auto root = VersionRoot(FixedInfo(0x00010000, 0, 0x00010000, 0));
  root.Add(VersionNode::Block("StringFileInfo")
               .Add(StringTable("040904E4", {{"CompanyName", "company"},
                                             {"FileDescription", "description"},
                                             {"FileVersion", "1.0.0.9"},
                                             {"InternalName", "internal"},
                                             {"LegalCopyright", "copyright"},
                                             {"LegalTrademarks", "trademarks"},
                                             {"OriginalFilename", "original.exe"},
                                             {"ProductName", "product"},
                                             {"ProductVersion", "1.0"},
                                             {"Comments", "comments"}})));
  root.Add(Translations({{0x0409, 0x04E4}}));
  AddFile(kFile, root, "31.01.2004");
  const char* expected[] = {"company",      "trademarks", "internal", "description", "1.0.0.9",   "copyright",
                            "original.exe", "comments",   "product",  "1.0",         "31.01.2004"};
  for (int selector = 0; selector <= 10; ++selector)
    EXPECT_EQ(GetFileVersionText(kFile, selector), expected[selector]) << selector;
  EXPECT_EQ(GetFileVersionText(kFile, 11), "");
  EXPECT_EQ(GetFileVersionText(kFile, -1), "");

  // The date needs no version resource; a missing file has neither.
  world.versions.AddFile("C:\\readme.txt", "05.06.2007");
  EXPECT_EQ(GetFileVersionText("C:\\readme.txt", 10), "05.06.2007");
  EXPECT_EQ(GetFileVersionText("C:\\readme.txt", 2), "");
  for (int selector = 0; selector <= 10; ++selector) EXPECT_EQ(GetFileVersionText("C:\\missing.exe", selector), "");
}

TEST_F(FileVersionTest, FilenameDefaultsToTheProgramOrTheLibraryItRunsIn) {
  world.system.exePath = "C:\\Vrex\\VrexNet.exe";
  TFileVersion version;
  EXPECT_EQ(version.GetFilename(), "C:\\Vrex\\VrexNet.exe");
  world.versions.codeModulePath = "C:\\Vrex\\plugin.dll";
  EXPECT_EQ(version.GetFilename(), "C:\\Vrex\\plugin.dll");
  version.SetForceEXE(true);
  EXPECT_EQ(world.versions.sizeQueries.back(), "C:\\Vrex\\VrexNet.exe");
  version.SetForceEXE(true);  // unchanged: no reload
  EXPECT_EQ(world.versions.sizeQueries.size(), 1u);

  // Names reach the system cut to 255 characters.
  version.SetFilename("C:\\" + std::string(300, 'x'));
  EXPECT_EQ(world.versions.sizeQueries.back().size(), 255u);
}

class RecordingLabel : public VersionLabelTarget {
 public:
  void SetCaption(const std::string& text) override { captions.push_back(text); }
  std::vector<std::string> captions;
};

class RecordingList : public VersionListTarget {
 public:
  void Clear() override {
    columns.clear();
    rows.clear();
    reportStyle = false;
  }
  void SetReportStyle() override { reportStyle = true; }
  void AddColumn(const std::string& title, int width) override {
    columns.push_back(title + "/" + std::to_string(width));
  }
  void AddRow(const std::string& caption, const std::string& value) override { rows.push_back(caption + "=" + value); }
  bool reportStyle = false;
  std::vector<std::string> columns;
  std::vector<std::string> rows;
};

TEST_F(FileVersionTest, DisplayTargetsReceiveTheirValuesAndListTheRest) {
  auto root = VersionRoot(FixedInfo(0x00010002, 0x00030004, 0x00010000, 0, 0x01));
  root.Add(VersionNode::Block("StringFileInfo")
               .Add(StringTable("040904E4", {{"CompanyName", "Vrex"},
                                             {"FileDescription", "Network info"},
                                             {"LegalCopyright", "(c) Vrex"},
                                             {"ProductName", "Vrex Info Network"},
                                             {"Comments", "note"}})));
  AddFile(kFile, root);
  auto version = Load(kFile);
  RecordingList list;
  version->SetVersionListView(&list);
  EXPECT_TRUE(list.reportStyle);
  EXPECT_EQ(list.columns, (std::vector<std::string>{"Resource/-2", "Value/-2"}));
  // Fixed order; empty values (trademarks, internal and original name) are left out.
  EXPECT_EQ(list.rows,
            (std::vector<std::string>{"Product Name=Vrex Info Network", "Product Version=1.0.0.0", "Company Name=Vrex",
                                      "Legal Copyright=(c) Vrex", "File Description=Network info",
                                      "File Version=1.2.3.4", "Build Flags=Debug", "Comments=note"}));

  // A linked label takes its value out of the list.
  RecordingLabel copyright, versionLabel;
  version->SetCopyrightLabel(&copyright);
  version->SetVersionLabel(&versionLabel);
  EXPECT_EQ(copyright.captions.back(), "(c) Vrex");
  EXPECT_EQ(versionLabel.captions.back(), "1.2.3.4");
  EXPECT_EQ(version->ShowResource(), kAllPreDefs & ~PreDefBit(pdLegalCopyright) & ~PreDefBit(pdFileVersion));
  EXPECT_EQ(list.rows.size(), 6u);
  version->SetShowResource(PreDefBit(pdComments) | PreDefBit(pdBuildFlags));
  EXPECT_EQ(list.rows, (std::vector<std::string>{"Build Flags=Debug", "Comments=note"}));

  // Reloading another file refreshes every target.
  world.versions.AddFile("C:\\empty.exe", "");
  version->SetFilename("C:\\empty.exe");
  EXPECT_EQ(copyright.captions.back(), "");
  EXPECT_TRUE(list.rows.empty());
}

TEST_F(FileVersionTest, DestroyedTargetsAreUnlinkedAndComponentsLeaveTheirTargets) {
  TFileVersion version;
  {
    RecordingLabel label;
    version.SetProductLabel(&label);
    version.SetDescriptionLabel(&label);  // one label in two roles
    EXPECT_EQ(version.ProductLabel(), &label);
  }
  EXPECT_EQ(version.ProductLabel(), nullptr);
  EXPECT_EQ(version.DescriptionLabel(), nullptr);
  version.UpdateDisplay();  // would write into freed memory if a link remained

  RecordingList list;
  {
    TFileVersion shortLived;
    shortLived.SetVersionListView(&list);
  }
  // The list outlives the component without telling a destroyed one.
}

TEST_F(FileVersionTest, DamagedBlocksReadAsMissingValues) {
  auto root = VersionRoot(FixedInfo(0x00010000, 0, 0, 0));
  root.Add(VersionNode::Block("StringFileInfo").Add(StringTable("040904E4", {{"CompanyName", "Vrex"}})));
  auto bytes = root.Bytes();

  // Cut short behind the fixed information: the root's length claims more than there is.
  world.versions.AddFile("C:\\cut.exe", "", std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 100));
  // A child whose length runs past its parent.
  auto overlong = bytes;
  overlong[92] = 0xFF;  // the StringFileInfo node starts at 92
  world.versions.AddFile("C:\\overlong.exe", "", overlong);
  // Two bytes of nothing.
  world.versions.AddFile("C:\\tiny.exe", "", {0x02, 0x00});
  for (const char* file : {"C:\\cut.exe", "C:\\overlong.exe", "C:\\tiny.exe"}) {
    EXPECT_EQ(GetFileVersionText(file, 0), "") << file;
    EXPECT_EQ(GetFileVersionText(file, 4), "") << file;
  }
  world.versions.AddFile("C:\\whole.exe", "", bytes);
  EXPECT_EQ(GetFileVersionText("C:\\whole.exe", 0), "Vrex");
}

}  // namespace
}  // namespace vrex
