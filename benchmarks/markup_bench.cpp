// Measuring 10,000 display lines of the kinds the gatherers write, on the
// fixed-metric canvas, with word wrap as in the right pane.  One iteration
// measures all of them; the goal is well under 20 ms.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "support/fixed_canvas.h"
#include "view/markup.h"
#include "platform/wrap_value_lines.h"

namespace {

constexpr const char* kLabels[] = {"Host name",   "Domain",      "IP address",  "Subnet mask",    "Default gateway",
                                   "DNS servers", "MAC address", "DHCP server", "Lease obtained", "Description",
                                   "Driver date", "Provider",    "Full name",   "Comment",        "Last logon"};
constexpr const char* kValues[] = {"WORKSTATION-07",
                                   "corp.example.net",
                                   "192.168.10.34",
                                   "255.255.255.0",
                                   "00-50-56-C0-00-08",
                                   "Realtek RTL8139(A) PCI Fast Ethernet Adapter",
                                   "Microsoft TCP/IP version 6 &amp; NetBIOS over TCP/IP",
                                   "Client for Microsoft Networks",
                                   "File and printer sharing for Microsoft Networks",
                                   "Monday, 3 June 2002 08:14:55",
                                   "Yes",
                                   "Not available"};

std::vector<std::string> TypicalLines(int count) {
  std::mt19937 random(7);
  auto pick = [&](const auto& list) { return std::string(list[random() % std::size(list)]); };
  std::vector<std::string> lines;
  lines.reserve(count);
  while (static_cast<int>(lines.size()) < count) {
    std::string icon = std::to_string(random() % 22);
    switch (random() % 8) {
      case 0:
      case 1:
        lines.push_back("<IMG src=\"idx:" + icon + "\"></IMG> <FONT size=\"10\" color=\"clblue\">" + pick(kLabels) +
                        "<IND x=\"200\"><FONT color=\"clmaroon\">" + pick(kValues) + "</FONT>");
        break;
      case 2:
        lines.push_back("<IMG src=\"idx:" + icon + "\"></IMG><FONT color=\"clblue\" size=\"10\">" + pick(kLabels) +
                        "<IND x=\"200\"><FONT color=\"clmaroon\">" + pick(kValues) + " " + pick(kValues) + "</FONT>");
        break;
      case 3:
        lines.push_back("<IMG src=\"idx:3\"></IMG> <FONT color=\"clblue\" size=\"10\">" + pick(kValues) + "</FONT>");
        break;
      case 4: lines.push_back("<FONT color=\"clnavy\" size=\"11\">" + pick(kValues) + "</FONT>"); break;
      case 5:
        lines.push_back("<IND x=\"20\"><IMG src=\"idx:16\"></IMG> <FONT color=\"clblue\" size=\"8\">" + pick(kLabels) +
                        "<FONT color=\"clmaroon\"><IND x=\"170\">" +
                        vrex::WrapValueLines(pick(kValues) + ", " + pick(kValues), 170, 30, 4) + "</FONT>");
        break;
      case 6:
        lines.push_back("<IMG src=\"idx:6\"></IMG> <FONT color=\"clnavy\" size=\"10\">TCP</FONT>");
        lines.push_back("<FONT color=\"clblue\" size=\"8\">Local address<IND x=\"200\"><FONT color=\"clmaroon\">" +
                        pick(kValues) + ":1025</FONT>");
        break;
      default: lines.push_back(" "); break;
    }
  }
  lines.resize(count);
  return lines;
}

void BM_MeasureTenThousandLines(benchmark::State& state) {
  const std::vector<std::string> lines = TypicalLines(10000);
  vrex::test::FixedCanvas canvas;
  vrex::view::MarkupOptions options;
  options.width = 480;
  options.wordWrap = true;
  for (auto _ : state) {
    long total = 0;
    for (const auto& line : lines) total += vrex::view::MeasureMarkupLine(canvas, line, options);
    benchmark::DoNotOptimize(total);
  }
}
BENCHMARK(BM_MeasureTenThousandLines)->Unit(benchmark::kMillisecond);

}  // namespace
