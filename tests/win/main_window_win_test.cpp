// The main window under Wine: real list boxes driven with real mouse and key
// messages at row coordinates.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "app/netfrm_win.h"
#include "main_window_fixture.h"
#include "platform/ui/widgets_win.h"
#include "lang/language.h"
#include "support/memory/memory_ports.h"
#include "platform/os/win/win_ports_win.h"

namespace vrex::app {
namespace {

using namespace test;

std::vector<std::string> ManyLines(const char* label, int count) {
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i)
    lines.push_back(std::string("<IMG src=\"idx:6\"></IMG> <FONT size=\"10\" color=\"clblue\">") + label + " " +
                    std::to_string(i) + " <IND x=\"200\"><FONT color=\"clmaroon\"> value " + std::to_string(i) +
                    " </FONT>");
  return lines;
}

class MainWindowTest : public MainWindowFixture {};

TEST_F(MainWindowTest, StartsWithContractedCatalogueAndEmptyRightPane) {
  EXPECT_EQ(RowCount(left), 3);
  EXPECT_EQ(RowCount(right), 0);
  RECT outer;
  GetWindowRect(form->Handle(), &outer);
  EXPECT_EQ(outer.right - outer.left, kMainWidth);
  EXPECT_EQ(outer.bottom - outer.top, kMainHeight);
}

// The window sizes down to the form's design and no further; the right pane
// takes what it gains.
TEST_F(MainWindowTest, ResizingKeepsTheSmallestSizeAndThePanesFollow) {
  struct Case {
    int width, height;            // asked for
    int outerWidth, outerHeight;  // given
    int paneWidth, paneHeight;    // the right pane
  };
  for (const Case& c : {Case{300, 200, 587, 486, 345, 329}, Case{800, 600, 800, 600, 558, 443}}) {
    SetWindowPos(form->Handle(), nullptr, 0, 0, c.width, c.height, SWP_NOMOVE | SWP_NOZORDER);
    RECT outer, pane;
    GetWindowRect(form->Handle(), &outer);
    GetWindowRect(right, &pane);
    EXPECT_EQ(outer.right - outer.left, c.outerWidth) << c.width;
    EXPECT_EQ(outer.bottom - outer.top, c.outerHeight) << c.width;
    EXPECT_EQ(pane.right - pane.left, c.paneWidth) << c.width;
    EXPECT_EQ(pane.bottom - pane.top, c.paneHeight) << c.width;
  }
}

TEST_F(MainWindowTest, ButtonsShowTheirHoverImageOnlyWhileTheMouseIsOverThem) {
  HWND strip = GetDlgItem(form->Handle(), kPanel3);
  for (int id : {kReportBtn, kAboutBtn, kLangBtn, kMinimizeBtn, kCloseBtn}) {
    HWND button = GetDlgItem(strip, id);
    ASSERT_NE(button, nullptr);
    HBITMAP resting = ui::ButtonImage(button);
    PostMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    Pump();
    EXPECT_NE(ui::ButtonImage(button), resting) << id;
    PostMessageA(button, WM_MOUSELEAVE, 0, 0);
    Pump();
    EXPECT_EQ(ui::ButtonImage(button), resting) << id;
  }
}

TEST_F(MainWindowTest, MinimiseButtonMinimisesTheWindowAndRestoringKeepsThePanes) {
  ClickRow(left, 0);
  HWND minimise = GetDlgItem(GetDlgItem(form->Handle(), kPanel3), kMinimizeBtn);
  PostMessageA(minimise, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  PostMessageA(minimise, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  Pump();
  EXPECT_TRUE(IsIconic(form->Handle()));
  ShowWindow(form->Handle(), SW_RESTORE);
  Pump();
  EXPECT_FALSE(IsIconic(form->Handle()));
  EXPECT_EQ(RowCount(left), 10);
  EXPECT_EQ(Right().SectionCount(), 8);
}

TEST_F(MainWindowTest, SubItemClickBuildsThePageAndOpensItsSectionAtTheTop) {
  form->CatalogueGatherers().winsocktostringlst = [] { return ManyLines("Winsock", 40); };
  ClickRow(left, 0);  // expand the first section
  ASSERT_EQ(RowCount(left), 10);
  ASSERT_EQ(Right().SectionCount(), 8);
  ClickRow(left, 6);  // Winsock
  EXPECT_EQ(Right().Section(6).State(), view::TListSectionState::lssExpanded);
  for (int i : {0, 1, 5, 7}) EXPECT_EQ(Right().Section(i).State(), view::TListSectionState::lssContracted);
  EXPECT_EQ(RowCount(right), 8 + 40);
  EXPECT_EQ(SendMessageA(right, LB_GETTOPINDEX, 0, 0), 6);
  // A second click rebuilds the page and leaves the section open.
  ClickRow(left, 6);
  EXPECT_EQ(Right().Section(6).State(), view::TListSectionState::lssExpanded);
  EXPECT_EQ(RowCount(right), 48);
}

TEST_F(MainWindowTest, ContractingAnyLeftSectionClearsTheRightPane) {
  ClickRow(left, 0);  // section 0 open, its page shown
  ClickRow(left, 8);  // header of section 1: its page replaces it
  ASSERT_EQ(Right().SectionCount(), 5);
  ClickRow(left, 0);  // contract section 0, whose page is not shown
  EXPECT_EQ(RowCount(right), 0);
  EXPECT_EQ(Right().SectionCount(), 0);
}

TEST_F(MainWindowTest, RightHeaderClickTogglesTheSectionOpenAndShut) {
  form->CatalogueGatherers().zakladniinfotostringlst = [] { return ManyLines("Basic", 6); };
  ClickRow(left, 0);
  ClickRow(right, 1);
  EXPECT_EQ(Right().Section(1).State(), view::TListSectionState::lssExpanded);
  EXPECT_EQ(RowCount(right), 8 + 6);
  ClickRow(right, 1);
  EXPECT_EQ(Right().Section(1).State(), view::TListSectionState::lssContracted);
  EXPECT_EQ(RowCount(right), 8);
}

TEST_F(MainWindowTest, SpaceKeyOnASelectedSubItemActsLikeAClick) {
  form->CatalogueGatherers().clientstostringlst = [] { return ManyLines("Client", 3); };
  ClickRow(left, 0);
  SendMessageA(left, LB_SETCURSEL, 5, 0);  // Clients, selected by the keyboard
  PressSpace(left);
  EXPECT_EQ(Right().Section(5).State(), view::TListSectionState::lssExpanded);
  EXPECT_EQ(Right().Section(5).SubItems().Count(), 3);
}

// Also prints the time of a rebuild with its paint: the GDI work cannot be
// timed natively (benchmarks/page_bench.cpp times the rest).
TEST_F(MainWindowTest, PageOfThreeHundredMarkupLinesHoldsThemAllAndIsPainted) {
  form->CatalogueGatherers().winsocktostringlst = [] { return ManyLines("Connection", 300); };
  ClickRow(left, 0);
  ClickRow(left, 6);  // warm up: fonts and image lists
  double best = 1e9;
  for (int run = 0; run < 5; ++run) {
    auto start = std::chrono::steady_clock::now();
    ClickRow(left, 6);
    UpdateWindow(right);
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    best = std::min(best, ms);
  }
  ASSERT_EQ(RowCount(right), 8 + 300);
  EXPECT_EQ(Right().RowText(7 + 299), ManyLines("Connection", 300).back());
  EXPECT_EQ(Right().RowText(7 + 300), Right().Section(7).Caption());
  // Nothing of the pane is left to draw, and the Winsock header at the top is drawn in its colour.
  EXPECT_FALSE(GetUpdateRect(right, nullptr, FALSE));
  ASSERT_EQ(SendMessageA(right, LB_GETTOPINDEX, 0, 0), 6);
  RECT header = RowRect(right, 6);
  HDC dc = GetDC(right);
  COLORREF fill = GetPixel(dc, header.right - 6, (header.top + header.bottom) / 2);
  ReleaseDC(right, dc);
  EXPECT_EQ(fill, RGB(219, 219, 219));
  std::printf("page rebuild, 300 markup lines: %.2f ms\n", best);
  double handler = 1e9;
  for (int run = 0; run < 5; ++run) {
    RECT rect = RowRect(left, 6);
    LPARAM at = MAKELPARAM(60, (rect.top + rect.bottom) / 2);
    auto start = std::chrono::steady_clock::now();
    SendMessageA(left, WM_LBUTTONDOWN, MK_LBUTTON, at);
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    handler = std::min(handler, ms);
    SendMessageA(left, WM_LBUTTONUP, 0, at);
    Pump();
    UpdateWindow(right);
  }
  std::printf("rebuild in the click handler: %.2f ms\n", handler);
  RecordProperty("page_rebuild_ms", std::to_string(best));
}

TEST(MainWindowStartUp, AFailingDeviceStepIsShownAndTheRemainingStepsStillRun) {
  os::win::InstallWin32Ports();
  os::memory::RecordingMessageBoxes messages;
  os::Ports ports = os::Os();
  ports.messages = &messages;
  os::InstallPorts(ports);
  TNETFrm form(GetModuleHandleA(nullptr));
  form.refreshDevices = [] { throw std::runtime_error("The device database cannot be deciphered."); };
  ASSERT_TRUE(form.Create());
  Pump();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "The device database cannot be deciphered.");
  // Steps 8 to 10 ran: the network object was gathered and the wait note is gone.
  auto winsock = form.CatalogueGatherers().winsocktostringlst();
  ASSERT_EQ(winsock.size(), 4u);
  EXPECT_NE(winsock[2].find("Running"), std::string::npos);
  EXPECT_EQ(FindWindowA(nullptr, GetLangString(14).c_str()), nullptr);
  DestroyWindow(form.Handle());
  Pump();
  UnloadLanguageModule();
}

// The main window over the Win32 ports, some of them replaced by the test's,
// for the life of the object.
class FormOverPorts {
 public:
  explicit FormOverPorts(const std::function<void(os::Ports&)>& replace) {
    os::win::InstallWin32Ports();
    os::Ports ports = os::Os();
    ports.messages = &messages;
    replace(ports);
    os::InstallPorts(ports);
    created = form.Create();
    ShowWindow(form.Handle(), SW_SHOW);
    Pump();
  }
  ~FormOverPorts() {
    DestroyWindow(form.Handle());
    Pump();
    UnloadLanguageModule();
    ActiveConnections.clear();
    os::win::InstallWin32Ports();
  }
  FormOverPorts(const FormOverPorts&) = delete;
  FormOverPorts& operator=(const FormOverPorts&) = delete;

  os::memory::RecordingMessageBoxes messages;
  TNETFrm form{GetModuleHandleA(nullptr)};
  bool created = false;
};

TEST(MainWindowStartUp, CollectsTheActiveConnectionsExceptUnderWindowsNT4) {
  os::win::InstallWin32Ports();
  struct Case {
    std::uint32_t major;  // of a Windows NT version
    int agentStarts;
    std::size_t lines;
  };
  for (const Case& c : {Case{4, 0, 0}, Case{5, 1, 4}}) {
    // The system's own answers, but for the version.
    os::memory::MemorySystem system;
    system.exePath = os::SystemPort().ExePath();
    system.systemDirectory = os::SystemPort().SystemDirectory();
    system.windowsDirectory = os::SystemPort().WindowsDirectory();
    system.langId = os::SystemPort().GetSystemDefaultLangID();
    system.SetVersion(2, c.major, 0);
    os::memory::MemorySockets sockets;
    os::memory::MemorySnmpAgent agent;
    agent.AddTcpRow(5, {10, 0, 0, 2}, 1025, {10, 0, 0, 9}, 80);
    FormOverPorts window([&](os::Ports& ports) {
      ports.system = &system;
      ports.sockets = &sockets;
      ports.snmp = &agent;
    });
    ASSERT_TRUE(window.created);
    EXPECT_EQ(agent.inits, c.agentStarts) << "NT " << c.major;
    EXPECT_EQ(ActiveConnections.size(), c.lines) << "NT " << c.major;
  }
}

// Pumps messages until the online detector has ticked again (it looks the
// host name up), at most three seconds.
bool WaitForDetectorTick(const os::memory::MemorySockets& sockets) {
  const int lookups = sockets.addressLookups;
  const DWORD start = GetTickCount();
  while (sockets.addressLookups == lookups) {
    if (GetTickCount() - start > 3000) return false;
    Pump();
    Sleep(10);
  }
  return true;
}

// The basic information page shows the online detector's state of the moment
// the page is built: a routable address is on line, the loopback address off
// line, with no dial-up connection either time.
TEST(MainWindowOnline, BasicInformationPageShowsTheDetectorsState) {
  os::memory::MemorySockets sockets;
  sockets.hostName = "desk";
  os::memory::MemoryRegistry registry;
  registry.SetRaw(os::RootKey::LocalMachine, "System\\CurrentControlSet\\Services\\RemoteAccess", "Remote Connection",
                  3, {0, 0, 0, 0});
  FormOverPorts window([&](os::Ports& ports) {
    ports.sockets = &sockets;
    ports.registry = &registry;
  });
  ASSERT_TRUE(window.created);
  HWND left = window.form.SectionListBox1().Handle();
  view::TSectionListBox& right = window.form.SectionListBox2().Model();
  ClickRow(left, 0);  // open the first section
  struct Case {
    os::Ipv4 address;
    const char* shown;
  };
  for (const Case& c : {Case{{10, 0, 0, 2}, "ON-LINE"}, Case{{127, 0, 0, 1}, "OFF-LINE"}}) {
    sockets.AddHost("desk", {c.address});
    ASSERT_TRUE(WaitForDetectorTick(sockets));
    ClickRow(left, 1);  // Basic information: section 1 of the page, six lines
    ASSERT_EQ(right.Section(1).SubItems().Count(), 6);
    const std::string& line = right.RowText(right.HeaderRow(1) + 6);
    EXPECT_NE(line.find(std::string("<FONT color=\"clmaroon\"> ") + c.shown + " </FONT>"), std::string::npos) << line;
  }
}

// A section list alone in a top-level window.
class SectionListWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    os::win::InstallWin32Ports();
    host = CreateWindowExA(0, "STATIC", "list host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 300, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  }
  void TearDown() override { DestroyWindow(host); }

  HWND host = nullptr;
  view::SectionListBoxWin list;
};

// A check box section, as the report window uses it.
TEST_F(SectionListWindow, CheckBoxesToggleOnlyInsideTheirXRange) {
  ASSERT_TRUE(list.Create(host, 1, RECT{0, 0, 280, 260}, view::SectionListArt{}, 16));
  auto& section = list.Model().AddSection();
  section.SetCaption("Report");
  section.controlType = view::TSectionControlType::scCheckbox;
  section.readOnly = false;
  section.SubItems().Assign({"one", "two"});
  section.SetState(view::TListSectionState::lssExpanded);
  int checks = 0;
  list.Model().OnCheckBoxClick = [&](view::TSectionListBox&, int, int) { ++checks; };
  ClickRow(list.Handle(), 1, 40);  // on the text
  EXPECT_FALSE(section.GetSubItemCheck(0));
  ClickRow(list.Handle(), 1, 20);  // inside the box
  EXPECT_TRUE(section.GetSubItemCheck(0));
  ClickRow(list.Handle(), 1, 29);  // on its right edge
  EXPECT_TRUE(section.GetSubItemCheck(0));
  ClickRow(list.Handle(), 2, 14);  // on its left edge
  EXPECT_FALSE(section.GetSubItemCheck(1));
  PressSpace(list.Handle());  // row 2 is selected
  EXPECT_TRUE(section.GetSubItemCheck(1));
  EXPECT_EQ(SendMessageA(list.Handle(), LB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(checks, 2);
}

// A long list scrolls a row at a time by its own narrow scroll bar, the wheel
// and the keys, and clicks still land on the row under the mouse.
TEST_F(SectionListWindow, ScrollsByBarWheelAndKeysAndKeepsTallRowsWhole) {
  ASSERT_TRUE(list.Create(host, 1, RECT{0, 0, 280, 200}, view::SectionListArt{}, 10));
  HWND window = list.Handle();
  HWND bar = FindWindowExA(window, nullptr, "SCROLLBAR", nullptr);
  ASSERT_NE(bar, nullptr);
  auto& section = list.Model().AddSection();
  section.SetCaption("Rows");
  section.SubItems().Assign(std::vector<std::string>(40, "a line"));
  Pump();
  EXPECT_FALSE(IsWindowVisible(bar));  // one header fits
  section.SetState(view::TListSectionState::lssExpanded);
  Pump();
  ASSERT_TRUE(IsWindowVisible(bar));
  RECT barRect;
  GetWindowRect(bar, &barRect);
  EXPECT_EQ(barRect.right - barRect.left, 10);
  // 41 rows of 20 in a view of 200: the last page begins at row 31.
  SendMessageA(window, WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(SendMessageA(window, LB_GETTOPINDEX, 0, 0), 1);
  SendMessageA(window, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  EXPECT_EQ(SendMessageA(window, LB_GETTOPINDEX, 0, 0), 4);
  SendMessageA(window, WM_VSCROLL, SB_BOTTOM, reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(SendMessageA(window, LB_GETTOPINDEX, 0, 0), 31);
  EXPECT_EQ(GetScrollPos(bar, SB_CTL), 31);
  int clicked = -1;
  list.Model().OnSubItemClick = [&](view::TSectionListBox&, int, int line) { clicked = line; };
  ClickRow(window, 33);
  EXPECT_EQ(clicked, 32);
  // Keys move the selection and bring it into view.
  PostMessageA(window, WM_KEYDOWN, VK_HOME, 1);
  Pump();
  EXPECT_EQ(SendMessageA(window, LB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(SendMessageA(window, LB_GETTOPINDEX, 0, 0), 0);
  PostMessageA(window, WM_KEYDOWN, VK_NEXT, 1);
  PostMessageA(window, WM_KEYDOWN, VK_DOWN, 1);
  Pump();
  EXPECT_EQ(SendMessageA(window, LB_GETCURSEL, 0, 0), 11);
  EXPECT_EQ(SendMessageA(window, LB_GETTOPINDEX, 0, 0), 2);
  // A row may be higher than a system list box allows.
  std::string words;
  for (int i = 0; i < 600; ++i) words += "word ";
  section.SubItems().Assign({words});
  list.Model().wordWrap = true;
  list.Model().RemeasureAll();
  EXPECT_GT(SendMessageA(window, LB_GETITEMHEIGHT, 1, 0), 255);
}

}  // namespace
}  // namespace vrex::app
