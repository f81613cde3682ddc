#pragma once
// One move-only owner for every kind of Win32 handle, with an alias per kind.
#include <windows.h>
#include <commctrl.h>

#include <utility>

#include "platform/os/win/window_libraries_win.h"

namespace vrex::win {

template <typename Handle, auto Close, Handle Invalid = Handle{}>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  ~UniqueHandle() { reset(); }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Invalid; }
  Handle release() { return std::exchange(handle_, Invalid); }
  void reset(Handle handle = Invalid) {
    if (handle_ != Invalid) Close(handle_);
    handle_ = handle;
  }
  // For out-parameters of creating calls.
  Handle* put() {
    reset();
    return &handle_;
  }

 private:
  Handle handle_ = Invalid;
};

inline void CloseRegKey(HKEY key) { RegCloseKey(key); }
inline void FreeModuleHandle(HMODULE module) { FreeLibrary(module); }
inline void DeleteGdiObject(HGDIOBJ object) { DeleteObject(object); }
inline void DestroyIconHandle(HICON icon) { DestroyIcon(icon); }
inline void DestroyWindowHandle(HWND window) { DestroyWindow(window); }
inline void DeleteDcHandle(HDC dc) { DeleteDC(dc); }
inline void CloseKernelHandle(HANDLE handle) { CloseHandle(handle); }
inline void DestroyImageListHandle(HIMAGELIST list) { lazy::ImageList_Destroy(list); }
inline void LocalFreeMemory(HLOCAL memory) { LocalFree(memory); }
inline void GlobalFreeMemory(HGLOBAL memory) { GlobalFree(memory); }
inline void UnhookHook(HHOOK hook) { UnhookWindowsHookEx(hook); }
inline void DestroyMenuHandle(HMENU menu) { DestroyMenu(menu); }
inline void CloseFindHandle(HANDLE search) { FindClose(search); }

using UniqueRegKey = UniqueHandle<HKEY, CloseRegKey>;
using UniqueModule = UniqueHandle<HMODULE, FreeModuleHandle>;
using UniqueGdiObject = UniqueHandle<HGDIOBJ, DeleteGdiObject>;
using UniqueBitmap = UniqueHandle<HBITMAP, DeleteGdiObject>;
using UniqueFont = UniqueHandle<HFONT, DeleteGdiObject>;
using UniqueBrush = UniqueHandle<HBRUSH, DeleteGdiObject>;
using UniquePen = UniqueHandle<HPEN, DeleteGdiObject>;
using UniqueIcon = UniqueHandle<HICON, DestroyIconHandle>;
using UniqueWindow = UniqueHandle<HWND, DestroyWindowHandle>;
using UniqueDc = UniqueHandle<HDC, DeleteDcHandle>;
using UniqueKernelHandle = UniqueHandle<HANDLE, CloseKernelHandle>;
using UniqueImageList = UniqueHandle<HIMAGELIST, DestroyImageListHandle>;
using UniqueLocalMemory = UniqueHandle<HLOCAL, LocalFreeMemory>;
using UniqueGlobalMemory = UniqueHandle<HGLOBAL, GlobalFreeMemory>;
using UniqueHook = UniqueHandle<HHOOK, UnhookHook>;
using UniqueMenu = UniqueHandle<HMENU, DestroyMenuHandle>;
// A FindFirstFileA search, through FileHandle.
using UniqueFindHandle = UniqueHandle<HANDLE, CloseFindHandle>;
// CreateFileA and FindFirstFileA fail with INVALID_HANDLE_VALUE, not null: this gives null then.
inline HANDLE FileHandle(HANDLE opened) { return opened == INVALID_HANDLE_VALUE ? nullptr : opened; }

// Selects a GDI object into a DC for the lifetime of the scope.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~ScopedSelect() { SelectObject(dc_, previous_); }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// Drawing inside this scope cannot reach past the rectangle.
class ScopedClip {
 public:
  ScopedClip(HDC dc, const RECT& rect) : dc_(dc), saved_(SaveDC(dc)) {
    IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
  }
  ~ScopedClip() { RestoreDC(dc_, saved_); }
  ScopedClip(const ScopedClip&) = delete;
  ScopedClip& operator=(const ScopedClip&) = delete;

 private:
  HDC dc_;
  int saved_;
};

// A window's DC from GetDC, released with its window.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

}  // namespace vrex::win
