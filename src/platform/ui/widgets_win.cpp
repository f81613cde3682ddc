#include "platform/ui/widgets_win.h"

#include <memory>

#include "platform/os/win/gdi_win.h"
#include "platform/os/win/handles_win.h"
#include "platform/os/win/newer_functions_win.h"
#include "platform/os/win/window_win.h"

namespace vrex::ui {
namespace {

using win::TileBitmap;

// Each widget owns its style, kept in its user data until WM_NCDESTROY.
template <typename Style>
Style* StyleOf(HWND window) {
  return win::OwnedState<Style>(window);
}

template <typename Style>
void Attach(HWND window, Style style) {
  win::SetOwnedState(window, std::make_unique<Style>(std::move(style)));
}

template <typename Style>
void Detach(HWND window) {
  win::ReleaseOwnedState<Style>(window);
}

LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return win::Guarded([&]() -> LRESULT {
    switch (message) {
      case WM_ERASEBKGND: {
        auto* style = StyleOf<PanelStyle>(window);
        RECT client;
        GetClientRect(window, &client);
        HDC dc = reinterpret_cast<HDC>(wParam);
        if (style != nullptr && style->tile != nullptr) {
          TileBitmap(dc, style->tile, client, POINT{0, 0});
        } else {
          win::UniqueBrush brush(CreateSolidBrush(style != nullptr ? style->color : GetSysColor(COLOR_BTNFACE)));
          FillRect(dc, &client, brush.get());
        }
        if (style != nullptr && style->loweredInnerBevel) DrawEdge(dc, &client, BDR_SUNKENINNER, BF_RECT);
        return 1;
      }
      case WM_NCDESTROY: Detach<PanelStyle>(window); break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
  });
}

struct ButtonState {
  ExplorerButtonStyle style;
  HBITMAP image = nullptr;
  bool hover = false;
  bool pressed = false;
};

void PaintButton(HWND window, HDC dc) {
  auto* state = StyleOf<ButtonState>(window);
  RECT client;
  GetClientRect(window, &client);
  if (state->style.stripTile != nullptr) {
    TileBitmap(dc, state->style.stripTile, client, POINT{-state->style.stripOrigin.x, -state->style.stripOrigin.y});
  }
  int shift = state->pressed && state->hover ? 1 : 0;
  int x = 2 + shift;
  if (state->image != nullptr) {
    BITMAP info;
    GetObjectA(state->image, sizeof info, &info);
    win::UniqueDc memory(CreateCompatibleDC(dc));
    win::ScopedSelect select(memory.get(), state->image);
    int width = info.bmWidth;
    int height = info.bmHeight;
    int drawHeight = height > client.bottom ? client.bottom : height;
    int drawWidth = height > client.bottom ? width * client.bottom / height : width;
    int top = (client.bottom - drawHeight) / 2 + shift;
    win::DrawKeyed(dc, RECT{x, top, x + drawWidth, top + drawHeight}, memory.get(), width, height, RGB(255, 0, 255));
    x += drawWidth + 4;
  }
  char caption[128] = {};
  GetWindowTextA(window, caption, sizeof caption);
  win::ScopedSelect font(dc, state->style.font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, state->hover ? RGB(255, 255, 255) : RGB(192, 192, 192));
  RECT text{x, shift, client.right - 2, client.bottom + shift};
  const UINT align = state->style.centerCaption ? DT_CENTER : DT_LEFT;
  DrawTextA(dc, caption, -1, &text, align | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
  if (state->hover) DrawEdge(dc, &client, state->pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  if (GetFocus() == window) {
    RECT mark{1, 1, client.right - 1, client.bottom - 1};
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &mark);
  }
}

// The button's action, as a click gives it.
void PressButton(ButtonState* state) {
  if (state == nullptr || !state->style.onClick) return;
  // The action may close the window; copy it first.
  auto action = state->style.onClick;
  action();
}

LRESULT CALLBACK ExplorerButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return win::Guarded([&]() -> LRESULT {
    auto* state = StyleOf<ButtonState>(window);
    if (win::HandleMouseLeaveTimer(window, message, wParam)) return 0;
    switch (message) {
      case WM_PAINT: {
        win::PaintScope paint(window);
        HDC dc = paint.dc();
        if (state != nullptr) PaintButton(window, dc);
        return 0;
      }
      case WM_ERASEBKGND: return 1;
      case WM_MOUSEMOVE:
        if (state != nullptr) {
          if (!state->hover) {
            state->hover = true;
            win::TrackMouseLeave(window);
            InvalidateRect(window, nullptr, FALSE);
          }
          if (state->style.onMouseMove) state->style.onMouseMove();
        }
        return 0;
      case WM_MOUSELEAVE:
        if (state != nullptr) {
          state->hover = false;
          state->pressed = false;
          InvalidateRect(window, nullptr, FALSE);
          if (state->style.onExit) state->style.onExit();
        }
        return 0;
      case WM_LBUTTONDOWN:
        if (state != nullptr) {
          state->pressed = true;
          SetCapture(window);
          InvalidateRect(window, nullptr, FALSE);
        }
        return 0;
      case WM_LBUTTONUP:
        if (state != nullptr && state->pressed) {
          state->pressed = false;
          ReleaseCapture();
          InvalidateRect(window, nullptr, FALSE);
          POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
          RECT client;
          GetClientRect(window, &client);
          if (PtInRect(&client, at)) PressButton(state);
        }
        return 0;
      case WM_SETTEXT: {
        LRESULT result = DefWindowProcA(window, message, wParam, lParam);
        InvalidateRect(window, nullptr, FALSE);
        return result;
      }
      // The keyboard: a tab stop that Space and Enter press.
      case WM_GETDLGCODE: {
        const auto* sent = reinterpret_cast<const MSG*>(lParam);
        if (sent != nullptr && sent->message == WM_KEYDOWN && sent->wParam == VK_RETURN) return DLGC_WANTMESSAGE;
        return DLGC_BUTTON;
      }
      case WM_KEYDOWN:
        if (wParam == VK_SPACE || wParam == VK_RETURN) PressButton(state);
        return 0;
      case WM_SETFOCUS:
      case WM_KILLFOCUS: InvalidateRect(window, nullptr, FALSE); return 0;
      case WM_NCDESTROY: Detach<ButtonState>(window); break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
  });
}

struct GaugeState {
  GaugeStyle style;
};

void PaintGauge(HWND window, HDC dc) {
  auto* state = StyleOf<GaugeState>(window);
  RECT client;
  GetClientRect(window, &client);
  // Always full: a gradient through the three bar colours, white border.
  const COLORREF* colors = state->style.colors;
  int middle = client.right / 2;
  win::FillGradient(dc, RECT{0, 0, middle, client.bottom}, colors[0], colors[1]);
  win::FillGradient(dc, RECT{middle, 0, client.right, client.bottom}, colors[1], colors[2]);
  win::UniqueBrush white(CreateSolidBrush(RGB(255, 255, 255)));
  FrameRect(dc, &client, white.get());
  char caption[512] = {};
  GetWindowTextA(window, caption, sizeof caption);
  win::ScopedSelect font(dc, state->style.labelFont);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  RECT text = state->style.labelBounds;
  DrawTextA(dc, caption, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

LRESULT CALLBACK GaugeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return win::Guarded([&]() -> LRESULT {
    switch (message) {
      case WM_PAINT: {
        win::PaintScope paint(window);
        HDC dc = paint.dc();
        if (StyleOf<GaugeState>(window) != nullptr) PaintGauge(window, dc);
        return 0;
      }
      case WM_ERASEBKGND: return 1;
      case WM_SETTEXT: {
        LRESULT result = DefWindowProcA(window, message, wParam, lParam);
        InvalidateRect(window, nullptr, FALSE);
        return result;
      }
      case WM_NCDESTROY: Detach<GaugeState>(window); break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
  });
}

HWND CreateChild(const char* className, HWND parent, int id, const RECT& bounds, DWORD style, DWORD exStyle = 0) {
  return CreateWindowExA(exStyle, className, "", WS_CHILD | WS_VISIBLE | style, bounds.left, bounds.top,
                         bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

void RegisterWidgetClasses(HINSTANCE instance) {
  win::RegisterClassOnce({.name = kPanelClass, .procedure = PanelProc, .instance = instance});
  win::RegisterClassOnce({.name = kExplorerButtonClass, .procedure = ExplorerButtonProc, .instance = instance});
  win::RegisterClassOnce({.name = kGaugeLabelClass, .procedure = GaugeProc, .instance = instance});
}

HWND CreatePanel(HWND parent, int id, const RECT& bounds, const PanelStyle& style) {
  // The dialog manager looks inside a panel for the tab stops of its children.
  HWND panel = CreateChild(kPanelClass, parent, id, bounds, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
  if (panel != nullptr) Attach(panel, style);
  return panel;
}

HWND CreateExplorerButton(HWND parent, int id, const RECT& bounds, ExplorerButtonStyle style) {
  HWND button = CreateChild(kExplorerButtonClass, parent, id, bounds, WS_TABSTOP);
  if (button != nullptr) {
    HBITMAP image = style.restingImage;
    Attach(button, ButtonState{std::move(style), image});
  }
  return button;
}

void SetButtonImage(HWND button, HBITMAP image) {
  if (auto* state = StyleOf<ButtonState>(button)) {
    if (state->image != image) {
      state->image = image;
      InvalidateRect(button, nullptr, FALSE);
    }
  }
}

HBITMAP ButtonImage(HWND button) {
  auto* state = StyleOf<ButtonState>(button);
  return state != nullptr ? state->image : nullptr;
}

HWND CreateGaugeBar(HWND parent, int id, const RECT& bounds, const GaugeStyle& style) {
  HWND gauge = CreateChild(kGaugeLabelClass, parent, id, bounds, 0);
  if (gauge != nullptr) Attach(gauge, GaugeState{style});
  return gauge;
}

void SetGaugeLabel(HWND gauge, const std::string& text) { SetWindowTextA(gauge, text.c_str()); }

}  // namespace vrex::ui
