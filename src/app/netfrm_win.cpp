#include "app/netfrm_win.h"

#include <exception>

#include "app/about_win.h"
#include "app/report_lines.h"
#include "app/wait_dialog_win.h"
#include "app/window_place.h"
#include "lang/language.h"
#include "lang/language_dialog_win.h"
#include "lang/message_texts.h"
#include "lang/string_ids.h"
#include "platform/os/ports.h"
#include "platform/os/win/clipboard_win.h"
#include "platform/os/win/fonts_win.h"
#include "platform/os/win/gdi_win.h"
#include "platform/os/win/newer_functions_win.h"
#include "platform/os/win/window_libraries_win.h"
#include "platform/os/win/window_win.h"
#include "platform/ui/art_ids.h"
#include "platform/ui/dialog_draw_win.h"
#include "platform/ui/widgets_win.h"
#include "report/report_frm_win.h"

namespace vrex::app {

namespace {

constexpr const char* kClassName = "TNETFrm";
constexpr DWORD kMainStyle = WS_OVERLAPPEDWINDOW;

RECT ToRect(const view::Rect& rect) { return RECT{rect.left, rect.top, rect.right, rect.bottom}; }

void Place(HWND window, const view::Rect& rect) {
  MoveWindow(window, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

// The frame around the client area: the smallest window less it is the smallest client area.
SIZE SmallestClient() {
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, kMainStyle, FALSE, 0);
  return SIZE{kMainWidth - (frame.right - frame.left), kMainHeight - (frame.bottom - frame.top)};
}

// Where the window starts: as the last run left it, within the visible
// screen; the first time at the smallest size in the middle of the screen.
WindowPlace StartPlace() {
  const RECT area = win::MonitorArea(nullptr, true);
  const view::Rect visible{area.left, area.top, area.right, area.bottom};
  if (auto kept = ReadWindowPlace()) return ClampToArea(*kept, visible, kMainWidth, kMainHeight);
  return WindowPlace{(GetSystemMetrics(SM_CXSCREEN) - kMainWidth) / 2,
                     (GetSystemMetrics(SM_CYSCREEN) - kMainHeight) / 2, kMainWidth, kMainHeight, false};
}

// The wait note, with the hourglass, while the program gathers.
void ShowGatheringNote(HWND owner) {
  ShowWaitDlg(owner);
  SetWaitLabel(GetLangString(IDS_WAIT_MESSAGE));
  SetWaitCaption(GetLangString(IDS_WAIT_CAPTION));
}

// A database that cannot be read is told, and the gathering goes on: the
// wait note must not stay up over the message.
void TellDatabaseFault(const std::string& message) {
  HideWaitDlg();
  os::MessagesPort().Show(message, kApplicationTitle, os::mb::kOk | os::mb::kIconError);
}

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
  smallestClient_ = SmallestClient();
  startPlace_ = StartPlace();
  CreateWindowExA(0, kClassName, kApplicationTitle, kMainStyle, startPlace_.left, startPlace_.top, startPlace_.width,
                  startPlace_.height, nullptr, nullptr, instance_, this);
  return window_ != nullptr;
}

int TNETFrm::ShowCommand(int showCommand) const {
  const bool plain = showCommand == SW_SHOWNORMAL || showCommand == SW_SHOWDEFAULT || showCommand == SW_SHOW;
  return startPlace_.maximised && plain ? SW_SHOWMAXIMIZED : showCommand;
}

// The restored size and place, and whether the window is maximised, for the next start.
void TNETFrm::SavePlace() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(window_, &placement)) return;
  const RECT& normal = placement.rcNormalPosition;
  const bool maximised = placement.showCmd == SW_SHOWMAXIMIZED ||
                         (placement.showCmd == SW_SHOWMINIMIZED && (placement.flags & WPF_RESTORETOMAXIMIZED) != 0);
  // A place that cannot be kept is not worth a message at the end of the run.
  WriteWindowPlace(
      WindowPlace{normal.left, normal.top, normal.right - normal.left, normal.bottom - normal.top, maximised});
}

// Both panes, the strip and the gauge bar follow the window's size; the lists
// re-measure their rows to the new width themselves.
void TNETFrm::LayOut() {
  if (panel1_ == nullptr) return;
  RECT client;
  GetClientRect(window_, &client);
  if (client.right == 0 && client.bottom == 0) return;  // minimised
  const MainLayout layout = LayOutMainWindow(client.right, client.bottom, smallestClient_.cx, smallestClient_.cy);
  Place(panel3_, layout.panel3);
  Place(panel1_, layout.panel1);
  Place(sectionListBox1_.Handle(), layout.sectionListBox1);
  Place(gaugeBar1_, layout.gaugeBar1);
  Place(sectionListBox2_.Handle(), layout.sectionListBox2);
  // The bevels, the gauge's gradient and the tiled art are drawn to the edges: all of it anew.
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
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
  const MainLayout layout =
      LayOutMainWindow(smallestClient_.cx, smallestClient_.cy, smallestClient_.cx, smallestClient_.cy);

  ui::PanelStyle strip;
  strip.tile = stripTile_.get();
  strip.loweredInnerBevel = true;
  panel3_ = ui::CreatePanel(window_, kPanel3, ToRect(layout.panel3), strip);
  HWND panel3 = panel3_;
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
  panel1_ = ui::CreatePanel(window_, kPanel1, ToRect(layout.panel1), body);
  HWND panel1 = panel1_;

  ui::GaugeStyle gauge;
  gauge.labelFont = labelFont_.get();
  gauge.labelBounds = RECT{8, 0, 353, 17};  // Label1 sits at left 208 of the panel, over the bar at 200
  gaugeBar1_ = ui::CreateGaugeBar(panel1, kGaugeBar1, ToRect(layout.gaugeBar1), gauge);

  view::SectionListArt leftArt{sectionImages_.get(), imageList1_.get(), nodeGlyphs_.get(), wallpaperLeft_.get()};
  sectionListBox1_.Create(panel1, kSectionListBox1, ToRect(layout.sectionListBox1), leftArt, 16);
  view::SectionListArt rightArt{imageList1_.get(), imageList1_.get(), nodeGlyphs_.get(), wallpaperRight_.get()};
  sectionListBox2_.Create(panel1, kSectionListBox2, ToRect(layout.sectionListBox2), rightArt, 10);

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
  right.OnCopy = [this](view::TSectionListBox& pane) { CopyPaneRows(pane.SelectedRow(), CopyScope::kRow); };

  paneMenu_.reset(CreatePopupMenu());
  AppendMenuA(paneMenu_.get(), MF_STRING, kCopyCommand, "");
  AppendMenuA(paneMenu_.get(), MF_STRING, kCopyGroupCommand, "");
  AppendMenuA(paneMenu_.get(), MF_SEPARATOR, 0, nullptr);
  AppendMenuA(paneMenu_.get(), MF_STRING, kRefreshCommand, "");
  // A window restored larger than the smallest one lays its components out at once.
  LayOut();
}

void TNETFrm::ConnectGatherers() {
  gatherers_ = StartUpGatherers([this] { return iNetDetector1_->Online(); });
}

void TNETFrm::FormCreate() {
  // The language module first: every text from here on is looked up in it.
  LoadLanguageModule();
  // The device walks and the phonebook look for their files there.
  ReadSystemFolder();
  // The gathering below takes a moment: the wait note tells the user that
  // the program is at work until it is all done.
  ShowGatheringNote(window_);
  // The connections are a snapshot of this moment: the Winsock page lists them.
  GatherActiveConnections();
  // The buttons and the label over the gauge bar read the module's captions.
  for (std::size_t i = 0; i < std::size(kButtons); ++i)
    SetWindowTextA(buttons_[i], GetLangString(kButtons[i].caption).c_str());
  ui::SetGaugeLabel(gaugeBar1_, GetLangString(IDS_GAUGE_LABEL));
  // So do the captions of the right pane's pop-up menu.
  for (auto [command, caption] :
       {std::pair{kCopyCommand, IDS_PANE_COPY}, std::pair{kCopyGroupCommand, IDS_PANE_COPY_GROUP},
        std::pair{kRefreshCommand, IDS_PANE_REFRESH}})
    ModifyMenuA(paneMenu_.get(), command, MF_BYCOMMAND | MF_STRING, command, GetMessageText(caption).c_str());
  BuildLeftPane(sectionListBox1_.Model());
  // The devices with their database names, then the network information that
  // reads its adapters from them.
  GatherDevicesAndNetwork(refreshDevices, TellDatabaseFault);
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

void TNETFrm::Refresh() {
  // The connection walk lets messages through: no second refresh, and no
  // click, may run inside this one.
  if (refreshing_) return;
  refreshing_ = true;
  EnableWindow(window_, FALSE);
  ShowGatheringNote(window_);
  GatherAgain(refreshDevices, TellDatabaseFault);
  HideWaitDlg();
  EnableWindow(window_, TRUE);
  refreshing_ = false;
  panes_->RefreshPage();
}

void TNETFrm::CopyPaneRows(int row, CopyScope scope) {
  const std::string text = CopiedText(sectionListBox2_.Model(), row, scope);
  if (text.empty()) return;
  const ClipboardTexts forms = ClipboardFormsOf(text);
  win::PutOnClipboard(window_, forms.ansi, forms.unicode ? &*forms.unicode : nullptr);
}

// The right pane's menu at the mouse, for the row under it; from the keyboard
// (no position) at the selected row's corner, for that row.
void TNETFrm::ShowPaneMenu(LPARAM screenPoint) {
  HWND pane = sectionListBox2_.Handle();
  int row = sectionListBox2_.Model().SelectedRow();
  POINT at{static_cast<short>(LOWORD(screenPoint)), static_cast<short>(HIWORD(screenPoint))};
  if (screenPoint == -1) {
    RECT rect{};
    if (row < 0 ||
        SendMessageA(pane, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect)) == LB_ERR)
      rect = RECT{0, 0, 0, 0};
    at = POINT{rect.left, rect.bottom};
    ClientToScreen(pane, &at);
  } else {
    POINT inPane = at;
    ScreenToClient(pane, &inPane);
    LRESULT hit = SendMessageA(pane, LB_ITEMFROMPOINT, 0, MAKELPARAM(inPane.x, inPane.y));
    row = HIWORD(hit) == 0 ? static_cast<int>(LOWORD(hit)) : -1;
    // The row the menu acts on gets the keyboard's mark, without the events of a click.
    SetFocus(pane);
    if (row >= 0) SendMessageA(pane, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
  }
  const UINT copyState = row >= 0 ? MF_ENABLED : MF_GRAYED;
  EnableMenuItem(paneMenu_.get(), kCopyCommand, MF_BYCOMMAND | copyState);
  EnableMenuItem(paneMenu_.get(), kCopyGroupCommand, MF_BYCOMMAND | copyState);
  const UINT command = TrackPopupMenu(paneMenu_.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                                      at.x, at.y, 0, window_, nullptr);
  switch (command) {
    case kCopyCommand: CopyPaneRows(row, CopyScope::kRow); break;
    case kCopyGroupCommand: CopyPaneRows(row, CopyScope::kGroup); break;
    case kRefreshCommand: Refresh(); break;
  }
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
      // Never smaller than the form's design.
      auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
      info->ptMinTrackSize = POINT{kMainWidth, kMainHeight};
      return 0;
    }
    case WM_SIZE: LayOut(); return 0;
    // The right pane's request comes up through the client panel, which names
    // itself as its window: the pane is told by the point, or by the keyboard.
    case WM_CONTEXTMENU: {
      HWND pane = sectionListBox2_.Handle();
      RECT paneRect{};
      GetWindowRect(pane, &paneRect);
      POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      if (lParam == -1 ? GetFocus() != pane : !PtInRect(&paneRect, at)) break;
      ShowPaneMenu(lParam);
      return 0;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) != kRefreshCommand) break;
      Refresh();
      return 0;
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
    case WM_DESTROY:
      SavePlace();
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

int RunApplication(HINSTANCE instance, int showCommand) {
  LanguageModuleOwner languageModule;  // goes after the window that reads it
  TNETFrm form(instance);
  if (!form.Create()) return 1;
  // A start-up that could not start Winsock has asked to end without showing the window.
  if (!os::UiPort().Terminated()) {
    ShowWindow(form.Handle(), form.ShowCommand(showCommand));
    UpdateWindow(form.Handle());
  }
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchProgramMessage(form.Handle(), message);
  return static_cast<int>(message.wParam);
}

void DispatchProgramMessage(HWND mainWindow, MSG& message) {
  // F5 anywhere in the main window refreshes it.
  if (mainWindow != nullptr && message.message == WM_KEYDOWN && message.wParam == VK_F5 &&
      (message.hwnd == mainWindow || IsChild(mainWindow, message.hwnd))) {
    PostMessageA(mainWindow, WM_COMMAND, kRefreshCommand, 0);
    return;
  }
  // Tab and the arrow keys between the controls go to the dialog manager.
  if (mainWindow != nullptr && IsDialogMessageA(mainWindow, &message)) return;
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

}  // namespace vrex::app
