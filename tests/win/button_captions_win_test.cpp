// The texts of every language module as a system of that language draws
// them: the main window's button captions fit beside their pictures, and no
// text set as a label runs into the value after it.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "lang/string_ids.h"
#include "platform/os/win/fonts_win.h"
#include "platform/os/win/handles_win.h"
#include "platform/ui/art_ids.h"
#include "platform/ui/dialog_draw_win.h"
#include "view/gdi_canvas_win.h"
#include "view/markup.h"
#include "view/markup_layout.h"

namespace vrex {
namespace {

// A button is 90 wide; its picture starts 2 in and is followed by 4, and its
// text ends 2 before the right edge (PaintButton).
constexpr int kButtonWidth = 90;
constexpr int kButtonHeight = 19;

struct Language {
  const char* code;
  BYTE charset;  // of the system's code page: the program draws ANSI text
};
constexpr Language kLanguages[] = {{"EN", ANSI_CHARSET},       {"DE", ANSI_CHARSET}, {"ES", ANSI_CHARSET},
                                   {"FR", ANSI_CHARSET},       {"IT", ANSI_CHARSET}, {"RUS", RUSSIAN_CHARSET},
                                   {"CSY", EASTEUROPE_CHARSET}};

struct Button {
  int caption;
  int picture;
};
constexpr Button kButtons[] = {{IDS_REPORT_BUTTON, IDB_BTN_REPORT},
                               {IDS_ABOUT_BUTTON, IDB_BTN_ABOUT},
                               {IDS_LANGUAGE_BUTTON, IDB_BTN_LANG},
                               {IDS_MINIMIZE_BUTTON, IDB_BTN_MINIMIZE},
                               {IDS_CLOSE_BUTTON, IDB_BTN_CLOSE}};

// The width of the text's room beside the button's picture, set no taller than the button.
int TextRoom(int picture) {
  win::UniqueBitmap art = ui::LoadArtBitmap(picture);
  BITMAP info{};
  if (GetObjectA(art.get(), sizeof info, &info) == 0) return 0;
  int width = info.bmHeight > kButtonHeight ? info.bmWidth * kButtonHeight / info.bmHeight : info.bmWidth;
  return kButtonWidth - 2 - (2 + width + 4);
}

// Calls visit(module, language) with each language module loaded as data.
template <typename Visit>
void ForEachLanguageModule(Visit visit) {
  const char* dist = std::getenv("VREX_DIST");
  if (dist == nullptr || *dist == '\0') GTEST_SKIP() << "VREX_DIST names no program folder";
  for (const Language& language : kLanguages) {
    std::string path = std::string(dist[0] == '/' ? "Z:" : "") + dist + "/Network/VrexNet" + language.code + ".dll";
    for (char& c : path) c = c == '/' ? '\\' : c;
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr) << path;
    visit(module, language);
    FreeLibrary(module);
  }
}

TEST(ButtonCaptionsWin, EveryCaptionOfEveryLanguageFitsBesideItsPicture) {
  win::UniqueFont buttonFont = win::CreateFontFor({"MS Sans Serif", -11});
  LOGFONTA spec{};
  ASSERT_NE(GetObjectA(buttonFont.get(), sizeof spec, &spec), 0);
  win::WindowDc screen(nullptr);
  ForEachLanguageModule([&](HMODULE module, const Language& language) {
    // Measured in Unicode, which holds every language's letters whatever the
    // code page of this run, with the font in the language's character set.
    spec.lfCharSet = language.charset;
    win::UniqueFont font(CreateFontIndirectA(&spec));
    win::ScopedSelect select(screen.get(), font.get());
    for (const Button& button : kButtons) {
      wchar_t caption[128] = {};
      EXPECT_GT(LoadStringW(module, button.caption, caption, 128), 0) << language.code << " " << button.caption;
      RECT needed{0, 0, 0, 0};
      DrawTextW(screen.get(), caption, -1, &needed, DT_CALCRECT | DT_SINGLELINE);
      EXPECT_LE(needed.right, TextRoom(button.picture)) << language.code << " " << caption;
    }
  });
}

// Every text of every module, set as a label before a value column of the
// pages (the users page's and everyone else's), never touches the value.
TEST(ButtonCaptionsWin, EveryTextOfEveryLanguageStaysClearOfTheValueColumn) {
  constexpr const char* kLineForms[][2] = {
      {"<IND x=\"20\"><IMG src=\"idx:16\"></IMG><FONT color=\"clblue\">", "<FONT color=\"clmaroon\"><IND x=\"170\">"},
      {"<IMG src=\"idx:1\"></IMG> <FONT color=\"clblue\" size=\"10\">", "<IND x=\"200\"><FONT color=\"clmaroon\">"},
  };
  win::WindowDc screen(nullptr);
  view::GdiCanvas canvas(screen.get(), nullptr);
  view::MarkupOptions options;
  options.width = 4000;
  int labels = 0;
  ForEachLanguageModule([&](HMODULE module, const Language& language) {
    for (UINT id = 1; id < 4096; ++id) {
      char label[256] = {};
      if (LoadStringA(module, id, label, sizeof label) <= 0 || std::strpbrk(label, "<&\r\n") != nullptr) continue;
      ++labels;
      for (const auto& [labelStart, valueStart] : kLineForms) {
        const std::string line = std::string(labelStart) + label + valueStart + "V</FONT>";
        const view::MarkupLayout layout = view::LayoutMarkupLine(canvas, line, options);
        ASSERT_GE(layout.runs.size(), 2u) << language.code << " " << id;
        const view::MarkupRun& text = layout.runs[layout.runs.size() - 2];
        EXPECT_GT(layout.runs.back().x, text.x + text.width) << language.code << " " << id << " " << label;
      }
    }
  });
  EXPECT_GT(labels, 7 * 100);
}

}  // namespace
}  // namespace vrex
