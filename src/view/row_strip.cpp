#include "view/row_strip.h"

#include <algorithm>

namespace vrex::view {

void RowStrip::Insert(int row, const std::vector<int>& heights) {
  row = std::clamp(row, 0, Count());
  heights_.insert(heights_.begin() + row, heights.begin(), heights.end());
  if (selected_ >= row) selected_ += static_cast<int>(heights.size());
}

void RowStrip::Erase(int row, int count) {
  row = std::clamp(row, 0, Count());
  count = std::clamp(count, 0, Count() - row);
  heights_.erase(heights_.begin() + row, heights_.begin() + row + count);
  if (selected_ >= row + count) {
    selected_ -= count;
  } else if (selected_ >= row) {
    selected_ = -1;
  }
  ClampTop();
}

void RowStrip::Clear() {
  heights_.clear();
  top_ = 0;
  selected_ = -1;
}

void RowStrip::SetHeight(int row, int height) {
  heights_.at(row) = height;
  ClampTop();
}

void RowStrip::SetViewHeight(int height) {
  viewHeight_ = std::max(0, height);
  ClampTop();
}

void RowStrip::SetTop(int row) {
  top_ = row;
  ClampTop();
}

int RowStrip::MaxTop() const {
  int filled = 0;
  for (int row = Count() - 1; row >= 0; --row) {
    filled += heights_[row];
    if (filled > viewHeight_) return row + 1 < Count() ? row + 1 : row;
  }
  return 0;
}

void RowStrip::ClampTop() { top_ = std::clamp(top_, 0, MaxTop()); }

int RowStrip::LastVisible() const {
  int y = 0;
  int row = top_;
  while (row < Count() && y < viewHeight_) y += heights_[row++];
  return row;
}

int RowStrip::PageRows() const {
  int y = 0;
  int rows = 0;
  for (int row = top_; row < Count() && y + heights_[row] <= viewHeight_; ++row, ++rows) y += heights_[row];
  return std::max(1, rows);
}

void RowStrip::Select(int row) { selected_ = row >= 0 && row < Count() ? row : -1; }

void RowStrip::EnsureVisible(int row) {
  if (row < 0 || row >= Count()) return;
  if (row <= top_) {
    SetTop(row);
    return;
  }
  // Move the top down until the row's bottom edge is inside the view, but never past the row itself.
  int bottom = RowY(row) + heights_[row];
  while (top_ < row && bottom > viewHeight_) bottom -= heights_[top_++];
  ClampTop();
}

int RowStrip::RowY(int row) const {
  int y = 0;
  if (row >= top_) {
    for (int r = top_; r < row && r < Count(); ++r) y += heights_[r];
  } else {
    for (int r = row; r < top_; ++r) y -= heights_[r];
  }
  return y;
}

int RowStrip::RowAtY(int y) const {
  if (y < 0) return -1;
  int bottom = 0;
  for (int row = top_; row < Count(); ++row) {
    bottom += heights_[row];
    if (y < bottom) return row;
  }
  return -1;
}

}  // namespace vrex::view
