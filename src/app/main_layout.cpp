#include "app/main_layout.h"

#include <algorithm>

namespace vrex::app {
namespace {
view::Rect At(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }
}  // namespace

MainLayout LayOutMainWindow(int clientWidth, int clientHeight, int smallestWidth, int smallestHeight) {
  const int wider = std::max(0, clientWidth - smallestWidth);
  const int taller = std::max(0, clientHeight - smallestHeight);
  MainLayout layout;
  layout.panel3 = At(0, 0, std::max(clientWidth, smallestWidth), 25);
  layout.panel1 = At(8, 32, 561 + wider, 417 + taller);
  layout.sectionListBox1 = At(1, 1, 193, 415 + taller);
  layout.gaugeBar1 = At(200, 16, 353 + wider, 17);
  layout.sectionListBox2 = At(200, 87, 345 + wider, 329 + taller);
  return layout;
}

}  // namespace vrex::app
