#pragma once
// The skeleton every window of the program is built on: its class registered
// once, the C++ object it serves bound to its handle, a paint scope, and a
// barrier that keeps an exception or a fault from leaving a window procedure.
#include <windows.h>

#include <exception>
#include <memory>
#include <utility>

#include "platform/os/win/fault_handler_win.h"

namespace vrex::win {

// What a window class of the program is made of; what is not named here is
// zero.  The cursor is a system one (IDC_ARROW, IDC_WAIT), or none for a
// window never shown.
struct WindowClass {
  const char* name = nullptr;
  WNDPROC procedure = nullptr;
  LPCSTR cursor = IDC_ARROW;
  UINT style = 0;
  HICON icon = nullptr;
  HBRUSH background = nullptr;
  HINSTANCE instance = nullptr;  // the program's own when none
};

// Registers the class unless the instance has it already; true when it is there.
inline bool RegisterClassOnce(const WindowClass& definition) {
  WNDCLASSA windowClass{};
  windowClass.style = definition.style;
  windowClass.lpfnWndProc = definition.procedure;
  windowClass.hInstance = definition.instance != nullptr ? definition.instance : GetModuleHandleA(nullptr);
  windowClass.hCursor = definition.cursor != nullptr ? LoadCursorA(nullptr, definition.cursor) : nullptr;
  windowClass.hIcon = definition.icon;
  windowClass.hbrBackground = definition.background;
  windowClass.lpszClassName = definition.name;
  WNDCLASSA existing{};
  if (GetClassInfoA(windowClass.hInstance, windowClass.lpszClassName, &existing)) return true;
  return RegisterClassA(&windowClass) != 0;
}

// The object a window procedure serves, passed as CreateWindowEx's creation
// parameter and kept in the window's user data; null before WM_NCCREATE.
template <typename Object>
Object* WindowObject(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* object = static_cast<Object*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
    return object;
  }
  return reinterpret_cast<Object*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// The same, for an object that keeps its window's handle in `handle`: set at
// WM_NCCREATE, cleared at WM_NCDESTROY, when the window also lets go of the
// object, so that no later message reaches it.
template <typename Object>
Object* BoundWindowObject(HWND window, UINT message, LPARAM lParam, HWND Object::*handle) {
  Object* object = WindowObject<Object>(window, message, lParam);
  if (object == nullptr) return nullptr;
  if (message == WM_NCCREATE) object->*handle = window;
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    object->*handle = nullptr;
  }
  return object;
}

// State that the window owns, kept in its user data: given after creation,
// reclaimed with ReleaseOwnedState at WM_NCDESTROY.
template <typename State>
void SetOwnedState(HWND window, std::unique_ptr<State> state) {
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state.release()));
}
template <typename State>
State* OwnedState(HWND window) {
  return reinterpret_cast<State*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}
template <typename State>
void ReleaseOwnedState(HWND window) {
  std::unique_ptr<State> owned(OwnedState<State>(window));
  SetWindowLongPtrA(window, GWLP_USERDATA, 0);
}

// BeginPaint and EndPaint for the lifetime of the scope.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintScope() { EndPaint(window_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC dc() const { return dc_; }
  const RECT& area() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// Shows what an exception says in a modal message box with the program's
// title; the program goes on.
void ShowException(const char* text);

// Runs a window procedure's work; an exception it throws is shown and the
// message counts as handled (result 0) instead of climbing through
// DispatchMessage and ending the program.
template <typename Work>
LRESULT Guarded(Work&& work) {
  // A fault is not an exception: it goes to the fault handler, not to the
  // system's caller of the window procedure, which would swallow it.
  FaultFrame faults;
  try {
    return std::forward<Work>(work)();
  } catch (const std::exception& error) {
    ShowException(error.what());
  } catch (...) {
    ShowException("Unknown error");
  }
  return 0;
}

}  // namespace vrex::win
