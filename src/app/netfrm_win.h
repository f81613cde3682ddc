#pragma once
// The main window: the button strip, the two section panes with the gauge
// bar, and the start-up that gathers everything before it is shown.
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "app/main_layout.h"
#include "app/pane_copy.h"
#include "app/window_place.h"
#include "app/startup_gathering.h"
#include "components/inet_detector.h"
#include "platform/os/win/handles_win.h"
#include "platform/program.h"
#include "view/section_listbox_win.h"

namespace vrex::app {

// Child window IDs, so tests can reach the controls.
enum ControlId {
  kPanel3 = 100,
  kReportBtn = 101,
  kAboutBtn = 102,
  kLangBtn = 103,
  kMinimizeBtn = 104,
  kCloseBtn = 105,
  kPanel1 = 110,
  kSectionListBox1 = 111,
  kSectionListBox2 = 112,
  kGaugeBar1 = 113,
};

// The commands of the right pane's pop-up menu; F5 sends kRefreshCommand too.
enum PaneCommand {
  kCopyCommand = 201,
  kCopyGroupCommand = 202,
  kRefreshCommand = 203,
};

class TNETFrm {
 public:
  explicit TNETFrm(HINSTANCE instance);
  ~TNETFrm();
  TNETFrm(const TNETFrm&) = delete;
  TNETFrm& operator=(const TNETFrm&) = delete;

  bool Create();
  HWND Handle() const { return window_; }
  // How to show the window first: maximised when the last run left it so.
  int ShowCommand(int showCommand) const;

  // Start-up step 7: the device list and its database.  Replaceable so that a
  // test can make it fail; set before Create.
  std::function<void()> refreshDevices = app::RefreshDevices;

  // The creation handler: runs once, before the window is shown.
  void FormCreate();

  void ReportBtnClick();
  void AboutBtnClick();
  void LangBtnClick();
  void MinimizeBtnClick();
  void CloseBtnClick();
  // F5 and the right pane's Refresh: the start-up gathering again behind the
  // wait note, then the page shown built anew.
  void Refresh();
  // The right pane's Copy and Copy group, and Ctrl+C on its selected row.
  void CopyPaneRows(int row, CopyScope scope);

  view::SectionListBoxWin& SectionListBox1() { return sectionListBox1_; }
  view::SectionListBoxWin& SectionListBox2() { return sectionListBox2_; }
  // The catalogue's gatherers (StartUpGatherers); tests plug their own in.
  Gatherers& CatalogueGatherers() { return gatherers_; }

 private:
  struct ButtonArt {
    win::UniqueBitmap resting;
    win::UniqueBitmap hover;
  };

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateComponents();
  void LoadArt();
  void ConnectGatherers();
  void RestoreFocus();
  void LayOut();
  void ShowPaneMenu(LPARAM screenPoint);
  void SavePlace();

  HINSTANCE instance_;
  HWND window_ = nullptr;
  win::UniqueFont font_;
  win::UniqueFont labelFont_;
  win::UniqueBitmap backgroundTile_;
  win::UniqueBitmap stripTile_;
  win::UniqueBitmap wallpaperLeft_;
  win::UniqueBitmap wallpaperRight_;
  std::array<ButtonArt, 5> buttonArt_;
  std::array<HWND, 5> buttons_{};
  HWND gaugeBar1_ = nullptr;
  HWND panel3_ = nullptr;
  HWND panel1_ = nullptr;
  SIZE smallestClient_{};
  WindowPlace startPlace_;  // the client area of the smallest window
  win::UniqueMenu paneMenu_;
  bool refreshing_ = false;
  HWND lastFocus_ = nullptr;  // the control that had the keyboard when the window was left
  // Before the lists that draw from them, so that they go after the lists.
  win::UniqueImageList imageList1_;
  win::UniqueImageList sectionImages_;
  win::UniqueImageList nodeGlyphs_;
  view::SectionListBoxWin sectionListBox1_;
  view::SectionListBoxWin sectionListBox2_;
  Gatherers gatherers_;
  std::unique_ptr<components::TINetDetector> iNetDetector1_;
  std::unique_ptr<MainPanes> panes_;
};

int RunApplication(HINSTANCE instance, int showCommand);
// One message of the program's loop: keyboard navigation between the main
// window's controls first, then the usual translation and dispatch.
void DispatchProgramMessage(HWND mainWindow, MSG& message);

}  // namespace vrex::app
