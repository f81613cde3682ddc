// The wait dialog, the about box and the language dialog as real windows
// under Wine, driven with real messages from a timer while their modal loops
// run; and the version resource and shell adapters they stand on.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/about_win.h"
#include "app/wait_dialog.h"
#include "components/file_version.h"
#include "lang/language_dialog_win.h"
#include "platform/os/memory/memory_network.h"
#include "platform/os/memory/memory_shell.h"
#include "platform/os/win/shell_win.h"
#include "platform/os/win/version_resources_win.h"
#include "platform/os/win/win_ports_win.h"
#include "vrex_version.h"

namespace vrex::app {
namespace {

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

int CountWindows(const char* windowClass) {
  struct Search {
    const char* windowClass;
    int count;
  } search{windowClass, 0};
  EnumWindows(
      [](HWND window, LPARAM lParam) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lParam);
        char name[64] = {};
        GetClassNameA(window, name, sizeof name);
        if (std::string(name) == s->windowClass) ++s->count;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.count;
}

void Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void Click(HWND control, bool twice = false) {
  LPARAM at = MAKELPARAM(3, 3);
  PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(control, WM_LBUTTONUP, 0, at);
  if (twice) {
    PostMessageA(control, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageA(control, WM_LBUTTONUP, 0, at);
  }
}

// Writes a BMP of what the screen shows of the window, when VREX_SCREENSHOTS
// names a folder (a Unix path; Wine sees it under Z:).
void SaveScreenshot(HWND window, const std::string& name) {
  const char* folder = std::getenv("VREX_SCREENSHOTS");
  if (folder == nullptr || *folder == '\0') return;
  std::string path = folder;
  for (char& c : path)
    if (c == '/') c = '\\';
  if (!path.empty() && path[0] == '\\') path = "Z:" + path;
  CreateDirectoryA(path.c_str(), nullptr);
  path += "\\" + name;

  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  Sleep(100);  // the X server shows what was drawn
  RECT rect;
  GetWindowRect(window, &rect);
  int width = rect.right - rect.left;
  int height = rect.bottom - rect.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  int stride = (width * 3 + 3) & ~3;
  std::vector<BYTE> bits(static_cast<std::size_t>(stride) * height);
  GetDIBits(memory, bitmap, 0, height, bits.data(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(bits.size());
  if (FILE* out = std::fopen(path.c_str(), "wb")) {
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&header, sizeof header, 1, out);
    std::fwrite(bits.data(), 1, bits.size(), out);
    std::fclose(out);
  }
}

// Steps run from a timer of the test thread while a modal loop runs; each
// returns true when it is done, false to be tried again at the next tick.
// A script that stalls is failed and its windows are closed.
class ModalScript {
 public:
  using Step = std::function<bool()>;
  explicit ModalScript(std::vector<Step> steps) : steps_(std::move(steps)) {
    current_ = this;
    started_ = GetTickCount();
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
      AbandonWindows();
    }
    self->busy_ = false;
  }
  static void AbandonWindows() {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM) -> BOOL {
          if (!IsWindowVisible(window)) return TRUE;
          if (HWND no = GetDlgItem(window, IDNO)) PostMessageA(no, BM_CLICK, 0, 0);
          PostMessageA(window, WM_CLOSE, 0, 0);
          return TRUE;
        },
        0);
  }

  static inline ModalScript* current_ = nullptr;
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  bool busy_ = false;
  DWORD started_ = 0;
  UINT_PTR timer_ = 0;
};

// The Win32 ports, except that the program is a copy of this executable in a
// folder of its own (its INI and module files are the test's), and the shell
// and the program's end are recorded rather than done.
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
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "vrex_dialogs";
    CreateDirectoryA(folder_.c_str(), nullptr);
    char self[MAX_PATH] = {};
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
    owner_ = CreateOwner();
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

  static HWND CreateOwner() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "VrexTestOwner";
    RegisterClassA(&windowClass);
    HWND owner = CreateWindowExA(0, "VrexTestOwner", "Vrex Info Network", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 40, 587,
                                 486, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    Pump();
    return owner;
  }

  static inline std::string folder_;
  ProgramCopy program_;
  os::memory::MemoryShell shell_;
  os::memory::MemoryUi ui_;
  os::Ports previous_;
  HWND owner_ = nullptr;
};

// ---------------------------------------------------------------------------
// Wait dialog

using WaitDialogWin = DialogFixture;

TEST_F(WaitDialogWin, ShownOnTopOverTheMainWindowUntilHidden) {
  ShowWaitDlg(owner_);
  HWND wait = VisibleWindow(kWaitDialogClass, nullptr);
  ASSERT_NE(wait, nullptr);
  EXPECT_TRUE(GetWindowLongA(wait, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetWindow(wait, GW_OWNER), owner_);
  SIZE client = ClientSize(wait);
  EXPECT_EQ(client.cx, 329);
  EXPECT_EQ(client.cy, 47);
  POINT centre = CentreOf(wait), ownerCentre = CentreOf(owner_);
  EXPECT_NEAR(centre.x, ownerCentre.x, 1);
  EXPECT_NEAR(centre.y, ownerCentre.y, 1);
  RECT picture = PlaceOf(GetDlgItem(wait, kIdImageWait));
  EXPECT_EQ(picture.left, 8);
  EXPECT_EQ(picture.top, 8);
  EXPECT_EQ(PlaceOf(GetDlgItem(wait, kIdLabelWait)).left, 53);

  ShowWaitDlg(owner_);  // one at most
  EXPECT_EQ(CountWindows(kWaitDialogClass), 1);

  SetWaitCaption("Vrex Info Network");
  SetWaitLabel("Reading the network settings ...");
  EXPECT_EQ(TextOf(wait), "Vrex Info Network");
  EXPECT_EQ(TextOf(GetDlgItem(wait, kIdLabelWait)), "Reading the network settings ...");

  // The hourglass stays whatever cursor a window of the program sets for itself.
  HCURSOR hourglass = LoadCursor(nullptr, IDC_WAIT);
  EXPECT_EQ(GetCursor(), hourglass);
  SendMessageA(owner_, WM_SETCURSOR, reinterpret_cast<WPARAM>(owner_), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), hourglass);
  SaveScreenshot(wait, "wait_dialog.bmp");

  HideWaitDlg();
  EXPECT_EQ(FindWindowA(kWaitDialogClass, nullptr), nullptr);
  EXPECT_FALSE(IsWindow(wait));
  SendMessageA(owner_, WM_SETCURSOR, reinterpret_cast<WPARAM>(owner_), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_ARROW));
  // Without a note these do nothing.
  SetWaitLabel("late");
  SetWaitCaption("late");
  HideWaitDlg();

  ShowWaitDlg(nullptr);  // no main window: centred on the screen
  HWND again = VisibleWindow(kWaitDialogClass, nullptr);
  ASSERT_NE(again, nullptr);
  EXPECT_NEAR(CentreOf(again).x, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  HideWaitDlg();
  EXPECT_EQ(FindWindowA(kWaitDialogClass, nullptr), nullptr);
}

// ---------------------------------------------------------------------------
// About box

struct AboutSeen {
  std::string caption;
  SIZE client{};
  bool ownerEnabled = true;
  std::string name, version, copyright, web, mail, www, email;
  RECT namePlace{};
  std::vector<int> visibleFlags;
  std::string versionHint, nameHint;
};

std::string HintOf(HWND dialog, HWND control) {
  struct Search {
    HWND dialog;
    HWND tooltip;
  } search{dialog, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM lParam) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lParam);
        char name[64] = {};
        GetClassNameA(window, name, sizeof name);
        if (std::string(name) == TOOLTIPS_CLASSA && GetWindow(window, GW_OWNER) == s->dialog) s->tooltip = window;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  if (search.tooltip == nullptr) return "<no tooltip>";
  char text[256] = {};
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.hwnd = dialog;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = text;
  SendMessageA(search.tooltip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
  return text;
}

AboutSeen LookAtAbout(HWND about, HWND owner) {
  AboutSeen seen;
  seen.caption = TextOf(about);
  seen.client = ClientSize(about);
  seen.ownerEnabled = IsWindowEnabled(owner);
  seen.name = TextOf(GetDlgItem(about, kIdLabelName));
  seen.version = TextOf(GetDlgItem(about, kIdLabelVer));
  seen.copyright = TextOf(GetDlgItem(about, kIdLabelCopyr1));
  seen.web = TextOf(GetDlgItem(about, kIdLabelWww));
  seen.mail = TextOf(GetDlgItem(about, kIdLabelMail));
  seen.www = TextOf(GetDlgItem(about, kIdLabel1));
  seen.email = TextOf(GetDlgItem(about, kIdLabel2));
  seen.namePlace = PlaceOf(GetDlgItem(about, kIdLabelName));
  for (int id = kIdImageEN; id <= kIdImageRUS; ++id)
    if (IsWindowVisible(GetDlgItem(about, id))) seen.visibleFlags.push_back(id);
  seen.versionHint = HintOf(about, GetDlgItem(about, kIdLabelVer));
  seen.nameHint = HintOf(about, GetDlgItem(about, kIdLabelName));
  return seen;
}

using AboutBoxWin = DialogFixture;

TEST_F(AboutBoxWin, ShowsTheProgramsVersionEnglishFlagAndOpensBothLinks) {
  WriteIni("RunLang", "EN");
  AboutSeen seen;
  HWND about = nullptr;
  ModalScript script({
      [&] {
        about = VisibleWindow(kAboutWindowClass, "About");
        if (about == nullptr) return false;
        seen = LookAtAbout(about, owner_);
        SaveScreenshot(about, "about_en.bmp");
        Click(GetDlgItem(about, kIdLabelWww));
        Click(GetDlgItem(about, kIdLabelMail), true);
        return true;
      },
      [&] {
        if (shell_.calls.size() < 3) return false;
        PostMessageA(about, WM_CLOSE, 0, 0);
        return true;
      },
  });
  EXPECT_EQ(AboutBtnExecute(owner_), IDCANCEL);
  EXPECT_TRUE(script.Finished());

  EXPECT_EQ(seen.caption, "About");
  EXPECT_EQ(seen.client.cx, 200);
  EXPECT_EQ(seen.client.cy, 281);
  EXPECT_FALSE(seen.ownerEnabled);  // modal
  EXPECT_EQ(seen.name, "Vrex Info Network");
  EXPECT_EQ(seen.namePlace.top, 198);  // 17 characters: the smaller, lower name
  EXPECT_EQ(seen.version, VREX_PRODUCT_VERSION_TEXT);
  EXPECT_EQ(seen.versionHint, "Build:  " VREX_VERSION_TEXT);
  EXPECT_EQ(seen.nameHint, "Network settings, accounts and reports of the local computer");
  EXPECT_NE(seen.copyright.find("Vrex"), std::string::npos) << seen.copyright;
  EXPECT_EQ(seen.web, "www.example.org/vrexnet");
  EXPECT_EQ(seen.mail, "support@example.org");
  EXPECT_EQ(seen.www, "WWW:");
  EXPECT_EQ(seen.email, "E-mail:");
  EXPECT_EQ(seen.visibleFlags, std::vector<int>{kIdImageEN});
  using Call = os::memory::MemoryShell::Call;
  // The double-click opens the mail address twice: for the click and for the double-click.
  EXPECT_EQ(shell_.calls, (std::vector<Call>{{"open", "http://www.example.org/vrexnet", ""},
                                             {"open", "mailto:support@example.org", ""},
                                             {"open", "mailto:support@example.org", ""}}));
  EXPECT_TRUE(IsWindowEnabled(owner_));
  EXPECT_FALSE(IsWindow(about));
}

TEST_F(AboutBoxWin, CzechRunLangShowsTheCzechCaptionAndFlag) {
  WriteIni("RunLang", "csy");
  AboutSeen seen;
  ModalScript script({
      [&] {
        HWND about = VisibleWindow(kAboutWindowClass, nullptr);
        if (about == nullptr) return false;
        seen = LookAtAbout(about, owner_);
        SaveScreenshot(about, "about_csy.bmp");
        // Escape closes it like the close box.
        PostMessageA(about, WM_KEYDOWN, VK_ESCAPE, 1);
        return true;
      },
  });
  EXPECT_EQ(AboutBtnExecute(owner_), IDCANCEL);
  EXPECT_EQ(seen.caption, "O Aplikaci");
  EXPECT_EQ(seen.visibleFlags, std::vector<int>{kIdImageCSY});
  EXPECT_TRUE(shell_.calls.empty());
}

// The adapters the about box reads the version through, on the real files.
TEST(AboutVersionResources, ProgramBlockHasEverythingTheAboutBoxShows) {
  os::win::InstallWin32Ports();
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  os::win::Win32VersionResources versions;
  std::uint32_t size = versions.InfoSize(self);
  ASSERT_GT(size, 0u);
  std::vector<std::uint8_t> block(size);
  ASSERT_TRUE(versions.Info(self, size, block.data()));
  void* value = nullptr;
  std::uint32_t length = 0;
  ASSERT_TRUE(versions.QueryValue(block.data(), "\\", value, length));
  ASSERT_EQ(length, 52u);
  EXPECT_EQ(static_cast<const std::uint32_t*>(value)[0], 0xFEEF04BDu);
  EXPECT_FALSE(versions.QueryValue(block.data(), "\\StringFileInfo\\040904E4\\NoSuchKey", value, length));

  TFileVersion version;
  version.SetFilename(self);
  EXPECT_EQ(version.Translations(), std::vector<std::string>{"040904e4"});
  EXPECT_EQ(version.FileVersion().Text(), VREX_VERSION_TEXT);
  EXPECT_EQ(version.FixedInfo().FileVersionMS(),
            static_cast<std::uint32_t>(VREX_VERSION_MAJOR << 16 | VREX_VERSION_MINOR));
  EXPECT_EQ(version.GetBuildFlagsText(), "");
  for (int selector : {2, 7, 5, 9, 4}) EXPECT_NE(GetFileVersionText(self, selector), "") << selector;
  EXPECT_EQ(GetFileVersionText(self, 6), "VrexNet.exe");

  // The program as installed, when the test run names the install folder.
  if (const char* dist = std::getenv("VREX_DIST")) {
    std::string program = dist;
    for (char& c : program)
      if (c == '/') c = '\\';
    program = (program[0] == '\\' ? "Z:" : "") + program + "\\Network\\VrexNet.exe";
    if (GetFileAttributesA(program.c_str()) != INVALID_FILE_ATTRIBUTES) {
      for (int selector : {2, 7, 5, 9, 4}) EXPECT_NE(GetFileVersionText(program, selector), "") << selector;
      EXPECT_EQ(GetFileVersionText(program, 4), VREX_VERSION_TEXT);
    }
  }
}

TEST(AboutVersionResources, DatesNeedNoResourceAndMissingFilesGiveNothing) {
  os::win::InstallWin32Ports();
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  std::string plain = std::string(temp) + "vrex_plain.txt";
  if (FILE* out = std::fopen(plain.c_str(), "w")) {
    std::fputs("no resources here", out);
    std::fclose(out);
  }
  // Today, in the user's short date format.
  SYSTEMTIME now;
  GetLocalTime(&now);
  char today[64] = {};
  GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, today, sizeof today);
  EXPECT_EQ(GetFileVersionText(plain, 10), today);
  EXPECT_EQ(GetFileVersionText(plain, 2), "");
  EXPECT_EQ(GetFileVersionText(plain + ".missing", 10), "");
  EXPECT_EQ(GetFileVersionText(temp, 10), "");  // a folder is no file
  DeleteFileA(plain.c_str());
}

TEST(AboutVersionResources, FailingShellCallsReportTheSystemsError) {
  os::win::Win32Shell shell;
  int result = shell.Execute("open", "Z:\\nonexistent\\vrex\\nothing.vrexdoc", "");
  os::SystemError error = shell.LastErrorText();
  EXPECT_LE(result, 32);
  EXPECT_NE(error.code, 0u);
  EXPECT_FALSE(error.text.empty());
  EXPECT_NE(error.text.back(), '\n');
}

// ---------------------------------------------------------------------------
// Language dialog

struct LanguageSeen {
  std::string caption;
  SIZE client{};
  std::string enabled, down, labels;
  RECT firstButton{}, lastButton{}, ok{}, cancel{};
};

LanguageSeen LookAtLanguages(HWND dialog) {
  LanguageSeen seen;
  seen.caption = TextOf(dialog);
  seen.client = ClientSize(dialog);
  for (int i = 0; i < 7; ++i) {
    HWND button = GetDlgItem(dialog, kIdSpeedButton1 + i);
    if (IsWindowEnabled(button)) seen.enabled += TextOf(button) + " ";
    if (SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED) seen.down += TextOf(button) + " ";
    seen.labels += TextOf(GetDlgItem(dialog, kIdLanguageLabel1 + i)) + " ";
  }
  seen.firstButton = PlaceOf(GetDlgItem(dialog, kIdSpeedButton1));
  seen.lastButton = PlaceOf(GetDlgItem(dialog, kIdSpeedButton1 + 6));
  seen.ok = PlaceOf(GetDlgItem(dialog, IDOK));
  seen.cancel = PlaceOf(GetDlgItem(dialog, IDCANCEL));
  return seen;
}

std::string DownButtons(HWND dialog) { return LookAtLanguages(dialog).down; }

HWND Button(HWND dialog, const char* code) {
  for (int i = 0; i < 7; ++i) {
    HWND button = GetDlgItem(dialog, kIdSpeedButton1 + i);
    if (TextOf(button) == code) return button;
  }
  return nullptr;
}

// Answers the restart question with the given button; records its text.
ModalScript::Step AnswerQuestion(int answer, std::string& question) {
  return [answer, &question] {
    HWND box = VisibleWindow("#32770", "Information");
    if (box == nullptr) return false;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
      std::string text = TextOf(child);
      if (text.find("restart") != std::string::npos) question = text;
    }
    PostMessageA(GetDlgItem(box, answer), BM_CLICK, 0, 0);
    return true;
  };
}

using LanguageDialogWin = DialogFixture;

TEST_F(LanguageDialogWin, OnlyPresentModulesAreEnabledAndOkWritesTheNewChoice) {
  for (const char* code : {"EN", "DE"}) {
    HANDLE file = CreateFileA(Module(code).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(file);
  }
  WriteIni("Language", "RUS");
  LanguageSeen seen;
  std::string afterDisabledClick, afterClick, question;
  HWND dialog = nullptr;
  ModalScript script({
      [&] {
        dialog = VisibleWindow(kLanguageDialogClass, "Languagesettings");
        if (dialog == nullptr) return false;
        seen = LookAtLanguages(dialog);
        SaveScreenshot(dialog, "language_dialog.bmp");
        PostMessageA(Button(dialog, "FR"), BM_CLICK, 0, 0);  // disabled: takes no click
        return true;
      },
      [&] {
        afterDisabledClick = DownButtons(dialog);
        PostMessageA(Button(dialog, "DE"), BM_CLICK, 0, 0);
        return true;
      },
      [&] {
        afterClick = DownButtons(dialog);
        PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
        return true;
      },
      AnswerQuestion(IDNO, question),
  });
  OpenLanguageDialog(owner_);
  EXPECT_TRUE(script.Finished());

  EXPECT_EQ(seen.caption, "Languagesettings");
  EXPECT_EQ(seen.client.cx, 169);
  EXPECT_EQ(seen.client.cy, 224);
  EXPECT_EQ(seen.enabled, "DE EN ");
  EXPECT_EQ(seen.down, "RUS ");  // pressed though disabled
  EXPECT_EQ(seen.labels, "CZ DE EN ES FR IT RU ");
  EXPECT_EQ(seen.firstButton.left, 16);
  EXPECT_EQ(seen.firstButton.top, 8);
  EXPECT_EQ(seen.lastButton.top, 152);
  EXPECT_EQ(seen.ok.left, 8);
  EXPECT_EQ(seen.ok.top, 180);
  EXPECT_EQ(seen.cancel.left, 80);
  EXPECT_EQ(afterDisabledClick, "RUS ");
  EXPECT_EQ(afterClick, "DE ");
  EXPECT_EQ(question, "Changing language will take effect after you restart the application.Would You like to exit?");
  // No: the new code is kept for the next start, and the program runs on.
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
        if (dialog == nullptr) return false;
        PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
        return true;
      },
      AnswerQuestion(IDYES, question),
  });
  OpenLanguageDialog(owner_);
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(ReadIni("Language"), "EN");
  using Call = os::memory::MemoryShell::Call;
  EXPECT_EQ(shell_.calls, (std::vector<Call>{{"", Program(), ""}}));
  EXPECT_TRUE(ui_.terminated);
}

TEST_F(LanguageDialogWin, CloseBoxWritesNothingAndTheDialogOpensAgain) {
  HANDLE file = CreateFileA(Module("EN").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  CloseHandle(file);
  WriteIni("Language", "DE");
  int opened = 0;
  auto closeWith = [&](bool closeBox) {
    return [&, closeBox] {
      HWND dialog = VisibleWindow(kLanguageDialogClass, nullptr);
      if (dialog == nullptr) return false;
      ++opened;
      PostMessageA(Button(dialog, "EN"), BM_CLICK, 0, 0);
      if (closeBox)
        PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
      else
        PostMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
      return true;
    };
  };
  {
    ModalScript script({closeWith(true)});
    OpenLanguageDialog(owner_);
    EXPECT_TRUE(script.Finished());
  }
  {
    ModalScript script({closeWith(false)});
    OpenLanguageDialog(owner_);
    EXPECT_TRUE(script.Finished());
  }
  EXPECT_EQ(opened, 2);
  EXPECT_EQ(ReadIni("Language"), "DE");
  EXPECT_EQ(ReadIni("RunLang"), "<missing>");
  EXPECT_TRUE(shell_.calls.empty());
  EXPECT_FALSE(ui_.terminated);
}

}  // namespace
}  // namespace vrex::app
