#include "view/section_listbox_win.h"

#include <algorithm>

#include "platform/os/win/gdi_win.h"
#include "view/gdi_canvas_win.h"
#include "view/markup.h"

namespace vrex::view {
namespace {

constexpr int kHeaderData = 1;
// A list box row cannot be higher than this.
constexpr int kMaxRowHeight = 255;

COLORREF ToColorRef(const Colour& colour) { return GdiCanvas::Resolve(colour); }

int IconCount(HIMAGELIST icons) { return icons != nullptr ? ImageList_GetImageCount(icons) : 0; }

void Line(HDC dc, int x1, int y1, int x2, int y2, COLORREF color) {
  win::UniquePen pen(CreatePen(PS_SOLID, 1, color));
  win::ScopedSelect select(dc, pen.get());
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

void Fill(HDC dc, const RECT& rect, COLORREF color) {
  win::UniqueBrush brush(CreateSolidBrush(color));
  FillRect(dc, &rect, brush.get());
}

}  // namespace

SectionListBoxWin::SectionListBoxWin() : model_(*this) {}

SectionListBoxWin::~SectionListBoxWin() {
  if (window_ != nullptr && IsWindow(window_)) {
    SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(listProc_));
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
  }
}

bool SectionListBoxWin::Create(HWND parent, int id, const RECT& bounds, const SectionListArt& art, int scrollWidth) {
  art_ = art;
  scrollWidth_ = scrollWidth;
  markupFonts_ = std::make_unique<GdiFontCache>();

  window_ = CreateWindowExA(
      0, "LISTBOX", "",
      WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_OWNERDRAWVARIABLE | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY,
      bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  if (window_ == nullptr) return false;
  // Plain subclassing with the object in the window's user data: every row
  // insert is a message to the list, and a property lookup per message costs
  // a round trip to the window server under Wine.
  SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  listProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SectionListBoxWin::ListProc)));
  return true;
}

namespace {
SectionListBoxWin* inserting = nullptr;
}

SectionListBoxWin* SectionListBoxWin::Inserting() { return inserting; }

SectionListBoxWin* SectionListBoxWin::FromWindow(HWND window) {
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)) != &SectionListBoxWin::ListProc)
    return nullptr;
  return reinterpret_cast<SectionListBoxWin*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

HFONT SectionListBoxWin::FontHandle(const view::Font& font) {
  auto key = std::make_tuple(font.name, font.size, font.bold, font.italic, font.underline);
  auto found = fonts_.find(key);
  if (found == fonts_.end()) {
    win::WindowDc screen(window_);
    int height = -MulDiv(font.size, GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
    HFONT handle =
        CreateFontA(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic, font.underline, 0, DEFAULT_CHARSET,
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, font.name.c_str());
    found = fonts_.emplace(key, win::UniqueFont(handle)).first;
  }
  return found->second.get();
}

const view::Font& SectionListBoxWin::LineFont(const TListSection& section) const {
  return section.fontUsage == TFontUsage::fuSection ? model_.font : section.font;
}

// One DC for all measuring: a memory DC compatible with the list's screen.
HDC SectionListBoxWin::MeasuringDc() {
  if (!measuringDc_) {
    win::WindowDc screen(window_);
    measuringDc_.reset(CreateCompatibleDC(screen.get()));
  }
  return measuringDc_.get();
}

int SectionListBoxWin::TextWidth() const {
  RECT client;
  GetClientRect(window_, &client);
  return client.right - model_.subItemIndent;
}

int SectionListBoxWin::MeasureRow(const TSectionListBox& list, int row) {
  if (list.IsHeaderRow(row)) return list.sectionHeight;
  auto at = list.RowAt(row);
  const TListSection& section = list.Section(at.section);
  if (!section.autoSize) return section.itemHeight;
  const std::string& text = list.RowText(row);
  HDC dc = MeasuringDc();
  if (IsMarkupLine(text)) {
    // One canvas for all measuring, so its fonts are made once.
    if (!measuringCanvas_) measuringCanvas_ = std::make_unique<GdiCanvas>(dc, art_.subItemImages, markupFonts_.get());
    MarkupOptions options{TextWidth(), list.wordWrap, LineFont(section), IconCount(art_.subItemImages)};
    return std::clamp(MeasureMarkupLine(*measuringCanvas_, text, options), 1, kMaxRowHeight);
  }
  if (!list.wordWrap) return section.itemHeight;
  RECT window;
  GetWindowRect(window_, &window);
  RECT bounds{0, 0, (window.right - window.left) - scrollWidth_ - list.subItemIndent, 0};
  win::ScopedSelect select(dc, FontHandle(LineFont(section)));
  TEXTMETRICA metrics;
  GetTextMetricsA(dc, &metrics);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &bounds,
            DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
  int lines = std::max(1, static_cast<int>((bounds.bottom + metrics.tmHeight - 1) / std::max(1L, metrics.tmHeight)));
  return std::clamp(section.itemHeight * lines, 1, kMaxRowHeight);
}

void SectionListBoxWin::RowsInserted(int row, const std::vector<int>& heights) {
  if (heights.size() > 1) {
    int count = static_cast<int>(SendMessageA(window_, LB_GETCOUNT, 0, 0));
    SendMessageA(window_, LB_INITSTORAGE, count + heights.size(), 0);
  }
  for (std::size_t i = 0; i < heights.size(); ++i) {
    int index = row + static_cast<int>(i);
    bool header = model_.IsHeaderRow(index);
    int height = std::clamp(heights[i], 1, kMaxRowHeight);
    // The owner answers the list's WM_MEASUREITEM with this height (MeasureItem).
    pendingHeight_ = height;
    SendMessageA(window_, LB_INSERTSTRING, index, header ? kHeaderData : 0);
    pendingHeight_ = 0;
    if (SendMessageA(window_, LB_GETITEMHEIGHT, index, 0) != height)
      SendMessageA(window_, LB_SETITEMHEIGHT, index, height);
  }
}

void SectionListBoxWin::MeasureItem(MEASUREITEMSTRUCT& item) {
  if (pendingHeight_ <= 0) return;
  item.itemHeight = pendingHeight_;
  answered_ = true;
}

void SectionListBoxWin::RowsDeleted(int row, int count) {
  if (row == 0 && count == static_cast<int>(SendMessageA(window_, LB_GETCOUNT, 0, 0))) {
    SendMessageA(window_, LB_RESETCONTENT, 0, 0);
    return;
  }
  for (int i = 0; i < count; ++i) SendMessageA(window_, LB_DELETESTRING, row, 0);
}

void SectionListBoxWin::RowChanged(int row, int height) {
  SendMessageA(window_, LB_SETITEMHEIGHT, row, std::clamp(height, 1, kMaxRowHeight));
  if (!redraw_) return;
  RECT rect;
  if (SendMessageA(window_, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect)) != LB_ERR)
    InvalidateRect(window_, &rect, FALSE);
}

void SectionListBoxWin::SetRedraw(bool on) {
  redraw_ = on;
  SendMessageA(window_, WM_SETREDRAW, on ? TRUE : FALSE, 0);
}

void SectionListBoxWin::InvalidateAll() {
  // The list box recomputes its scroll range when rows change; redraw all of it, frame included.
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void SectionListBoxWin::SetTopRow(int row) { SendMessageA(window_, LB_SETTOPINDEX, row, 0); }

void SectionListBoxWin::SetSelectedRow(int row) { SendMessageA(window_, LB_SETCURSEL, row, 0); }

int SectionListBoxWin::SelectedRow() const { return static_cast<int>(SendMessageA(window_, LB_GETCURSEL, 0, 0)); }

void SectionListBoxWin::TileWallpaper(HDC dc, const RECT& rect) const {
  // Tiles start at the list's top-left corner, so rows line up with the background below them.
  win::TileBitmap(dc, art_.wallpaper, rect, POINT{0, 0});
}

void SectionListBoxWin::DrawItem(const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1) || static_cast<int>(item.itemID) >= model_.RowCount()) return;
  int row = static_cast<int>(item.itemID);
  auto at = model_.RowAt(row);
  const TListSection& section = model_.Section(at.section);
  bool selected = (item.itemState & ODS_SELECTED) != 0;
  bool focused = (item.itemState & ODS_FOCUS) != 0;
  const RECT& rect = item.rcItem;
  int width = rect.right - rect.left;
  int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  // The row is drawn off screen and copied in one piece: many small drawing
  // calls straight to a window are slow under Wine.  The memory DC keeps the
  // list's coordinates, so the wallpaper tiles line up.
  win::UniqueDc memory(CreateCompatibleDC(item.hDC));
  win::UniqueBitmap bitmap(CreateCompatibleBitmap(item.hDC, width, height));
  {
    win::ScopedSelect select(memory.get(), bitmap.get());
    HDC dc = memory.get();
    SetViewportOrgEx(dc, -rect.left, -rect.top, nullptr);
    SetBkMode(dc, TRANSPARENT);
    if (at.line < 0) {
      DrawHeader(dc, rect, section, selected, focused);
    } else {
      DrawLine(dc, rect, section, at.line, selected, focused);
    }
    BitBlt(item.hDC, rect.left, rect.top, width, height, dc, rect.left, rect.top, SRCCOPY);
  }
}

void SectionListBoxWin::DrawHeader(HDC dc, const RECT& rect, const TListSection& section, bool, bool) {
  Fill(dc, rect, ToColorRef(model_.sectionColor));
  const view::Font& font = section.fontUsage == TFontUsage::fuSubItems ? model_.sectionFont : section.font;
  int height = rect.bottom - rect.top;
  if (art_.nodeGlyphs != nullptr) {
    int glyph = section.State() == TListSectionState::lssExpanded ? 0 : 1;
    ImageList_Draw(art_.nodeGlyphs, glyph, dc, rect.left + 3, rect.top + (height - 10) / 2, ILD_TRANSPARENT);
  }
  int x = rect.left + model_.sectionIndent;
  if (section.ImageIndex() >= 0 && art_.sectionImages != nullptr) {
    ImageList_Draw(art_.sectionImages, section.ImageIndex(), dc, x, rect.top + (height - 16) / 2, ILD_TRANSPARENT);
    x += 16 + model_.imageSpacing;
  }
  win::ScopedSelect select(dc, FontHandle(font));
  SetTextColor(dc, ToColorRef(font.colour));
  RECT text{x, rect.top, rect.right - 2, rect.bottom};
  std::vector<INT> stops(model_.tabPositions.begin(), model_.tabPositions.end());
  DRAWTEXTPARAMS params{sizeof params, 8, 0, 0, 0};
  if (!stops.empty()) params.iTabLength = stops.front();
  DrawTextExA(dc, const_cast<char*>(section.Caption().c_str()), static_cast<int>(section.Caption().size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_EXPANDTABS | DT_TABSTOP | DT_END_ELLIPSIS, &params);
  // Raised frame: light top and left edges, grey bottom and right edges.
  Line(dc, rect.left, rect.bottom - 1, rect.left, rect.top, RGB(255, 255, 255));
  Line(dc, rect.left, rect.top, rect.right - 1, rect.top, RGB(255, 255, 255));
  Line(dc, rect.right - 1, rect.top, rect.right - 1, rect.bottom - 1, RGB(128, 128, 128));
  Line(dc, rect.left, rect.bottom - 1, rect.right, rect.bottom - 1, RGB(128, 128, 128));
}

void SectionListBoxWin::DrawLine(HDC dc, const RECT& rect, const TListSection& section, int line, bool selected,
                                 bool focused) {
  bool wallpaper = art_.wallpaper != nullptr;
  if (wallpaper) {
    TileWallpaper(dc, rect);
  } else {
    Fill(dc, rect, ToColorRef(selected && model_.fullFocus ? model_.selectionColor : section.color));
  }
  view::Font font = LineFont(section);
  if (selected) font.colour = model_.selectionTextColor;
  int height = rect.bottom - rect.top;
  int x = rect.left + model_.subItemIndent;
  if (section.controlType == TSectionControlType::scCheckbox) {
    int top = section.vAlignment == TVAlignment::vtaTop      ? rect.top + 1
              : section.vAlignment == TVAlignment::vtaBottom ? rect.bottom - 14
                                                             : rect.top + (height - 12) / 2;
    RECT box{x, top, x + 14, top + 14};
    UINT state = DFCS_BUTTONCHECK | DFCS_FLAT;
    if (section.GetSubItemCheck(line)) state |= DFCS_CHECKED;
    if (section.readOnly) state |= DFCS_INACTIVE;
    DrawFrameControl(dc, &box, DFC_BUTTON, state);
    x += 16;
  }
  int icon = section.GetSubItemImage(line);
  if (icon >= 0 && art_.subItemImages != nullptr) {
    int top = section.vAlignment == TVAlignment::vtaTop      ? rect.top + 1
              : section.vAlignment == TVAlignment::vtaBottom ? rect.bottom - 17
                                                             : rect.top + (height - 16) / 2;
    ImageList_Draw(art_.subItemImages, icon, dc, x, top, ILD_TRANSPARENT);
    x += 16 + model_.imageSpacing;
  }
  const std::string& text = section.SubItems()[line];
  if (IsMarkupLine(text)) {
    // The text area begins one pixel right of the indent and the row icon.
    GdiCanvas canvas(dc, art_.subItemImages, markupFonts_.get());
    MarkupOptions options{rect.right - (x + 1), model_.wordWrap, font, IconCount(art_.subItemImages)};
    DrawMarkupLine(canvas, text, x + 1, rect.top, options);
  } else {
    win::ScopedSelect select(dc, FontHandle(font));
    SetTextColor(dc, ToColorRef(font.colour));
    RECT area{x, rect.top, rect.right, rect.bottom};
    UINT format = DT_NOPREFIX | DT_EXPANDTABS;
    format |= model_.wordWrap ? DT_WORDBREAK : (DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
  }
  if (focused && !wallpaper) DrawFocusRect(dc, &rect);
}

LRESULT CALLBACK SectionListBoxWin::ListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<SectionListBoxWin*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  return self->OnMessage(message, wParam, lParam);
}

LRESULT SectionListBoxWin::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(listProc_, window_, message, wParam, lParam);
}

LRESULT SectionListBoxWin::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN: {
      int x = static_cast<short>(LOWORD(lParam));
      int y = static_cast<short>(HIWORD(lParam));
      LRESULT hit = SendMessageA(window_, LB_ITEMFROMPOINT, 0, MAKELPARAM(x, y));
      bool outside = HIWORD(hit) != 0 || static_cast<int>(LOWORD(hit)) >= model_.RowCount();
      SetFocus(window_);
      // The list selects the row itself; the model then fires the events.
      model_.MouseDown(outside ? -1 : static_cast<int>(LOWORD(hit)), x);
      return 0;
    }
    case WM_LBUTTONDBLCLK: return 0;
    case WM_KEYDOWN:
      if (wParam == VK_SPACE) {
        model_.SpaceKey();
        return 0;
      }
      break;
    case WM_CHAR:
      if (wParam == ' ') return 0;
      break;
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(window_, &client);
      HDC dc = reinterpret_cast<HDC>(wParam);
      if (art_.wallpaper != nullptr) {
        TileWallpaper(dc, client);
      } else {
        Fill(dc, client, ToColorRef(model_.color));
      }
      return 1;
    }
    case WM_SIZE: {
      LRESULT result = Default(message, wParam, lParam);
      if (model_.wordWrap) model_.RemeasureAll();
      return result;
    }
  }
  return Default(message, wParam, lParam);
}

}  // namespace vrex::view
