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

}  // namespace vrex::win
