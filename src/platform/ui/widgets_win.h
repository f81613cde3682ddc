#pragma once
// The few widgets of the main window: the explorer-style button of the
// strip, the decorative gauge bar with its label, and panels with a colour
// or a tiled bitmap.
#include <windows.h>

#include <functional>
#include <string>

namespace vrex::ui {

// Registers the widget window classes once.
void RegisterWidgetClasses(HINSTANCE instance);

inline constexpr const char* kPanelClass = "TPanel";
inline constexpr const char* kExplorerButtonClass = "TExplorerButton";
inline constexpr const char* kGaugeLabelClass = "TGaugeLabel";

// Panel: fills itself with a colour, or tiles a bitmap when one is set, and
// hands owner-draw messages of its children to the main window.
struct PanelStyle {
  COLORREF color = RGB(212, 208, 200);
  HBITMAP tile = nullptr;  // not owned
  bool loweredInnerBevel = false;
};
HWND CreatePanel(HWND parent, int id, const RECT& bounds, const PanelStyle& style);

// Explorer-style button: bitmap left of the caption over a tiled strip,
// silver text at rest and white under the mouse, the hover image while the
// mouse is over it, sunk while pressed.
struct ExplorerButtonStyle {
  HBITMAP restingImage = nullptr;  // not owned
  HBITMAP hoverImage = nullptr;    // not owned
  HBITMAP stripTile = nullptr;     // background seen through the transparent button
  POINT stripOrigin{0, 0};         // where the button sits on the strip, for the tiling
  HFONT font = nullptr;
  bool centerCaption = false;  // else the caption starts right of the image
  std::function<void()> onClick;
  std::function<void()> onMouseMove;
  std::function<void()> onExit;
};
HWND CreateExplorerButton(HWND parent, int id, const RECT& bounds, ExplorerButtonStyle style);
// The image the button shows now; the handlers swap it.
void SetButtonImage(HWND button, HBITMAP image);
HBITMAP ButtonImage(HWND button);

// The gauge bar with its label drawn over it: a full three-colour bar.
struct GaugeStyle {
  COLORREF colors[3] = {RGB(64, 0, 128), RGB(112, 133, 190), RGB(174, 187, 219)};
  RECT labelBounds{};  // relative to the bar
  HFONT labelFont = nullptr;
};
HWND CreateGaugeBar(HWND parent, int id, const RECT& bounds, const GaugeStyle& style);
// Label1's text, drawn white over the bar.
void SetGaugeLabel(HWND gauge, const std::string& text);

}  // namespace vrex::ui
