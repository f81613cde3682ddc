// Every text of every language module, set as a label before a value column
// of the pages, never touches the value that follows, however long.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/os/win/handles_win.h"
#include "view/gdi_canvas_win.h"
#include "view/markup.h"
#include "view/markup_layout.h"

namespace vrex::view {
namespace {

// The value columns of the pages: the users page's and everyone else's.
constexpr const char* kLineForms[][2] = {
    {"<IND x=\"20\"><IMG src=\"idx:16\"></IMG><FONT color=\"clblue\">", "<FONT color=\"clmaroon\"><IND x=\"170\">"},
    {"<IMG src=\"idx:1\"></IMG> <FONT color=\"clblue\" size=\"10\">", "<IND x=\"200\"><FONT color=\"clmaroon\">"},
};

TEST(LabelColumnsWin, EveryTextOfEveryLanguageStaysClearOfItsValue) {
  const char* dist = std::getenv("VREX_DIST");
  if (dist == nullptr || *dist == '\0') GTEST_SKIP() << "VREX_DIST names no program folder";
  win::WindowDc screen(nullptr);
  GdiCanvas canvas(screen.get(), nullptr);
  MarkupOptions options;
  options.width = 4000;
  int labels = 0;
  for (const char* code : {"EN", "DE", "ES", "FR", "IT", "RUS", "CSY"}) {
    std::string path = std::string(dist[0] == '/' ? "Z:" : "") + dist + "/Network/VrexNet" + code + ".dll";
    for (char& c : path) c = c == '/' ? '\\' : c;
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr) << path;
    for (UINT id = 1; id < 4096; ++id) {
      char label[256] = {};
      if (LoadStringA(module, id, label, sizeof label) <= 0 || std::strpbrk(label, "<&\r\n") != nullptr) continue;
      ++labels;
      for (const auto& [labelStart, valueStart] : kLineForms) {
        const std::string line = std::string(labelStart) + label + valueStart + "V</FONT>";
        const MarkupLayout layout = LayoutMarkupLine(canvas, line, options);
        ASSERT_GE(layout.runs.size(), 2u) << code << " " << id;
        const MarkupRun& labelRun = layout.runs[layout.runs.size() - 2];
        const MarkupRun& value = layout.runs.back();
        EXPECT_GT(value.x, labelRun.x + labelRun.width) << code << " " << id << " " << label;
      }
    }
    FreeLibrary(module);
  }
  EXPECT_GT(labels, 7 * 100);
}

}  // namespace
}  // namespace vrex::view
