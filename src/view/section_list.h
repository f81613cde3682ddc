#pragma once
// The section list: sections, each a header row followed, while expanded,
// by one row per line.  This is the portable model of the widget; a host
// (the Win32 list box, or a test double) mirrors its rows on screen and
// measures them.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "view/canvas.h"

namespace vrex::view {

class ESectionListBoxError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class TListSectionState { lssExpanded, lssContracted };
enum class TFontUsage { fuSubItems, fuSection, fuBoth };
enum class TVAlignment { vtaCenter, vtaTop, vtaBottom };
enum class TSectionControlType { scText, scCheckbox, scRadiobutton };

class TSectionListBox;
class TListSection;

// The lines of a section; every change updates the owner's rows first.
class TSectionListStrings {
 public:
  explicit TSectionListStrings(TListSection& owner) : owner_(owner) {}
  int Count() const { return static_cast<int>(lines_.size()); }
  const std::string& operator[](int index) const { return lines_.at(index).text; }
  std::uint32_t Tag(int index) const { return lines_.at(index).tag; }
  void Add(const std::string& text, std::uint32_t tag = 0);
  void Insert(int index, const std::string& text);
  void Delete(int index);
  void Clear();
  void Assign(const std::vector<std::string>& lines);
  void AddStrings(const std::vector<std::string>& lines);
  std::vector<std::string> Lines() const;

 private:
  friend class TListSection;
  friend class TSectionListBox;
  struct Line {
    std::string text;
    std::uint32_t tag = 0;  // low 16 bits: icon + 1; bit 16: check mark
  };
  TListSection& owner_;
  std::vector<Line> lines_;
};

class TListSection {
 public:
  TListSection(TSectionListBox& list, const Colour& color, int itemHeight);
  TListSection(const TListSection&) = delete;
  TListSection& operator=(const TListSection&) = delete;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  TSectionListStrings& SubItems() { return subItems_; }
  const TSectionListStrings& SubItems() const { return subItems_; }
  TListSectionState State() const { return state_; }
  // Expanding inserts the line rows after the header, contracting removes them; fires no event.
  void SetState(TListSectionState state);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  int Index() const;

  // Icon number of a line, or -1; never raises.
  int GetSubItemImage(int line) const;
  void SetSubItemImage(int line, int icon);  // raises ESectionListBoxError outside the lines
  bool GetSubItemCheck(int line) const;
  void SetSubItemCheck(int line, bool ticked);  // raises ESectionListBoxError outside the lines

  Colour color;
  Font font;
  TFontUsage fontUsage = TFontUsage::fuSubItems;
  bool autoSize = true;
  int itemHeight;
  TVAlignment vAlignment = TVAlignment::vtaCenter;
  bool readOnly = true;
  TSectionControlType controlType = TSectionControlType::scText;
  bool fixed = false;

 private:
  friend class TSectionListStrings;
  friend class TSectionListBox;
  TSectionListBox& list_;
  std::string caption_;
  TSectionListStrings subItems_;
  TListSectionState state_ = TListSectionState::lssContracted;
  int imageIndex_ = -1;
};

// What the model asks of the screen.
class SectionListHost {
 public:
  virtual ~SectionListHost() = default;
  virtual int MeasureRow(const TSectionListBox& list, int row) = 0;
  virtual void RowsInserted(int row, const std::vector<int>& heights) = 0;
  virtual void RowsDeleted(int row, int count) = 0;
  virtual void RowChanged(int row, int height) = 0;  // text, icon, check or height changed
  virtual void SetRedraw(bool on) = 0;               // off at the first BeginUpdate, on at the last EndUpdate
  virtual void InvalidateAll() = 0;
  virtual void SetTopRow(int row) = 0;
  virtual int TopRow() const = 0;
  virtual void SetSelectedRow(int row) = 0;  // -1: none
  virtual int SelectedRow() const = 0;
};

class TSectionListBox {
 public:
  struct Row {
    int section;
    int line;  // -1 for the header
  };

  explicit TSectionListBox(SectionListHost& host);

  // Sections.Clear / Sections.Add / Sections[i] / Sections.Assign
  void ClearSections();
  TListSection& AddSection();
  int SectionCount() const { return static_cast<int>(sections_.size()); }
  TListSection& Section(int index) { return *sections_.at(index); }
  const TListSection& Section(int index) const { return *sections_.at(index); }
  void AssignSections(const TSectionListBox& other);

  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }

  // The rows mirror the sections: headers, then the lines of expanded sections.
  int RowCount() const { return static_cast<int>(rows_.size()); }
  Row RowAt(int row) const { return rows_.at(row); }
  int HeaderRow(int section) const;
  bool IsHeaderRow(int row) const { return rows_.at(row).line < 0; }
  const std::string& RowText(int row) const;

  void ShowSectionAtTop(const TListSection& section);
  // The first visible row and the selected one (-1: none).
  int TopRow() const { return host_.TopRow(); }
  int SelectedRow() const { return host_.SelectedRow(); }
  void ContractAll();
  // The section holding the selected row, or none.
  TListSection* SelectedSection();

  // User input, as the window delivers it.
  void MouseDown(int row, int x);  // row -1: below the last row
  void SpaceKey();
  void CopyKey();  // Ctrl+C

  // Where the user stands: the expanded sections, the first visible row and
  // the selected one, each row by section and line, so that it outlasts a
  // rebuild of the sections.
  struct Position {
    std::vector<int> expanded;
    std::optional<Row> top;
    std::optional<Row> selected;
  };
  Position KeepPosition() const;
  // Expands the kept sections that still exist and brings the top and the
  // selected row back: to the same line, or to its section's header where the
  // line is gone; where the section is gone, they stay as they are.
  void RestorePosition(const Position& position);

  // Properties of the list.
  int sectionHeight = 20;
  int subItemHeight = 20;
  int sectionIndent = 14;
  int subItemIndent = 14;
  int imageSpacing = 0;
  Colour color = Colour::System(syscolour::kInfoBk);
  Colour sectionColor = Colour::Rgb(219, 219, 219);
  Font sectionFont;
  Font font;
  bool wordWrap = false;
  bool oneExpanded = false;
  bool expandDisable = false;
  bool contractDisable = false;
  bool fullFocus = true;
  Colour selectionColor = Colour::System(syscolour::kHighlight);
  Colour selectionTextColor = Colour::Rgb(0, 0, 128);
  std::vector<int> tabPositions;

  std::function<void(TSectionListBox&, int section)> OnSectionClick;
  std::function<void(TSectionListBox&, int section)> OnExpandSection;
  std::function<void(TSectionListBox&, int section)> OnContractSection;
  std::function<void(TSectionListBox&, int section, int line)> OnSubItemClick;
  std::function<void(TSectionListBox&, int section, int line)> OnCheckBoxClick;
  std::function<void(TSectionListBox&)> OnCopy;

  // Remeasures every row (after a resize with word wrap on).
  void RemeasureAll();

 private:
  friend class TListSection;
  friend class TSectionListStrings;
  void ToggleSection(int section);
  void ExpandRows(TListSection& section);
  void ContractRows(TListSection& section);
  void LineInserted(TListSection& section, int line);
  void LineDeleted(TListSection& section, int line);
  void LinesCleared(TListSection& section);
  void LineChanged(const TListSection& section, int line);
  void HeaderChanged(const TListSection& section);
  void ToggleCheck(int section, int line);

  SectionListHost& host_;
  std::vector<std::unique_ptr<TListSection>> sections_;
  std::vector<Row> rows_;
  int updateCount_ = 0;
};

// BeginUpdate now, EndUpdate when the scope ends, also when it ends by an
// exception: a page build that throws still lets the list repaint.
class ScopedUpdate {
 public:
  explicit ScopedUpdate(TSectionListBox& list) : list_(list) { list_.BeginUpdate(); }
  ~ScopedUpdate() { list_.EndUpdate(); }
  ScopedUpdate(const ScopedUpdate&) = delete;
  ScopedUpdate& operator=(const ScopedUpdate&) = delete;

 private:
  TSectionListBox& list_;
};

inline constexpr const char* kSubItemAccessError = "Access of imageindex of non-existing subitem";
inline constexpr std::uint32_t kCheckBit = 1u << 16;

// A sub-item's check box: its side in pixels, and the width it takes before
// the line's icon or text.  A click counts on it from just right of the
// sub-item indent up to its right edge.
inline constexpr int kCheckBoxSide = 14;
inline constexpr int kCheckBoxAdvance = 16;

}  // namespace vrex::view
