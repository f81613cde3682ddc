#include "view/row_strip.h"

#include <gtest/gtest.h>

namespace vrex::view {
namespace {

// Ten rows: 20, 30, 20, 30 ... in a view 100 high.
RowStrip TenRows() {
  RowStrip strip;
  strip.SetViewHeight(100);
  for (int i = 0; i < 10; ++i) strip.Insert(i, {i % 2 == 0 ? 20 : 30});
  return strip;
}

TEST(RowStripTest, ScrollingStopsWhenTheLastPageIsFull) {
  RowStrip strip = TenRows();
  // The last four rows (20 + 30 + 20 + 30) fit in 100; five would not.
  EXPECT_EQ(strip.MaxTop(), 6);
  strip.SetTop(9);
  EXPECT_EQ(strip.Top(), 6);
  strip.SetTop(-3);
  EXPECT_EQ(strip.Top(), 0);
  strip.SetTop(4);
  EXPECT_EQ(strip.Top(), 4);
  // A taller view holds more of the end; the top moves back to keep the last page full.
  strip.SetViewHeight(150);
  EXPECT_EQ(strip.Top(), 4);
  strip.SetViewHeight(260);
  EXPECT_EQ(strip.Top(), 0);
  EXPECT_FALSE(strip.Overflows());
  // Removing rows below does the same.
  strip.SetViewHeight(100);
  strip.SetTop(6);
  strip.Erase(7, 3);
  EXPECT_EQ(strip.Top(), 3);
  // A last row higher than the view can still be the first visible one.
  strip.SetHeight(6, 400);
  EXPECT_EQ(strip.MaxTop(), 6);
}

TEST(RowStripTest, RowsMapToYAndBackFromTheFirstVisibleRow) {
  RowStrip strip = TenRows();
  strip.SetTop(2);
  EXPECT_EQ(strip.RowY(2), 0);
  EXPECT_EQ(strip.RowY(4), 50);
  EXPECT_EQ(strip.RowY(0), -50);
  EXPECT_EQ(strip.RowAtY(0), 2);
  EXPECT_EQ(strip.RowAtY(19), 2);
  EXPECT_EQ(strip.RowAtY(20), 3);
  EXPECT_EQ(strip.RowAtY(-1), -1);
  EXPECT_EQ(strip.LastVisible(), 6);  // rows 2 to 5 reach y 100
  EXPECT_EQ(strip.PageRows(), 4);
  // Below the last row there is no row.
  RowStrip few;
  few.SetViewHeight(100);
  few.Insert(0, {20, 20});
  EXPECT_EQ(few.RowAtY(39), 1);
  EXPECT_EQ(few.RowAtY(40), -1);
  EXPECT_EQ(few.LastVisible(), 2);
}

TEST(RowStripTest, EnsureVisibleScrollsAsLittleAsNeeded) {
  RowStrip strip = TenRows();
  strip.EnsureVisible(3);  // already whole
  EXPECT_EQ(strip.Top(), 0);
  strip.EnsureVisible(4);  // bottom at 120: one row of 20 must go
  EXPECT_EQ(strip.Top(), 1);
  strip.EnsureVisible(0);
  EXPECT_EQ(strip.Top(), 0);
  strip.SetHeight(5, 250);  // higher than the view: its top is shown
  strip.EnsureVisible(5);
  EXPECT_EQ(strip.Top(), 5);
  strip.EnsureVisible(42);
  EXPECT_EQ(strip.Top(), 5);
}

TEST(RowStripTest, TheSelectionFollowsItsRowAndIsLostWithIt) {
  RowStrip strip = TenRows();
  strip.Select(4);
  strip.Insert(2, {20, 20});
  EXPECT_EQ(strip.Selected(), 6);
  strip.Insert(7, {20});
  EXPECT_EQ(strip.Selected(), 6);
  strip.Erase(0, 2);
  EXPECT_EQ(strip.Selected(), 4);
  strip.Erase(3, 2);
  EXPECT_EQ(strip.Selected(), -1);
  strip.Select(strip.Count());
  EXPECT_EQ(strip.Selected(), -1);
  strip.Select(1);
  strip.Clear();
  EXPECT_EQ(strip.Selected(), -1);
  EXPECT_EQ(strip.Count(), 0);
  EXPECT_EQ(strip.MaxTop(), 0);
}

}  // namespace
}  // namespace vrex::view
