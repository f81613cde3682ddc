#pragma once
// The section list view as a Win32 owner-drawn list box with rows of
// variable height.  The model keeps sections and rows; this window mirrors
// the rows, measures and draws them, and turns mouse and key messages into
// the model's user input.
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <memory>
#include <tuple>
#include <vector>

#include "platform/os/win/handles_win.h"
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

  // The parent forwards WM_DRAWITEM of this control here.
  void DrawItem(const DRAWITEMSTRUCT& item);
  // The parent forwards WM_MEASUREITEM of this control here.
  void MeasureItem(MEASUREITEMSTRUCT& item);
  // Finds the control object of a list window created by this class.
  static SectionListBoxWin* FromWindow(HWND window);
  // The list inserting rows at this moment, whose WM_MEASUREITEM the owner is
  // being asked; none otherwise.  Spares the owner a window lookup per row.
  static SectionListBoxWin* Inserting();

  int MeasureRow(const TSectionListBox& list, int row) override;
  void RowsInserted(int row, const std::vector<int>& heights) override;
  void RowsDeleted(int row, int count) override;
  void RowChanged(int row, int height) override;
  void SetRedraw(bool on) override;
  void InvalidateAll() override;
  void SetTopRow(int row) override;
  void SetSelectedRow(int row) override;
  int SelectedRow() const override;

 private:
  static LRESULT CALLBACK ListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  HFONT FontHandle(const view::Font& font);
  void TileWallpaper(HDC dc, const RECT& rect) const;
  void DrawHeader(HDC dc, const RECT& rect, const TListSection& section, bool selected, bool focused);
  void DrawLine(HDC dc, const RECT& rect, const TListSection& section, int line, bool selected, bool focused);
  const view::Font& LineFont(const TListSection& section) const;
  int TextWidth() const;
  HDC MeasuringDc();

  TSectionListBox model_;
  HWND window_ = nullptr;
  WNDPROC listProc_ = nullptr;
  SectionListArt art_;
  int scrollWidth_ = 16;
  bool redraw_ = true;
  int pendingHeight_ = 0;
  bool answered_ = false;
  std::map<std::tuple<std::string, int, bool, bool, bool>, win::UniqueFont> fonts_;
  // Fonts of the markup rows, kept for the life of the list rather than made anew for each row.
  std::unique_ptr<class GdiFontCache> markupFonts_;
  win::UniqueDc measuringDc_;
  std::unique_ptr<class GdiCanvas> measuringCanvas_;
};

}  // namespace vrex::view
