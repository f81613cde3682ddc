#pragma once
// A section list host that keeps the rows as a list box would, measuring each
// row as 10 pixels per 10 characters of text (at least 20), headers 20.
#include <string>
#include <vector>

#include "view/section_list.h"

namespace vrex::test {

class RecordingListHost : public view::SectionListHost {
 public:
  int MeasureRow(const view::TSectionListBox& list, int row) override {
    ++measured;
    if (list.IsHeaderRow(row)) return list.sectionHeight;
    return 20 + static_cast<int>(list.RowText(row).size() / 10) * 10;
  }
  void RowsInserted(int row, const std::vector<int>& added) override {
    heights.insert(heights.begin() + row, added.begin(), added.end());
    if (selected >= row) selected += static_cast<int>(added.size());
  }
  void RowsDeleted(int row, int count) override {
    heights.erase(heights.begin() + row, heights.begin() + row + count);
    if (selected >= row + count) {
      selected -= count;
    } else if (selected >= row) {
      selected = -1;
    }
  }
  void RowChanged(int row, int height) override {
    heights.at(row) = height;
    if (redraw) ++repaints;
  }
  void SetRedraw(bool on) override {
    redraw = on;
    redrawSwitches.push_back(on);
  }
  void InvalidateAll() override { ++invalidations; }
  void SetTopRow(int row) override { top = row; }
  void SetSelectedRow(int row) override { selected = row; }
  int SelectedRow() const override { return selected; }

  std::vector<int> heights;
  std::vector<bool> redrawSwitches;
  bool redraw = true;
  int invalidations = 0;
  int repaints = 0;
  int measured = 0;
  int top = 0;
  int selected = -1;
};

}  // namespace vrex::test
