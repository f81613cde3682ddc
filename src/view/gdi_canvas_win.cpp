#include "view/gdi_canvas_win.h"

#include <climits>

#include "platform/os/win/fonts_win.h"
#include "view/icon_strip_win.h"
#include "platform/os/win/window_libraries_win.h"

namespace vrex::view {
namespace {

// Runs are single lines; prefix processing stays on so '&' works as a mnemonic.
constexpr UINT kRunFormat = DT_LEFT | DT_TOP | DT_NOCLIP | DT_SINGLELINE;

int Length(std::string_view text) { return text.size() > INT_MAX ? INT_MAX : static_cast<int>(text.size()); }

// Text without a prefix character measures and draws the same through the
// plain text calls, which cost a fraction of DrawText's.
bool Plain(std::string_view text) { return text.find('&') == std::string_view::npos; }

}  // namespace

GdiFontCache::Entry& GdiFontCache::Get(const Font& font, int pixelsPerInch) {
  for (auto& entry : entries_) {
    if (entry.size == font.size && entry.bold == font.bold && entry.italic == font.italic &&
        entry.underline == font.underline && entry.pixelsPerInch == pixelsPerInch && entry.name == font.name)
      return entry;
  }
  win::UniqueFont handle = win::CreateFontFor(
      {font.name, win::PointsToHeight(font.size, pixelsPerInch), font.bold, font.italic, font.underline});
  entries_.push_back(
      Entry{font.name, font.size, font.bold, font.italic, font.underline, pixelsPerInch, std::move(handle)});
  return entries_.back();
}

GdiCanvas::GdiCanvas(HDC dc, HIMAGELIST images, GdiFontCache* fonts, const IconStrip* strip)
    : dc_(dc),
      images_(images),
      strip_(strip),
      pixelsPerInch_(GetDeviceCaps(dc, LOGPIXELSY)),
      originalFont_(GetCurrentObject(dc, OBJ_FONT)),
      originalTextColour_(GetTextColor(dc)),
      originalBackgroundMode_(GetBkMode(dc)),
      fonts_(fonts != nullptr ? fonts : &ownFonts_) {
  SetBkMode(dc_, TRANSPARENT);
}

GdiCanvas::~GdiCanvas() {
  // Deselect our fonts before their handles may be deleted with the cache.
  SelectObject(dc_, originalFont_);
  SetTextColor(dc_, originalTextColour_);
  SetBkMode(dc_, originalBackgroundMode_);
}

COLORREF GdiCanvas::Resolve(Colour colour) {
  return colour.IsSystem() ? GetSysColor(colour.system) : RGB(colour.r, colour.g, colour.b);
}

GdiFontCache::Entry& GdiCanvas::Select(const Font& font) {
  GdiFontCache::Entry& entry = fonts_->Get(font, pixelsPerInch_);
  SelectObject(dc_, entry.handle.get());
  return entry;
}

TextSize GdiCanvas::TextExtent(const Font& font, std::string_view text) {
  GdiFontCache::Entry& entry = Select(font);
  if (entry.height < 0) {
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc_, &metrics);
    entry.height = static_cast<int>(metrics.tmHeight);
  }
  if (text.empty()) return {0, entry.height};
  if (Plain(text)) {
    SIZE size{};
    GetTextExtentPoint32A(dc_, text.data(), Length(text), &size);
    return {static_cast<int>(size.cx), entry.height};
  }
  RECT rect{0, 0, 0, 0};
  DrawTextA(dc_, text.data(), Length(text), &rect, kRunFormat | DT_CALCRECT);
  return {static_cast<int>(rect.right - rect.left), entry.height};
}

void GdiCanvas::DrawTextRun(const Font& font, int x, int y, std::string_view text) {
  if (text.empty()) return;
  Select(font);
  SetTextColor(dc_, Resolve(font.colour));
  if (Plain(text)) {
    TextOutA(dc_, x, y, text.data(), Length(text));
    return;
  }
  RECT rect{x, y, x, y};  // DT_NOCLIP: the rectangle only places the text
  DrawTextA(dc_, text.data(), Length(text), &rect, kRunFormat);
}

void GdiCanvas::DrawIcon(int index, int x, int y) {
  int size = IconSize();
  if (strip_ != nullptr && strip_->Width() == size && strip_->Height() == size) {
    strip_->Draw(dc_, index, x, y);
    return;
  }
  if (images_ == nullptr || index < 0 || index >= win::lazy::ImageList_GetImageCount(images_)) return;
  int width = 0;
  int height = 0;
  win::lazy::ImageList_GetIconSize(images_, &width, &height);
  if (width == size && height == size) {
    win::lazy::ImageList_Draw(images_, index, dc_, x, y, ILD_TRANSPARENT);
    return;
  }
  // Another resolution (a printer): stretch a copy of the icon.
  win::UniqueIcon icon(win::lazy::ImageList_GetIcon(images_, index, ILD_TRANSPARENT));
  if (icon) DrawIconEx(dc_, x, y, icon.get(), size, size, 0, nullptr, DI_NORMAL);
}

void GdiCanvas::FillRect(const Rect& rect, Colour colour) {
  win::UniqueBrush brush(CreateSolidBrush(Resolve(colour)));
  RECT area{rect.left, rect.top, rect.right, rect.bottom};
  ::FillRect(dc_, &area, brush.get());
}

void GdiCanvas::DrawHorizontalLine(int left, int right, int y, Colour colour) {
  win::UniquePen pen(CreatePen(PS_SOLID, 1, Resolve(colour)));
  win::ScopedSelect selected(dc_, pen.get());
  MoveToEx(dc_, left, y, nullptr);
  LineTo(dc_, right, y);
}

}  // namespace vrex::view
