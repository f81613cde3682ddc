#pragma once
// Text for a console or for what the standard handles were redirected to.
#include <windows.h>

#include <string_view>

namespace vrex::win {

// Whether the handle is a console's screen buffer (not a file, a pipe or a
// printer port).
bool IsConsole(HANDLE handle);

// Writes text of the ANSI code page to the handle.  A console shows its
// output code page (the OEM one, 850 where the ANSI one is 1252), so it gets
// the text in that; a file or a pipe gets the bytes as they are.  Takes
// nothing from the heap: a fault's report is written this way too.
void WriteAnsiText(HANDLE handle, std::string_view text);

}  // namespace vrex::win
