#include "report/report_frm_win.h"

#include <commdlg.h>

#include <iterator>
#include <stdexcept>

#include "lang/language.h"
#include "lang/string_ids.h"
#include "platform/os/ports.h"
#include "platform/os/win/fonts_win.h"
#include "platform/os/win/window_win.h"
#include "platform/program.h"
#include "platform/os/win/gdi_win.h"
#include "platform/ui/art_ids.h"
#include "platform/ui/dialog_draw_win.h"
#include "platform/ui/widgets_win.h"
#include "view/gdi_canvas_win.h"
#include "platform/os/win/window_libraries_win.h"

namespace vrex::report {

ReportChoice ReportChoiceResult;

namespace {

// The open report window, or none.
TReportFrm* openReportFrm = nullptr;

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

struct ButtonPlace {
  int id;
  int caption;  // language string
  int top;      // in the menu panel, from the top, or from the bottom when negative
  void (TReportFrm::*click)();
};
constexpr ButtonPlace kButtons[] = {
    {kPrintBtn, IDS_REPORT_PRINT, 12, &TReportFrm::PrintBtnClick},
    {kSendBtn, IDS_REPORT_SEND, 44, &TReportFrm::SendBtnClick},
    {kSaveBtn, IDS_REPORT_SAVE, 76, &TReportFrm::SaveBtnClick},
    {kCloseBtn, IDS_CLOSE_BUTTON, -37, &TReportFrm::CloseBtnClick},
};

view::Font BoldFont() {
  view::Font font;
  font.bold = true;
  return font;
}

}  // namespace

TReportFrm::TReportFrm(HWND owner, const view::SectionListArt& art) : ModalWindow(owner) {
  // The frame is 310 x 375 whatever the borders of the system measure.
  RECT border = ui::WindowRectForClient(0, 0, kStyle, kExStyle);
  const int clientWidth = kReportWidth - (border.right - border.left);
  const int clientHeight = kReportHeight - (border.bottom - border.top);
  CreateModal({kReportWindowClass, kReportDesignCaption, clientWidth, clientHeight, kStyle, kExStyle}, "report window");
  font_ = win::CreateFontFor({"MS Sans Serif", win::PointsToHeight(8), false});

  const int listRight = clientWidth - kMenuPanelWidth;
  if (!reportSectionListBox_.Create(window_, kReportSectionListBox, RECT{2, 2, listRight - 2, clientHeight - 2}, art,
                                    16))
    throw std::runtime_error("cannot create the report window's list");
  view::TSectionListBox& list = reportSectionListBox_.Model();
  list.font = BoldFont();
  list.sectionFont = BoldFont();
  list.color = view::Colour::System(view::syscolour::kInfoBk);
  list.sectionHeight = 20;
  list.subItemHeight = 20;
  list.sectionIndent = 14;
  list.subItemIndent = 14;
  list.oneExpanded = false;

  ui::RegisterWidgetClasses(GetModuleHandleA(nullptr));
  backgroundTile_ = ui::LoadArtBitmap(IDB_BACKGROUND_TILE);
  stripTile_ = ui::LoadArtBitmap(IDB_STRIP_TILE);
  ui::PanelStyle menuPanelStyle;
  menuPanelStyle.tile = stripTile_.get();
  HWND menuPanel = ui::CreatePanel(window_, kMenuPanel, RECT{listRight, 0, clientWidth, clientHeight}, menuPanelStyle);
  for (std::size_t i = 0; i < std::size(kButtons); ++i) {
    const ButtonPlace& button = kButtons[i];
    const int top = button.top >= 0 ? button.top : clientHeight + button.top;
    ui::ExplorerButtonStyle style;
    style.stripTile = stripTile_.get();
    style.stripOrigin = POINT{6, top};
    style.font = font_.get();
    style.centerCaption = true;
    style.onClick = [this, click = button.click] { (this->*click)(); };
    buttons_[i] =
        ui::CreateExplorerButton(menuPanel, button.id, RECT{6, top, kMenuPanelWidth - 6, top + 25}, std::move(style));
  }
  popupMenu1_.reset(CreatePopupMenu());
  AppendMenuA(popupMenu1_.get(), MF_STRING, kSelAll1, "");
  AppendMenuA(popupMenu1_.get(), MF_STRING, kUnselAll1, "");
  FormCreate();
}

TReportFrm::~TReportFrm() {
  if (openReportFrm == this) openReportFrm = nullptr;
}

void TReportFrm::FormCreate() {
  for (std::size_t i = 0; i < std::size(kButtons); ++i)
    SetWindowTextA(buttons_[i], GetLangString(kButtons[i].caption).c_str());
  ModifyMenuA(popupMenu1_.get(), kSelAll1, MF_BYCOMMAND | MF_STRING, kSelAll1,
              GetLangString(IDS_REPORT_SELECT_ALL).c_str());
  ModifyMenuA(popupMenu1_.get(), kUnselAll1, MF_BYCOMMAND | MF_STRING, kUnselAll1,
              GetLangString(IDS_REPORT_DESELECT_ALL).c_str());
  SetWindowTextA(window_, GetLangString(IDS_REPORT_CAPTION).c_str());
}

void TReportFrm::Choose(ReportAction action) {
  ReportChoiceResult.selection =
      action == ReportAction::kNone ? std::vector<SelectedItem>{} : CollectSelection(reportSectionListBox_.Model());
  ReportChoiceResult.action = action;
  EndModal();
}

void TReportFrm::CloseBtnClick() { Choose(ReportAction::kNone); }
void TReportFrm::PrintBtnClick() { Choose(ReportAction::kPrint); }
void TReportFrm::SendBtnClick() { Choose(ReportAction::kSend); }
void TReportFrm::SaveBtnClick() { Choose(ReportAction::kSave); }
void TReportFrm::SelAll1Click() { CheckCurrentSection(reportSectionListBox_.Model(), true); }
void TReportFrm::UnselAll1Click() { CheckCurrentSection(reportSectionListBox_.Model(), false); }

void TReportFrm::ReportSectionListBoxMouseUp(int x, int y) {
  RECT frame{};
  GetWindowRect(window_, &frame);
  TrackPopupMenu(popupMenu1_.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, frame.left + x + 10, frame.top + y + 10, 0,
                 window_, nullptr);
}

LRESULT TReportFrm::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDCANCEL: CloseBtnClick(); return 0;  // Escape
        case kSelAll1: SelAll1Click(); return 0;
        case kUnselAll1: UnselAll1Click(); return 0;
      }
      break;
    case WM_CONTEXTMENU: {
      // The list's right button, passed up by the system; from the keyboard
      // (no position) the menu comes at the list's corner.
      HWND list = reportSectionListBox_.Handle();
      if (reinterpret_cast<HWND>(wParam) != list) break;
      POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      if (lParam == -1)
        at = POINT{0, 0};
      else
        ScreenToClient(list, &at);
      ReportSectionListBoxMouseUp(at.x, at.y);
      return 0;
    }
    case WM_ERASEBKGND: {
      // The class has no brush of its own: the tiled background around the list.
      RECT client;
      GetClientRect(window, &client);
      win::TileBitmap(reinterpret_cast<HDC>(wParam), backgroundTile_.get(), client, POINT{0, 0});
      return 1;
    }
    case WM_CLOSE: CloseBtnClick(); return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void OpenReportWindow(HWND owner, const view::TSectionListBox& sections, const view::SectionListArt& art) {
  if (openReportFrm != nullptr) return;
  ReportChoiceResult.action = ReportAction::kNone;
  ReportChoiceResult.selection.clear();
  try {
    TReportFrm form(owner, art);
    openReportFrm = &form;
    CopyReportSections(sections, form.Sections());
    form.ShowModal();
  } catch (const std::exception&) {
    // The window is not shown; the choice stays at none.
  }
  openReportFrm = nullptr;
}

std::string NowText() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  char date[128] = {};
  char time[128] = {};
  GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, date, sizeof date);
  GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &now, nullptr, time, sizeof time);
  return std::string(date) + "  " + time;
}

std::optional<std::string> WindowReportDialogs::AskSaveFileName() {
  char name[MAX_PATH + 1] = {};
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner_;
  dialog.lpstrFilter = "Text files\0*.txt\0HTML files\0*.htm\0All files\0*.*\0";
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = name;
  dialog.nMaxFile = sizeof name;
  dialog.lpstrDefExt = "txt";
  dialog.lpstrTitle = saveTitle.empty() ? nullptr : saveTitle.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT;
  if (win::lazy::GetSaveFileNameA(&dialog)) return std::string(name);
  // Systems before Windows 2000 know only the shorter block, without the places bar.
  if (win::lazy::CommDlgExtendedError() != CDERR_STRUCTSIZE) return std::nullopt;
  dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  if (win::lazy::GetSaveFileNameA(&dialog)) return std::string(name);
  return std::nullopt;
}

namespace {

// A printer DC with a document begun; the canvas draws on its pages.
class PrinterPages final : public PrintPages {
 public:
  explicit PrinterPages(win::UniqueDc dc) : dc_(std::move(dc)), canvas_(dc_.get(), nullptr) {}
  ~PrinterPages() override {
    if (!ended_) AbortDoc(dc_.get());
  }
  view::Canvas& Canvas() override { return canvas_; }
  int PageWidth() const override { return GetDeviceCaps(dc_.get(), HORZRES); }
  int PageHeight() const override { return GetDeviceCaps(dc_.get(), VERTRES); }
  int VerticalDpi() const override { return GetDeviceCaps(dc_.get(), LOGPIXELSY); }
  void NewPage() override {
    EndPage(dc_.get());
    StartPage(dc_.get());
  }
  void EndJob() override {
    EndPage(dc_.get());
    EndDoc(dc_.get());
    ended_ = true;
  }

 private:
  win::UniqueDc dc_;
  view::GdiCanvas canvas_;
  bool ended_ = false;
};

}  // namespace

std::unique_ptr<PrintPages> BeginPrintJob(win::UniqueDc printer, const std::string& documentName) {
  DOCINFOA document{};
  document.cbSize = sizeof document;
  document.lpszDocName = documentName.c_str();
  if (StartDocA(printer.get(), &document) <= 0) return nullptr;
  HDC dc = printer.get();
  auto pages = std::make_unique<PrinterPages>(std::move(printer));
  if (StartPage(dc) <= 0) return nullptr;  // the job is aborted with the pages
  return pages;
}

std::unique_ptr<PrintPages> WindowReportDialogs::AskPrinter() {
  PRINTDLGA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner_;
  dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION;
  BOOL chosen = win::lazy::PrintDlgA(&dialog);
  win::UniqueGlobalMemory devMode(dialog.hDevMode), devNames(dialog.hDevNames);
  win::UniqueDc printer(dialog.hDC);
  if (!chosen || !printer) return nullptr;
  return BeginPrintJob(std::move(printer), "Vrex Info Report");
}

}  // namespace vrex::report
