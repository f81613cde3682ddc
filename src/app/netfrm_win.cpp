#include "app/netfrm_win.h"

#include <exception>

#include "app/about_win.h"
#include "app/report_lines.h"
#include "app/wait_dialog_win.h"
#include "lang/language.h"
#include "lang/language_dialog_win.h"
#include "lang/string_ids.h"
#include "platform/os/ports.h"
#include "platform/os/win/fonts_win.h"
#include "platform/os/win/gdi_win.h"
#include "platform/os/win/window_libraries_win.h"
#include "platform/os/win/window_win.h"
#include "platform/ui/art_ids.h"
#include "platform/ui/dialog_draw_win.h"
#include "platform/ui/widgets_win.h"
#include "report/report_frm_win.h"

namespace vrex::app {

namespace {

constexpr const char* kClassName = "TNETFrm";

struct ButtonPlace {
  int id;
  int left;
  int caption;  // language string
  int resting;  // bitmap resources
  int hover;
};
constexpr ButtonPlace kButtons[] = {
    {kReportBtn, 0, IDS_REPORT_BUTTON, IDB_BTN_REPORT, IDB_BTN_REPORT_HOVER},
    {kAboutBtn, 190, IDS_ABOUT_BUTTON, IDB_BTN_ABOUT, IDB_BTN_ABOUT_HOVER},
    {kLangBtn, 280, IDS_LANGUAGE_BUTTON, IDB_BTN_LANG, IDB_BTN_LANG_HOVER},
    {kMinimizeBtn, 370, IDS_MINIMIZE_BUTTON, IDB_BTN_MINIMIZE, IDB_BTN_MINIMIZE_HOVER},
    {kCloseBtn, 460, IDS_CLOSE_BUTTON, IDB_BTN_CLOSE, IDB_BTN_CLOSE_HOVER},
};

// An image list from a strip of equal pictures, magenta transparent.
win::UniqueImageList LoadStrip(int id, int size, int count) {
  win::UniqueImageList list(win::lazy::ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, count, 0));
  win::UniqueBitmap strip = ui::LoadArtBitmap(id);
  if (list && strip) win::lazy::ImageList_AddMasked(list.get(), strip.get(), ART_KEY_COLOUR);
  return list;
}

view::Font PaneFont(bool bold, view::Colour colour = view::Colour::System(COLOR_WINDOWTEXT)) {
  view::Font font;
  font.size = 8;
  font.bold = bold;
  font.colour = colour;
  return font;
}

}  // namespace

TNETFrm::TNETFrm(HINSTANCE instance) : instance_(instance) {}

TNETFrm::~TNETFrm() = default;

bool TNETFrm::Create() {
  ui::RegisterWidgetClasses(instance_);
  win::RegisterClassOnce({.name = kClassName,
                          .procedure = WindowProc,
                          .icon = LoadIconA(instance_, MAKEINTRESOURCEA(IDI_VREXNET)),
                          .background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                          .instance = instance_});
  int left = (GetSystemMetrics(SM_CXSCREEN) - kMainWidth) / 2;
  int top = (GetSystemMetrics(SM_CYSCREEN) - kMainHeight) / 2;
  CreateWindowExA(0, kClassName, kApplicationTitle, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, left, top,
                  kMainWidth, kMainHeight, nullptr, nullptr, instance_, this);
  return window_ != nullptr;
}

void TNETFrm::LoadArt() {
  font_ = win::CreateFontFor({"MS Sans Serif", -11});
  labelFont_ = win::CreateFontFor({"MS Sans Serif", -13, true});
  backgroundTile_ = ui::LoadArtBitmap(IDB_BACKGROUND_TILE);
  stripTile_ = ui::LoadArtBitmap(IDB_STRIP_TILE);
  wallpaperLeft_ = ui::LoadArtBitmap(IDB_WALLPAPER_LEFT);
  wallpaperRight_ = ui::LoadArtBitmap(IDB_WALLPAPER_RIGHT);
  for (std::size_t i = 0; i < std::size(kButtons); ++i) {
    buttonArt_[i].resting = ui::LoadArtBitmap(kButtons[i].resting);
    buttonArt_[i].hover = ui::LoadArtBitmap(kButtons[i].hover);
  }
  imageList1_ = LoadStrip(IDB_IMAGELIST1, ART_ICON_SIZE, ART_IMAGELIST1_COUNT);
  sectionImages_ = LoadStrip(IDB_SECTIONIMAGES, ART_ICON_SIZE, ART_SECTIONIMAGES_COUNT);
  nodeGlyphs_.reset(win::lazy::ImageList_Create(ART_GLYPH_SIZE, ART_GLYPH_SIZE, ILC_COLOR24 | ILC_MASK, 2, 0));
  for (int id : {IDB_EXPANDGLYPH, IDB_CONTRACTGLYPH}) {
    win::UniqueBitmap glyph = ui::LoadArtBitmap(id);
    win::lazy::ImageList_AddMasked(nodeGlyphs_.get(), glyph.get(), ART_KEY_COLOUR);
  }
}

// The components as the form's design lays them out.
void TNETFrm::CreateComponents() {
  LoadArt();
  RECT client;
  GetClientRect(window_, &client);

  ui::PanelStyle strip;
  strip.tile = stripTile_.get();
  strip.loweredInnerBevel = true;
  HWND panel3 = ui::CreatePanel(window_, kPanel3, RECT{0, 0, client.right, 25}, strip);
  for (std::size_t i = 0; i < std::size(kButtons); ++i) {
    const ButtonPlace& place = kButtons[i];
    ui::ExplorerButtonStyle style;
    style.restingImage = buttonArt_[i].resting.get();
    style.hoverImage = buttonArt_[i].hover.get();
    style.stripTile = stripTile_.get();
    style.stripOrigin = POINT{place.left, 3};
    style.font = font_.get();
    HBITMAP resting = style.restingImage;
    HBITMAP hover = style.hoverImage;
    // Moving over a button shows its hover image; leaving it, the resting one again.
    style.onMouseMove = [this, i, hover] { ui::SetButtonImage(buttons_[i], hover); };
    style.onExit = [this, i, resting] { ui::SetButtonImage(buttons_[i], resting); };
    switch (place.id) {
      case kReportBtn: style.onClick = [this] { ReportBtnClick(); }; break;
      case kAboutBtn: style.onClick = [this] { AboutBtnClick(); }; break;
      case kLangBtn: style.onClick = [this] { LangBtnClick(); }; break;
      case kMinimizeBtn: style.onClick = [this] { MinimizeBtnClick(); }; break;
      case kCloseBtn: style.onClick = [this] { CloseBtnClick(); }; break;
    }
    buttons_[i] =
        ui::CreateExplorerButton(panel3, place.id, RECT{place.left, 3, place.left + 90, 22}, std::move(style));
  }

  ui::PanelStyle body;
  body.color = RGB(197, 210, 226);
  HWND panel1 = ui::CreatePanel(window_, kPanel1, RECT{8, 32, 8 + 561, 32 + 417}, body);

  ui::GaugeStyle gauge;
  gauge.labelFont = labelFont_.get();
  gauge.labelBounds = RECT{8, 0, 353, 17};  // Label1 sits at left 208 of the panel, over the bar at 200
  gaugeBar1_ = ui::CreateGaugeBar(panel1, kGaugeBar1, RECT{200, 16, 200 + 353, 16 + 17}, gauge);

  view::SectionListArt leftArt{sectionImages_.get(), imageList1_.get(), nodeGlyphs_.get(), wallpaperLeft_.get()};
  sectionListBox1_.Create(panel1, kSectionListBox1, RECT{1, 1, 1 + 193, 1 + 415}, leftArt, 16);
  view::SectionListArt rightArt{imageList1_.get(), imageList1_.get(), nodeGlyphs_.get(), wallpaperRight_.get()};
  sectionListBox2_.Create(panel1, kSectionListBox2, RECT{200, 87, 200 + 345, 87 + 329}, rightArt, 10);

  auto& left = sectionListBox1_.Model();
  left.sectionColor = view::Colour::Rgb(216, 208, 146);
  left.sectionFont = PaneFont(true, view::Colour::System(COLOR_BACKGROUND));
  left.font = PaneFont(true);
  left.color = view::Colour::System(COLOR_INFOBK);
  left.tabPositions = {80};
  const view::Colour leftColors[] = {view::Colour::System(COLOR_WINDOW), view::Colour::System(COLOR_WINDOW),
                                     view::Colour::System(COLOR_INFOBK)};
  for (int i = 0; i < 3; ++i) {
    auto& section = left.AddSection();
    section.fontUsage = view::TFontUsage::fuBoth;
    section.font = PaneFont(false);
    section.itemHeight = 20;
    section.color = leftColors[i];
    section.SetImageIndex(i);
  }

  auto& right = sectionListBox2_.Model();
  right.sectionColor = view::Colour::Rgb(219, 219, 219);
  right.sectionFont = PaneFont(false);
  right.font = PaneFont(true, view::Colour::Rgb(0, 0, 128));
  right.color = view::Colour::System(COLOR_WINDOW);
  right.wordWrap = true;
  right.expandDisable = true;
  right.contractDisable = true;
  // Sections added at run time take the widget's default line font.
  right.subItemHeight = 20;

  // The online detector starts its one-second timer with the form.
  iNetDetector1_ = std::make_unique<components::TINetDetector>(components::CreateHiddenWindowTimer);

  ConnectGatherers();
  panes_ = std::make_unique<MainPanes>(left, right, gatherers_, ActiveConnections);
  panes_->Connect();
}

void TNETFrm::ConnectGatherers() {
  gatherers_ = StartUpGatherers([this] { return iNetDetector1_->Online(); });
}

void TNETFrm::FormCreate() {
  // The language module first: every text from here on is looked up in it.
  LoadLanguageModule();
  // The device walks and the phonebook look for their files there.
  ReadSystemFolder();
  // The gathering below takes a moment: the wait note, with the hourglass,
  // tells the user that the program is at work until it is all done.
  ShowWaitDlg(window_);
  SetWaitLabel(GetLangString(IDS_WAIT_MESSAGE));
  SetWaitCaption(GetLangString(IDS_WAIT_CAPTION));
  // The connections are a snapshot of this moment: the Winsock page lists them.
  GatherActiveConnections();
  // The buttons and the label over the gauge bar read the module's captions.
  for (std::size_t i = 0; i < std::size(kButtons); ++i)
    SetWindowTextA(buttons_[i], GetLangString(kButtons[i].caption).c_str());
  ui::SetGaugeLabel(gaugeBar1_, GetLangString(IDS_GAUGE_LABEL));
  BuildLeftPane(sectionListBox1_.Model());
  // The devices with their database names, then the network information that
  // reads its adapters from them.  A database that cannot be read is
  // reported, and start-up goes on: the wait note must not stay up with
  // nothing gathered.
  GatherDevicesAndNetwork(refreshDevices, [](const std::string& message) {
    HideWaitDlg();
    os::MessagesPort().Show(message, kApplicationTitle, os::mb::kOk | os::mb::kIconError);
  });
  HideWaitDlg();
}

void TNETFrm::ReportBtnClick() {
  view::SectionListArt art{sectionImages_.get(), imageList1_.get(), nodeGlyphs_.get(), nullptr};
  report::OpenReportWindow(window_, sectionListBox1_.Model(), art);
  const report::ReportChoice choice = report::ReportChoiceResult;
  // Closed without an action: nothing is gathered.
  if (choice.action == report::ReportAction::kNone) return;
  Lines lines = ReportLines(choice.selection, gatherers_, ActiveConnections);
  report::WindowReportDialogs dialogs(window_);
  if (auto error = report::ReportOutput(choice.action, std::move(lines), report::NowText(), dialogs))
    os::MessagesPort().Show(*error, kApplicationTitle, os::mb::kOk | os::mb::kIconError);
}

void TNETFrm::AboutBtnClick() { AboutBtnExecute(window_); }

void TNETFrm::LangBtnClick() { OpenLanguageDialog(window_); }

void TNETFrm::RestoreFocus() {
  HWND target =
      lastFocus_ != nullptr && IsWindow(lastFocus_) && IsChild(window_, lastFocus_) ? lastFocus_ : buttons_[0];
  if (target != nullptr) SetFocus(target);
}

void TNETFrm::CloseBtnClick() { PostMessageA(window_, WM_CLOSE, 0, 0); }

void TNETFrm::MinimizeBtnClick() { ShowWindow(window_, SW_MINIMIZE); }

LRESULT CALLBACK TNETFrm::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return win::Guarded([&]() -> LRESULT {
    auto* self = win::BoundWindowObject(window, message, lParam, &TNETFrm::window_);
    if (self == nullptr || message == WM_NCDESTROY) return DefWindowProcA(window, message, wParam, lParam);
    return self->OnMessage(message, wParam, lParam);
  });
}

LRESULT TNETFrm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateComponents();
      FormCreate();
      return 0;
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(window_, &client);
      win::TileBitmap(reinterpret_cast<HDC>(wParam), backgroundTile_.get(), client, POINT{0, 0});
      return 1;
    }
    case WM_GETMINMAXINFO: {
      // The window keeps its size whatever the border or the system menu ask.
      auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
      info->ptMinTrackSize = info->ptMaxTrackSize = POINT{kMainWidth, kMainHeight};
      info->ptMaxSize = POINT{kMainWidth, kMainHeight};
      return 0;
    }
    // The keyboard comes back where it was, or to the first tab stop.
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window_, focus)) lastFocus_ = focus;
      } else {
        RestoreFocus();
      }
      return 0;
    case WM_SETFOCUS: RestoreFocus(); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

int RunApplication(HINSTANCE instance, int showCommand) {
  LanguageModuleOwner languageModule;  // goes after the window that reads it
  TNETFrm form(instance);
  if (!form.Create()) return 1;
  // A start-up that could not start Winsock has asked to end without showing the window.
  if (!os::UiPort().Terminated()) {
    ShowWindow(form.Handle(), showCommand);
    UpdateWindow(form.Handle());
  }
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchProgramMessage(form.Handle(), message);
  return static_cast<int>(message.wParam);
}

void DispatchProgramMessage(HWND mainWindow, MSG& message) {
  // Tab and the arrow keys between the controls go to the dialog manager.
  if (mainWindow != nullptr && IsDialogMessageA(mainWindow, &message)) return;
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

}  // namespace vrex::app
