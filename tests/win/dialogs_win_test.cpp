// The wait dialog, the about box, the language dialog and the missing-module
// message as real windows under Wine, driven with real messages from a timer
// while their modal loops run; and the version resource and shell adapters
// they stand on.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/about_win.h"
#include "app/wait_dialog_win.h"
#include "components/file_version.h"
#include "lang/language.h"
#include "lang/language_dialog_win.h"
#include "support/memory/memory_network.h"
#include "support/memory/memory_shell.h"
#include "platform/os/win/fonts_win.h"
#include "platform/os/win/shell_win.h"
#include "platform/os/win/version_resources_win.h"
#include "platform/os/win/win_ports_win.h"
#include "platform/ui/art_ids.h"
#include "platform/ui/dialog_draw_win.h"
#include "vrex_version.h"
#include "win/screenshot_win.h"

namespace vrex::app {
namespace {

using Call = os::memory::MemoryShell::Call;

std::string TextOf(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// A child's rectangle in its parent's client coordinates.
RECT PlaceOf(HWND child) {
  RECT rect;
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

SIZE ClientSize(HWND window) {
  RECT rect;
  GetClientRect(window, &rect);
  return SIZE{rect.right, rect.bottom};
}

POINT CentreOf(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

HWND VisibleWindow(const char* windowClass, const char* caption) {
  HWND window = FindWindowA(windowClass, caption);
  return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

// The colours a control shows, row by row, read from its own DC once it has painted.
std::vector<COLORREF> ShownPixels(HWND control) {
  UpdateWindow(control);
  RECT area;
  GetClientRect(control, &area);
  win::WindowDc shown(control);
  win::UniqueDc copy(CreateCompatibleDC(shown.get()));
  win::UniqueBitmap bits(CreateCompatibleBitmap(shown.get(), area.right, area.bottom));
  win::ScopedSelect select(copy.get(), bits.get());
  BitBlt(copy.get(), 0, 0, area.right, area.bottom, shown.get(), 0, 0, SRCCOPY);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < area.bottom; ++y)
    for (int x = 0; x < area.right; ++x) pixels.push_back(GetPixel(copy.get(), x, y));
  return pixels;
}

void Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

void Click(HWND control, bool twice = false) {
  for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
    if (message == WM_LBUTTONDBLCLK && !twice) break;
    PostMessageA(control, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(3, 3));
  }
}

// Steps run from a timer of the test thread while a modal loop runs; each
// returns true when done, false to be tried at the next tick.  A stalled
// script fails and answers No or closes every window of the thread.
class ModalScript {
 public:
  using Step = std::function<bool()>;
  explicit ModalScript(std::vector<Step> steps) : steps_(std::move(steps)), started_(GetTickCount()) {
    current_ = this;
    timer_ = SetTimer(nullptr, 0, 30, Tick);
  }
  ~ModalScript() {
    KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  bool Finished() const { return next_ == steps_.size(); }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    ModalScript* self = current_;
    if (self == nullptr || self->busy_ || self->Finished()) return;
    self->busy_ = true;
    if (self->steps_[self->next_]()) {
      ++self->next_;
    } else if (GetTickCount() - self->started_ > 15000) {
      ADD_FAILURE() << "step " << self->next_ << " did not come about";
      self->next_ = self->steps_.size();
      EnumThreadWindows(GetCurrentThreadId(), CloseLeftOver, 0);
    }
    self->busy_ = false;
  }

  // A lambda cannot be a stdcall callback in a 32-bit program.
  static BOOL CALLBACK CloseLeftOver(HWND window, LPARAM) {
    if (HWND no = GetDlgItem(window, IDNO)) PostMessageA(no, BM_CLICK, 0, 0);
    PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
  }

  static inline ModalScript* current_ = nullptr;
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  bool busy_ = false;
  DWORD started_;
  UINT_PTR timer_ = 0;
};

// The Win32 ports, except that the program is a copy of this executable (and
// so of the program's version block) in a folder of its own, whose INI and
// module files are the test's; the shell and the program's end are recorded.
class ProgramCopy : public os::win::Win32System {
 public:
  std::string ExePath() override { return path; }
  std::string path;
};

class DialogFixture : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    char temp[MAX_PATH] = {}, self[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "vrex_dialogs";
    CreateDirectoryA(folder_.c_str(), nullptr);
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    CopyFileA(self, Program().c_str(), FALSE);
  }
  static std::string Program() { return folder_ + "\\VrexNet.exe"; }
  static std::string Ini() { return folder_ + "\\VrexNet.ini"; }
  static std::string Module(const std::string& code) { return folder_ + "\\VrexNet" + code + ".dll"; }

  void SetUp() override {
    os::win::InstallWin32Ports();
    os::Ports ports = os::Os();
    program_.path = Program();
    ports.system = &program_;
    ports.shell = &shell_;
    ports.ui = &ui_;
    previous_ = os::InstallPorts(ports);
    DeleteFileA(Ini().c_str());
    for (const char* code : {"EN", "DE", "ES", "FR", "IT", "RUS", "CSY"}) DeleteFileA(Module(code).c_str());
    WNDCLASSA windowClass{0,
                          DefWindowProcA,
                          0,
                          0,
                          GetModuleHandleA(nullptr),
                          nullptr,
                          LoadCursor(nullptr, IDC_ARROW),
                          reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                          nullptr,
                          "VrexTestOwner"};
    RegisterClassA(&windowClass);
    owner_ = CreateWindowExA(0, "VrexTestOwner", "Vrex Info Network", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 40, 587,
                             486, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    Pump();
  }
  void TearDown() override {
    DestroyWindow(owner_);
    Pump();
    os::InstallPorts(previous_);
  }

  void WriteIni(const char* key, const char* value) {
    WritePrivateProfileStringA("Options", key, value, Ini().c_str());
  }
  std::string ReadIni(const char* key) {
    char value[64] = {};
    GetPrivateProfileStringA("Options", key, "<missing>", value, sizeof value, Ini().c_str());
    return value;
  }
  void AddModule(const char* code) {
    CloseHandle(CreateFileA(Module(code).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  }

  static inline std::string folder_;
  ProgramCopy program_;
  os::memory::MemoryShell shell_;
  os::memory::MemoryUi ui_;
  os::Ports previous_;
  HWND owner_ = nullptr;
};

// A picture of the program's artwork as drawn over white: its key colour shows the white.
std::vector<COLORREF> ArtOverWhite(int id) {
  win::UniqueBitmap art = ui::LoadArtBitmap(id);
  BITMAP info{};
  GetObjectA(art.get(), sizeof info, &info);
  win::WindowDc screen(nullptr);
  win::UniqueDc dc(CreateCompatibleDC(screen.get()));
  win::ScopedSelect select(dc.get(), art.get());
  std::vector<COLORREF> pixels;
  for (int y = 0; y < info.bmHeight; ++y) {
    for (int x = 0; x < info.bmWidth; ++x) {
      COLORREF colour = GetPixel(dc.get(), x, y);
      pixels.push_back(colour == ART_KEY_COLOUR ? RGB(255, 255, 255) : colour);
    }
  }
  return pixels;
}

// White, navy, or a smoothed edge between them.
bool NavyOnWhite(COLORREF colour) {
  int grey = GetRValue(colour);
  return GetGValue(colour) == grey && std::abs((GetBValue(colour) - 128) * 2 - grey) <= 4;
}

using WaitDialogWin = DialogFixture;

TEST_F(WaitDialogWin, ShownOnTopOverTheMainWindowUntilHidden) {
  ShowWaitDlg(owner_);
  HWND wait = VisibleWindow(kWaitDialogClass, nullptr);
  ASSERT_NE(wait, nullptr);
  EXPECT_TRUE(GetWindowLongA(wait, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetWindow(wait, GW_OWNER), owner_);
  EXPECT_EQ(ClientSize(wait).cx, 329);
  EXPECT_EQ(ClientSize(wait).cy, 47);
  EXPECT_NEAR(CentreOf(wait).x, CentreOf(owner_).x, 1);
  EXPECT_NEAR(CentreOf(wait).y, CentreOf(owner_).y, 1);
  EXPECT_EQ(PlaceOf(GetDlgItem(wait, kIdImageWait)).top, 8);
  EXPECT_EQ(PlaceOf(GetDlgItem(wait, kIdLabelWait)).left, 53);

  ShowWaitDlg(owner_);  // one at most
  EXPECT_EQ(FindWindowExA(nullptr, wait, kWaitDialogClass, nullptr), nullptr);
  SetWaitCaption("Vrex Info Network");
  SetWaitLabel("Reading the network settings ...");
  EXPECT_EQ(TextOf(wait), "Vrex Info Network");
  EXPECT_EQ(TextOf(GetDlgItem(wait, kIdLabelWait)), "Reading the network settings ...");
  // The hourglass pixel for pixel over the note's white, and the label's text in navy on white.
  std::vector<COLORREF> hourglass = ShownPixels(GetDlgItem(wait, kIdImageWait));
  EXPECT_EQ(hourglass.size(), 32u * 32u);
  EXPECT_EQ(hourglass, ArtOverWhite(IDB_HOURGLASS));
  std::vector<COLORREF> label = ShownPixels(GetDlgItem(wait, kIdLabelWait));
  EXPECT_EQ(label.size(), 271u * 13u);
  EXPECT_GT(std::count(label.begin(), label.end(), RGB(0, 0, 128)), 100);
  EXPECT_TRUE(std::all_of(label.begin(), label.end(), NavyOnWhite));

  // The hourglass stays whatever cursor a window of the program sets for itself.
  auto setCursor = [&] { SendMessageA(owner_, WM_SETCURSOR, WPARAM(owner_), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)); };
  setCursor();
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_WAIT));
  vrex::test::SaveScreenshot(wait, "wait_dialog.bmp");

  HideWaitDlg();
  EXPECT_FALSE(IsWindow(wait));
  setCursor();
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_ARROW));
  SetWaitLabel("late");  // without a note these do nothing
  SetWaitCaption("late");
  HideWaitDlg();

  ShowWaitDlg(nullptr);  // no main window: centred on the screen
  ASSERT_NE(VisibleWindow(kWaitDialogClass, nullptr), nullptr);
  EXPECT_NEAR(CentreOf(VisibleWindow(kWaitDialogClass, nullptr)).x, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  HideWaitDlg();
  EXPECT_EQ(FindWindowA(kWaitDialogClass, nullptr), nullptr);
}

struct AboutSeen {
  std::string caption, name, version, copyright, web, mail, versionHint;
  SIZE client{};
  bool ownerEnabled = true;
  LONG nameTop = 0;
  std::vector<int> visibleFlags;
  RECT namePlace{}, versionPlace{}, copyrightPlace{};
  SIZE copyrightNeeds{};  // in the label's width, with its font
};

std::string HintOf(HWND dialog, int id) {
  HWND tooltip = nullptr;
  while ((tooltip = FindWindowExA(nullptr, tooltip, TOOLTIPS_CLASSA, nullptr)) != nullptr)
    if (GetWindow(tooltip, GW_OWNER) == dialog) break;
  char text[256] = {};
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.hwnd = dialog;
  tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(dialog, id));
  tool.lpszText = text;
  if (tooltip != nullptr) SendMessageA(tooltip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
  return text;
}

AboutSeen LookAtAbout(HWND about, HWND owner) {
  AboutSeen seen{TextOf(about),
                 TextOf(GetDlgItem(about, kIdLabelName)),
                 TextOf(GetDlgItem(about, kIdLabelVer)),
                 TextOf(GetDlgItem(about, kIdLabelCopyr1)),
                 TextOf(GetDlgItem(about, kIdLabelWww)),
                 TextOf(GetDlgItem(about, kIdLabelMail)),
                 HintOf(about, kIdLabelVer),
                 ClientSize(about),
                 IsWindowEnabled(owner) != FALSE,
                 PlaceOf(GetDlgItem(about, kIdLabelName)).top,
                 {}};
  for (int id = kIdImageEN; id <= kIdImageRUS; ++id)
    if (IsWindowVisible(GetDlgItem(about, id))) seen.visibleFlags.push_back(id);
  seen.namePlace = PlaceOf(GetDlgItem(about, kIdLabelName));
  seen.versionPlace = PlaceOf(GetDlgItem(about, kIdLabelVer));
  seen.copyrightPlace = PlaceOf(GetDlgItem(about, kIdLabelCopyr1));
  win::UniqueFont small = win::CreateFontFor({"Microsoft Sans Serif", -9});
  win::WindowDc dc(about);
  win::ScopedSelect select(dc.get(), small.get());
  RECT needed{0, 0, seen.copyrightPlace.right - seen.copyrightPlace.left, 0};
  DrawTextA(dc.get(), seen.copyright.c_str(), -1, &needed, DT_CALCRECT | DT_RIGHT | DT_WORDBREAK | DT_NOPREFIX);
  seen.copyrightNeeds = SIZE{needed.right, needed.bottom};
  return seen;
}

using AboutBoxWin = DialogFixture;

TEST_F(AboutBoxWin, ShowsTheProgramsVersionEnglishFlagAndOpensBothLinks) {
  WriteIni("RunLang", "EN");
  AboutSeen seen;
  HWND about = nullptr;
  ModalScript script({
      [&] {
        if ((about = VisibleWindow(kAboutWindowClass, "About")) == nullptr) return false;
        seen = LookAtAbout(about, owner_);
        vrex::test::SaveScreenshot(about, "about_en.bmp");
        Click(GetDlgItem(about, kIdLabelWww));
        Click(GetDlgItem(about, kIdLabelMail), true);
        return true;
      },
      [&] { return shell_.calls.size() == 3 && PostMessageA(about, WM_CLOSE, 0, 0); },
  });
  EXPECT_EQ(AboutBtnExecute(owner_), IDCANCEL);
  EXPECT_TRUE(script.Finished());

  EXPECT_EQ(seen.caption, "About");
  EXPECT_EQ(seen.client.cx, 200);
  EXPECT_EQ(seen.client.cy, 281);
  EXPECT_FALSE(seen.ownerEnabled);  // modal
  EXPECT_EQ(seen.name, "Vrex Info Network");
  EXPECT_EQ(seen.nameTop, 198);  // 17 characters: the smaller, lower name
  EXPECT_EQ(seen.version, VREX_PRODUCT_VERSION_TEXT);
  EXPECT_EQ(seen.versionHint, "Build:  " VREX_VERSION_TEXT);
  EXPECT_NE(seen.copyright.find("Vrex"), std::string::npos) << seen.copyright;
  // The name ends before the version begins: neither label paints over the other.
  EXPECT_LE(seen.namePlace.right, seen.versionPlace.left);
  EXPECT_EQ(seen.versionPlace.right, 188);
  // The copyright's lines fit its label whole.
  EXPECT_EQ(seen.copyrightPlace.right - seen.copyrightPlace.left, 105);
  EXPECT_EQ(seen.copyrightPlace.bottom - seen.copyrightPlace.top, 29);
  EXPECT_LE(seen.copyrightNeeds.cx, 105) << seen.copyright;
  EXPECT_LE(seen.copyrightNeeds.cy, 29) << seen.copyright;
  EXPECT_EQ(seen.web, "www.example.org/vrexnet");
  EXPECT_EQ(seen.mail, "support@example.org");
  EXPECT_EQ(seen.visibleFlags, std::vector<int>{kIdImageEN});
  // A double-click opens the mail address twice: for the click and the double-click.
  EXPECT_EQ(shell_.calls, (std::vector<Call>{{"open", "http://www.example.org/vrexnet", ""},
                                             {"open", "mailto:support@example.org", ""},
                                             {"open", "mailto:support@example.org", ""}}));
  EXPECT_TRUE(IsWindowEnabled(owner_));
  EXPECT_FALSE(IsWindow(about));
}

TEST_F(AboutBoxWin, CzechRunLangShowsTheCzechCaptionAndFlag) {
  WriteIni("RunLang", "csy");
  AboutSeen seen;
  ModalScript script({[&] {
    HWND about = VisibleWindow(kAboutWindowClass, nullptr);
    if (about == nullptr) return false;
    seen = LookAtAbout(about, owner_);
    vrex::test::SaveScreenshot(about, "about_csy.bmp");
    PostMessageA(about, WM_KEYDOWN, VK_ESCAPE, 1);  // like the close box
    return true;
  }});
  EXPECT_EQ(AboutBtnExecute(owner_), IDCANCEL);
  EXPECT_EQ(seen.caption, "O Aplikaci");
  EXPECT_EQ(seen.visibleFlags, std::vector<int>{kIdImageCSY});
}

// The adapters under the about box, on real files.
TEST(AboutVersionResources, ProgramBlockHasEverythingTheAboutBoxShows) {
  os::win::InstallWin32Ports();
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  os::win::Win32VersionResources versions;
  std::vector<std::uint8_t> block(versions.InfoSize(self));
  ASSERT_FALSE(block.empty());
  ASSERT_TRUE(versions.Info(self, block.size(), block.data()));
  void* value = nullptr;
  std::uint32_t length = 0;
  ASSERT_TRUE(versions.QueryValue(block.data(), "\\", value, length));
  EXPECT_EQ(length, 52u);
  EXPECT_EQ(static_cast<const std::uint32_t*>(value)[0], 0xFEEF04BDu);
  EXPECT_FALSE(versions.QueryValue(block.data(), "\\StringFileInfo\\040904E4\\NoSuchKey", value, length));

  TFileVersion version;
  version.SetFilename(self);
  EXPECT_EQ(version.Translations(), std::vector<std::string>{"040904e4"});
  EXPECT_EQ(version.FileVersion().Text(), VREX_VERSION_TEXT);
  EXPECT_EQ(version.FixedInfo().FileVersionMS(), std::uint32_t{VREX_VERSION_MAJOR << 16 | VREX_VERSION_MINOR});
  EXPECT_EQ(GetFileVersionText(self, 6), "VrexNet.exe");
  // The program as installed too, when the run names the install folder.
  std::string program =
      std::getenv("VREX_DIST") ? std::string("Z:") + std::getenv("VREX_DIST") + "/Network/VrexNet.exe" : "";
  for (char& c : program) c = c == '/' ? '\\' : c;
  for (const std::string& file : {std::string(self), program}) {
    if (GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES) continue;
    for (int selector : {2, 7, 5, 9, 4}) EXPECT_NE(GetFileVersionText(file, selector), "") << file << selector;
  }
}

TEST(AboutVersionResources, DatesNeedNoResourceAndFailuresGiveNothing) {
  os::win::InstallWin32Ports();
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  std::string plain = std::string(temp) + "vrex_plain.txt";
  CloseHandle(CreateFileA(plain.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  SYSTEMTIME now;
  GetLocalTime(&now);
  char today[64] = {};
  GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, today, sizeof today);
  EXPECT_EQ(GetFileVersionText(plain, 10), today);
  EXPECT_EQ(GetFileVersionText(plain, 2), "");
  EXPECT_EQ(GetFileVersionText(plain + ".missing", 10), "");
  EXPECT_EQ(GetFileVersionText(temp, 10), "");  // a folder is no file
  DeleteFileA(plain.c_str());

  os::win::Win32Shell shell;
  os::ShellResult started = shell.Execute("open", "Z:\\nonexistent\\vrex\\nothing.vrexdoc", "");
  EXPECT_FALSE(started.Succeeded());
  const os::SystemError& error = started.error;
  EXPECT_NE(error.code, 0u);
  ASSERT_FALSE(error.text.empty());
  EXPECT_NE(error.text.back(), '\n');
}

// The language buttons' codes that pass the test, top to bottom.
std::string Buttons(HWND dialog, bool down) {
  std::string codes;
  for (int i = 0; i < 7; ++i) {
    HWND button = GetDlgItem(dialog, kIdSpeedButton1 + i);
    if (down ? SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED : IsWindowEnabled(button) != FALSE)
      codes += TextOf(button) + " ";
  }
  return codes;
}

HWND Button(HWND dialog, const char* code) {
  for (int i = 0; i < 7; ++i)
    if (TextOf(GetDlgItem(dialog, kIdSpeedButton1 + i)) == code) return GetDlgItem(dialog, kIdSpeedButton1 + i);
  return nullptr;
}

// Answers the restart question with the given button and keeps its text.
ModalScript::Step Answer(int button, std::string& question) {
  return [button, &question] {
    HWND box = VisibleWindow("#32770", "Information");
    if (box == nullptr) return false;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
      if (TextOf(child).find("restart") != std::string::npos) question = TextOf(child);
    return PostMessageA(GetDlgItem(box, button), BM_CLICK, 0, 0) != FALSE;
  };
}

using LanguageDialogWin = DialogFixture;

TEST_F(LanguageDialogWin, OnlyPresentModulesAreEnabledAndOkWritesTheNewChoice) {
  AddModule("EN");
  AddModule("DE");
  WriteIni("Language", "RUS");
  HWND dialog = nullptr;
  std::string enabled, downAtStart, labels, downAfterDisabledClick, downAfterClick, question;
  ModalScript script({
      [&] {
        if ((dialog = VisibleWindow(kLanguageDialogClass, "Languagesettings")) == nullptr) return false;
        enabled = Buttons(dialog, false);
        downAtStart = Buttons(dialog, true);
        for (int i = 0; i < 7; ++i) labels += TextOf(GetDlgItem(dialog, kIdLanguageLabel1 + i)) + " ";
        EXPECT_EQ(ClientSize(dialog).cx, 169);
        EXPECT_EQ(ClientSize(dialog).cy, 224);
        EXPECT_EQ(PlaceOf(Button(dialog, "RUS")).top, 152);
        EXPECT_EQ(PlaceOf(GetDlgItem(dialog, IDCANCEL)).left, 80);
        vrex::test::SaveScreenshot(dialog, "language_dialog.bmp");
        return PostMessageA(Button(dialog, "FR"), BM_CLICK, 0, 0) != FALSE;  // disabled: takes no click
      },
      [&] {
        downAfterDisabledClick = Buttons(dialog, true);
        return PostMessageA(Button(dialog, "DE"), BM_CLICK, 0, 0) != FALSE;
      },
      [&] {
        downAfterClick = Buttons(dialog, true);
        return PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0) != FALSE;
      },
      Answer(IDNO, question),
  });
  OpenLanguageDialog(owner_);
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(enabled, "DE EN ");
  EXPECT_EQ(downAtStart, "RUS ");  // down though disabled
  EXPECT_EQ(labels, "CZ DE EN ES FR IT RU ");
  EXPECT_EQ(downAfterDisabledClick, "RUS ");
  EXPECT_EQ(downAfterClick, "DE ");
  EXPECT_EQ(question, "Changing language will take effect after you restart the application.Would You like to exit?");
  // No: the new code waits for the next start, and the program runs on.
  EXPECT_EQ(ReadIni("Language"), "DE");
  EXPECT_TRUE(shell_.calls.empty());
  EXPECT_FALSE(ui_.terminated);
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_TRUE(IsWindowEnabled(owner_));
}

TEST_F(LanguageDialogWin, YesStartsTheProgramAnewOnceAndEndsThisRun) {
  WriteIni("Language", "EN");
  std::string question;
  ModalScript script({
      [&] {
        HWND dialog = VisibleWindow(kLanguageDialogClass, nullptr);
        return dialog != nullptr && PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
      },
      Answer(IDYES, question),
  });
  OpenLanguageDialog(owner_);
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(ReadIni("Language"), "EN");
  EXPECT_EQ(shell_.calls, (std::vector<Call>{{"", Program(), ""}}));
  EXPECT_TRUE(ui_.terminated);
}

TEST_F(LanguageDialogWin, CloseBoxAndCancelWriteNothingAndTheDialogOpensAgain) {
  AddModule("EN");
  WriteIni("Language", "DE");
  int opened = 0;
  for (bool closeBox : {true, false}) {
    ModalScript script({[&] {
      HWND dialog = VisibleWindow(kLanguageDialogClass, nullptr);
      if (dialog == nullptr) return false;
      ++opened;
      PostMessageA(Button(dialog, "EN"), BM_CLICK, 0, 0);
      if (closeBox) return PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0) != FALSE;
      return PostMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0) != FALSE;
    }});
    OpenLanguageDialog(owner_);
    EXPECT_TRUE(script.Finished());
  }
  EXPECT_EQ(opened, 2);
  EXPECT_EQ(ReadIni("Language"), "DE");
  EXPECT_TRUE(shell_.calls.empty());
  EXPECT_FALSE(ui_.terminated);
}

using MissingModuleWin = DialogFixture;

TEST_F(MissingModuleWin, TheMessageReadsInUnicodeAndEnglishIsTakenInstead) {
  WriteIni("Language", "RUS");
  std::wstring message;
  ModalScript script({[&] {
    HWND box = VisibleWindow("#32770", "Vrex Info Network");
    if (box == nullptr) return false;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
      wchar_t text[256] = {};
      GetWindowTextW(child, text, 256);
      if (std::wstring(text).find(L"neexistuje") != std::wstring::npos) message = text;
    }
    return PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0) != FALSE;
  }});
  EXPECT_EQ(GetLanguageModulePath(), Module("EN"));
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(message, L"Jazykov\u00E1 mutace RUS modulu neexistuje!");
  EXPECT_EQ(ReadIni("Language"), "EN");
}

}  // namespace
}  // namespace vrex::app
