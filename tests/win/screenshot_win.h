#pragma once
// Screenshots of windows under test, for a person to look at.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace vrex::test {

// Writes a BMP of what the screen shows of the window when VREX_SCREENSHOTS
// names a folder (a Unix path, seen under Z:).
inline void SaveScreenshot(HWND window, const std::string& name) {
  const char* folder = std::getenv("VREX_SCREENSHOTS");
  if (folder == nullptr || *folder == '\0') return;
  std::string path = std::string(folder[0] == '/' ? "Z:" : "") + folder + "/" + name;
  for (char& c : path) c = c == '/' ? '\\' : c;
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Sleep(100);  // until the X server shows what was drawn
  RECT rect;
  GetWindowRect(window, &rect);
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = rect.right - rect.left;
  header.biHeight = rect.bottom - rect.top;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  std::vector<BYTE> bits(((header.biWidth * 3 + 3) & ~3) * header.biHeight);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, header.biWidth, header.biHeight);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, header.biWidth, header.biHeight, screen, rect.left, rect.top, SRCCOPY);
  SelectObject(memory, old);
  GetDIBits(memory, bitmap, 0, header.biHeight, bits.data(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  BITMAPFILEHEADER file{0x4D42, 0, 0, 0, sizeof file + sizeof header};
  file.bfSize = file.bfOffBits + static_cast<DWORD>(bits.size());
  if (FILE* out = std::fopen(path.c_str(), "wb")) {
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&header, sizeof header, 1, out);
    std::fwrite(bits.data(), 1, bits.size(), out);
    std::fclose(out);
  }
}

}  // namespace vrex::test
