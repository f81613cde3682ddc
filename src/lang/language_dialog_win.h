#pragma once
// The language settings window and its opener.  Windows only.
#include <windows.h>

#include <array>

#include "platform/ui/dialog_draw_win.h"
#include "platform/ui/modal_window_win.h"
#include "lang/language_dialog.h"

namespace vrex::app {

inline constexpr const char* kLanguageDialogClass = "TLanguagesettings";
inline constexpr int kLanguageClientWidth = 169;
inline constexpr int kLanguageClientHeight = 224;

// Child control IDs: the seven language buttons top to bottom (CZ, DE, EN,
// ES, FR, IT, RU; their window texts are the codes, BM_GETCHECK tells
// whether they are down), their labels, and Ok (IDOK) and Cancel (IDCANCEL).
inline constexpr int kIdSpeedButton1 = 301;
inline constexpr int kIdLanguageLabel1 = 311;

class TLanguagesettings : private ui::ModalWindow {
 public:
  // Creates the dialog hidden; throws std::runtime_error when it cannot.
  explicit TLanguagesettings(HWND owner);
  ~TLanguagesettings() override;
  TLanguagesettings(const TLanguagesettings&) = delete;
  TLanguagesettings& operator=(const TLanguagesettings&) = delete;

  // Enables and presses the language buttons from the module files and the INI file.
  void Prepare();
  void ShowModal();
  using ModalWindow::Handle;
  // Whether the dialog was closed with Ok (the choice is then written).
  bool Confirmed() const { return confirmed_; }

  void SpeedButton8Click();  // Ok
  void SpeedButton9Click();  // Cancel

 private:
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void CreateControls();
  void ShowChoice();
  void PaintBackground(HDC dc, const RECT& area) const;
  void DrawSpeedButton(const DRAWITEMSTRUCT& item, HBITMAP glyph) const;

  bool confirmed_ = false;
  LanguageChoice choice_;
  win::UniqueBrush tile_;
  win::UniqueBrush dither_;
  win::UniqueBitmap tileBitmap_;
  win::UniqueFont labelFont_;
  win::UniqueFont buttonFont_;
  std::array<win::UniqueBitmap, 7> flags_;
  ui::DrawnControls controls_{[this](HDC dc, const RECT& area) { PaintBackground(dc, area); }};
};

// What the main window's language button calls: opens the dialog modally
// unless it is open already; after Ok offers to restart, and on Yes starts
// the program anew and ends this run through the user interface port
// (WM_QUIT).  Failures are swallowed.
void OpenLanguageDialog(HWND owner);

}  // namespace vrex::app
