#include "lang/language_dialog_win.h"
#include "platform/os/win/window_win.h"

#include <stdexcept>

#include "platform/ui/art_ids.h"
#include "platform/os/win/gdi_win.h"
#include "platform/os/win/newer_functions_win.h"
#include "platform/os/ports.h"
#include "platform/program.h"

using namespace vrex::ui;  // the dialogs' drawing helpers

namespace vrex::app {
namespace {

// Flag bitmaps of the buttons, top to bottom.
constexpr int kFlagBitmaps[] = {IDB_FLAG_CSY, IDB_FLAG_DE, IDB_FLAG_EN, IDB_FLAG_ES,
                                IDB_FLAG_FR,  IDB_FLAG_IT, IDB_FLAG_RUS};
constexpr int kButtonLeft = 16;
constexpr int kButtonTop = 8;
constexpr int kButtonStep = 24;
constexpr int kButtonWidth = 28;
constexpr int kButtonHeight = 22;
constexpr int kLabelLeft = 48;
constexpr RECT kOkBounds{8, 180, 8 + 68, 180 + 25};
constexpr RECT kCancelBounds{80, 180, 80 + 81, 180 + 25};

// The dialog that is open, or none.
TLanguagesettings* openDialog = nullptr;

HMENU ControlId(int id) { return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)); }

// The language buttons are flat speed buttons: owner-drawn buttons that keep
// an up/down state of their own, answering BM_GETCHECK and BM_SETCHECK like
// check boxes, and that show a raised edge while the mouse is over them.
constexpr const char* kBaseProcProperty = "VrexSpeedButtonProc";
constexpr const char* kDownProperty = "VrexSpeedButtonDown";
constexpr const char* kHotProperty = "VrexSpeedButtonHot";
constexpr int kDisabledGlyphAlpha = 96;

LRESULT CALLBACK SpeedButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  return win::Guarded([&]() -> LRESULT {
    auto base = reinterpret_cast<WNDPROC>(GetPropA(button, kBaseProcProperty));
    if (win::HandleMouseLeaveTimer(button, message, wParam)) return 0;
    switch (message) {
      case BM_GETCHECK: return GetPropA(button, kDownProperty) != nullptr ? BST_CHECKED : BST_UNCHECKED;
      case BM_SETCHECK:
        if (wParam == BST_CHECKED)
          SetPropA(button, kDownProperty, reinterpret_cast<HANDLE>(1));
        else
          RemovePropA(button, kDownProperty);
        InvalidateRect(button, nullptr, FALSE);
        return 0;
      case WM_MOUSEMOVE:
        if (GetPropA(button, kHotProperty) == nullptr) {
          SetPropA(button, kHotProperty, reinterpret_cast<HANDLE>(1));
          win::TrackMouseLeave(button);
          InvalidateRect(button, nullptr, FALSE);
        }
        break;
      case WM_MOUSELEAVE:
        RemovePropA(button, kHotProperty);
        InvalidateRect(button, nullptr, FALSE);
        break;
      case WM_NCDESTROY:
        SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(base));
        RemovePropA(button, kBaseProcProperty);
        RemovePropA(button, kDownProperty);
        RemovePropA(button, kHotProperty);
        break;
    }
    return CallWindowProcA(base, button, message, wParam, lParam);
  });
}

void MakeSpeedButton(HWND button) {
  SetPropA(button, kBaseProcProperty, reinterpret_cast<HANDLE>(GetWindowLongPtrA(button, GWLP_WNDPROC)));
  SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SpeedButtonProc));
}

// A down button shows the classic dithered face of a pressed flat button.
win::UniqueBrush MakeDitherBrush() {
  static const WORD kChecker[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
  win::UniqueBitmap pattern(CreateBitmap(8, 8, 1, 1, kChecker));
  return win::UniqueBrush(CreatePatternBrush(pattern.get()));
}

}  // namespace

TLanguagesettings::TLanguagesettings(HWND owner) : ModalWindow(owner) {
  tileBitmap_ = LoadArtBitmap(IDB_BACKGROUND_TILE);
  tile_.reset(tileBitmap_ ? CreatePatternBrush(tileBitmap_.get()) : CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
  dither_ = MakeDitherBrush();
  CreateModal({kLanguageDialogClass, kLanguageDialogCaption, kLanguageClientWidth, kLanguageClientHeight},
              "language dialog");
  CreateControls();
}

TLanguagesettings::~TLanguagesettings() { DestroyModal(); }

void TLanguagesettings::CreateControls() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  labelFont_ = win::CreateFontFor({"MS Sans Serif", win::PointsToHeight(8), true});
  buttonFont_ = win::CreateFontFor({"MS Sans Serif", win::PointsToHeight(8), true});
  LabelStyle label;
  label.font = labelFont_.get();
  label.format = DT_LEFT | DT_SINGLELINE | DT_NOPREFIX;
  for (std::size_t i = 0; i < choice_.buttons.size(); ++i) {
    int top = kButtonTop + kButtonStep * static_cast<int>(i);
    HWND button = CreateWindowExA(
        0, "BUTTON", choice_.buttons[i].code, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, kButtonLeft, top,
        kButtonWidth, kButtonHeight, window_, ControlId(kIdSpeedButton1 + static_cast<int>(i)), instance, nullptr);
    if (button != nullptr) MakeSpeedButton(button);
    flags_[i] = LoadArtBitmap(kFlagBitmaps[i]);
    controls_.AddLabel(window_, kIdLanguageLabel1 + static_cast<int>(i),
                       RECT{kLabelLeft, top + 4, kLabelLeft + 30, top + 18}, choice_.buttons[i].label, label);
    controls_.SetLabelText(kIdLanguageLabel1 + static_cast<int>(i), choice_.buttons[i].label);
  }
  struct Command {
    int id;
    const char* caption;
    RECT bounds;
  };
  for (const Command& command : {Command{IDOK, "Ok", kOkBounds}, Command{IDCANCEL, "Cancel", kCancelBounds}}) {
    HWND button =
        CreateWindowExA(0, "BUTTON", command.caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                        command.bounds.left, command.bounds.top, command.bounds.right - command.bounds.left,
                        command.bounds.bottom - command.bounds.top, window_, ControlId(command.id), instance, nullptr);
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(buttonFont_.get()), FALSE);
  }
}

void TLanguagesettings::Prepare() {
  choice_ = PrepareLanguageChoice();
  ShowChoice();
}

void TLanguagesettings::ShowChoice() {
  for (std::size_t i = 0; i < choice_.buttons.size(); ++i) {
    HWND button = GetDlgItem(window_, kIdSpeedButton1 + static_cast<int>(i));
    EnableWindow(button, choice_.buttons[i].enabled);
    SendMessageA(button, BM_SETCHECK, choice_.buttons[i].down ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

void TLanguagesettings::ShowModal() { RunModal(); }

void TLanguagesettings::SpeedButton8Click() {
  // A choice that could not be saved is no change: the next start speaks as this one.
  if (auto error = CommitLanguageChoice(choice_).error) {
    os::MessagesPort().Show(*error, kApplicationTitle, os::mb::kOk | os::mb::kIconError);
  } else {
    confirmed_ = true;
  }
  EndModal();
}

void TLanguagesettings::SpeedButton9Click() { EndModal(); }

void TLanguagesettings::DrawSpeedButton(const DRAWITEMSTRUCT& item, HBITMAP glyph) const {
  int width = item.rcItem.right - item.rcItem.left;
  int height = item.rcItem.bottom - item.rcItem.top;
  bool down = SendMessageA(item.hwndItem, BM_GETCHECK, 0, 0) == BST_CHECKED;
  bool pressed = (item.itemState & ODS_SELECTED) != 0;
  bool disabled = (item.itemState & ODS_DISABLED) != 0;
  bool hot = GetPropA(item.hwndItem, kHotProperty) != nullptr;

  win::UniqueDc buffer(CreateCompatibleDC(item.hDC));
  win::UniqueBitmap surface(CreateCompatibleBitmap(item.hDC, width, height));
  win::ScopedSelect selectSurface(buffer.get(), surface.get());
  HDC dc = buffer.get();
  controls_.PaintBehind(dc, item.hwndItem);
  RECT face{0, 0, width, height};
  if (down && !pressed) {
    RECT inner{1, 1, width - 1, height - 1};
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    FillRect(dc, &inner, dither_.get());
  }
  if (down || pressed)
    DrawEdge(dc, &face, BDR_SUNKENOUTER, BF_RECT);
  else if (hot && !disabled)
    DrawEdge(dc, &face, BDR_RAISEDINNER, BF_RECT);

  // The flag, pushed one pixel down and right while the button is down; faint while disabled.
  int shift = (down || pressed) ? 1 : 0;
  RECT glyphRect{(width - ART_FLAG_SIZE) / 2 + shift, (height - ART_FLAG_SIZE) / 2 + shift, 0, 0};
  glyphRect.right = glyphRect.left + ART_FLAG_SIZE;
  glyphRect.bottom = glyphRect.top + ART_FLAG_SIZE;
  if (!disabled) {
    DrawArt(dc, glyph, glyphRect, true);
  } else {
    win::UniqueDc layer(CreateCompatibleDC(dc));
    win::UniqueBitmap layerBitmap(CreateCompatibleBitmap(dc, ART_FLAG_SIZE, ART_FLAG_SIZE));
    win::ScopedSelect selectLayer(layer.get(), layerBitmap.get());
    BitBlt(layer.get(), 0, 0, ART_FLAG_SIZE, ART_FLAG_SIZE, dc, glyphRect.left, glyphRect.top, SRCCOPY);
    DrawArt(layer.get(), glyph, RECT{0, 0, ART_FLAG_SIZE, ART_FLAG_SIZE}, true);
    win::BlendOnto(dc, glyphRect.left, glyphRect.top, ART_FLAG_SIZE, ART_FLAG_SIZE, layer.get(), kDisabledGlyphAlpha);
  }
  if (item.itemState & ODS_FOCUS) {
    RECT focus{2, 2, width - 2, height - 2};
    DrawFocusRect(dc, &focus);
  }
  BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, width, height, dc, 0, 0, SRCCOPY);
}

void TLanguagesettings::PaintBackground(HDC dc, const RECT& area) const {
  FillRect(dc, &area, tile_.get());
  // The panel's raised edge along the client area.
  RECT client{0, 0, kLanguageClientWidth, kLanguageClientHeight};
  DrawEdge(dc, &client, BDR_RAISEDINNER, BF_RECT);
}

LRESULT TLanguagesettings::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      win::PaintScope paint(window);
      HDC dc = paint.dc();
      SetBrushOrgEx(dc, 0, 0, nullptr);
      PaintBackground(dc, paint.area());
      return 0;
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      int index = static_cast<int>(item.CtlID) - kIdSpeedButton1;
      if (item.CtlType == ODT_BUTTON && index >= 0 && index < static_cast<int>(flags_.size())) {
        DrawSpeedButton(item, flags_[index].get());
        return TRUE;
      }
      if (controls_.Draw(item)) return TRUE;
      break;
    }
    case WM_COMMAND: {
      int id = LOWORD(wParam);
      if (id == IDOK) {
        SpeedButton8Click();
        return 0;
      }
      if (id == IDCANCEL) {
        SpeedButton9Click();
        return 0;
      }
      int index = id - kIdSpeedButton1;
      if (HIWORD(wParam) == BN_CLICKED && index >= 0 && index < static_cast<int>(choice_.buttons.size())) {
        PressLanguageButton(choice_, static_cast<std::size_t>(index));
        ShowChoice();
        return 0;
      }
      break;
    }
    case WM_CLOSE: SpeedButton9Click(); return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void OpenLanguageDialog(HWND owner) {
  if (openDialog != nullptr) return;
  bool confirmed = false;
  try {
    TLanguagesettings dialog(owner);
    openDialog = &dialog;
    dialog.Prepare();
    dialog.ShowModal();
    confirmed = dialog.Confirmed();
  } catch (const std::exception&) {
    // The language stays as it is.
  }
  openDialog = nullptr;
  if (confirmed) OfferRestart();
}

}  // namespace vrex::app
