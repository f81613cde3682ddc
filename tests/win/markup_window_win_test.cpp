// Display lines drawn through GDI: heights against the real font metrics,
// and a top-level window showing every line template one row under the
// other.  With VREX_SCREENSHOTS set, the window stays up for a moment and a
// picture of it is written to $VREX_SCREENSHOTS/markup-window.bmp.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/art_ids.h"
#include "platform/os/win/handles_win.h"
#include "view/gdi_canvas_win.h"
#include "view/markup.h"
#include "platform/wrap_value_lines.h"

namespace vrex::view {
namespace {

void DestroyImageListHandle(HIMAGELIST list) { ImageList_Destroy(list); }
using UniqueImageList = win::UniqueHandle<HIMAGELIST, DestroyImageListHandle>;

UniqueImageList LoadImageList1() {
  UniqueImageList list(ImageList_Create(ART_ICON_SIZE, ART_ICON_SIZE, ILC_COLOR24 | ILC_MASK, ART_IMAGELIST1_COUNT, 0));
  win::UniqueBitmap strip(static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_IMAGELIST1),
                                                          IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (list && strip) ImageList_AddMasked(list.get(), strip.get(), ART_KEY_COLOUR);
  return list;
}

constexpr int kTextLeft = 15;  // the right pane's line indent (14) + 1
constexpr int kClientWidth = 640;
constexpr int kPaneWidth = kClientWidth - 10;  // less the pane's 10-pixel scroll bar

struct Row {
  std::string line;
  int width = kPaneWidth - kTextLeft;
  bool wordWrap = true;
};

std::string LabelValue(const std::string& opening, const std::string& label, const std::string& value) {
  return opening + label + "<IND x=\"200\"><FONT color=\"clmaroon\">" + value + "</FONT>";
}

std::vector<Row> TemplateRows() {
  const std::string valueLine = "<FONT color=\"clmaroon\"><IND x=\"170\">";
  std::vector<Row> rows = {
      {LabelValue("<IMG src=\"idx:0\"></IMG> <FONT size=\"10\" color=\"clblue\">", "Host name", "WORKSTATION-07")},
      {LabelValue("<IMG src=\"idx:1\"></IMG><FONT size=\"10\" color=\"clblue\">", "Adapter", "Realtek RTL8139")},
      {LabelValue("<IMG src=\"idx:7\"></IMG> <FONT color=\"clblue\" size=\"10\">", "Mail server", "mail.example.net")},
      {LabelValue("<IMG src=\"idx:9\"></IMG><FONT color=\"clblue\" size=\"10\">", "Browser", "Version 6.0.2800")},
      {"<IMG src=\"idx:3\"></IMG> <FONT color=\"clblue\" size=\"10\">Client for Microsoft Networks</FONT>"},
      {"<FONT color=\"clnavy\" size=\"11\">Realtek RTL8139(A) PCI Fast Ethernet Adapter</FONT>"},
      {"<FONT color=\"clnavy\" size=\"10\">TCP/IP settings</FONT>"},
      {"<FONT color=\"clnavy\" size=\"12\">Dial-up: Office line</FONT>"},
      {"<FONT size=\"14\" color=\"clblue\">Basic information</FONT>"},
      {"<IND x=\"10\"><FONT color=\"clgreen\" size=\"10\">Administrator</FONT>"},
      {"<IND x=\"20\"><IMG src=\"idx:16\"></IMG><FONT color=\"clblue\">Comment" + valueLine +
       WrapValueLines("Built-in account for administering the computer/domain", 170, 30, 4) + "</FONT>"},
      {"<IND x=\"20\"><IMG src=\"idx:19\"></IMG><FONT color=\"clblue\">Last logon" + valueLine + "03/06/2002</FONT>"},
      {"<IND x=\"30\"><IMG src=\"idx:12\"></IMG><FONT color=\"clblue\">Password never expires</FONT>"},
      {"<IND x=\"30\"><FONT color=\"clblue\"><IMG src=\"idx:13\"></IMG>Account disabled</FONT>"},
      {"<FONT COLOR=\"clmaroon\"> <IND x=\"20\">" +
       WrapValueLines("Members can fully administer the computer and the domain they belong to", 20, 50, 4) +
       "</FONT>"},
      {"<IMG src=\"idx:6\"></IMG> <FONT color=\"clnavy\" SIZE=\"10\">TCP</FONT>"},
      {"<FONT COLOR=\"clblue\" SIZE=\"8\">Local adress: <IND x=\"200\"><FONT "
       "color=\"clmaroon\">WORKSTATION-07:1025</FONT>"},
      {"<FONT COLOR=\"clblue\" SIZE=\"8\">State:<IND x=\"200\"><FONT color=\"clmaroon\">ESTABLISHED</FONT>"},
      {LabelValue("<IMG src=\"idx:5\"></IMG> <FONT size=\"10\" color=\"clblue\">", "Description",
                  "Microsoft TCP/IP version 6 with NetBIOS over TCP/IP and the Windows Sockets 2 service provider"),
       330},
      {LabelValue("<IMG src=\"idx:8\"></IMG> <FONT size=\"10\" color=\"clblue\">", "Proxy bypass",
                  "R&D servers and R&amp;D labs")},
      {"<FONT color=\"clblue\">Before the cut</FONT> <FONT color=\"clred\" never shown"},
      {"<IMG src=\"idx:2\"> <FONT color=\"clred\">A plain line & its tags, shown as written"},
      {LabelValue("<IMG src=\"idx:10\"></IMG> <FONT size=\"10\" color=\"clblue\">", "No word wrap",
                  "a value much too long for the narrow area it is given"),
       330, false},
      {"<FONT color=\"clblack\" size=\"10\">Above the rule<HR color=\"clblue\">below the rule</FONT>"},
  };
  // Every icon of the strip; number 22 is past the last one and leaves no gap before "|end".
  std::string icons = "<FONT color=\"clblue\">Icons:</FONT> ";
  for (int i = 0; i <= ART_IMAGELIST1_COUNT; ++i)
    icons.append("<IMG src=\"idx:").append(std::to_string(i)).append("\"></IMG>");
  rows.push_back({icons + "|end</FONT>"});
  return rows;
}

struct PlacedRow {
  int top;
  int height;
};

MarkupOptions OptionsFor(const Row& row) {
  MarkupOptions options;
  options.width = row.width;
  options.wordWrap = row.wordWrap;
  return options;
}

// Paints the rows as the right pane would: white background, a silver line at
// the bottom of each row, narrow text areas tinted so their edge shows.
std::vector<PlacedRow> PaintRows(Canvas& canvas, const std::vector<Row>& rows, int height) {
  canvas.FillRect({0, 0, kClientWidth, height}, Colour::System(COLOR_WINDOW));
  std::vector<PlacedRow> placed;
  int top = 4;
  for (const auto& row : rows) {
    MarkupOptions options = OptionsFor(row);
    int rowHeight = MeasureMarkupLine(canvas, row.line, options);
    if (row.width != kPaneWidth - kTextLeft) {
      canvas.FillRect({kTextLeft, top, kTextLeft + row.width, top + rowHeight}, Colour::Rgb(255, 255, 225));
    }
    DrawMarkupLine(canvas, row.line, kTextLeft, top, options);
    canvas.DrawHorizontalLine(0, kClientWidth, top + rowHeight - 1, Colour::Rgb(220, 220, 220));
    placed.push_back({top, rowHeight});
    top += rowHeight;
  }
  return placed;
}

int TotalHeight(const std::vector<Row>& rows) {
  win::WindowDc screen(nullptr);
  GdiCanvas canvas(screen.get(), nullptr);
  int total = 8;
  for (const auto& row : rows) total += MeasureMarkupLine(canvas, row.line, OptionsFor(row));
  return total;
}

// A 24-bit bottom-up picture to draw into and read back, laid out as a BMP file's pixels.
class Offscreen {
 public:
  Offscreen(int width, int height) : width_(width), height_(height) {
    win::WindowDc screen(nullptr);
    dc_.reset(CreateCompatibleDC(screen.get()));
    info_.biSize = sizeof info_;
    info_.biWidth = width;
    info_.biHeight = height;
    info_.biPlanes = 1;
    info_.biBitCount = 24;
    info_.biCompression = BI_RGB;
    info_.biSizeImage = static_cast<DWORD>(Stride() * height);
    void* bits = nullptr;
    bitmap_.reset(
        CreateDIBSection(dc_.get(), reinterpret_cast<BITMAPINFO*>(&info_), DIB_RGB_COLORS, &bits, nullptr, 0));
    bits_ = static_cast<const BYTE*>(bits);
    if (bitmap_) selected_.emplace(dc_.get(), bitmap_.get());
  }

  HDC dc() const { return dc_.get(); }
  bool Valid() const { return bits_ != nullptr; }
  COLORREF Pixel(int x, int y) const {
    GdiFlush();
    const BYTE* p = bits_ + (height_ - 1 - y) * Stride() + x * 3;
    return RGB(p[2], p[1], p[0]);
  }
  // Pixels in [left, right) x [top, bottom) that pass the test.
  template <typename Test>
  int Count(int left, int top, int right, int bottom, Test test) const {
    int count = 0;
    for (int y = std::max(top, 0); y < std::min(bottom, height_); ++y) {
      for (int x = std::max(left, 0); x < std::min(right, width_); ++x) count += test(Pixel(x, y)) ? 1 : 0;
    }
    return count;
  }
  bool Save(const std::string& file) const {
    GdiFlush();
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;  // "BM"
    header.bfOffBits = sizeof header + sizeof info_;
    header.bfSize = header.bfOffBits + info_.biSizeImage;
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(reinterpret_cast<const char*>(&info_), sizeof info_);
    out.write(reinterpret_cast<const char*>(bits_), info_.biSizeImage);
    return static_cast<bool>(out);
  }

 private:
  int Stride() const { return (width_ * 3 + 3) & ~3; }
  int width_, height_;
  BITMAPINFOHEADER info_{};
  win::UniqueDc dc_;
  win::UniqueBitmap bitmap_;
  std::optional<win::ScopedSelect> selected_;  // released before the bitmap
  const BYTE* bits_ = nullptr;
};

// Core pixels of a stroke carry the text colour; smoothed edges are ignored.
bool IsBlue(COLORREF c) { return GetBValue(c) >= 200 && GetRValue(c) <= 60 && GetGValue(c) <= 60; }
bool IsNavy(COLORREF c) {
  return GetBValue(c) >= 100 && GetBValue(c) <= 160 && GetRValue(c) <= 40 && GetGValue(c) <= 40;
}
bool IsMaroon(COLORREF c) {
  return GetRValue(c) >= 100 && GetRValue(c) <= 160 && GetGValue(c) <= 40 && GetBValue(c) <= 40;
}
bool IsRed(COLORREF c) { return GetRValue(c) >= 200 && GetGValue(c) <= 60 && GetBValue(c) <= 60; }
bool IsMagenta(COLORREF c) { return c == RGB(255, 0, 255); }
bool IsColoured(COLORREF c) {
  int high = std::max({GetRValue(c), GetGValue(c), GetBValue(c)});
  int low = std::min({GetRValue(c), GetGValue(c), GetBValue(c)});
  return high - low > 60;
}

win::UniqueFont SansSerif(HDC dc, int points) {
  return win::UniqueFont(CreateFontA(-MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, 0, 0, 0,
                                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                     DEFAULT_PITCH, "MS Sans Serif"));
}

int FontHeight(HDC dc, int points) {
  win::UniqueFont font = SansSerif(dc, points);
  win::ScopedSelect selected(dc, font.get());
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  return metrics.tmHeight;
}

int TextWidth(HDC dc, int points, const std::string& text) {
  win::UniqueFont font = SansSerif(dc, points);
  win::ScopedSelect selected(dc, font.get());
  SIZE size{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

TEST(MarkupGdi, MeasuredHeightsFollowTheFontMetrics) {
  Offscreen picture(100, 100);
  ASSERT_TRUE(picture.Valid());
  HDC dc = picture.dc();
  GdiCanvas canvas(dc, nullptr);
  const int h8 = FontHeight(dc, 8);
  const int h10 = FontHeight(dc, 10);
  const int h14 = FontHeight(dc, 14);
  ASSERT_GT(h8, 0);
  ASSERT_GT(h14, h8);
  MarkupOptions options;
  options.width = 600;

  EXPECT_EQ(MeasureMarkupLine(canvas, "<FONT size=\"10\">Label</FONT>", options), h10 + 2);
  EXPECT_EQ(MeasureMarkupLine(canvas, "<FONT size=\"14\">Big</FONT>small</FONT>", options), h14 + 2);
  EXPECT_EQ(MeasureMarkupLine(canvas, "A<BR>B</FONT>", options), 2 * h8 + 2);
  EXPECT_EQ(MeasureMarkupLine(canvas, "<IMG src=\"idx:0\"></IMG> <FONT size=\"10\">L</FONT>", options),
            std::max(16, h10) + 2);
  // Three words in an area that holds only one of them: three visual lines.
  options.width = std::max({TextWidth(dc, 10, "alpha"), TextWidth(dc, 10, "bravo"), TextWidth(dc, 10, "charlie")}) + 2;
  EXPECT_EQ(MeasureMarkupLine(canvas, "<FONT size=\"10\">alpha bravo charlie</FONT>", options), 3 * h10 + 2);

  // Runs are measured the way DrawText shows them: '&' marks, "&&" is one '&'.
  Font font;
  EXPECT_EQ(canvas.TextExtent(font, "R&D").width, TextWidth(dc, 8, "RD"));
  EXPECT_EQ(canvas.TextExtent(font, "R&&D").width, TextWidth(dc, 8, "R&D"));
  EXPECT_EQ(canvas.TextExtent(font, "R&D").height, h8);
}

struct WindowState {
  std::vector<Row> rows;
  HIMAGELIST images = nullptr;
  int height = 0;
  bool painted = false;
};

LRESULT CALLBACK MarkupWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<WindowState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  switch (message) {
    case WM_NCCREATE:
      SetWindowLongPtrA(window, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
      break;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      if (state != nullptr) {
        GdiCanvas canvas(dc, state->images);
        PaintRows(canvas, state->rows, state->height);
        state->painted = true;
      }
      EndPaint(window, &paint);
      return 0;
    }
    default: break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void PumpMessages(DWORD milliseconds) {
  DWORD start = GetTickCount();
  for (;;) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    DWORD elapsed = GetTickCount() - start;
    if (elapsed >= milliseconds) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_ALLINPUT);
  }
}

// $VREX_SCREENSHOTS holds a Unix folder; Wine maps / to drive Z:.
std::string ScreenshotFolder() {
  const char* folder = std::getenv("VREX_SCREENSHOTS");
  if (folder == nullptr || *folder == '\0') return {};
  std::string path = folder;
  if (path[0] == '/') path = "Z:" + path;
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

TEST(MarkupWindow, DrawsEveryTemplate) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  UniqueImageList images = LoadImageList1();
  ASSERT_TRUE(images);
  ASSERT_EQ(ImageList_GetImageCount(images.get()), ART_IMAGELIST1_COUNT);

  WindowState state;
  state.rows = TemplateRows();
  state.images = images.get();
  state.height = TotalHeight(state.rows);

  // The same painting, off screen, is checked pixel by pixel.
  Offscreen picture(kClientWidth, state.height);
  ASSERT_TRUE(picture.Valid());
  std::vector<PlacedRow> placed;
  {
    GdiCanvas canvas(picture.dc(), images.get());
    placed = PaintRows(canvas, state.rows, state.height);
  }
  auto inRow = [&](std::size_t row, int left, int right, auto test) {
    return picture.Count(kTextLeft + left, placed[row].top, kTextLeft + right, placed[row].top + placed[row].height,
                         test);
  };
  for (std::size_t row = 0; row < 4; ++row) {
    SCOPED_TRACE("label and value form " + std::to_string(row));
    // Blue label left of x = 200, maroon value from there on, the icon without its magenta key colour.
    EXPECT_GT(inRow(row, 16, 200, IsBlue), 10);
    EXPECT_EQ(inRow(row, 0, 200, IsMaroon), 0);
    EXPECT_GT(inRow(row, 200, 400, IsMaroon), 10);
    EXPECT_EQ(inRow(row, 200, 400, IsBlue), 0);
    EXPECT_GT(inRow(row, 0, 16, [](COLORREF c) { return c != RGB(255, 255, 255); }), 20);
    EXPECT_EQ(inRow(row, 0, 16, IsMagenta), 0);
  }
  EXPECT_GT(inRow(5, 0, 400, IsNavy), 10);  // adapter heading
  // A '<' without '>': the blue text before it shows, the red text after it does not.
  EXPECT_GT(inRow(20, 0, 600, IsBlue), 10);
  EXPECT_EQ(inRow(20, 0, 600, IsRed), 0);
  // A line without "</" is text in the row's colour: no red, no icon.
  EXPECT_EQ(inRow(21, 0, 600, IsColoured), 0);
  // A long value in a narrow area wraps: that row is at least three text lines high.
  EXPECT_GE(placed[18].height, 3 * FontHeight(picture.dc(), 10) + 2);

  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = MarkupWindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.lpszClassName = "VrexMarkupTest";
  RegisterClassA(&windowClass);
  RECT frame{0, 0, kClientWidth, state.height};
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  AdjustWindowRect(&frame, style, FALSE);
  win::UniqueWindow window(CreateWindowExA(0, "VrexMarkupTest", "Markup test", style, 10, 10, frame.right - frame.left,
                                           frame.bottom - frame.top, nullptr, nullptr, GetModuleHandleA(nullptr),
                                           &state));
  ASSERT_TRUE(window);
  ShowWindow(window.get(), SW_SHOWNORMAL);
  UpdateWindow(window.get());
  EXPECT_TRUE(state.painted);
  char title[32] = {};
  GetWindowTextA(window.get(), title, sizeof title);
  EXPECT_STREQ(title, "Markup test");

  std::string folder = ScreenshotFolder();
  if (!folder.empty()) {
    SetWindowPos(window.get(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    PumpMessages(1500);
    CreateDirectoryA(folder.c_str(), nullptr);
    RECT bounds;
    GetWindowRect(window.get(), &bounds);
    win::WindowDc screen(nullptr);
    Offscreen shot(bounds.right - bounds.left, bounds.bottom - bounds.top);
    ASSERT_TRUE(shot.Valid());
    BitBlt(shot.dc(), 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top, screen.get(), bounds.left,
           bounds.top, SRCCOPY);
    EXPECT_TRUE(shot.Save(folder + "\\markup-window.bmp"));
  }
  window.reset();
  UnregisterClassA("VrexMarkupTest", GetModuleHandleA(nullptr));
}

}  // namespace
}  // namespace vrex::view
