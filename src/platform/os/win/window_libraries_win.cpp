#include "platform/os/win/window_libraries_win.h"

#include "platform/os/win/newer_functions_win.h"

namespace vrex::win::lazy {
namespace {

constexpr const char* kCommonControls = "comctl32.dll";
constexpr const char* kCommonDialogs = "comdlg32.dll";

// The function of that name, its library loaded on first use and kept until
// the program ends; null when either is missing.  The types come from the
// system headers, so that a wrapper cannot call with the wrong arguments.
template <typename Function>
Function Bind(const char* library, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(KeptLibraryFunction(library, name)));
}

}  // namespace

void InitCommonControls() {
  static const auto bound = Bind<decltype(&::InitCommonControls)>(kCommonControls, "InitCommonControls");
  if (bound != nullptr) bound();
}

HIMAGELIST ImageList_Create(int width, int height, UINT flags, int initial, int grow) {
  static const auto bound = Bind<decltype(&::ImageList_Create)>(kCommonControls, "ImageList_Create");
  return bound != nullptr ? bound(width, height, flags, initial, grow) : nullptr;
}

BOOL ImageList_Destroy(HIMAGELIST list) {
  static const auto bound = Bind<decltype(&::ImageList_Destroy)>(kCommonControls, "ImageList_Destroy");
  return bound != nullptr ? bound(list) : FALSE;
}

int ImageList_AddMasked(HIMAGELIST list, HBITMAP bitmap, COLORREF mask) {
  static const auto bound = Bind<decltype(&::ImageList_AddMasked)>(kCommonControls, "ImageList_AddMasked");
  return bound != nullptr ? bound(list, bitmap, mask) : -1;
}

BOOL ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style) {
  static const auto bound = Bind<decltype(&::ImageList_Draw)>(kCommonControls, "ImageList_Draw");
  return bound != nullptr ? bound(list, index, dc, x, y, style) : FALSE;
}

HICON ImageList_GetIcon(HIMAGELIST list, int index, UINT flags) {
  static const auto bound = Bind<decltype(&::ImageList_GetIcon)>(kCommonControls, "ImageList_GetIcon");
  return bound != nullptr ? bound(list, index, flags) : nullptr;
}

BOOL ImageList_GetIconSize(HIMAGELIST list, int* width, int* height) {
  static const auto bound = Bind<decltype(&::ImageList_GetIconSize)>(kCommonControls, "ImageList_GetIconSize");
  return bound != nullptr ? bound(list, width, height) : FALSE;
}

int ImageList_GetImageCount(HIMAGELIST list) {
  static const auto bound = Bind<decltype(&::ImageList_GetImageCount)>(kCommonControls, "ImageList_GetImageCount");
  return bound != nullptr ? bound(list) : 0;
}

BOOL GetSaveFileNameA(LPOPENFILENAMEA dialog) {
  static const auto bound = Bind<decltype(&::GetSaveFileNameA)>(kCommonDialogs, "GetSaveFileNameA");
  return bound != nullptr ? bound(dialog) : FALSE;
}

BOOL PrintDlgA(LPPRINTDLGA dialog) {
  static const auto bound = Bind<decltype(&::PrintDlgA)>(kCommonDialogs, "PrintDlgA");
  return bound != nullptr ? bound(dialog) : FALSE;
}

DWORD CommDlgExtendedError() {
  static const auto bound = Bind<decltype(&::CommDlgExtendedError)>(kCommonDialogs, "CommDlgExtendedError");
  return bound != nullptr ? bound() : CDERR_INITIALIZATION;
}

}  // namespace vrex::win::lazy
