#pragma once
// What the Windows tests of the main window share: pumping messages, clicks
// and keys on list rows, and a main window with recorded message boxes.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "app/netfrm_win.h"
#include "lang/language.h"
#include "platform/os/win/win_ports_win.h"
#include "support/memory/memory_ports.h"

namespace vrex::app::test {

// Handles every waiting message; with the main window, through the program's
// own message step (keyboard navigation first).
inline void Pump(HWND mainWindow = nullptr) {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (mainWindow != nullptr) {
      DispatchProgramMessage(mainWindow, message);
    } else {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
}

inline RECT RowRect(HWND list, int row) {
  RECT rect{};
  SendMessageA(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
  return rect;
}

inline void ClickRow(HWND list, int row, int x = 60) {
  RECT rect = RowRect(list, row);
  LPARAM at = MAKELPARAM(x, (rect.top + rect.bottom) / 2);
  PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(list, WM_LBUTTONUP, 0, at);
  Pump();
}

inline void PressSpace(HWND list) {
  PostMessageA(list, WM_KEYDOWN, VK_SPACE, 1);
  PostMessageA(list, WM_CHAR, ' ', 1);
  PostMessageA(list, WM_KEYUP, VK_SPACE, 0xC0000001);
  Pump();
}

inline int RowCount(HWND list) { return static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)); }

// The main window on the Win32 ports, shown, with its message boxes recorded
// instead of waited on, its INI file in memory (no test starts where another
// left the window), and without the connections found at start-up.
class MainWindowFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    os::win::InstallWin32Ports();
    os::Ports ports = os::Os();
    ports.messages = &messages;
    ports.ini = &iniFiles;
    os::InstallPorts(ports);
    form = std::make_unique<TNETFrm>(GetModuleHandleA(nullptr));
    ASSERT_TRUE(form->Create());
    ActiveConnections.clear();
    ShowWindow(form->Handle(), SW_SHOW);
    Pump();
    left = form->SectionListBox1().Handle();
    right = form->SectionListBox2().Handle();
  }
  void TearDown() override {
    // A test that skipped itself in SetUp has no window.
    if (form) DestroyWindow(form->Handle());
    Pump();
    form.reset();
    UnloadLanguageModule();
  }

  view::TSectionListBox& Right() { return form->SectionListBox2().Model(); }

  os::memory::RecordingMessageBoxes messages;
  os::memory::MemoryFiles iniFiles;
  std::unique_ptr<TNETFrm> form;
  HWND left = nullptr;
  HWND right = nullptr;
};

}  // namespace vrex::app::test
