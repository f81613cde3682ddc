// Rebuilding the right pane's page when the Winsock sub-item is clicked, with
// 300 markup lines in its section, each row measured on the fixed-metric
// canvas as the list window measures it.  The GDI measuring and painting of
// the same page are timed under Wine by
// MainWindowTest.PageOfThreeHundredMarkupLinesHoldsThemAllAndIsPainted.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "support/fixed_canvas.h"
#include "support/recording_list_host.h"
#include "lang/language.h"
#include "support/memory/memory_ports.h"
#include "view/markup.h"

namespace {

using vrex::view::TSectionListBox;

constexpr int kLines = 300;

// Measures a line row as the list window does: its markup in the text area.
class MarkupHost : public vrex::test::RecordingListHost {
 public:
  int MeasureRow(const TSectionListBox& list, int row) override {
    if (list.IsHeaderRow(row)) return list.sectionHeight;
    return vrex::view::MeasureMarkupLine(canvas_, list.RowText(row), options_);
  }

 private:
  vrex::test::FixedCanvas canvas_;
  vrex::view::MarkupOptions options_{321, true, {}, 22};
};

std::vector<std::string> ConnectionLines() {
  std::vector<std::string> lines;
  for (int i = 0; i < kLines; ++i)
    lines.push_back("<IMG src=\"idx:6\"></IMG> <FONT size=\"10\" color=\"clblue\">Connection " + std::to_string(i) +
                    " <IND x=\"200\"><FONT color=\"clmaroon\"> value " + std::to_string(i) + " </FONT>");
  return lines;
}

// The captions of the first left section, from a language module of the world.
void LoadCaptions(vrex::os::memory::World& world) {
  const std::string base = world.system.exePath.substr(0, world.system.exePath.size() - 4);
  world.files.WriteString(base + ".ini", "Options", "Language", "EN");
  world.files.AddFile(base + "EN.dll");
  world.modules.AddLibrary(base + "EN.dll", {{538, "Network"},
                                             {540, "Basic"},
                                             {525, "Adapters"},
                                             {526, "Protocols"},
                                             {527, "Services"},
                                             {528, "Clients"},
                                             {561, "Winsock"},
                                             {529, "TCP/IP"}});
  vrex::LoadLanguageModule();
}

void BM_PageOfThreeHundredMarkupLines(benchmark::State& state) {
  vrex::os::memory::World world;
  world.system.SetVersion(2, 5, 1);
  LoadCaptions(world);
  const std::vector<std::string> lines = ConnectionLines();
  vrex::app::Gatherers gatherers;
  gatherers.winsocktostringlst = [&lines] { return lines; };
  const vrex::app::Lines connections;
  MarkupHost leftHost, rightHost;
  TSectionListBox left(leftHost), right(rightHost);
  vrex::app::MainPanes panes(left, right, gatherers, connections);
  for (int i = 0; i < 3; ++i) left.AddSection();
  right.expandDisable = right.contractDisable = true;
  vrex::app::BuildLeftPane(left);
  panes.Connect();
  left.MouseDown(0, 60);                       // open the first section
  for (auto _ : state) left.MouseDown(6, 60);  // Winsock
  if (right.RowCount() != 8 + kLines) state.SkipWithError("the page does not hold every line");
  vrex::UnloadLanguageModule();
}
BENCHMARK(BM_PageOfThreeHundredMarkupLines)->Unit(benchmark::kMillisecond);

}  // namespace
