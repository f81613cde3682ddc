#pragma once
// The common controls and common dialog libraries, loaded the first time a
// window needs them instead of with the program.  Loading comctl32 registers
// its window classes, which makes the system bring up the desktop for the
// process; a report written from the command line has no window and does
// without all of that.  Every served Windows exports these functions; when a
// library cannot be loaded all the same, each returns its documented failure.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

namespace vrex::win::lazy {

// comctl32.dll
void InitCommonControls();
HIMAGELIST ImageList_Create(int width, int height, UINT flags, int initial, int grow);
BOOL ImageList_Destroy(HIMAGELIST list);
int ImageList_AddMasked(HIMAGELIST list, HBITMAP bitmap, COLORREF mask);
BOOL ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style);
HICON ImageList_GetIcon(HIMAGELIST list, int index, UINT flags);
BOOL ImageList_GetIconSize(HIMAGELIST list, int* width, int* height);
int ImageList_GetImageCount(HIMAGELIST list);

// comdlg32.dll
BOOL GetSaveFileNameA(LPOPENFILENAMEA dialog);
BOOL PrintDlgA(LPPRINTDLGA dialog);
DWORD CommDlgExtendedError();

}  // namespace vrex::win::lazy
