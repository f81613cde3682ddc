#pragma once
// The section list view on screen: a window of its own that keeps the rows'
// heights, scrolls a row at a time with a scroll bar of the list's width,
// and paints every visible row in one pass into one off-screen picture.  It
// turns mouse and key messages into the model's user input, and answers the
// list box queries (LB_GETCOUNT, LB_GETTOPINDEX, LB_GETITEMRECT, ...) so that
// other windows and tests can read it as a list box.
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <memory>
#include <tuple>
#include <vector>

#include "platform/os/win/handles_win.h"
#include "view/row_strip.h"
#include "view/section_list.h"

namespace vrex::view {

struct SectionListArt {
  HIMAGELIST sectionImages = nullptr;  // header icons
  HIMAGELIST subItemImages = nullptr;  // line icons and IMG tags
  HIMAGELIST nodeGlyphs = nullptr;     // 0 expand (down), 1 contract (right)
  HBITMAP wallpaper = nullptr;         // tiled behind line rows; none: rows are filled
};

class SectionListBoxWin : public SectionListHost {
 public:
  SectionListBoxWin();
  ~SectionListBoxWin() override;
  SectionListBoxWin(const SectionListBoxWin&) = delete;
  SectionListBoxWin& operator=(const SectionListBoxWin&) = delete;

  bool Create(HWND parent, int id, const RECT& bounds, const SectionListArt& art, int scrollWidth);
  HWND Handle() const { return window_; }
  TSectionListBox& Model() { return model_; }

  int MeasureRow(const TSectionListBox& list, int row) override;
  void RowsInserted(int row, const std::vector<int>& heights) override;
  void RowsDeleted(int row, int count) override;
  void RowChanged(int row, int height) override;
  void SetRedraw(bool on) override;
  void InvalidateAll() override;
  void SetTopRow(int row) override;
  int TopRow() const override;
  void SetSelectedRow(int row) override;
  int SelectedRow() const override;

 private:
  static void RegisterListClass();
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();
  void Resized();
  void Scrolled(int request);
  void KeyDown(WPARAM key);
  void ScrollTo(int top);
  void SelectByKeyboard(int row);
  void UpdateScrollBar();
  void InvalidateRows();
  void InvalidateRow(int row);
  RECT RowRect(int row) const;
  // The right edge of the rows: the client's, less the scroll bar while it shows.
  int RowsRight() const;
  // The right edge of the text: the client's less the scroll bar, whether it shows or not,
  // so that a row keeps its height when the scroll bar comes or goes.
  int TextRight() const;
  LRESULT ListBoxQuery(UINT message, WPARAM wParam, LPARAM lParam);
  // Sends another process the text of a row through the row text channel.
  LRESULT SendRowText(WPARAM wParam, LPARAM lParam);

  HFONT FontHandle(const view::Font& font);
  void FillBackground(HDC dc, const RECT& rect) const;
  void DrawHeader(HDC dc, const RECT& rect, const TListSection& section, bool focused);
  // The columns of a line's text, from the row's left edge.
  struct TextArea {
    int left;
    int right;
    // Markup is laid out from one pixel right of the indent and the icons.
    int MarkupLeft() const { return left + 1; }
    int MarkupWidth() const { return right - MarkupLeft(); }
  };
  TextArea LineTextArea(const TListSection& section, int line) const;
  void DrawLine(HDC dc, const RECT& rect, const TListSection& section, int line, bool selected, bool focused);
  const view::Font& LineFont(const TListSection& section) const;
  HDC MeasuringDc();

  TSectionListBox model_;
  RowStrip rows_;
  HWND window_ = nullptr;
  HWND scrollBar_ = nullptr;
  SectionListArt art_;
  int scrollWidth_ = 16;
  int clientWidth_ = 0;
  bool redraw_ = true;
  bool focused_ = false;
  bool scrollBarShown_ = false;
  int wheelDelta_ = 0;
  // Fonts of the headers, lines and markup rows, kept for the life of the list
  // rather than made anew for each row.
  std::unique_ptr<class GdiFontCache> fonts_;
  int pixelsPerInch_ = 0;
  win::UniqueDc measuringDc_;
  std::unique_ptr<class GdiCanvas> measuringCanvas_;
  // The icons of the art, copied for fast drawing.
  std::unique_ptr<class IconStrip> sectionIcons_;
  std::unique_ptr<class IconStrip> lineIcons_;
  std::unique_ptr<class IconStrip> glyphs_;
  // The off-screen picture every paint draws into, the size of the client area
  // (the DC goes first, so the picture is no longer selected when it is deleted).
  win::UniqueBitmap buffer_;
  win::UniqueDc bufferDc_;
  SIZE bufferSize_{0, 0};
};

}  // namespace vrex::view
