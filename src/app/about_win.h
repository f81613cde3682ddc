#pragma once
// The about box window and its opener.  Windows only.
#include <windows.h>

#include <array>

#include "app/about.h"
#include "platform/ui/dialog_draw_win.h"
#include "platform/ui/modal_window_win.h"

namespace vrex::app {

inline constexpr const char* kAboutWindowClass = "TDlgAbout";
inline constexpr int kAboutClientWidth = 200;
inline constexpr int kAboutClientHeight = 281;

// Child control IDs.
enum AboutControlId : int {
  kIdLabelName = 101,
  kIdLabelVer,
  kIdLabelCopyr1,
  kIdLabel1,
  kIdLabel2,
  kIdLabelWww,
  kIdLabelMail,
  // The flags, in the order of AboutFlag after None.
  kIdImageEN = 121,
  kIdImageES,
  kIdImageDE,
  kIdImageCSY,
  kIdImageFR,
  kIdImageIT,
  kIdImageRUS,
};

class TDlgAbout : public AboutDialog, private ui::ModalWindow {
 public:
  // Creates the box hidden; throws std::runtime_error when it cannot.
  explicit TDlgAbout(HWND owner);
  ~TDlgAbout() override;
  TDlgAbout(const TDlgAbout&) = delete;
  TDlgAbout& operator=(const TDlgAbout&) = delete;

  bool SetDlg() override;
  // IDCANCEL when closed by its close box or Escape.
  int ShowModal() override;
  void FreeDlg() override;
  using ModalWindow::Handle;

  // Click and double-click of the web and the mail address.
  void LabelWwwDblClick();
  void LabelMailClick();

 private:
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void CreateControls();
  void PaintBackground(HDC dc, const RECT& area) const;
  void Close(int result);

  int result_ = 0;
  AboutTexts texts_;
  win::UniqueFont nameFont_;
  win::UniqueFont versionFont_;
  win::UniqueFont smallFont_;
  win::UniqueFont linkFont_;
  win::UniqueBitmap logo_;
  win::UniqueBitmap copyright_;
  std::array<win::UniqueBitmap, 7> flags_;
  win::UniqueBrush windowBrush_;
  ui::DrawnControls controls_{[this](HDC dc, const RECT& area) { PaintBackground(dc, area); }};
  ui::Hints hints_;
};

// The component the about button uses: Execute opens the box modally and
// gives its modal result (3 when it could not be shown).
class TVInfoAbout {
 public:
  explicit TVInfoAbout(HWND owner = nullptr) : owner_(owner) {}
  int Execute();

 private:
  HWND owner_;
};

// What the main window's about button calls: creates a TVInfoAbout, executes it and destroys it.
int AboutBtnExecute(HWND owner);

}  // namespace vrex::app
