// Drives windows of another process for the tests under Wine: waits for a
// window, lists its child windows, sends real mouse and key messages, closes it.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

HWND FindTopLevel(const char* title) {
  HWND window = FindWindowA(nullptr, title);
  return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

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

int Usage() {
  std::fprintf(stderr,
               "usage: wintool wait TITLE [MS] | gone TITLE [MS] | children TITLE | info TITLE |\n"
               "               close TITLE | click TITLE ID X Y | key TITLE ID VK | settle MS\n");
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
  if (argc < 3) return Usage();
  const char* title = argv[2];
  if (command == "wait") {
    HWND window = WaitFor(title, argc > 3 ? std::atoi(argv[3]) : 20000);
    return window != nullptr ? 0 : 1;
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
    std::printf("outer %ld %ld client %ld %ld style %08lx\n", outer.right - outer.left, outer.bottom - outer.top,
                client.right, client.bottom, static_cast<unsigned long>(GetWindowLongA(window, GWL_STYLE)));
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
    HWND target = ChildById(window, std::atoi(argv[3]));
    LPARAM at = MAKELPARAM(std::atoi(argv[4]), std::atoi(argv[5]));
    PostMessageA(target, WM_MOUSEMOVE, 0, at);
    PostMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(target, WM_LBUTTONUP, 0, at);
    return 0;
  }
  if (command == "key" && argc >= 5) {
    HWND target = ChildById(window, std::atoi(argv[3]));
    WPARAM vk = static_cast<WPARAM>(std::strtol(argv[4], nullptr, 0));
    PostMessageA(target, WM_KEYDOWN, vk, 1);
    if (vk == VK_SPACE) PostMessageA(target, WM_CHAR, ' ', 1);
    PostMessageA(target, WM_KEYUP, vk, 0xC0000001);
    return 0;
  }
  return Usage();
}
