#include "platform/ui/dialog_draw_win.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/ui/art_ids.h"
#include "platform/os/win/gdi_win.h"
#include "platform/os/win/newer_functions_win.h"

namespace vrex::ui {
namespace {

HINSTANCE ProgramInstance() { return GetModuleHandleA(nullptr); }

constexpr int kOverhangSlack = 4;

RECT Centred(const RECT& area, const RECT& window) {
  int width = window.right - window.left;
  int height = window.bottom - window.top;
  int left = area.left + (area.right - area.left - width) / 2;
  int top = area.top + (area.bottom - area.top - height) / 2;
  return RECT{left, top, left + width, top + height};
}

// Moves the rectangle into area as far as it fits, keeping the top-left corner visible.
RECT KeptInside(RECT window, const RECT& area) {
  int width = window.right - window.left;
  int height = window.bottom - window.top;
  int left = std::max<int>(area.left, std::min<int>(window.left, area.right - width));
  int top = std::max<int>(area.top, std::min<int>(window.top, area.bottom - height));
  return RECT{left, top, left + width, top + height};
}

}  // namespace

win::UniqueBitmap LoadArtBitmap(int id) {
  return win::UniqueBitmap(static_cast<HBITMAP>(
      LoadImageA(ProgramInstance(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

void DrawArt(HDC dc, HBITMAP bitmap, const RECT& target, bool transparent) {
  BITMAP info{};
  if (bitmap == nullptr || GetObjectA(bitmap, sizeof info, &info) == 0) return;
  win::UniqueDc source(CreateCompatibleDC(dc));
  win::ScopedSelect select(source.get(), bitmap);
  int width = target.right - target.left;
  int height = target.bottom - target.top;
  if (transparent) {
    win::DrawKeyed(dc, target, source.get(), info.bmWidth, info.bmHeight, ART_KEY_COLOUR);
  } else {
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, target.left, target.top, width, height, source.get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
  }
}

HWND DrawnControls::AddLabel(HWND parent, int id, const RECT& bounds, const std::string& text, const LabelStyle& style,
                             DWORD extraStyle) {
  HWND window = CreateWindowExA(0, "STATIC", text.c_str(), WS_CHILD | WS_VISIBLE | SS_OWNERDRAW | extraStyle,
                                bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ProgramInstance(), nullptr);
  if (window == nullptr) return nullptr;
  controls_.push_back(Control{id, window, false, style, nullptr, false});
  return window;
}

HWND DrawnControls::AddPicture(HWND parent, int id, const RECT& bounds, HBITMAP bitmap, bool transparent,
                               bool visible) {
  HWND window = CreateWindowExA(0, "STATIC", "", WS_CHILD | SS_OWNERDRAW | (visible ? WS_VISIBLE : 0), bounds.left,
                                bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ProgramInstance(), nullptr);
  if (window == nullptr) return nullptr;
  controls_.push_back(Control{id, window, true, LabelStyle{}, bitmap, transparent});
  return window;
}

DrawnControls::Control* DrawnControls::Find(int id) {
  for (auto& control : controls_) {
    if (control.id == id) return &control;
  }
  return nullptr;
}

LabelStyle* DrawnControls::Style(int id) {
  Control* control = Find(id);
  return control != nullptr ? &control->style : nullptr;
}

bool DrawnControls::Draw(const DRAWITEMSTRUCT& item) {
  Control* control = Find(static_cast<int>(item.CtlID));
  if (control == nullptr || control->window != item.hwndItem) return false;
  int width = item.rcItem.right - item.rcItem.left;
  int height = item.rcItem.bottom - item.rcItem.top;
  if (width <= 0 || height <= 0) return true;

  // Drawn off screen, so that the background and the text appear at once.
  win::UniqueDc buffer(CreateCompatibleDC(item.hDC));
  win::UniqueBitmap surface(CreateCompatibleBitmap(item.hDC, width, height));
  win::ScopedSelect selectSurface(buffer.get(), surface.get());
  HDC dc = buffer.get();
  PaintBehind(dc, control->window);

  RECT area{0, 0, width, height};
  if (control->picture) {
    DrawArt(dc, control->bitmap, area, control->transparent);
  } else {
    char text[512] = {};
    GetWindowTextA(control->window, text, sizeof text);
    const LabelStyle& style = control->style;
    win::ScopedSelect font(dc, style.font != nullptr ? style.font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    RECT textArea = area;
    if (style.shadow) {
      // The shadow is the same text again, offset down and to the right.
      textArea.right -= style.shadowOffset;
      textArea.bottom -= style.shadowOffset;
      RECT shadowArea = textArea;
      OffsetRect(&shadowArea, style.shadowOffset, style.shadowOffset);
      SetTextColor(dc, style.shadowColour);
      DrawTextA(dc, text, -1, &shadowArea, style.format);
    }
    SetTextColor(dc, style.colour);
    DrawTextA(dc, text, -1, &textArea, style.format);
  }
  BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, width, height, dc, 0, 0, SRCCOPY);
  return true;
}

void DrawnControls::PaintBehind(HDC dc, HWND control) const {
  if (!painter_) return;
  RECT inParent;
  GetWindowRect(control, &inParent);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&inParent), 2);
  POINT oldOrigin, oldBrushOrigin;
  SetViewportOrgEx(dc, -inParent.left, -inParent.top, &oldOrigin);
  // Patterns continue where the dialog's own painting has them.
  SetBrushOrgEx(dc, -inParent.left, -inParent.top, &oldBrushOrigin);
  painter_(dc, inParent);
  SetViewportOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
  SetBrushOrgEx(dc, oldBrushOrigin.x, oldBrushOrigin.y, nullptr);
}

void DrawnControls::FitToText(Control& control) {
  if (control.picture || (control.style.format & DT_WORDBREAK)) return;
  char text[512] = {};
  GetWindowTextA(control.window, text, sizeof text);
  win::WindowDc screen(control.window);
  RECT needed{0, 0, 0, 0};
  {
    win::ScopedSelect font(screen.get(),
                           control.style.font != nullptr ? control.style.font : GetStockObject(DEFAULT_GUI_FONT));
    // An empty text keeps the height of one line.
    DrawTextA(screen.get(), text[0] != '\0' ? text : " ", -1, &needed, control.style.format | DT_CALCRECT);
  }
  int extra = control.style.shadow ? control.style.shadowOffset : 0;
  // Glyphs may reach past their advance (italic-like overhangs, wide "w"s):
  // a few pixels more, or the last letter is clipped.
  int width = (text[0] != '\0' ? needed.right + kOverhangSlack : 0) + extra;
  int height = needed.bottom + extra;

  RECT bounds;
  GetWindowRect(control.window, &bounds);
  HWND parent = GetParent(control.window);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bounds), 2);
  int left = (control.style.format & DT_RIGHT) ? bounds.right - width : bounds.left;
  // The area given up must show the background again.
  RECT uncovered = bounds;
  InvalidateRect(parent, &uncovered, FALSE);
  SetWindowPos(control.window, nullptr, left, bounds.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(control.window, nullptr, FALSE);
}

void DrawnControls::SetLabelText(int id, const std::string& text) {
  Control* control = Find(id);
  if (control == nullptr) return;
  SetWindowTextA(control->window, text.c_str());
  FitToText(*control);
  InvalidateRect(control->window, nullptr, FALSE);
}

void DrawnControls::MoveLabel(int id, int left, int top) {
  Control* control = Find(id);
  if (control == nullptr) return;
  RECT bounds;
  GetWindowRect(control->window, &bounds);
  HWND parent = GetParent(control->window);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bounds), 2);
  InvalidateRect(parent, &bounds, FALSE);
  SetWindowPos(control->window, nullptr, left, top, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
  FitToText(*control);
}

void Hints::Set(HWND dialog, HWND control, const std::string& text) {
  if (tooltip_ == nullptr) {
    tooltip_ =
        CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr, ProgramInstance(), nullptr);
    if (tooltip_ == nullptr) return;
  }
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;  // every comctl32 takes the first form
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = dialog;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  SendMessageA(tooltip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  std::string copy = text;  // the tooltip keeps its own copy
  tool.lpszText = copy.data();
  SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

RECT WindowRectForClient(int width, int height, DWORD style, DWORD exStyle) {
  RECT rect{0, 0, width, height};
  AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  return rect;
}

RECT CentreOnDesktop(HWND owner, int width, int height) {
  return Centred(win::MonitorArea(owner, false), RECT{0, 0, width, height});
}

RECT CentreOverWindow(HWND owner, int width, int height) {
  RECT ownerRect;
  if (owner == nullptr || !GetWindowRect(owner, &ownerRect)) return CentreOnDesktop(nullptr, width, height);
  return KeptInside(Centred(ownerRect, RECT{0, 0, width, height}), win::MonitorArea(owner, true));
}

void RunModalLoop(HWND window, HWND owner, const bool& done) {
  bool disableOwner = owner != nullptr && IsWindowEnabled(owner);
  if (disableOwner) EnableWindow(owner, FALSE);
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  MSG message;
  while (!done) {
    BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (got < 0) break;
    if (!IsDialogMessageA(window, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  if (disableOwner) EnableWindow(owner, TRUE);
  // Hidden while the owner is enabled, so that the activation returns to it.
  ShowWindow(window, SW_HIDE);
}

}  // namespace vrex::ui
