#include "app/wait_dialog_win.h"
#include "platform/os/win/window_win.h"

#include <memory>
#include <stdexcept>

#include "platform/ui/art_ids.h"
#include "platform/os/win/fonts_win.h"
#include "platform/ui/dialog_draw_win.h"

using namespace vrex::ui;  // the dialogs' drawing helpers

namespace vrex::app {
namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;  // single border, no border icons
constexpr DWORD kExStyle = WS_EX_TOPMOST;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr const char* kPlaceholder = "Please wait ...";

class WaitDialog {
 public:
  explicit WaitDialog(HWND mainWindow);
  ~WaitDialog();
  WaitDialog(const WaitDialog&) = delete;
  WaitDialog& operator=(const WaitDialog&) = delete;

  void SetLabel(const std::string& text);
  void SetCaption(const std::string& text);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK CursorHook(int code, WPARAM wParam, LPARAM lParam);
  void PaintBackground(HDC dc, const RECT& area) const;

  HWND window_ = nullptr;
  win::UniqueBrush background_{CreateSolidBrush(kWhite)};
  win::UniqueFont labelFont_;
  win::UniqueBitmap hourglass_;
  DrawnControls controls_{[this](HDC dc, const RECT& area) { PaintBackground(dc, area); }};
  win::UniqueHook cursorHook_;
};

// The one note of the program, or none.
std::unique_ptr<WaitDialog> waitDialog;
HCURSOR waitCursor = nullptr;

void RegisterWaitClass(WNDPROC procedure) {
  win::RegisterClassOnce({.name = kWaitDialogClass, .procedure = procedure, .cursor = IDC_WAIT});
}

WaitDialog::WaitDialog(HWND mainWindow) {
  RegisterWaitClass(WindowProc);
  labelFont_ = win::CreateFontFor({"MS Sans Serif", win::PointsToHeight(8), true});
  hourglass_ = LoadArtBitmap(IDB_HOURGLASS);
  RECT frame = WindowRectForClient(kWaitClientWidth, kWaitClientHeight, kStyle, kExStyle);
  RECT place = CentreOverWindow(mainWindow, frame.right - frame.left, frame.bottom - frame.top);
  window_ =
      CreateWindowExA(kExStyle, kWaitDialogClass, kPlaceholder, kStyle, place.left, place.top, place.right - place.left,
                      place.bottom - place.top, mainWindow, nullptr, GetModuleHandleA(nullptr), this);
  if (window_ == nullptr) throw std::runtime_error("cannot create the wait dialog");
  controls_.AddPicture(window_, kIdImageWait, RECT{8, 8, 40, 40}, hourglass_.get(), true);
  LabelStyle label;
  label.font = labelFont_.get();
  label.colour = kNavy;
  label.format = DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
  controls_.AddLabel(window_, kIdLabelWait, RECT{53, 16, 53 + 271, 16 + 13}, kPlaceholder, label);

  ShowWindow(window_, SW_SHOW);
  // The thread goes on gathering at once: paint now, it will not come back for it.
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  // Every window of the thread keeps the hourglass: whatever cursor a window
  // sets for itself, the hook sets the hourglass again after it.
  waitCursor = LoadCursor(nullptr, IDC_WAIT);
  cursorHook_.reset(SetWindowsHookExA(WH_CALLWNDPROCRET, CursorHook, nullptr, GetCurrentThreadId()));
  SetCursor(waitCursor);
}

WaitDialog::~WaitDialog() {
  cursorHook_.reset();
  if (window_ == nullptr) return;
  HWND owner = GetWindow(window_, GW_OWNER);
  ShowWindow(window_, SW_HIDE);
  // What the note covered is painted again at once; the thread is busy.
  if (owner != nullptr) UpdateWindow(owner);
  DestroyWindow(window_);
  SetCursor(LoadCursor(nullptr, IDC_ARROW));
}

void WaitDialog::SetLabel(const std::string& text) {
  HWND label = GetDlgItem(window_, kIdLabelWait);
  SetWindowTextA(label, text.c_str());
  RedrawWindow(label, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void WaitDialog::SetCaption(const std::string& text) { SetWindowTextA(window_, text.c_str()); }

void WaitDialog::PaintBackground(HDC dc, const RECT& area) const { FillRect(dc, &area, background_.get()); }

LRESULT CALLBACK WaitDialog::CursorHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto* sent = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (sent->message == WM_SETCURSOR && waitCursor != nullptr) SetCursor(waitCursor);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK WaitDialog::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return win::Guarded([&]() -> LRESULT {
    auto* self = win::WindowObject<WaitDialog>(window, message, lParam);
    if (self != nullptr) {
      switch (message) {
        case WM_ERASEBKGND: {
          RECT client;
          GetClientRect(window, &client);
          self->PaintBackground(reinterpret_cast<HDC>(wParam), client);
          return 1;
        }
        case WM_DRAWITEM:
          if (self->controls_.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
          break;
        case WM_CLOSE: return 0;  // goes when the gathering is done, not before
        case WM_NCDESTROY:
          self->window_ = nullptr;
          SetWindowLongPtrA(window, GWLP_USERDATA, 0);
          break;
      }
    }
    return DefWindowProcA(window, message, wParam, lParam);
  });
}

}  // namespace

void ShowWaitDlg(HWND mainWindow) {
  if (waitDialog != nullptr) return;
  try {
    waitDialog = std::make_unique<WaitDialog>(mainWindow);
  } catch (const std::exception&) {
    waitDialog.reset();
  }
}

void SetWaitLabel(const std::string& text) {
  if (waitDialog != nullptr) waitDialog->SetLabel(text);
}

void SetWaitCaption(const std::string& text) {
  if (waitDialog != nullptr) waitDialog->SetCaption(text);
}

void HideWaitDlg() {
  if (waitDialog == nullptr) return;
  waitDialog.reset();
}

}  // namespace vrex::app
