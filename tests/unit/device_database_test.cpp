// The device database: search keys, the first-match lookup with its vendor
// rules, the index against the line-by-line scan, and the generator's lines.
#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "devicedb_build.h"
#include "gather/device_database.h"

namespace vrex::gather {
namespace {

using Lines = std::vector<std::string>;

TEST(DeviceDatabase, SearchKeyTakesThePartsBetweenTheMarkers) {
  const std::pair<const char*, const char*> cases[] = {
      {"PCI\\VEN_8086&DEV_1229&SUBSYS_00000000&REV_08", "8086122900000000"},
      {"PCI\\VEN_10EC&DEV_8139&SUBSYS_813910EC&REV_10PCI\\VEN_10EC&DEV_8139&SUBSYS_813910EC", "10EC8139813910EC"},
      // A missing marker counts as standing before the text: without a
      // revision the subsystem part is empty, without a subsystem the device
      // part is, and the subsystem part starts at the seventh character.
      {"PCI\\VEN_10EC&DEV_8139&SUBSYS_813910EC", "10EC8139"},
      {"PCI\\VEN_10EC&DEV_8139&REV_10", "10ECN_10EC&DEV_8139"},
      {"ROOT\\MS_PPPOEMINIPORT", ""},
  };
  for (const auto& [ids, key] : cases) EXPECT_EQ(SearchKey(ids), key) << ids;
  EXPECT_EQ(CompactKey("10EC 8139 SUBS 8139 10EC"), "10EC8139813910EC");
}

// Line 0 is not a vendor line, so a device on line 1 has no vendor; a
// card's subsystem entries come before its device line.
const Lines kSmallDatabase = {
    "; header",                                // 0
    "VEN_1111&DEV_0001=First card",            // 1
    "V 10EC.=Realtek#Semiconductor!",          // 2
    "10EC 8139 SUBS 8139 10EC=Card_0abc!",     // 3
    "10EC 8139 SUBS 005A 1025=TravelMate",     // 4
    "10EC 8139 SUBS 0001 DEAD=Nobody's card",  // 5
    "VEN_10EC&DEV_8139=RTL-8139",              // 6
    "V 1025.=Acer",                            // 7
    "VEN_2222&DEV_0002=second",                // 8
    "vendor 3333 device 0003 last",            // 9: the last line, without "="
};

TEST(DeviceDatabase, LookupNamesVendorAndDeviceByTheFirstMatchingLine) {
  struct Case {
    const char* ids;
    const char* vendor;
    const char* device;
    const char* vendorExtra;
    const char* deviceSuffix;
  };
  const Case cases[] = {
      {"PCI\\VEN_1111&DEV_0001&SUBSYS_00000000&REV_01", "", "First card", "", ""},
      // The subsystem entry comes first; "_0" after "=" starts the suffix,
      // "#" the vendor's extra text, each without the line's last character.
      {"PCI\\VEN_10EC&DEV_8139&SUBSYS_813910EC&REV_10", "Realtek", "Card", "Semiconductor", "_0abc"},
      {"PCI\\VEN_10EC&DEV_8139&SUBSYS_12345678&REV_10", "Realtek", "RTL-8139", "Semiconductor", ""},
      // A subsystem entry is named by its own vendor, wherever its line is...
      {"PCI\\VEN_10EC&DEV_8139&SUBSYS_005A1025&REV_10", "Acer", "TravelMate", "", ""},
      // ... and by the chip's when the database does not list that vendor.
      {"PCI\\VEN_10EC&DEV_8139&SUBSYS_0001DEAD&REV_10", "Realtek", "Nobody's card", "Semiconductor", ""},
      {"PCI\\VEN_2222&DEV_0002", "Acer", "second", "", ""},
  };
  const DeviceDatabase database(kSmallDatabase);
  for (const auto& c : cases) {
    auto entry = database.Lookup(c.ids);
    ASSERT_TRUE(entry) << c.ids;
    EXPECT_EQ(entry->vendor, c.vendor) << c.ids;
    EXPECT_EQ(entry->device, c.device) << c.ids;
    EXPECT_EQ(entry->vendorExtra, c.vendorExtra) << c.ids;
    EXPECT_EQ(entry->deviceSuffix, c.deviceSuffix) << c.ids;
  }
  EXPECT_FALSE(database.Lookup("PCI\\VEN_9999&DEV_0001"));
  EXPECT_FALSE(DeviceDatabase(Lines{}).Lookup("PCI\\VEN_10EC&DEV_8139"));
}

TEST(DeviceDatabase, FirstLineCountsOnlyRightBeforeTheMatchAndTheLastLineMatchesIgnoringCase) {
  const DeviceDatabase database(Lines{"V 1.=Zero", "X=a", "Y=b", "z=last"});
  EXPECT_EQ(database.Lookup("X")->vendor, "Zero");
  EXPECT_EQ(database.Lookup("Y")->vendor, "");
  // "z" does not occur in "XZ" as the scan compares, but the last line is
  // matched in upper case.
  EXPECT_EQ(database.ScanStop("XZ"), 1u);
  EXPECT_EQ(database.ScanStop("QZ"), 3u);
  EXPECT_EQ(database.Lookup("QZ")->device, "last");
  // A key inside the name of an earlier line is not a key.
  EXPECT_EQ(database.ScanStop("a"), 3u);
}

// Random databases over a small alphabet, so that keys occur often, keys of
// 24 characters with blanks compact to search keys, and lines without "=",
// with empty keys or with several "=" appear.
TEST(DeviceDatabase, IndexAndSplitLookupsAgreeWithTheLineByLineScan) {
  std::mt19937 random(20261208);
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  auto word = [&](int length) {
    std::string text;
    for (int i = 0; i < length; ++i) text += "AB1a_= "[pick(i == 0 ? 4 : 7)];
    return text;
  };
  for (int round = 0; round < 300; ++round) {
    Lines lines;
    const int count = 1 + pick(40);
    for (int i = 0; i < count; ++i) {
      switch (pick(6)) {
        case 0: lines.push_back(word(pick(4))); break;
        case 1: lines.push_back(word(24) + "=sub"); break;
        case 2: lines.push_back("V " + word(4) + ".=" + word(2) + "#" + word(2)); break;
        default: lines.push_back(word(1 + pick(4)) + "=" + word(pick(5))); break;
      }
    }
    const DeviceDatabase database(lines);
    std::vector<std::string> probes;
    for (int probe = 0; probe < 20; ++probe) {
      std::string ids = "VEN_" + word(4) + "&DEV_" + word(4) + "&SUBSYS_" + word(8) + "&REV_" + word(pick(12));
      EXPECT_EQ(database.ScanStop(ids), LinearScanStop(lines, ids)) << ids;
      probes.push_back(std::move(ids));
    }
    // Split anywhere, the two parts give what the whole gives.
    const auto split = lines.begin() + pick(count + 1);
    const auto parts = LookupInParts(
        Lines(lines.begin(), split), [&] { return Lines(split, lines.end()); }, probes);
    for (std::size_t i = 0; i < probes.size(); ++i) {
      const auto whole = database.Lookup(probes[i]);
      ASSERT_EQ(parts[i].has_value(), whole.has_value()) << probes[i];
      if (whole) {
        EXPECT_EQ(std::tie(parts[i]->vendor, parts[i]->device, parts[i]->vendorExtra, parts[i]->deviceSuffix),
                  std::tie(whole->vendor, whole->device, whole->vendorExtra, whole->deviceSuffix))
            << probes[i];
      }
    }
  }
}

// A table made for fewer keys grows and keeps the first line of every key.
TEST(DeviceDatabase, KeyTableGrowsAndKeepsTheFirstLine) {
  std::vector<std::string> keys;
  for (int i = 0; i < 100; ++i) keys.push_back("key" + std::to_string(i));
  FirstLineOfKey table;
  for (std::size_t i = 0; i < keys.size(); ++i) EXPECT_TRUE(table.Add(keys[i], i));
  for (std::size_t i = 0; i < keys.size(); ++i) EXPECT_FALSE(table.Add(keys[i], 1000 + i));
  for (std::size_t i = 0; i < keys.size(); ++i) EXPECT_EQ(table.Find(keys[i]), i) << keys[i];
  EXPECT_EQ(table.Find("key100"), std::nullopt);
  EXPECT_EQ(table.Find(""), std::nullopt);
}

// The further lines are deciphered only for a card the first part cannot
// settle: no match there, or a subsystem vendor listed only further on.
TEST(DeviceDatabase, FurtherLinesOnlyWhenTheFirstPartCannotSettle) {
  const Lines first = {"; net", "V 10EC.=Realtek", "10EC 8139 SUBS 005A 1025=TravelMate 290",
                       "VEN_10EC&DEV_8139=RTL8139", "; end"};
  const Lines rest = {"V 1025.=Acer", "VEN_1234&DEV_0001=Other card"};
  const struct {
    const char* ids;
    bool restAsked;
    const char* name;
  } cases[] = {
      {"PCI\\VEN_10EC&DEV_8139&SUBSYS_00000000&REV_10", false, "Realtek RTL8139"},
      {"PCI\\VEN_10EC&DEV_8139&SUBSYS_005A1025&REV_10", true, "Acer TravelMate 290"},
      {"PCI\\VEN_1234&DEV_0001&SUBSYS_00000000&REV_01", true, "Acer Other card"},
  };
  for (const auto& c : cases) {
    bool asked = false;
    const auto found = LookupInParts(first,
                                     [&] {
                                       asked = true;
                                       return rest;
                                     },
                                     {c.ids});
    EXPECT_EQ(asked, c.restAsked) << c.ids;
    ASSERT_TRUE(found[0].has_value()) << c.ids;
    EXPECT_EQ(found[0]->vendor + " " + found[0]->device, c.name) << c.ids;
  }
}

TEST(DeviceDatabaseGenerator, WritesTheClaimedNetworkDevicesWithTheirVendorInScanOrder) {
  const char* pciIds =
      "# comment\n"
      "1025  Acer Incorporated [ALI]\n"
      "10ec  Realtek Semiconductor Co., Ltd.\n"
      "\t8139  RTL-8100/8101L/8139 PCI Fast Ethernet Adapter\n"
      "\t\t1025 005a  TravelMate 290\n"
      "\t\t10ec 8139  RTL-8100/8101L/8139 PCI Fast Ethernet Adapter\n"
      "\t5288  RTS5288 PCI Express Card Reader\n"
      "10b5  PLX #1 Technology\n"
      "\t9050  PCI <-> IOBus Bridge_0\n"
      "\t\t1397 2bd0  ISDN card\n"
      "\t\t10b5 1146  Caf\xC3\xA9 \xE2\x82\xAC card\n"
      "\t9052  Token-Ring Adapter\n"
      "C 02  Network controller\n"
      "\t00  Ethernet controller\n";
  const char* claims =
      "# comment\n"
      "10EC 8139 *\tdrivers/net/ethernet/realtek/8139too\n"
      "10B5 9050 1397 2BD0\tdrivers/isdn/hardware/mISDN/hfcpci\n"
      "10B5 9050 1397 2BD1\tdrivers/isdn/hardware/mISDN/hfcpci\n";
  auto lines = devicedb::BuildDatabaseLines(pciIds, claims);
  EXPECT_EQ(
      lines.net,
      (Lines{"; Vrex network device database, from the PCI ID list and the network drivers' device tables",
             "V 10EC.=Realtek Semiconductor Co., Ltd.",
             "VEN_10EC&DEV_8139&SUBSYS_005A1025=RTL-8100/8101L/8139 PCI Fast Ethernet Adapter (Acer "
             "Incorporated [ALI] TravelMate 290)",
             "VEN_10EC&DEV_8139&SUBSYS_813910EC=RTL-8100/8101L/8139 PCI Fast Ethernet Adapter",
             "VEN_10EC&DEV_8139=RTL-8100/8101L/8139 PCI Fast Ethernet Adapter", "V 10B5.=PLX No.1 Technology",
             "VEN_10B5&DEV_9050&SUBSYS_2BD01397=PCI <-> IOBus Bridge-0 (ISDN card)",
             "VEN_10B5&DEV_9050&SUBSYS_2BD11397=PCI <-> IOBus Bridge-0", "VEN_10B5&DEV_9052=Token-Ring Adapter"}));
  EXPECT_EQ(lines.other, (Lines{"; Vrex device database: every device it names is in net.txt"}));
  EXPECT_EQ(std::make_pair(lines.fromDrivers, lines.fromTokenRing), std::make_pair(std::size_t{2}, std::size_t{1}));
  EXPECT_EQ(devicedb::ToLatin1("Caf\xC3\xA9 \xE2\x82\xAC x\xC3"), "Caf\xE9 ? x?");
}

// The database the build writes: chipset parts are not in it, the classic
// cards are, and a card on a board is named by its chip.
TEST(DeviceDatabaseGenerator, TheBuiltDatabaseNamesNetworkCardsOnly) {
  const auto files = devicedb::BuildDatabaseFromFiles(VREX_PCI_IDS, VREX_NETWORK_PCI_IDS);
  Lines lines = files.net;
  lines.insert(lines.end(), files.other.begin(), files.other.end());
  const DeviceDatabase database(std::move(lines));
  const std::pair<const char*, const char*> cases[] = {
      {"PCI\\VEN_8086&DEV_24D3&SUBSYS_80D61043&REV_02", ""},  // SMBus controller
      {"PCI\\VEN_8086&DEV_24D5&SUBSYS_80F31043&REV_02", ""},  // audio controller
      {"PCI\\VEN_10B7&DEV_9200&SUBSYS_00000000&REV_78", "3Com Corporation 3c905C-TX/TX-M [Tornado]"},
      {"PCI\\VEN_1022&DEV_2000&SUBSYS_00000000&REV_10", "Advanced Micro Devices, Inc. [AMD] 79c970 [PCnet32 LANCE]"},
      {"PCI\\VEN_1106&DEV_3065&SUBSYS_00000000&REV_74", "VIA Technologies, Inc. VT6102/VT6103 [Rhine-II]"},
      {"PCI\\VEN_10EC&DEV_8168&SUBSYS_11F51043&REV_06",
       "Realtek Semiconductor Co., Ltd. RTL8111/8168/8411 PCI Express Gigabit Ethernet Controller (ASUSTeK Computer "
       "Inc. Notebook motherboard (one of many models))"},
  };
  for (const auto& [ids, name] : cases) {
    auto found = database.Lookup(ids);
    EXPECT_EQ(found ? found->vendor + " " + found->device : "", name) << ids;
  }
}

}  // namespace
}  // namespace vrex::gather
