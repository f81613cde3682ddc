#pragma once
// Functions that some of the Windows versions the program serves lack.  A
// missing static import stops the whole program from loading, so none of
// these is imported: each is looked up by name the first time it is needed,
// and each comes with a fallback here, so that callers need not know which
// system they run on.  Everything the program needs beyond what Windows 95
// exports goes through this one module.
#include <windows.h>
#include <iphlpapi.h>

namespace vrex::win {

// The function of that name in the library, which is loaded on first use and
// kept until the program ends; null when either is missing.
FARPROC KeptLibraryFunction(const char* library, const char* name);

// The work area (workArea) or the whole area of the monitor nearest the
// window, or of the primary monitor for a null window.  Through the
// multi-monitor functions of user32 (98, 2000 on); without them the primary
// work area from SystemParametersInfoA, or the screen.
RECT MonitorArea(HWND window, bool workArea);

// Registers the common control classes: InitCommonControlsEx (comctl32 4.70
// on), otherwise InitCommonControls, which registers them all.
void InitCommonControlClasses(DWORD classes);

// Asks for one WM_MOUSELEAVE when the mouse leaves the window: through
// comctl32's _TrackMouseEvent (4.70 on), otherwise through a short timer that
// watches the cursor and posts WM_MOUSELEAVE itself.  A window that asks must
// offer its messages to HandleMouseLeaveTimer first.
void TrackMouseLeave(HWND window);
// True when the message was the fallback's timer tick, which it then handled.
bool HandleMouseLeaveTimer(HWND window, UINT message, WPARAM wParam);
// The timer the fallback uses, one per window.
constexpr UINT_PTR kMouseLeaveTimer = 0x564C;
constexpr UINT kMouseLeaveTimerMs = 100;

// GetIfTable of iphlpapi.dll (98, NT 4.0 from its fourth service pack);
// ERROR_NOT_SUPPORTED when the library or the function is missing.
DWORD GetInterfaceTable(PMIB_IFTABLE table, PULONG size, BOOL order);

// Attaches the process to its parent's console (kernel32's AttachConsole, XP
// on), so that a program without a console of its own can write to the one
// it was started from; false when there is none or the function is missing.
bool AttachParentConsole();

// Moves from onto to, replacing a file there, in one step: kernel32's
// MoveFileExA with MOVEFILE_REPLACE_EXISTING (the NT family).  0, the
// system's error, or ERROR_CALL_NOT_IMPLEMENTED where the system cannot (the
// 9x family, whose MoveFileExA fails so).  A file that another writer holds
// for a moment is asked for again, for up to a second.
DWORD MoveReplacing(const char* from, const char* to);

// The names bound here, for tests and the import check's notes.
enum class NewerFunction {
  MonitorFromWindow,
  MonitorFromPoint,
  GetMonitorInfoA,
  InitCommonControlsEx,
  TrackMouseEvent,
  GetIfTable,
  AttachConsole,
  MoveFileExA
};
// Whether the running system offers the function.
bool IsAvailable(NewerFunction function);
// Tests take the fallback path on a system that has the function.
void PretendMissing(NewerFunction function, bool missing);

}  // namespace vrex::win
