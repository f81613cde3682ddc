#pragma once
// Where the main window's components stand for a size of its client area.
// At the smallest size they stand where the form's design puts them; a
// larger window gives the extra width and height to the client panel, the
// right pane takes both, the left pane the height, and the strip and the
// gauge bar the width.
#include "view/canvas.h"

namespace vrex::app {

// The window's outer size at its smallest: the form's design size.
inline constexpr int kMainWidth = 587;
inline constexpr int kMainHeight = 486;

struct MainLayout {
  view::Rect panel3;           // the button strip, in the client area
  view::Rect panel1;           // the client panel, in the client area
  view::Rect sectionListBox1;  // the rest in the client panel
  view::Rect gaugeBar1;
  view::Rect sectionListBox2;
};

// smallestWidth and smallestHeight: the client area of the smallest window.
MainLayout LayOutMainWindow(int clientWidth, int clientHeight, int smallestWidth, int smallestHeight);

}  // namespace vrex::app
