// The main window's size and place: the INI text, the clamp to the screen,
// and where the components stand for a size.
#include <gtest/gtest.h>

#include "app/main_layout.h"
#include "app/window_place.h"

namespace vrex::app {
namespace {

TEST(WindowPlace, TextReadBack) {
  struct Case {
    const char* text;
    std::optional<WindowPlace> place;
  };
  const Case cases[] = {
      {"10,20,800,600,0", WindowPlace{10, 20, 800, 600, false}},
      {" -8, -8 ,1040,780,1", WindowPlace{-8, -8, 1040, 780, true}},
      {"10,20,800,600", std::nullopt},
      {"10,20,0,600,0", std::nullopt},
      {"10,20,800,600,2", std::nullopt},
      {"10,20,800,600,0,5", std::nullopt},
      {"10,x,800,600,0", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseWindowPlace(c.text), c.place) << c.text;
  EXPECT_EQ(WindowPlaceText(WindowPlace{-8, 5, 800, 600, true}), "-8,5,800,600,1");
}

TEST(WindowPlace, ClampedToTheVisibleScreen) {
  const view::Rect screen{0, 0, 1024, 738};
  struct Case {
    WindowPlace kept;
    WindowPlace given;
  };
  const Case cases[] = {
      {{100, 50, 800, 600, true}, {100, 50, 800, 600, true}},
      {{5000, 5000, 700, 500, false}, {324, 238, 700, 500, false}},
      {{-300, -20, 700, 500, false}, {0, 0, 700, 500, false}},
      {{10, 10, 2000, 2000, false}, {0, 0, 1024, 738, false}},
      {{10, 10, 100, 100, false}, {10, 10, 587, 486, false}},
  };
  for (const Case& c : cases) EXPECT_EQ(ClampToArea(c.kept, screen, 587, 486), c.given) << c.kept.left;
}

TEST(MainLayout, TheRightPaneTakesWhatTheWindowGains) {
  struct Case {
    int width, height;
    view::Rect panel1, sectionListBox1, gaugeBar1, sectionListBox2;
  };
  const Case cases[] = {
      {579, 455, {8, 32, 569, 449}, {1, 1, 194, 416}, {200, 16, 553, 33}, {200, 87, 545, 416}},
      {500, 400, {8, 32, 569, 449}, {1, 1, 194, 416}, {200, 16, 553, 33}, {200, 87, 545, 416}},
      {1016, 741, {8, 32, 1006, 735}, {1, 1, 194, 702}, {200, 16, 990, 33}, {200, 87, 982, 702}},
  };
  auto same = [](const view::Rect& a, const view::Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
  };
  for (const Case& c : cases) {
    const MainLayout layout = LayOutMainWindow(c.width, c.height, 579, 455);
    EXPECT_EQ(layout.panel3.right, std::max(c.width, 579)) << c.width;
    EXPECT_TRUE(same(layout.panel1, c.panel1)) << c.width;
    EXPECT_TRUE(same(layout.sectionListBox1, c.sectionListBox1)) << c.width;
    EXPECT_TRUE(same(layout.gaugeBar1, c.gaugeBar1)) << c.width;
    EXPECT_TRUE(same(layout.sectionListBox2, c.sectionListBox2)) << c.width;
  }
}

}  // namespace
}  // namespace vrex::app
