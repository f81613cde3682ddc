// The main window's size and place: the INI text and the clamp to the screen.
#include <gtest/gtest.h>

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
  };
  for (const Case& c : cases) EXPECT_EQ(ParseWindowPlace(c.text), c.place) << c.text;
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
      {{10, 10, 2000, 2000, false}, {0, 0, 1024, 738, false}},
      {{10, 10, 100, 100, false}, {10, 10, 587, 486, false}},
  };
  for (const Case& c : cases) EXPECT_EQ(ClampToArea(c.kept, screen, 587, 486), c.given) << c.kept.left;
}

}  // namespace
}  // namespace vrex::app
