#pragma once
// The clipboard, for a text the user copies.
#include <windows.h>

#include <string>

namespace vrex::win {

// Empties the clipboard and puts the text on it as CF_TEXT, and as
// CF_UNICODETEXT too when unicode is given; false when the clipboard could
// not be opened or a form not placed.
bool PutOnClipboard(HWND owner, const std::string& ansi, const std::u16string* unicode);

}  // namespace vrex::win
