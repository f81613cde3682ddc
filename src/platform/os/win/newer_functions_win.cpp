#include "platform/os/win/newer_functions_win.h"

#include <commctrl.h>

#include <iterator>

#include "platform/os/win/window_libraries_win.h"

namespace vrex::win {
namespace {

struct Binding {
  NewerFunction function;
  const char* library;
  const char* name;
  FARPROC address = nullptr;
  bool looked = false;
  bool pretendMissing = false;
};

// user32 is loaded with the program; comctl32 and iphlpapi are loaded on
// first use and kept until the program ends.
Binding bindings[] = {
    {NewerFunction::MonitorFromWindow, "user32.dll", "MonitorFromWindow"},
    {NewerFunction::MonitorFromPoint, "user32.dll", "MonitorFromPoint"},
    {NewerFunction::GetMonitorInfoA, "user32.dll", "GetMonitorInfoA"},
    {NewerFunction::InitCommonControlsEx, "comctl32.dll", "InitCommonControlsEx"},
    {NewerFunction::TrackMouseEvent, "comctl32.dll", "_TrackMouseEvent"},
    {NewerFunction::GetIfTable, "iphlpapi.dll", "GetIfTable"},
    {NewerFunction::AttachConsole, "kernel32.dll", "AttachConsole"},
    {NewerFunction::MoveFileExA, "kernel32.dll", "MoveFileExA"},
};

Binding& BindingOf(NewerFunction function) {
  for (Binding& binding : bindings)
    if (binding.function == function) return binding;
  return bindings[0];  // every enumerator has its row
}

FARPROC Address(NewerFunction function) {
  Binding& binding = BindingOf(function);
  if (!binding.looked) {
    binding.looked = true;
    binding.address = KeptLibraryFunction(binding.library, binding.name);
  }
  return binding.pretendMissing ? nullptr : binding.address;
}

template <typename Function>
Function Bound(NewerFunction function) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(Address(function)));
}

using MonitorFromWindowFn = HMONITOR(WINAPI*)(HWND, DWORD);
using MonitorFromPointFn = HMONITOR(WINAPI*)(POINT, DWORD);
using GetMonitorInfoFn = BOOL(WINAPI*)(HMONITOR, LPMONITORINFO);
using InitCommonControlsExFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
using TrackMouseEventFn = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);
using GetIfTableFn = DWORD(WINAPI*)(PMIB_IFTABLE, PULONG, BOOL);
using AttachConsoleFn = BOOL(WINAPI*)(DWORD);
using MoveFileExFn = BOOL(WINAPI*)(LPCSTR, LPCSTR, DWORD);

bool CursorOver(HWND window) {
  POINT cursor;
  RECT bounds;
  return GetCursorPos(&cursor) && GetWindowRect(window, &bounds) && PtInRect(&bounds, cursor) &&
         WindowFromPoint(cursor) == window;
}

}  // namespace

FARPROC KeptLibraryFunction(const char* library, const char* name) {
  HMODULE module = GetModuleHandleA(library);
  if (module == nullptr) module = LoadLibraryA(library);
  return module != nullptr ? GetProcAddress(module, name) : nullptr;
}

RECT MonitorArea(HWND window, bool workArea) {
  auto fromWindow = Bound<MonitorFromWindowFn>(NewerFunction::MonitorFromWindow);
  auto fromPoint = Bound<MonitorFromPointFn>(NewerFunction::MonitorFromPoint);
  auto info = Bound<GetMonitorInfoFn>(NewerFunction::GetMonitorInfoA);
  if (fromWindow != nullptr && fromPoint != nullptr && info != nullptr) {
    HMONITOR monitor = window != nullptr ? fromWindow(window, MONITOR_DEFAULTTONEAREST)
                                         : fromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO found{};
    found.cbSize = sizeof found;
    if (monitor != nullptr && info(monitor, &found)) return workArea ? found.rcWork : found.rcMonitor;
  }
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  RECT work;
  if (workArea && SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0) && work.right > work.left &&
      work.bottom > work.top)
    area = work;
  return area;
}

void InitCommonControlClasses(DWORD classes) {
  if (auto initEx = Bound<InitCommonControlsExFn>(NewerFunction::InitCommonControlsEx)) {
    INITCOMMONCONTROLSEX controls{sizeof controls, classes};
    if (initEx(&controls)) return;
  }
  lazy::InitCommonControls();
}

void TrackMouseLeave(HWND window) {
  if (auto track = Bound<TrackMouseEventFn>(NewerFunction::TrackMouseEvent)) {
    TRACKMOUSEEVENT request{sizeof request, TME_LEAVE, window, 0};
    if (track(&request)) return;
  }
  SetTimer(window, kMouseLeaveTimer, kMouseLeaveTimerMs, nullptr);
}

bool HandleMouseLeaveTimer(HWND window, UINT message, WPARAM wParam) {
  if (message != WM_TIMER || wParam != kMouseLeaveTimer) return false;
  if (!CursorOver(window)) {
    KillTimer(window, kMouseLeaveTimer);
    PostMessageA(window, WM_MOUSELEAVE, 0, 0);
  }
  return true;
}

DWORD GetInterfaceTable(PMIB_IFTABLE table, PULONG size, BOOL order) {
  auto getIfTable = Bound<GetIfTableFn>(NewerFunction::GetIfTable);
  return getIfTable != nullptr ? getIfTable(table, size, order) : ERROR_NOT_SUPPORTED;
}

bool AttachParentConsole() {
  constexpr DWORD kParentProcess = static_cast<DWORD>(-1);  // ATTACH_PARENT_PROCESS
  auto attach = Bound<AttachConsoleFn>(NewerFunction::AttachConsole);
  return attach != nullptr && attach(kParentProcess);
}

bool IsAvailable(NewerFunction function) { return Address(function) != nullptr; }

void PretendMissing(NewerFunction function, bool missing) { BindingOf(function).pretendMissing = missing; }

DWORD MoveReplacing(const char* from, const char* to) {
  auto move = Bound<MoveFileExFn>(NewerFunction::MoveFileExA);
  if (move == nullptr) return ERROR_CALL_NOT_IMPLEMENTED;
  // Another writer replacing the same file holds it for a moment: ask again
  // a while before giving up.
  DWORD error = 0;
  for (int attempt = 0; attempt < 40; ++attempt) {
    if (move(from, to, MOVEFILE_REPLACE_EXISTING)) return 0;
    error = GetLastError();
    if (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) break;
    Sleep(25);
  }
  return error;
}

}  // namespace vrex::win
