// The report for programs: display lines read back as data, and the CSV rows.
#include <gtest/gtest.h>

#include "gather/label_value_line.h"
#include "report/report_data.h"
#include "support/memory/memory_ports.h"

namespace vrex::report {
namespace {

DataLine LabelValue(std::string label, std::string value) {
  DataLine line;
  line.kind = DataLine::Kind::kLabelValue;
  line.label = std::move(label);
  line.text = std::move(value);
  return line;
}

DataLine Heading(std::string text, int rank) {
  DataLine line;
  line.kind = DataLine::Kind::kHeading;
  line.text = std::move(text);
  line.rank = rank;
  return line;
}

DataLine Text(std::string text, std::optional<bool> ticked = std::nullopt) {
  DataLine line;
  line.text = std::move(text);
  line.ticked = ticked;
  return line;
}

TEST(ReportDataTest, DisplayLinesReadBackAsLabelAndValueHeadingOrText) {
  struct Case {
    std::string line;
    std::optional<DataLine> data;
  };
  const Case cases[] = {
      {gather::LabelValueLine(3, "Description", "Realtek <&> NIC"), LabelValue("Description", "Realtek <&> NIC")},
      // The host address: a picture, not an indent, stands between label and value.
      {"<IMG src=\"idx:3\"></IMG> <FONT color=\"clblue\" size=\"10\">IP address<IMG src=\"idx:3\"></IMG> <FONT "
       "color=\"clblue\">10.0.0.5</FONT>",
       LabelValue("IP address", "10.0.0.5")},
      // A wrapped value comes back whole.
      {gather::WrappedMarkupLine("<IND x=\"20\"><IMG src=\"idx:16\"></IMG><FONT color=\"clblue\">Description<FONT "
                                 "color=\"clmaroon\"><IND x=\"170\">",
                                 "the account of the build machine", 170, 10, 4),
       LabelValue("Description", "the account of the build machine")},
      {"<FONT color=\"clnavy\" size=\"11\">Realtek RTL8139</FONT>", Heading("Realtek RTL8139", 110000)},
      {"<IND x=\"20\"><FONT color=\"clnavy\">Account type</FONT>", Heading("Account type", 79980)},
      {"<FONT color=\"clnavy\" size=\"12\">Connection: <FONT color=\"clgreen\">Office</FONT>",
       Heading("Connection: Office", 120000)},
      {"<IND x=\"30\"><IMG src=\"idx:5\"></IMG><FONT color=\"clblue\">Client for Microsoft Networks</FONT>",
       Text("Client for Microsoft Networks")},
      {"<IND x=\"30\"><FONT color=\"clblue\"><IMG src=\"idx:13\"></IMG>Guest</FONT>", Text("Guest", false)},
      {gather::LabelValueLine(1, "Workgroup", ""), LabelValue("Workgroup", "")},
      {" ", std::nullopt},
      {"<IMG src=\"idx:3\"></IMG> <FONT color=\"clblue\"> </FONT>", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadDataLine(c.line), c.data) << c.line;
}

TEST(ReportDataTest, CsvRowsCarryTheHeadingsPathAndQuoteWhatNeedsIt) {
  os::memory::World world;
  DataReport report{{}, "HOST", {}};
  report.items.push_back(DataItem{
      525,
      "Network",
      "Network adapters",
      {"<FONT color=\"clnavy\" size=\"11\">Caf\xE9 NIC</FONT>", "<FONT color=\"clnavy\" size=\"10\">Driver</FONT>",
       gather::LabelValueLine(3, "Description", "PRO/1000, \"MT\""), " ",
       "<FONT color=\"clnavy\" size=\"11\">WAN Miniport</FONT>",
       "<IMG src=\"idx:3\"></IMG> <FONT color=\"clblue\">NetBEUI</FONT>",
       "<IND x=\"30\"><IMG src=\"idx:12\"></IMG><FONT color=\"clblue\">Normal</FONT>"}});
  report.items.push_back(DataItem{528, "Network", "Clients", {" "}});
  const Lines expected = {
      "\xEF\xBB\xBFitem,section,caption,group,label,value",
      "525,Network,Network adapters,Caf\xC3\xA9 NIC,,",
      "525,Network,Network adapters,Caf\xC3\xA9 NIC / Driver,,",
      "525,Network,Network adapters,Caf\xC3\xA9 NIC / Driver,Description,\"PRO/1000, \"\"MT\"\"\"",
      "525,Network,Network adapters,WAN Miniport,,",
      "525,Network,Network adapters,WAN Miniport,,NetBEUI",
      "525,Network,Network adapters,WAN Miniport,Normal,true",
      "528,Network,Clients,,,",
  };
  EXPECT_EQ(CsvReport(report), expected);
}

TEST(ReportDataTest, CreationTimeIsIso8601WithItsOffset) {
  EXPECT_EQ(Iso8601({2026, 12, 9, 7, 5, 3, 60}), "2026-12-09T07:05:03+01:00");
  EXPECT_EQ(Iso8601({1999, 1, 31, 23, 59, 59, -330}), "1999-01-31T23:59:59-05:30");
}

}  // namespace
}  // namespace vrex::report
