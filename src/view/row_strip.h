#pragma once
// The rows of a scrolling list as the screen holds them: their heights, the
// first visible row and the selected row.  Rows scroll a whole row at a time;
// the last page is always full, so the list never scrolls past its end.
// Inserting and deleting rows keeps the selection on the same row, and a
// deleted selected row leaves no selection.
#include <vector>

namespace vrex::view {

class RowStrip {
 public:
  int Count() const { return static_cast<int>(heights_.size()); }
  int Height(int row) const { return heights_.at(row); }
  void Insert(int row, const std::vector<int>& heights);
  void Erase(int row, int count);
  void Clear();
  void SetHeight(int row, int height);

  // The height of the view the rows show in; changing it keeps the last page full.
  int ViewHeight() const { return viewHeight_; }
  void SetViewHeight(int height);

  int Top() const { return top_; }
  // Scrolls so that row is the first visible one, as far as the rows below fill the view.
  void SetTop(int row);
  // The largest first row that still fills the view; 0 when all rows fit.
  int MaxTop() const;
  bool Overflows() const { return MaxTop() > 0; }
  // The rows that show, whole or in part: [first, last).
  int LastVisible() const;
  // The number of rows a page key moves over from the top: those wholly visible, at least 1.
  int PageRows() const;

  int Selected() const { return selected_; }
  // Selects a row (-1: none); an index outside the rows selects none.
  void Select(int row);
  // Scrolls as little as needed to show a row whole (its top, when it is higher than the view).
  void EnsureVisible(int row);

  // The y of a row's top edge in the view; rows above the first visible one have negative y.
  int RowY(int row) const;
  // The row under y in the view, or -1 above the first visible row or below the last row.
  int RowAtY(int y) const;

 private:
  void ClampTop();

  std::vector<int> heights_;
  int viewHeight_ = 0;
  int top_ = 0;
  int selected_ = -1;
};

}  // namespace vrex::view
