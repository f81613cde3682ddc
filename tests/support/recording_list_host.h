#pragma once
// A section list host that keeps the rows as the list window does, measuring each
// row as 10 pixels per 10 characters of text (at least 20), headers 20.
#include <string>
#include <vector>

#include "view/row_strip.h"
#include "view/section_list.h"

namespace vrex::test {

class RecordingListHost : public view::SectionListHost {
 public:
  // A view one pixel high, so that any row can be the first visible one.
  RecordingListHost() { rows.SetViewHeight(1); }
  int MeasureRow(const view::TSectionListBox& list, int row) override {
    ++measured;
    if (list.IsHeaderRow(row)) return list.sectionHeight;
    return 20 + static_cast<int>(list.RowText(row).size() / 10) * 10;
  }
  void RowsInserted(int row, const std::vector<int>& added) override { rows.Insert(row, added); }
  void RowsDeleted(int row, int count) override { rows.Erase(row, count); }
  void RowChanged(int row, int height) override {
    rows.SetHeight(row, height);
    if (redraw) ++repaints;
  }
  void SetRedraw(bool on) override {
    redraw = on;
    redrawSwitches.push_back(on);
  }
  void InvalidateAll() override { ++invalidations; }
  void SetTopRow(int row) override { rows.SetTop(row); }
  int TopRow() const override { return rows.Top(); }
  void SetSelectedRow(int row) override { rows.Select(row); }
  int SelectedRow() const override { return rows.Selected(); }

  view::RowStrip rows;
  std::vector<bool> redrawSwitches;
  bool redraw = true;
  int invalidations = 0;
  int repaints = 0;
  int measured = 0;
};

}  // namespace vrex::test
