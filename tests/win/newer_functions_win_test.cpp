// What the program does where a system lacks a newer function: each fallback
// is taken on purpose here and compared with what the function itself gives.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <functional>
#include <vector>

#include "platform/ui/widgets_win.h"
#include "platform/os/win/gdi_win.h"
#include "platform/os/win/handles_win.h"
#include "platform/os/win/network_ports_win.h"
#include "platform/os/win/newer_functions_win.h"

namespace vrex::win {
namespace {

class Missing {
 public:
  explicit Missing(NewerFunction function) : function_(function) { PretendMissing(function, true); }
  ~Missing() { PretendMissing(function_, false); }

 private:
  NewerFunction function_;
};

void Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(NewerFunctions, MonitorAreaWithoutMultiMonitorFunctionsIsThePrimaryWorkArea) {
  ASSERT_TRUE(IsAvailable(NewerFunction::MonitorFromWindow));
  RECT work;
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
  RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  // One monitor here: the monitor functions and the fallback must agree.
  EXPECT_TRUE(SameRect(MonitorArea(nullptr, true), work));
  EXPECT_TRUE(SameRect(MonitorArea(nullptr, false), screen));
  Missing missing(NewerFunction::GetMonitorInfoA);
  EXPECT_FALSE(IsAvailable(NewerFunction::GetMonitorInfoA));
  EXPECT_TRUE(SameRect(MonitorArea(nullptr, true), work));
  EXPECT_TRUE(SameRect(MonitorArea(GetDesktopWindow(), false), screen));
}

TEST(NewerFunctions, WithoutGetIfTableTheInterfaceTableIsAbsent) {
  os::win::Win32IpHelper ipHelper;
  EXPECT_TRUE(ipHelper.InterfaceTable().has_value());
  Missing missing(NewerFunction::GetIfTable);
  EXPECT_FALSE(ipHelper.InterfaceTable().has_value());
}

// A button whose hover ends is told so: by _TrackMouseEvent, or by the timer
// that stands in for it, once the cursor is elsewhere.
TEST(NewerFunctions, HoverEndsWhenTheCursorLeavesWithOrWithoutTrackMouseEvent) {
  ui::RegisterWidgetClasses(GetModuleHandleA(nullptr));
  for (bool withTracking : {true, false}) {
    std::unique_ptr<Missing> missing;
    if (!withTracking) missing = std::make_unique<Missing>(NewerFunction::TrackMouseEvent);
    UniqueWindow host(CreateWindowExA(WS_EX_TOPMOST, ui::kPanelClass, "", WS_POPUP | WS_VISIBLE, 100, 100, 200, 100,
                                      nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
    ASSERT_TRUE(host);
    int exits = 0;
    ui::ExplorerButtonStyle style;
    style.onExit = [&exits] { ++exits; };
    HWND button = ui::CreateExplorerButton(host.get(), 1, RECT{10, 10, 110, 40}, style);
    ASSERT_NE(button, nullptr);
    Pump();
    SetCursorPos(150, 125);
    SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(40, 15));
    SetCursorPos(500, 500);
    DWORD started = GetTickCount();
    while (exits == 0 && GetTickCount() - started < 3000) {
      Pump();
      Sleep(10);
    }
    EXPECT_EQ(exits, 1) << (withTracking ? "with" : "without") << " _TrackMouseEvent";
  }
}

// Pixels of a 40 x 20 picture drawn by draw over a chequered background.
std::vector<COLORREF> Drawn(const std::function<void(HDC)>& draw) {
  WindowDc screen(nullptr);
  UniqueBitmap target(CreateCompatibleBitmap(screen.get(), 40, 20));
  UniqueDc dc(CreateCompatibleDC(screen.get()));
  ScopedSelect select(dc.get(), target.get());
  for (int x = 0; x < 40; ++x)
    for (int y = 0; y < 20; ++y) SetPixel(dc.get(), x, y, (x / 4 + y / 4) % 2 ? RGB(10, 200, 30) : RGB(250, 240, 5));
  draw(dc.get());
  std::vector<COLORREF> pixels;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 40; ++x) pixels.push_back(GetPixel(dc.get(), x, y));
  return pixels;
}

// The number of pixels that differ by more than tolerance in a channel.
int Differences(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b, int tolerance) {
  int count = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    for (int shift : {0, 8, 16})
      if (std::abs(static_cast<int>(a[i] >> shift & 0xFF) - static_cast<int>(b[i] >> shift & 0xFF)) > tolerance) {
        ++count;
        break;
      }
  }
  return count;
}

// A 10 x 5 picture: key-coloured border, coloured inside.
void WithPicture(const std::function<void(HDC)>& use) {
  WindowDc screen(nullptr);
  UniqueBitmap picture(CreateCompatibleBitmap(screen.get(), 10, 5));
  UniqueDc dc(CreateCompatibleDC(screen.get()));
  ScopedSelect select(dc.get(), picture.get());
  for (int x = 0; x < 10; ++x)
    for (int y = 0; y < 5; ++y)
      SetPixel(dc.get(), x, y, x == 0 || y == 0 || x == 9 ? RGB(255, 0, 255) : RGB(x * 25, y * 50, 90 + x));
  use(dc.get());
}

TEST(NewerFunctions, DrawingWithoutMsimg32LooksAsMsimg32Draws) {
  HMODULE msimg32 = LoadLibraryA("msimg32.dll");
  ASSERT_NE(msimg32, nullptr);
  auto transparentBlt = reinterpret_cast<BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, UINT)>(
      reinterpret_cast<void*>(GetProcAddress(msimg32, "TransparentBlt")));
  auto alphaBlend = reinterpret_cast<BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION)>(
      reinterpret_cast<void*>(GetProcAddress(msimg32, "AlphaBlend")));
  auto gradientFill = reinterpret_cast<BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG)>(
      reinterpret_cast<void*>(GetProcAddress(msimg32, "GradientFill")));
  ASSERT_TRUE(transparentBlt && alphaBlend && gradientFill);

  WithPicture([&](HDC picture) {
    // Stretched to twice the size, keyed border left out.
    auto ours = Drawn([&](HDC dc) { DrawKeyed(dc, RECT{3, 2, 23, 12}, picture, 10, 5, RGB(255, 0, 255)); });
    auto theirs = Drawn([&](HDC dc) { transparentBlt(dc, 3, 2, 20, 10, picture, 0, 0, 10, 5, RGB(255, 0, 255)); });
    EXPECT_EQ(Differences(ours, theirs, 0), 0);
    EXPECT_NE(Differences(ours, Drawn([](HDC) {}), 0), 0);

    ours = Drawn([&](HDC dc) { BlendOnto(dc, 5, 3, 10, 5, picture, 96); });
    theirs = Drawn([&](HDC dc) { alphaBlend(dc, 5, 3, 10, 5, picture, 0, 0, 10, 5, {AC_SRC_OVER, 0, 96, 0}); });
    EXPECT_EQ(Differences(ours, theirs, 1), 0);
  });

  auto ours = Drawn([](HDC dc) { FillGradient(dc, RECT{2, 1, 38, 19}, RGB(64, 0, 128), RGB(174, 187, 219)); });
  auto theirs = Drawn([&](HDC dc) {
    TRIVERTEX ends[2] = {{2, 1, 64 << 8, 0, 128 << 8, 0}, {38, 19, 174 << 8, 187 << 8, 219 << 8, 0}};
    GRADIENT_RECT span{0, 1};
    gradientFill(dc, ends, 2, &span, 1, GRADIENT_FILL_RECT_H);
  });
  EXPECT_EQ(Differences(ours, theirs, 3), 0);
  FreeLibrary(msimg32);
}

}  // namespace
}  // namespace vrex::win
