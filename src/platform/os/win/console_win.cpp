#include "platform/os/win/console_win.h"

namespace vrex::win {

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return GetFileType(handle) == FILE_TYPE_CHAR && GetConsoleMode(handle, &mode) != 0;
}

void WriteAnsiText(HANDLE handle, std::string_view text) {
  DWORD written = 0;
  const UINT page = IsConsole(handle) ? GetConsoleOutputCP() : 0;
  if (page == 0 || page == GetACP()) {
    WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    return;
  }
  // Piece by piece through buffers on the stack; a piece never ends inside a
  // double-byte character.  A UTF-16 unit takes at most three bytes in any
  // console code page.
  constexpr std::size_t kPiece = 256;
  WCHAR wide[kPiece];
  char converted[kPiece * 3];
  while (!text.empty()) {
    std::size_t take = 0;
    while (take < text.size() && take < kPiece - 1) take += IsDBCSLeadByte(static_cast<BYTE>(text[take])) != 0 ? 2 : 1;
    if (take > text.size()) take = text.size();
    int units = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(take), wide, kPiece);
    int bytes = WideCharToMultiByte(page, 0, wide, units, converted, sizeof converted, nullptr, nullptr);
    if (bytes > 0) WriteFile(handle, converted, static_cast<DWORD>(bytes), &written, nullptr);
    text.remove_prefix(take);
  }
}

}  // namespace vrex::win
