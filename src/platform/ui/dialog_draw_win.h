#pragma once
// What the wait dialog, the about box and the language dialog share: the
// program's artwork, fonts, owner-drawn labels and pictures that are
// transparent over whatever their dialog paints, hints, placement and the
// modal loop.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/os/win/fonts_win.h"
#include "platform/os/win/handles_win.h"

namespace vrex::ui {

// A bitmap of the program's artwork (art_ids.h), or null when it is missing.
win::UniqueBitmap LoadArtBitmap(int id);
// Stretches the bitmap into target; with transparent, the key colour is left out.
void DrawArt(HDC dc, HBITMAP bitmap, const RECT& target, bool transparent);

struct LabelStyle {
  HFONT font = nullptr;
  COLORREF colour = RGB(0, 0, 0);
  UINT format = DT_LEFT | DT_SINGLELINE | DT_NOPREFIX;  // DrawText flags
  bool shadow = false;
  COLORREF shadowColour = RGB(0, 0, 0);
  int shadowOffset = 2;
};

// Owner-drawn static controls of one dialog: labels and pictures that draw
// the dialog's background beneath them, so that they look transparent.
// Their window texts are their captions, so that they can be read back.
class DrawnControls {
 public:
  // Paints the dialog's background into dc for the rectangle (client coordinates of the dialog).
  using BackgroundPainter = std::function<void(HDC dc, const RECT& area)>;
  explicit DrawnControls(BackgroundPainter painter) : painter_(std::move(painter)) {}

  HWND AddLabel(HWND parent, int id, const RECT& bounds, const std::string& text, const LabelStyle& style,
                DWORD extraStyle = 0);
  HWND AddPicture(HWND parent, int id, const RECT& bounds, HBITMAP bitmap, bool transparent, bool visible = true);
  // Handles WM_DRAWITEM; false when the control is not one of these.
  bool Draw(const DRAWITEMSTRUCT& item);
  // Paints the dialog's background into dc, a DC the size of the control.
  void PaintBehind(HDC dc, HWND control) const;
  LabelStyle* Style(int id);
  // Sets a label's text and, unless it wraps words, sizes it to fit: a
  // right-aligned label keeps its right edge, others their left.
  void SetLabelText(int id, const std::string& text);
  // Moves a label and sizes it to its text again.
  void MoveLabel(int id, int left, int top);

 private:
  struct Control {
    int id;
    HWND window;
    bool picture;
    LabelStyle style;
    HBITMAP bitmap;
    bool transparent;
  };
  Control* Find(int id);
  void FitToText(Control& control);
  BackgroundPainter painter_;
  std::vector<Control> controls_;
};

// Tooltips ("hints") of one dialog's controls.
class Hints {
 public:
  void Set(HWND dialog, HWND control, const std::string& text);
  HWND Window() const { return tooltip_; }

 private:
  HWND tooltip_ = nullptr;  // destroyed with its owner, the dialog
};

// Window rectangle for a client area of the given size and style.
RECT WindowRectForClient(int width, int height, DWORD style, DWORD exStyle);
// Centre of the owner's monitor work area (no owner: the primary one).
RECT CentreOnDesktop(HWND owner, int width, int height);
// Centred over the owner window, kept on the owner's monitor.
RECT CentreOverWindow(HWND owner, int width, int height);

// Runs the message loop of a modal window until done becomes true: the
// owner is disabled meanwhile and enabled again before the window goes.  A
// WM_QUIT ends the loop early and is posted again for the caller's loop.
void RunModalLoop(HWND window, HWND owner, const bool& done);

}  // namespace vrex::ui
