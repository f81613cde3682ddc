// The main window from the keyboard, with real key messages through the
// program's own message step, and the lists' answer to a fast double click.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "app/about_win.h"
#include "main_window_fixture.h"

namespace vrex::app {
namespace {

using namespace test;

class KeyboardTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    SetForegroundWindow(form->Handle());
    Pump(form->Handle());
  }
  // A key pressed and let go where the keyboard is, through the program's message step.
  void Press(WPARAM key) {
    HWND focus = GetFocus();
    PostMessageA(focus, WM_KEYDOWN, key, 1);
    PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
    Pump(form->Handle());
  }
  int FocusedId() const { return GetDlgCtrlID(GetFocus()); }
};

TEST_F(KeyboardTest, TabWalksTheStopsInOrderFromTheFirstButton) {
  std::vector<int> seen{FocusedId()};
  for (int i = 0; i < 7; ++i) {
    Press(VK_TAB);
    seen.push_back(FocusedId());
  }
  const std::vector<int> expected = {kReportBtn, kAboutBtn,        kLangBtn,         kMinimizeBtn,
                                     kCloseBtn,  kSectionListBox1, kSectionListBox2, kReportBtn};
  EXPECT_EQ(seen, expected);
}

// Closes the about box as soon as it is there, and remembers that it was.
bool aboutSeen = false;
void CALLBACK CloseAbout(HWND, UINT, UINT_PTR timer, DWORD) {
  if (HWND about = FindWindowA(kAboutWindowClass, nullptr)) {
    aboutSeen = true;
    PostMessageA(about, WM_CLOSE, 0, 0);
    KillTimer(nullptr, timer);
  }
}

TEST_F(KeyboardTest, EnterOnTheFocusedAboutButtonOpensTheAboutBox) {
  Press(VK_TAB);
  ASSERT_EQ(FocusedId(), kAboutBtn);
  aboutSeen = false;
  UINT_PTR timer = SetTimer(nullptr, 0, 100, CloseAbout);
  Press(VK_RETURN);  // returns when the modal box has closed
  KillTimer(nullptr, timer);
  EXPECT_TRUE(aboutSeen);
  EXPECT_TRUE(IsWindowEnabled(form->Handle()));
}

TEST_F(KeyboardTest, ArrowKeysMoveAVisibleSelectionInThePane) {
  for (int i = 0; i < 5; ++i) Press(VK_TAB);
  HWND left = GetFocus();
  ASSERT_EQ(FocusedId(), kSectionListBox1);
  RECT row{};
  SendMessageA(left, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
  auto pixels = [&] {
    UpdateWindow(left);
    HDC dc = GetDC(left);
    std::vector<COLORREF> seen;
    for (int x = row.left; x < row.right; ++x) seen.push_back(GetPixel(dc, x, row.top + 2));
    ReleaseDC(left, dc);
    return seen;
  };
  auto before = pixels();
  Press(VK_DOWN);
  Press(VK_DOWN);
  EXPECT_EQ(SendMessageA(left, LB_GETCURSEL, 0, 0), 1);
  EXPECT_NE(pixels(), before);  // the focus mark is drawn on the header row
}

TEST(DoubleClick, ASecondFastPressTogglesAgain) {
  os::win::InstallWin32Ports();
  HWND host = CreateWindowExA(0, "STATIC", "list host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 300, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
  view::SectionListBoxWin list;
  ASSERT_TRUE(list.Create(host, 1, RECT{0, 0, 280, 260}, view::SectionListArt{}, 16));
  auto& section = list.Model().AddSection();
  section.SetCaption("Report");
  section.controlType = view::TSectionControlType::scCheckbox;
  section.readOnly = false;
  section.SubItems().Assign({"one"});
  auto doubleClick = [&](int row, int x) {
    RECT rect{};
    SendMessageA(list.Handle(), LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
    LPARAM at = MAKELPARAM(x, (rect.top + rect.bottom) / 2);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
      SendMessageA(list.Handle(), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
  };
  doubleClick(0, 60);  // the header: open, then shut again
  EXPECT_EQ(section.State(), view::TListSectionState::lssContracted);
  section.SetState(view::TListSectionState::lssExpanded);
  doubleClick(1, 20);  // the check box: ticked, then clear again
  EXPECT_FALSE(section.GetSubItemCheck(0));
  DestroyWindow(host);
}

}  // namespace
}  // namespace vrex::app
