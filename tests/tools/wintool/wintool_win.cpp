// Drives windows of another process for the tests under Wine: waits for a
// window, lists its child windows and the rows of a list, sends real mouse and
// key messages (a list row is clicked where the list itself says the row is),
// closes it.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "view/row_text_channel.h"

namespace {

// The visible top-level windows of a title: the first one found, and how
// many there are.
struct TitleSearch {
  const char* title;
  HWND first = nullptr;
  int count = 0;
};

BOOL CALLBACK VisitVisibleTitle(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<TitleSearch*>(parameter);
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  if (!IsWindowVisible(window) || std::string(text) != search->title) return TRUE;
  if (search->first == nullptr) search->first = window;
  ++search->count;
  return TRUE;
}

TitleSearch SearchTitle(const char* title) {
  TitleSearch search{title};
  EnumWindows(VisitVisibleTitle, reinterpret_cast<LPARAM>(&search));
  return search;
}

// The first visible top-level window of that title: a message box may share
// its title with a window that is still hidden, being created.
HWND FindTopLevel(const char* title) { return SearchTitle(title).first; }

HWND WaitFor(const char* title, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  for (;;) {
    if (HWND window = FindTopLevel(title)) return window;
    if (GetTickCount() - start > timeoutMs) return nullptr;
    Sleep(50);
  }
}

BOOL CALLBACK PrintChild(HWND child, LPARAM) {
  char className[128] = {};
  char text[512] = {};
  GetClassNameA(child, className, sizeof className);
  GetWindowTextA(child, text, sizeof text);
  RECT rect;
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, GetAncestor(child, GA_ROOT), reinterpret_cast<POINT*>(&rect), 2);
  std::printf("%d\t%s\t%ld,%ld,%ld,%ld\t%s\t%d\n", GetDlgCtrlID(child), className, rect.left, rect.top,
              rect.right - rect.left, rect.bottom - rect.top, text, IsWindowEnabled(child) ? 1 : 0);
  return TRUE;
}

struct ChildSearch {
  int id;
  HWND found;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<ChildSearch*>(data);
  if (GetDlgCtrlID(child) != search->id) return TRUE;
  search->found = child;
  return FALSE;
}

// The descendant with the given control ID, at any depth; 0 is the window itself.
HWND ChildById(HWND window, int id) {
  if (id == 0) return window;
  ChildSearch search{id, nullptr};
  EnumChildWindows(window, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

enum class Button { kLeft, kRight };

// A click as the mouse sends it, at client coordinates of the target.  The
// right button's release also brings the context menu request that the
// system derives from it.
void PostClick(HWND target, int x, int y, Button button = Button::kLeft) {
  LPARAM at = MAKELPARAM(x, y);
  PostMessageA(target, WM_MOUSEMOVE, 0, at);
  if (button == Button::kLeft) {
    PostMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(target, WM_LBUTTONUP, 0, at);
    return;
  }
  PostMessageA(target, WM_RBUTTONDOWN, MK_RBUTTON, at);
  PostMessageA(target, WM_RBUTTONUP, 0, at);
}

// The pop-up menu on screen (the system's menu window class), or none.
HWND VisiblePopupMenu() {
  HWND menu = FindWindowA("#32768", nullptr);
  return menu != nullptr && IsWindowVisible(menu) ? menu : nullptr;
}

// Picks item ITEM (from 0) of the pop-up menu on screen with the keyboard, as
// a user does: down to it, then Enter.  Prints where the menu stands,
// relative to the top left corner of WINDOW's frame.
int PickMenuItem(HWND window, int item) {
  HWND menu = nullptr;
  for (DWORD start = GetTickCount(); (menu = VisiblePopupMenu()) == nullptr;) {
    if (GetTickCount() - start > 10000) {
      std::fprintf(stderr, "wintool: no pop-up menu on screen\n");
      return 1;
    }
    Sleep(50);
  }
  RECT frame, placed;
  GetWindowRect(window, &frame);
  GetWindowRect(menu, &placed);
  std::printf("menu at %ld %ld\n", placed.left - frame.left, placed.top - frame.top);
  for (int i = 0; i <= item; ++i) {
    PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 1);
    PostMessageA(menu, WM_KEYUP, VK_DOWN, 0xC0000001);
  }
  PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 1);
  PostMessageA(menu, WM_KEYUP, VK_RETURN, 0xC0000001);
  return 0;
}

// Clicks a row of a list control: the list answers LB_GETITEMRECT with the
// row's rectangle, which must be in view; the click lands at its vertical
// middle, at x when given, else at its horizontal middle.
int ClickRow(HWND target, int row, const char* x, Button button = Button::kLeft) {
  RECT rect{};
  DWORD_PTR answer = static_cast<DWORD_PTR>(LB_ERR);
  if (target == nullptr ||
      !SendMessageTimeoutA(target, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect),
                           SMTO_ABORTIFHUNG, 5000, &answer) ||
      static_cast<LRESULT>(answer) == LB_ERR) {
    std::fprintf(stderr, "wintool: no row %d in that list\n", row);
    return 1;
  }
  POINT at{x != nullptr ? std::atoi(x) : (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  RECT client;
  GetClientRect(target, &client);
  if (!PtInRect(&client, at) || at.x < rect.left || at.x >= rect.right) {
    std::fprintf(stderr, "wintool: row %d (%ld,%ld,%ld,%ld) is out of view at %ld,%ld\n", row, rect.left, rect.top,
                 rect.right, rect.bottom, at.x, at.y);
    return 1;
  }
  PostClick(target, at.x, at.y, button);
  return 0;
}

// Prints each row of a list control, one a line: its index, "header" or
// "line" by the row's item data (the section list gives its headers 1), and
// its text as LB_GETTEXT answers it (empty where the list keeps no text).
// The row texts come through the list's row text channel: a WM_COPYDATA to
// a window of this process, which carries its own length.
std::string g_rowText;

LRESULT CALLBACK ReceiveRowText(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_COPYDATA) return DefWindowProcA(window, message, wParam, lParam);
  const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
  g_rowText.assign(static_cast<const char*>(data->lpData), data->cbData);
  return TRUE;
}

int PrintRows(HWND target) {
  auto ask = [target](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& answer) {
    DWORD_PTR result = static_cast<DWORD_PTR>(LB_ERR);
    bool sent = SendMessageTimeoutA(target, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result) != 0;
    answer = static_cast<LRESULT>(result);
    return sent && answer != LB_ERR;
  };
  LRESULT count = 0;
  if (target == nullptr || !ask(LB_GETCOUNT, 0, 0, count)) {
    std::fprintf(stderr, "wintool: that control answers no LB_GETCOUNT\n");
    return 1;
  }
  WNDCLASSA receiverClass{};
  receiverClass.lpfnWndProc = ReceiveRowText;
  receiverClass.hInstance = GetModuleHandleA(nullptr);
  receiverClass.lpszClassName = "wintool row text";
  RegisterClassA(&receiverClass);
  HWND receiver = CreateWindowExA(0, receiverClass.lpszClassName, "", 0, 0, 0, 0, 0, nullptr, nullptr,
                                  receiverClass.hInstance, nullptr);
  const UINT rowText = RegisterWindowMessageA(vrex::view::kRowTextMessageName);
  for (int row = 0; row < count; ++row) {
    LRESULT data = 0;
    if (!ask(LB_GETITEMDATA, static_cast<WPARAM>(row), 0, data)) {
      std::fprintf(stderr, "wintool: no item data for row %d\n", row);
      return 1;
    }
    g_rowText.clear();
    LRESULT length = 0;
    ask(rowText, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(receiver), length);
    std::printf("%d\t%s\t%s\n", row, data == 1 ? "header" : "line", g_rowText.c_str());
  }
  DestroyWindow(receiver);
  return 0;
}

// Asks for a row's text the way a foreign accessibility tool does: LB_GETTEXT
// with a pointer to a small buffer of this process.  Prints the answer.
int RawGetText(HWND target, int row) {
  char small[64] = {};
  DWORD_PTR result = static_cast<DWORD_PTR>(LB_ERR);
  SendMessageTimeoutA(target, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0, SMTO_ABORTIFHUNG, 5000, &result);
  std::printf("length %ld\n", static_cast<long>(static_cast<LRESULT>(result)));
  result = static_cast<DWORD_PTR>(LB_ERR);
  SendMessageTimeoutA(target, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(small), SMTO_ABORTIFHUNG,
                      5000, &result);
  std::printf("text %ld\n", static_cast<long>(static_cast<LRESULT>(result)));
  return 0;
}

// Starts COMMAND_LINE as a child on this tool's console, as a shell of the
// console would, and prints its exit status once it ends (within a minute).
// A Ctrl+C of the console reaches every process attached to it; the tool
// itself stays.
int RunOnConsole(const char* commandLine) {
  SetConsoleCtrlHandler(nullptr, TRUE);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string line = commandLine;
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
    std::fprintf(stderr, "wintool: cannot start %s (%lu)\n", commandLine, GetLastError());
    return 1;
  }
  DWORD status = STILL_ACTIVE;
  if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &status);
  std::printf("exit %lu\n", status);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return status == STILL_ACTIVE ? 1 : 0;
}

// Bytes as one line: CR and LF written as \r and \n.
std::string Escaped(const std::string& text) {
  std::string line;
  for (char c : text) line += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
  return line;
}

std::string Utf8Of(const wchar_t* wide) {
  int length = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(length > 0 ? length - 1 : 0, '\0');
  if (length > 1) WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

// Prints the clipboard's CF_TEXT (read in the ANSI code page) and
// CF_UNICODETEXT, each as UTF-8 on a line of its own after its name, or
// "none" for a form it does not hold.
int PrintClipboard() {
  if (!OpenClipboard(nullptr)) {
    std::fprintf(stderr, "wintool: the clipboard does not open\n");
    return 1;
  }
  for (UINT format : {CF_TEXT, CF_UNICODETEXT}) {
    std::string text = "none";
    if (HANDLE data = GetClipboardData(format)) {
      if (const void* locked = GlobalLock(data)) {
        if (format == CF_UNICODETEXT) {
          text = Utf8Of(static_cast<const wchar_t*>(locked));
        } else {
          const char* ansi = static_cast<const char*>(locked);
          std::wstring wide(MultiByteToWideChar(CP_ACP, 0, ansi, -1, nullptr, 0), L'\0');
          MultiByteToWideChar(CP_ACP, 0, ansi, -1, wide.data(), static_cast<int>(wide.size()));
          text = Utf8Of(wide.c_str());
        }
        GlobalUnlock(data);
      }
    }
    std::printf("%s\t%s\n", format == CF_TEXT ? "text" : "unicode", Escaped(text).c_str());
  }
  // The formats in the clipboard's order: those placed, then those the system derives from them.
  std::printf("formats\t");
  for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format))
    std::printf("%u ", format);
  std::printf("\n");
  CloseClipboard();
  return 0;
}

// Prints the height of each row of a list control, on one line.
int PrintRowHeights(HWND target) {
  LRESULT count = target != nullptr ? SendMessageA(target, LB_GETCOUNT, 0, 0) : LB_ERR;
  if (count == LB_ERR) {
    std::fprintf(stderr, "wintool: that control answers no LB_GETCOUNT\n");
    return 1;
  }
  for (int row = 0; row < count; ++row)
    std::printf("%s%ld", row == 0 ? "" : " ", static_cast<long>(SendMessageA(target, LB_GETITEMHEIGHT, row, 0)));
  std::printf("\n");
  return 0;
}

int Usage() {
  std::fprintf(stderr,
               "usage: wintool wait TITLE [MS] | gone TITLE [MS] | count TITLE | children TITLE | info TITLE |\n"
               "               close TITLE | click TITLE ID X Y | click-row TITLE ID ROW [X] |\n"
               "               right-click-row TITLE ID ROW [X] | menu-pick TITLE ITEM |\n"
               "               rows TITLE ID | raw-gettext TITLE ID ROW | key TITLE ID VK | settle MS |\n"
               "               command TITLE ID | type-file TITLE TEXT | run-on-console COMMAND_LINE |\n"
               "               clipboard | ctrl-key TITLE ID LETTER | resize TITLE W H | maximise TITLE |\n"
               "               heights TITLE ID\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  std::string command = argv[1];
  if (command == "settle" && argc >= 3) {
    Sleep(std::atoi(argv[2]));
    return 0;
  }
  if (command == "clipboard") return PrintClipboard();
  if (argc < 3) return Usage();
  if (command == "run-on-console") return RunOnConsole(argv[2]);
  const char* title = argv[2];
  if (command == "wait") {
    HWND window = WaitFor(title, argc > 3 ? std::atoi(argv[3]) : 20000);
    return window != nullptr ? 0 : 1;
  }
  if (command == "count") {
    std::printf("%d\n", SearchTitle(title).count);
    return 0;
  }
  if (command == "gone") {
    DWORD timeout = argc > 3 ? std::atoi(argv[3]) : 20000;
    DWORD start = GetTickCount();
    while (FindTopLevel(title) != nullptr) {
      if (GetTickCount() - start > timeout) return 1;
      Sleep(50);
    }
    return 0;
  }
  HWND window = WaitFor(title, 20000);
  if (window == nullptr) {
    std::fprintf(stderr, "wintool: no window '%s'\n", title);
    return 1;
  }
  if (command == "info") {
    RECT outer, client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    std::printf("outer %ld %ld client %ld %ld style %08lx at %ld %ld\n", outer.right - outer.left,
                outer.bottom - outer.top, client.right, client.bottom,
                static_cast<unsigned long>(GetWindowLongA(window, GWL_STYLE)), outer.left, outer.top);
    return 0;
  }
  if (command == "children") {
    EnumChildWindows(window, PrintChild, 0);
    return 0;
  }
  if (command == "close") {
    PostMessageA(window, WM_CLOSE, 0, 0);
    return 0;
  }
  if (command == "click" && argc >= 6) {
    PostClick(ChildById(window, std::atoi(argv[3])), std::atoi(argv[4]), std::atoi(argv[5]));
    return 0;
  }
  if (command == "click-row" && argc >= 5)
    return ClickRow(ChildById(window, std::atoi(argv[3])), std::atoi(argv[4]), argc > 5 ? argv[5] : nullptr);
  if (command == "right-click-row" && argc >= 5)
    return ClickRow(ChildById(window, std::atoi(argv[3])), std::atoi(argv[4]), argc > 5 ? argv[5] : nullptr,
                    Button::kRight);
  if (command == "menu-pick" && argc >= 4) return PickMenuItem(window, std::atoi(argv[3]));
  if (command == "rows" && argc >= 4) return PrintRows(ChildById(window, std::atoi(argv[3])));
  if (command == "raw-gettext" && argc >= 5)
    return RawGetText(ChildById(window, std::atoi(argv[3])), std::atoi(argv[4]));
  if (command == "key" && argc >= 5) {
    HWND target = ChildById(window, std::atoi(argv[3]));
    WPARAM vk = static_cast<WPARAM>(std::strtol(argv[4], nullptr, 0));
    PostMessageA(target, WM_KEYDOWN, vk, 1);
    if (vk == VK_SPACE) PostMessageA(target, WM_CHAR, ' ', 1);
    PostMessageA(target, WM_KEYUP, vk, 0xC0000001);
    return 0;
  }
  // Ctrl and a letter, as the keyboard and its translation deliver them.
  if (command == "ctrl-key" && argc >= 5) {
    HWND target = ChildById(window, std::atoi(argv[3]));
    const WPARAM letter = static_cast<WPARAM>(argv[4][0] & ~0x20);
    PostMessageA(target, WM_KEYDOWN, VK_CONTROL, 1);
    PostMessageA(target, WM_KEYDOWN, letter, 1);
    PostMessageA(target, WM_CHAR, letter - '@', 1);
    PostMessageA(target, WM_KEYUP, letter, 0xC0000001);
    PostMessageA(target, WM_KEYUP, VK_CONTROL, 0xC0000001);
    return 0;
  }
  // Sizing as the border does (the window's smallest size holds), and the maximise box.
  if (command == "resize" && argc >= 5) {
    SetWindowPos(window, nullptr, 0, 0, std::atoi(argv[3]), std::atoi(argv[4]),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
  }
  if (command == "maximise") {
    PostMessageA(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    return 0;
  }
  if (command == "heights" && argc >= 4) return PrintRowHeights(ChildById(window, std::atoi(argv[3])));
  // A menu command, as a chosen menu item sends it.
  if (command == "command" && argc >= 4) {
    PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(std::atoi(argv[3])), 0);
    return 0;
  }
  // Types TEXT into a file dialog's name field (control 0x47c, or the edit
  // inside it) a character at a time, then presses its OK button.
  if (command == "type-file" && argc >= 4) {
    HWND field = GetDlgItem(window, 0x47c);
    if (field == nullptr) field = GetDlgItem(window, 0x480);
    // The field may be an edit, a combo box with one, or an extended combo box around that.
    HWND edit = field;
    for (int depth = 0; edit != nullptr && depth < 3; ++depth) {
      char kind[32] = {};
      GetClassNameA(edit, kind, sizeof kind);
      if (lstrcmpiA(kind, "Edit") == 0) break;
      HWND inner = FindWindowExA(edit, nullptr, "ComboBox", nullptr);
      if (inner == nullptr) inner = FindWindowExA(edit, nullptr, "Edit", nullptr);
      edit = inner;
    }
    if (edit == nullptr) {
      std::fprintf(stderr, "wintool: no file name field in '%s'\n", title);
      return 1;
    }
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    for (const char* c = argv[3]; *c != '\0'; ++c)
      SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(*c)), 1);
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, IDOK)));
    return 0;
  }
  return Usage();
}
