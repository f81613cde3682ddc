#include "view/section_listbox_win.h"

#include <algorithm>
#include <cstring>

#include "platform/os/win/gdi_win.h"
#include "platform/os/win/window_win.h"
#include "view/gdi_canvas_win.h"
#include "view/icon_strip_win.h"
#include "view/markup.h"
#include "view/row_text_channel.h"

namespace vrex::view {
namespace {

constexpr char kClassName[] = "VrexSectionList";
constexpr int kWheelRows = 3;

COLORREF ToColorRef(const Colour& colour) { return GdiCanvas::Resolve(colour); }

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

void SectionListBoxWin::RegisterListClass() {
  win::RegisterClassOnce({.name = kClassName, .procedure = &SectionListBoxWin::WindowProc, .style = CS_DBLCLKS});
}

SectionListBoxWin::SectionListBoxWin() : model_(*this) {}

SectionListBoxWin::~SectionListBoxWin() {
  // A window that outlives its object falls back to the default procedure.
  if (window_ != nullptr && IsWindow(window_)) SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
}

bool SectionListBoxWin::Create(HWND parent, int id, const RECT& bounds, const SectionListArt& art, int scrollWidth) {
  art_ = art;
  scrollWidth_ = scrollWidth;
  fonts_ = std::make_unique<GdiFontCache>();
  sectionIcons_ = std::make_unique<IconStrip>(art.sectionImages);
  lineIcons_ = std::make_unique<IconStrip>(art.subItemImages);
  glyphs_ = std::make_unique<IconStrip>(art.nodeGlyphs);
  RegisterListClass();
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN, bounds.left, bounds.top,
                      bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this) == nullptr)
    return false;
  // The scroll bar is a control of its own, so that it can be as narrow as the list asks.
  scrollBar_ = CreateWindowExA(0, "SCROLLBAR", "", WS_CHILD | SBS_VERT, 0, 0, scrollWidth_, 0, window_, nullptr,
                               instance, nullptr);
  Resized();
  return true;
}

LRESULT CALLBACK SectionListBoxWin::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return win::Guarded([&]() -> LRESULT {
    auto* self = win::BoundWindowObject(window, message, lParam, &SectionListBoxWin::window_);
    if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
      self->scrollBar_ = nullptr;
      return DefWindowProcA(window, message, wParam, lParam);
    }
    return self->OnMessage(message, wParam, lParam);
  });
}

HFONT SectionListBoxWin::FontHandle(const view::Font& font) {
  if (pixelsPerInch_ == 0) {
    win::WindowDc screen(window_);
    pixelsPerInch_ = GetDeviceCaps(screen.get(), LOGPIXELSY);
  }
  return fonts_->Get(font, pixelsPerInch_).handle.get();
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

int SectionListBoxWin::RowsRight() const { return clientWidth_ - (scrollBarShown_ ? scrollWidth_ : 0); }

int SectionListBoxWin::TextRight() const { return clientWidth_ - scrollWidth_; }

// Where a line's text goes, for measuring and drawing alike: after the
// sub-item indent, the check box and the line's icon, up to the text's right
// edge.  A row measured at another width than it is drawn at loses its last
// wrapped line.
SectionListBoxWin::TextArea SectionListBoxWin::LineTextArea(const TListSection& section, int line) const {
  int x = model_.subItemIndent;
  if (section.controlType == TSectionControlType::scCheckbox) x += kCheckBoxAdvance;
  if (section.GetSubItemImage(line) >= 0 && art_.subItemImages != nullptr) x += 16 + model_.imageSpacing;
  return TextArea{x, TextRight()};
}

int SectionListBoxWin::MeasureRow(const TSectionListBox& list, int row) {
  if (list.IsHeaderRow(row)) return list.sectionHeight;
  auto at = list.RowAt(row);
  const TListSection& section = list.Section(at.section);
  if (!section.autoSize) return section.itemHeight;
  const std::string& text = list.RowText(row);
  const TextArea area = LineTextArea(section, at.line);
  HDC dc = MeasuringDc();
  if (IsMarkupLine(text)) {
    // One canvas for all measuring, so its fonts are made once.
    if (!measuringCanvas_) measuringCanvas_ = std::make_unique<GdiCanvas>(dc, art_.subItemImages, fonts_.get());
    MarkupOptions options{area.MarkupWidth(), list.wordWrap, LineFont(section), lineIcons_->Count()};
    return std::max(1, MeasureMarkupLine(*measuringCanvas_, text, options));
  }
  if (!list.wordWrap) return section.itemHeight;
  RECT bounds{0, 0, area.right - area.left, 0};
  win::ScopedSelect select(dc, FontHandle(LineFont(section)));
  TEXTMETRICA metrics;
  GetTextMetricsA(dc, &metrics);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &bounds,
            DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
  int lines = std::max(1, static_cast<int>((bounds.bottom + metrics.tmHeight - 1) / std::max(1L, metrics.tmHeight)));
  return std::max(1, section.itemHeight * lines);
}

void SectionListBoxWin::RowsInserted(int row, const std::vector<int>& heights) {
  std::vector<int> rows(heights.size());
  std::transform(heights.begin(), heights.end(), rows.begin(), [](int height) { return std::max(1, height); });
  rows_.Insert(row, rows);
  UpdateScrollBar();
  InvalidateRows();
}

void SectionListBoxWin::RowsDeleted(int row, int count) {
  rows_.Erase(row, count);
  UpdateScrollBar();
  InvalidateRows();
}

void SectionListBoxWin::RowChanged(int row, int height) {
  height = std::max(1, height);
  if (rows_.Height(row) == height) {
    InvalidateRow(row);
    return;
  }
  rows_.SetHeight(row, height);
  UpdateScrollBar();
  InvalidateRows();
}

// The scroll bar catches up in InvalidateAll, which always follows the end of an update.
void SectionListBoxWin::SetRedraw(bool on) { redraw_ = on; }

void SectionListBoxWin::InvalidateAll() {
  UpdateScrollBar();
  if (window_ != nullptr && redraw_)
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
}

void SectionListBoxWin::SetTopRow(int row) { ScrollTo(row); }

int SectionListBoxWin::TopRow() const { return rows_.Top(); }

void SectionListBoxWin::SetSelectedRow(int row) {
  int before = rows_.Selected();
  int top = rows_.Top();
  rows_.Select(row);
  rows_.EnsureVisible(rows_.Selected());
  if (rows_.Top() != top) {
    UpdateScrollBar();
    InvalidateRows();
    return;
  }
  if (before != rows_.Selected()) {
    InvalidateRow(before);
    InvalidateRow(rows_.Selected());
  }
}

int SectionListBoxWin::SelectedRow() const { return rows_.Selected(); }

RECT SectionListBoxWin::RowRect(int row) const {
  int top = rows_.RowY(row);
  return RECT{0, top, RowsRight(), top + rows_.Height(row)};
}

void SectionListBoxWin::InvalidateRows() {
  if (window_ == nullptr || !redraw_) return;
  RECT rows{0, 0, RowsRight(), rows_.ViewHeight()};
  InvalidateRect(window_, &rows, FALSE);
}

void SectionListBoxWin::InvalidateRow(int row) {
  if (window_ == nullptr || !redraw_ || row < 0 || row >= rows_.Count()) return;
  RECT rect = RowRect(row);
  InvalidateRect(window_, &rect, FALSE);
}

void SectionListBoxWin::UpdateScrollBar() {
  if (scrollBar_ == nullptr || !redraw_) return;
  bool show = rows_.Overflows();
  if (show) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = rows_.Count() - 1;
    info.nPage = static_cast<UINT>(rows_.Count() - rows_.MaxTop());
    info.nPos = rows_.Top();
    SetScrollInfo(scrollBar_, SB_CTL, &info, scrollBarShown_);
  }
  if (show != scrollBarShown_) {
    scrollBarShown_ = show;
    ShowWindow(scrollBar_, show ? SW_SHOWNA : SW_HIDE);
    InvalidateRows();
  }
}

void SectionListBoxWin::ScrollTo(int top) {
  int before = rows_.Top();
  rows_.SetTop(top);
  if (rows_.Top() == before) return;
  UpdateScrollBar();
  InvalidateRows();
}

void SectionListBoxWin::Resized() {
  if (window_ == nullptr) return;
  RECT client;
  GetClientRect(window_, &client);
  clientWidth_ = client.right;
  rows_.SetViewHeight(client.bottom);
  if (scrollBar_ != nullptr) MoveWindow(scrollBar_, client.right - scrollWidth_, 0, scrollWidth_, client.bottom, TRUE);
  UpdateScrollBar();
  InvalidateRows();
}

void SectionListBoxWin::Scrolled(int request) {
  switch (request) {
    case SB_LINEUP: ScrollTo(rows_.Top() - 1); break;
    case SB_LINEDOWN: ScrollTo(rows_.Top() + 1); break;
    case SB_PAGEUP: ScrollTo(rows_.Top() - rows_.PageRows()); break;
    case SB_PAGEDOWN: ScrollTo(rows_.Top() + rows_.PageRows()); break;
    case SB_TOP: ScrollTo(0); break;
    case SB_BOTTOM: ScrollTo(rows_.MaxTop()); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info{};
      info.cbSize = sizeof info;
      info.fMask = SIF_TRACKPOS;
      if (GetScrollInfo(scrollBar_, SB_CTL, &info)) ScrollTo(info.nTrackPos);
      break;
    }
  }
}

void SectionListBoxWin::SelectByKeyboard(int row) {
  if (rows_.Count() == 0) return;
  SetSelectedRow(std::clamp(row, 0, rows_.Count() - 1));
}

void SectionListBoxWin::KeyDown(WPARAM key) {
  int selected = rows_.Selected();
  switch (key) {
    case VK_SPACE: model_.SpaceKey(); break;
    case VK_UP: SelectByKeyboard(selected < 0 ? 0 : selected - 1); break;
    case VK_DOWN: SelectByKeyboard(selected + 1); break;
    case VK_PRIOR: SelectByKeyboard(selected - rows_.PageRows()); break;
    case VK_NEXT: SelectByKeyboard(selected + rows_.PageRows()); break;
    case VK_HOME: SelectByKeyboard(0); break;
    case VK_END: SelectByKeyboard(rows_.Count() - 1); break;
  }
}

void SectionListBoxWin::FillBackground(HDC dc, const RECT& rect) const {
  // Tiles start at the list's top-left corner, so rows line up with the background below them.
  if (art_.wallpaper != nullptr) {
    win::TileBitmap(dc, art_.wallpaper, rect, POINT{0, 0});
  } else {
    Fill(dc, rect, ToColorRef(model_.color));
  }
}

// Every visible row is drawn into one off-screen picture, which is then
// copied in one piece: many small drawing calls straight to a window are
// slow under Wine, and the rows never flicker.
void SectionListBoxWin::Paint() {
  win::PaintScope paint(window_);
  HDC screen = paint.dc();
  SIZE size{std::max(1, clientWidth_), std::max(1, rows_.ViewHeight())};
  if (!bufferDc_ || size.cx != bufferSize_.cx || size.cy != bufferSize_.cy) {
    bufferDc_.reset();
    buffer_.reset(CreateCompatibleBitmap(screen, size.cx, size.cy));
    bufferDc_.reset(CreateCompatibleDC(screen));
    SelectObject(bufferDc_.get(), buffer_.get());
    bufferSize_ = size;
  }
  HDC dc = bufferDc_.get();
  RECT area{};
  RECT rows{0, 0, RowsRight(), rows_.ViewHeight()};
  if (IntersectRect(&area, &paint.area(), &rows)) {
    FillBackground(dc, area);
    SetBkMode(dc, TRANSPARENT);
    int y = 0;
    for (int row = rows_.Top(); row < rows_.Count() && y < area.bottom; ++row) {
      RECT rect{0, y, rows.right, y + rows_.Height(row)};
      y = rect.bottom;
      if (rect.bottom <= area.top) continue;
      win::ScopedClip clip(dc, rect);
      auto at = model_.RowAt(row);
      const TListSection& section = model_.Section(at.section);
      bool selected = row == rows_.Selected();
      if (at.line < 0) {
        DrawHeader(dc, rect, section, selected && focused_);
      } else {
        DrawLine(dc, rect, section, at.line, selected, selected && focused_);
      }
    }
    BitBlt(screen, area.left, area.top, area.right - area.left, area.bottom - area.top, dc, area.left, area.top,
           SRCCOPY);
  }
}

void SectionListBoxWin::DrawHeader(HDC dc, const RECT& rect, const TListSection& section, bool focused) {
  Fill(dc, rect, ToColorRef(model_.sectionColor));
  const view::Font& font = section.fontUsage == TFontUsage::fuSubItems ? model_.sectionFont : section.font;
  int height = rect.bottom - rect.top;
  if (art_.nodeGlyphs != nullptr) {
    int glyph = section.State() == TListSectionState::lssExpanded ? 0 : 1;
    glyphs_->Draw(dc, glyph, rect.left + 3, rect.top + (height - 10) / 2);
  }
  int x = rect.left + model_.sectionIndent;
  if (section.ImageIndex() >= 0 && art_.sectionImages != nullptr) {
    sectionIcons_->Draw(dc, section.ImageIndex(), x, rect.top + (height - 16) / 2);
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
  // The keyboard's place: a dotted rectangle inside the frame.
  if (focused) {
    RECT mark{rect.left + 2, rect.top + 2, rect.right - 2, rect.bottom - 2};
    DrawFocusRect(dc, &mark);
  }
}

void SectionListBoxWin::DrawLine(HDC dc, const RECT& rect, const TListSection& section, int line, bool selected,
                                 bool focused) {
  bool wallpaper = art_.wallpaper != nullptr;
  // With a wallpaper the row is not filled: the background drawn below it shows through.
  if (!wallpaper) Fill(dc, rect, ToColorRef(selected && model_.fullFocus ? model_.selectionColor : section.color));
  view::Font font = LineFont(section);
  if (selected) font.colour = model_.selectionTextColor;
  int height = rect.bottom - rect.top;
  int x = rect.left + model_.subItemIndent;
  if (section.controlType == TSectionControlType::scCheckbox) {
    int top = section.vAlignment == TVAlignment::vtaTop      ? rect.top + 1
              : section.vAlignment == TVAlignment::vtaBottom ? rect.bottom - kCheckBoxSide
                                                             : rect.top + (height - 12) / 2;
    RECT box{x, top, x + kCheckBoxSide, top + kCheckBoxSide};
    UINT state = DFCS_BUTTONCHECK | DFCS_FLAT;
    if (section.GetSubItemCheck(line)) state |= DFCS_CHECKED;
    if (section.readOnly) state |= DFCS_INACTIVE;
    DrawFrameControl(dc, &box, DFC_BUTTON, state);
    x += kCheckBoxAdvance;
  }
  int icon = section.GetSubItemImage(line);
  if (icon >= 0 && art_.subItemImages != nullptr) {
    int top = section.vAlignment == TVAlignment::vtaTop      ? rect.top + 1
              : section.vAlignment == TVAlignment::vtaBottom ? rect.bottom - 17
                                                             : rect.top + (height - 16) / 2;
    lineIcons_->Draw(dc, icon, x, top);
    x += 16 + model_.imageSpacing;
  }
  const std::string& text = section.SubItems()[line];
  const TextArea textArea = LineTextArea(section, line);
  if (IsMarkupLine(text)) {
    GdiCanvas canvas(dc, art_.subItemImages, fonts_.get(), lineIcons_.get());
    MarkupOptions options{textArea.MarkupWidth(), model_.wordWrap, font, lineIcons_->Count()};
    DrawMarkupLine(canvas, text, rect.left + textArea.MarkupLeft(), rect.top, options);
  } else {
    win::ScopedSelect select(dc, FontHandle(font));
    SetTextColor(dc, ToColorRef(font.colour));
    RECT area{rect.left + textArea.left, rect.top, std::min<int>(rect.right, textArea.right), rect.bottom};
    UINT format = DT_NOPREFIX | DT_EXPANDTABS;
    format |= model_.wordWrap ? DT_WORDBREAK : (DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
  }
  // Over a wallpaper too: without it the keyboard's place would not show.
  if (focused) DrawFocusRect(dc, &rect);
}

LRESULT SectionListBoxWin::ListBoxQuery(UINT message, WPARAM wParam, LPARAM lParam) {
  int row = static_cast<int>(wParam);
  bool valid = row >= 0 && row < rows_.Count();
  switch (message) {
    case LB_GETCOUNT: return rows_.Count();
    case LB_GETTOPINDEX: return rows_.Top();
    case LB_SETTOPINDEX:
      if (!valid) return LB_ERR;
      ScrollTo(row);
      return 0;
    case LB_GETCURSEL: return rows_.Selected();
    case LB_SETCURSEL: SetSelectedRow(valid ? row : -1); return valid ? row : LB_ERR;
    case LB_GETITEMRECT:
      if (!valid || lParam == 0) return LB_ERR;
      *reinterpret_cast<RECT*>(lParam) = RowRect(row);
      return 1;
    case LB_GETITEMHEIGHT: return valid ? rows_.Height(row) : LB_ERR;
    case LB_GETITEMDATA: return valid ? (model_.IsHeaderRow(row) ? 1 : 0) : LB_ERR;
    // A row's text as the model holds it: a header's caption, a line's markup.
    // Only to the own thread: from elsewhere the pointer names a buffer of
    // unknown size (another process reads rows through the row text channel).
    case LB_GETTEXTLEN: return valid && !InSendMessage() ? static_cast<LRESULT>(model_.RowText(row).size()) : LB_ERR;
    case LB_GETTEXT: {
      if (!valid || lParam == 0 || InSendMessage()) return LB_ERR;
      const std::string& text = model_.RowText(row);
      std::memcpy(reinterpret_cast<char*>(lParam), text.c_str(), text.size() + 1);
      return static_cast<LRESULT>(text.size());
    }
    case LB_ITEMFROMPOINT: {
      int hit = rows_.RowAtY(static_cast<short>(HIWORD(lParam)));
      if (hit >= 0) return MAKELONG(hit, 0);
      return MAKELONG(std::max(0, rows_.Count() - 1), 1);
    }
  }
  return LB_ERR;
}

LRESULT SectionListBoxWin::SendRowText(WPARAM wParam, LPARAM lParam) {
  const int row = static_cast<int>(wParam);
  HWND asker = reinterpret_cast<HWND>(lParam);
  if (row < 0 || row >= rows_.Count() || !IsWindow(asker)) return LB_ERR;
  const std::string& text = model_.RowText(row);
  COPYDATASTRUCT data{static_cast<ULONG_PTR>(row), static_cast<DWORD>(text.size()), const_cast<char*>(text.data())};
  SendMessageA(asker, WM_COPYDATA, reinterpret_cast<WPARAM>(window_), reinterpret_cast<LPARAM>(&data));
  return static_cast<LRESULT>(text.size());
}

LRESULT SectionListBoxWin::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return 1;  // the paint covers every pixel
    case WM_SIZE: {
      int width = clientWidth_;
      Resized();
      if (model_.wordWrap && clientWidth_ != width) model_.RemeasureAll();
      return 0;
    }
    // A fast second press counts as a press of its own, so that a double
    // click on a header or a check box toggles twice.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      int x = static_cast<short>(LOWORD(lParam));
      int y = static_cast<short>(HIWORD(lParam));
      SetFocus(window_);
      // The list selects the row, then the model fires the events.
      model_.MouseDown(x < RowsRight() ? rows_.RowAtY(y) : -1, x);
      return 0;
    }
    case WM_KEYDOWN: KeyDown(wParam); return 0;
    // Ctrl+C, as the keyboard's translation delivers it.
    case WM_CHAR:
      if (wParam == 'C' - '@') model_.CopyKey();
      return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      focused_ = message == WM_SETFOCUS;
      InvalidateRow(rows_.Selected());
      return 0;
    case WM_VSCROLL: Scrolled(LOWORD(wParam)); return 0;
    case WM_MOUSEWHEEL: {
      wheelDelta_ += GET_WHEEL_DELTA_WPARAM(wParam);
      int notches = wheelDelta_ / WHEEL_DELTA;
      wheelDelta_ -= notches * WHEEL_DELTA;
      ScrollTo(rows_.Top() - notches * kWheelRows);
      return 0;
    }
    case LB_GETCOUNT:
    case LB_GETTOPINDEX:
    case LB_SETTOPINDEX:
    case LB_GETCURSEL:
    case LB_SETCURSEL:
    case LB_GETITEMRECT:
    case LB_GETITEMHEIGHT:
    case LB_GETITEMDATA:
    case LB_GETTEXTLEN:
    case LB_GETTEXT:
    case LB_ITEMFROMPOINT: return ListBoxQuery(message, wParam, lParam);
  }
  static const UINT rowTextMessage = RegisterWindowMessageA(kRowTextMessageName);
  if (message == rowTextMessage && rowTextMessage != 0) return SendRowText(wParam, lParam);
  return DefWindowProcA(window_, message, wParam, lParam);
}

}  // namespace vrex::view
