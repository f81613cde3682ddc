#pragma once
// The report window: a copy of the main window's sections with a check box
// on every sub-item, and the flat Print, Send, Save and Cancel buttons on the
// tiled picture of the menu panel at its right.  Also the
// Windows side of the report output: its save and print dialogs, the printer
// and the date line's clock.  Windows only.
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/os/win/handles_win.h"
#include "platform/ui/modal_window_win.h"
#include "report/report_choice.h"
#include "view/section_listbox_win.h"

namespace vrex::report {

inline constexpr const char* kReportWindowClass = "ReportFrm";
inline constexpr const char* kReportDesignCaption = "Report";
inline constexpr int kReportWidth = 310;
inline constexpr int kReportHeight = 375;
inline constexpr int kMenuPanelWidth = 92;

// Child control and menu IDs, so that tests can reach them.
enum ReportControlId : int {
  kReportSectionListBox = 201,
  kMenuPanel = 202,
  kPrintBtn = 211,
  kSendBtn = 212,
  kSaveBtn = 213,
  kCloseBtn = 214,
  kSelAll1 = 221,
  kUnselAll1 = 222,
};

// The report choice: written when the window closes, read by the main window after.
extern ReportChoice ReportChoiceResult;

class TReportFrm : private ui::ModalWindow {
 public:
  // Creates the window hidden; throws std::runtime_error when it cannot.
  TReportFrm(HWND owner, const view::SectionListArt& art);
  ~TReportFrm() override;
  using ModalWindow::Handle;

  view::TSectionListBox& Sections() { return reportSectionListBox_.Model(); }
  void ShowModal() { RunModal(); }

  void FormCreate();
  void CloseBtnClick();
  void PrintBtnClick();
  void SendBtnClick();
  void SaveBtnClick();
  void SelAll1Click();
  void UnselAll1Click();
  // Pops the menu up at the window's corner moved by the mouse position in the list, plus 10.
  void ReportSectionListBoxMouseUp(int x, int y);

 private:
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void Choose(ReportAction action);

  win::UniqueFont font_;
  win::UniqueBitmap backgroundTile_;  // ImgBkgrnd1
  win::UniqueBitmap stripTile_;       // ArImage1, under the buttons
  HWND buttons_[4] = {};              // in the order of their places
  view::SectionListBoxWin reportSectionListBox_;
  win::UniqueMenu popupMenu1_;
};

// Opens the report window over the main window's sections and waits until it
// closes.  Does nothing when one is open already; a window that cannot be
// made leaves the choice at none.
void OpenReportWindow(HWND owner, const view::TSectionListBox& sections, const view::SectionListArt& art);

// The current date in the short date format, two blanks and the current time.
std::string NowText();

// The report dialogs on the screen: the save dialog with its filter and the
// print dialog, both owned by owner.
class WindowReportDialogs : public ReportDialogs {
 public:
  explicit WindowReportDialogs(HWND owner) : owner_(owner) {}
  std::optional<std::string> AskSaveFileName() override;
  std::unique_ptr<PrintPages> AskPrinter() override;
  // The save dialog's title; the system's own when empty (tests give theirs).
  std::string saveTitle;

 private:
  HWND owner_;
};

// A printer DC as report pages: the job begins with its first page.
std::unique_ptr<PrintPages> BeginPrintJob(win::UniqueDc printer, const std::string& documentName);

}  // namespace vrex::report
