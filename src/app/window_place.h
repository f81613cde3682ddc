#pragma once
// The main window's size and place, kept in the INI file from one run to the
// next as "left,top,width,height,maximised" (screen pixels; maximised 0 or 1;
// the size and place are those of the restored window).
#include <optional>
#include <string>
#include <string_view>

#include "view/canvas.h"

namespace vrex::app {

struct WindowPlace {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool maximised = false;
  bool operator==(const WindowPlace&) const = default;
};

inline constexpr const char* kWindowPlaceKey = "WindowPlace";

// Nothing for a text that is not five whole numbers with a positive size and
// a last number of 0 or 1.
std::optional<WindowPlace> ParseWindowPlace(std::string_view text);
std::string WindowPlaceText(const WindowPlace& place);

// The place moved and shrunk into the area (the visible screen), never below
// the smallest size; a window larger than the area stands at its top left.
WindowPlace ClampToArea(WindowPlace place, const view::Rect& area, int smallestWidth, int smallestHeight);

// The place the program's INI file keeps, or nothing.
std::optional<WindowPlace> ReadWindowPlace();
// False when the INI file could not be written.
bool WriteWindowPlace(const WindowPlace& place);

}  // namespace vrex::app
