// An exception inside a window procedure is shown, and the program goes on:
// a gatherer that throws, reached by a real click on the main window.
#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>

#include "app/netfrm_win.h"
#include "lang/language.h"
#include "support/memory/memory_ports.h"
#include "platform/os/win/win_ports_win.h"

namespace vrex::app {
namespace {

void Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void ClickRow(HWND list, int row) {
  RECT rect{};
  SendMessageA(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
  LPARAM at = MAKELPARAM(60, (rect.top + rect.bottom) / 2);
  PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(list, WM_LBUTTONUP, 0, at);
  Pump();
}

TEST(WindowErrors, AThrowingGathererIsShownAndTheNextClickBuildsItsPage) {
  os::win::InstallWin32Ports();
  os::memory::RecordingMessageBoxes messages;
  os::Ports ports = os::Os();
  ports.messages = &messages;
  os::InstallPorts(ports);
  auto form = std::make_unique<TNETFrm>(GetModuleHandleA(nullptr));
  ASSERT_TRUE(form->Create());
  ActiveConnections.clear();  // the page is counted without the connections found at start-up
  ShowWindow(form->Handle(), SW_SHOW);
  Pump();
  messages.shown.clear();
  HWND left = form->SectionListBox1().Handle();
  HWND right = form->SectionListBox2().Handle();

  form->CatalogueGatherers().winsocktostringlst = []() -> std::vector<std::string> {
    throw std::runtime_error("The Winsock data could not be read");
  };
  ClickRow(left, 0);  // opens the first section, whose page runs every gatherer
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "The Winsock data could not be read");
  EXPECT_EQ(messages.shown[0].caption, "Vrex Info Network");
  EXPECT_TRUE(IsWindow(form->Handle()));
  EXPECT_EQ(form->SectionListBox2().Model().UpdateCount(), 0);  // the pane repaints again

  form->CatalogueGatherers().winsocktostringlst = [] { return std::vector<std::string>{"one", "two"}; };
  ClickRow(left, 6);  // Winsock
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(form->SectionListBox2().Model().Section(6).State(), view::TListSectionState::lssExpanded);
  EXPECT_EQ(SendMessageA(right, LB_GETCOUNT, 0, 0), 8 + 2);
  UpdateWindow(right);
  RECT waiting;
  EXPECT_FALSE(GetUpdateRect(right, &waiting, FALSE));  // painted, nothing left to paint

  DestroyWindow(form->Handle());
  Pump();
  form.reset();
  UnloadLanguageModule();
}

}  // namespace
}  // namespace vrex::app
