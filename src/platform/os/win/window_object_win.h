#pragma once
// Windows served by a C++ object: the object comes with CreateWindowEx's
// creation parameter and is kept in the window's user data.
#include <windows.h>

namespace vrex::win {

// The object a window procedure serves; null before WM_NCCREATE.
template <typename Object>
Object* WindowObject(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* object = static_cast<Object*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
    return object;
  }
  return reinterpret_cast<Object*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

}  // namespace vrex::win
