#include "app/about_win.h"
#include "platform/os/win/window_win.h"

#include <stdexcept>

#include "platform/ui/art_ids.h"

using namespace vrex::ui;  // the dialogs' drawing helpers

namespace vrex::app {
namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kNameShadow = RGB(0, 128, 255);

constexpr UINT kLine = DT_SINGLELINE | DT_NOPREFIX;
constexpr int kNameLeft = 4;
// The version keeps its right edge under the flag's.
constexpr int kVersionRight = 188;
constexpr RECT kLogo{0, 0, 200, 200};
constexpr RECT kCopyrightPicture{8, 224, 8 + 81, 224 + 13};
constexpr int kBevelTop = 216;
constexpr int kBevelLeft = 4;
constexpr int kBevelWidth = 193;

// Flag bitmaps in the order of the flag controls.
constexpr int kFlagBitmaps[] = {IDB_FLAG_EN, IDB_FLAG_ES, IDB_FLAG_DE, IDB_FLAG_CSY,
                                IDB_FLAG_FR, IDB_FLAG_IT, IDB_FLAG_RUS};

int FlagControl(AboutFlag flag) { return kIdImageEN + static_cast<int>(flag) - static_cast<int>(AboutFlag::EN); }

// A control's rectangle in its dialog's client coordinates.
RECT PlaceInDialog(HWND control) {
  RECT place{};
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

// The box that is open, or none: a second About click brings it to the front
// rather than stack another on it.
TDlgAbout* openAbout = nullptr;

}  // namespace

TDlgAbout::TDlgAbout(HWND owner) : ModalWindow(owner) {
  windowBrush_.reset(CreateSolidBrush(GetSysColor(COLOR_WINDOW)));
  CreateModal({kAboutWindowClass, kAboutDesignCaption, kAboutClientWidth, kAboutClientHeight}, "about box");
  CreateControls();
  if (openAbout == nullptr) openAbout = this;
}

TDlgAbout::~TDlgAbout() {
  if (openAbout == this) openAbout = nullptr;
  FreeDlg();
}

void TDlgAbout::CreateControls() {
  nameFont_ = win::CreateFontFor({"Times New Roman", win::PointsToHeight(16), true});
  versionFont_ = win::CreateFontFor({"MS Sans Serif", win::PointsToHeight(10), true});
  smallFont_ = win::CreateFontFor({"Microsoft Sans Serif", -9, false});
  linkFont_ = win::CreateFontFor({"Microsoft Sans Serif", win::PointsToHeight(8), false, false, true});
  logo_ = LoadArtBitmap(IDB_LOGO);
  copyright_ = LoadArtBitmap(IDB_COPYRIGHT);

  for (std::size_t i = 0; i < flags_.size(); ++i) {
    flags_[i] = LoadArtBitmap(kFlagBitmaps[i]);
    controls_.AddPicture(window_, kIdImageEN + static_cast<int>(i), RECT{168, 168, 188, 188}, flags_[i].get(), true,
                         false);
  }

  LabelStyle name;
  name.font = nameFont_.get();
  name.colour = kBlack;
  name.format = DT_LEFT | kLine;
  name.shadow = true;
  name.shadowColour = kNameShadow;
  name.shadowOffset = 2;
  controls_.AddLabel(window_, kIdLabelName, RECT{4, 194, 196, 216}, "", name, SS_NOTIFY);

  LabelStyle version;
  version.font = versionFont_.get();
  version.colour = kBlack;
  version.format = DT_RIGHT | kLine;
  version.shadow = true;
  version.shadowColour = kRed;
  version.shadowOffset = 1;
  controls_.AddLabel(window_, kIdLabelVer, RECT{168, 199, kVersionRight, 215}, "", version, SS_NOTIFY);

  LabelStyle copyright;
  copyright.font = smallFont_.get();
  copyright.format = DT_RIGHT | DT_WORDBREAK | DT_NOPREFIX;
  controls_.AddLabel(window_, kIdLabelCopyr1, RECT{92, 224, 92 + 105, 224 + 29}, "", copyright);

  LabelStyle grey;
  grey.font = smallFont_.get();
  grey.colour = kGrey;
  controls_.AddLabel(window_, kIdLabel1, RECT{4, 249, 40, 260}, "WWW:", grey);
  controls_.AddLabel(window_, kIdLabel2, RECT{4, 264, 40, 275}, "E-mail:", grey);

  LabelStyle link;
  link.font = linkFont_.get();
  link.colour = kBlue;
  controls_.AddLabel(window_, kIdLabelWww, RECT{44, 248, 190, 261}, "", link, SS_NOTIFY);
  controls_.AddLabel(window_, kIdLabelMail, RECT{44, 264, 190, 277}, "", link, SS_NOTIFY);
  controls_.SetLabelText(kIdLabel1, "WWW:");
  controls_.SetLabelText(kIdLabel2, "E-mail:");
}

bool TDlgAbout::SetDlg() {
  AboutLanguage language = ReadAboutLanguage();
  if (language.flag != AboutFlag::None) ShowWindow(GetDlgItem(window_, FlagControl(language.flag)), SW_SHOW);
  SetWindowTextA(window_, language.caption.c_str());

  texts_ = ReadAboutTexts();
  // The version first: the name ends before it, or one label would paint over the other.
  controls_.SetLabelText(kIdLabelVer, texts_.version);
  hints_.Set(window_, GetDlgItem(window_, kIdLabelVer), texts_.versionHint);
  HWND name = GetDlgItem(window_, kIdLabelName);
  NamePlacement placement = PlaceName(texts_.name);
  auto setName = [&](int pointSize) {
    nameFont_ = win::CreateFontFor({"Times New Roman", win::PointsToHeight(pointSize), true});
    controls_.Style(kIdLabelName)->font = nameFont_.get();
    controls_.SetLabelText(kIdLabelName, texts_.name);
    controls_.MoveLabel(kIdLabelName, kNameLeft, placement.top);
  };
  int room = PlaceInDialog(GetDlgItem(window_, kIdLabelVer)).left - kNameLeft;
  setName(FitNameSize(placement, room, [&](int pointSize) {
    setName(pointSize);
    RECT place = PlaceInDialog(name);
    return static_cast<int>(place.right - place.left);
  }));
  hints_.Set(window_, name, texts_.nameHint);
  controls_.SetLabelText(kIdLabelCopyr1, texts_.copyright);
  controls_.SetLabelText(kIdLabelWww, texts_.web);
  controls_.SetLabelText(kIdLabelMail, texts_.mail);
  return true;
}

int TDlgAbout::ShowModal() {
  result_ = 0;
  RunModal();
  return result_;
}

void TDlgAbout::FreeDlg() { DestroyModal(); }

void TDlgAbout::LabelWwwDblClick() { OpenWebAddress(texts_.web); }

void TDlgAbout::LabelMailClick() { OpenMailAddress(texts_.mail); }

void TDlgAbout::Close(int result) {
  result_ = result;
  EndModal();
}

void TDlgAbout::PaintBackground(HDC dc, const RECT& area) const {
  FillRect(dc, &area, windowBrush_.get());
  DrawArt(dc, logo_.get(), kLogo, false);
  // A lowered bevel line: shadow above, highlight below.
  RECT shadow{kBevelLeft, kBevelTop, kBevelLeft + kBevelWidth, kBevelTop + 1};
  RECT highlight{kBevelLeft, kBevelTop + 1, kBevelLeft + kBevelWidth, kBevelTop + 2};
  FillRect(dc, &shadow, GetSysColorBrush(COLOR_BTNSHADOW));
  FillRect(dc, &highlight, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
  DrawArt(dc, copyright_.get(), kCopyrightPicture, false);
}

LRESULT TDlgAbout::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      win::PaintScope paint(window);
      HDC dc = paint.dc();
      PaintBackground(dc, paint.area());
      return 0;
    }
    case WM_DRAWITEM:
      if (controls_.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case WM_SETCURSOR: {
      HWND over = reinterpret_cast<HWND>(wParam);
      if (over != nullptr && (over == GetDlgItem(window, kIdLabelWww) || over == GetDlgItem(window, kIdLabelMail))) {
        SetCursor(LoadCursor(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    }
    case WM_COMMAND: {
      int id = LOWORD(wParam);
      int code = HIWORD(wParam);
      bool clicked = code == STN_CLICKED || code == STN_DBLCLK;
      if (id == kIdLabelWww && clicked) {
        LabelWwwDblClick();
        return 0;
      }
      if (id == kIdLabelMail && clicked) {
        LabelMailClick();
        return 0;
      }
      if (id == IDCANCEL) {
        Close(IDCANCEL);
        return 0;
      }
      break;
    }
    case WM_CLOSE: Close(IDCANCEL); return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

int TVInfoAbout::Execute() {
  return ExecuteAbout([this]() -> std::unique_ptr<AboutDialog> { return std::make_unique<TDlgAbout>(owner_); });
}

int AboutBtnExecute(HWND owner) {
  if (openAbout != nullptr && openAbout->Handle() != nullptr) {
    SetForegroundWindow(openAbout->Handle());
    BringWindowToTop(openAbout->Handle());
    return IDCANCEL;
  }
  TVInfoAbout about(owner);
  return about.Execute();
}

}  // namespace vrex::app
