#pragma once
// The wait note the main window shows while it gathers at start-up: at most
// one at a time, always on top, with the hourglass cursor for the whole
// program while it is shown.
#include <windows.h>

#include <string>

namespace vrex::app {

inline constexpr const char* kWaitDialogClass = "TDlgWaitSet";
inline constexpr int kWaitClientWidth = 329;
inline constexpr int kWaitClientHeight = 47;
// Child control IDs.
inline constexpr int kIdImageWait = 101;
inline constexpr int kIdLabelWait = 102;

// Creates and shows the note centred on the main window, unless one is
// shown already.  A failure leaves start-up running without it.
void ShowWaitDlg(HWND mainWindow);
// Texts of the shown note; nothing happens while none is shown.
void SetWaitLabel(const std::string& text);
void SetWaitCaption(const std::string& text);
// Hides and destroys the note and restores the cursor; nothing when none is shown.
void HideWaitDlg();

}  // namespace vrex::app
