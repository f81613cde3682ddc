#include "view/section_list.h"

#include <algorithm>

namespace vrex::view {

// ---- lines -------------------------------------------------------------

void TSectionListStrings::Add(const std::string& text, std::uint32_t tag) {
  lines_.push_back(Line{text, tag});
  owner_.list_.LineInserted(owner_, Count() - 1);
}

void TSectionListStrings::Insert(int index, const std::string& text) {
  index = std::clamp(index, 0, Count());
  lines_.insert(lines_.begin() + index, Line{text, 0});
  owner_.list_.LineInserted(owner_, index);
}

void TSectionListStrings::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  // The row goes first, while the line still maps to it.
  owner_.list_.LineDeleted(owner_, index);
  lines_.erase(lines_.begin() + index);
}

void TSectionListStrings::Clear() {
  owner_.list_.LinesCleared(owner_);
  lines_.clear();
}

void TSectionListStrings::Assign(const std::vector<std::string>& lines) {
  Clear();
  AddStrings(lines);
}

void TSectionListStrings::AddStrings(const std::vector<std::string>& lines) {
  for (const auto& line : lines) Add(line);
}

std::vector<std::string> TSectionListStrings::Lines() const {
  std::vector<std::string> out;
  out.reserve(lines_.size());
  for (const auto& line : lines_) out.push_back(line.text);
  return out;
}

// ---- sections ----------------------------------------------------------

TListSection::TListSection(TSectionListBox& list, const Colour& listColor, int height)
    : color(listColor), itemHeight(height), list_(list), subItems_(*this) {}

int TListSection::Index() const {
  for (int i = 0; i < list_.SectionCount(); ++i) {
    if (&list_.Section(i) == this) return i;
  }
  return -1;
}

void TListSection::SetCaption(const std::string& caption) {
  caption_ = caption;
  list_.HeaderChanged(*this);
}

void TListSection::SetState(TListSectionState state) {
  if (state == state_) return;
  state_ = state;
  if (state == TListSectionState::lssExpanded) {
    list_.ExpandRows(*this);
  } else {
    list_.ContractRows(*this);
  }
}

void TListSection::SetImageIndex(int index) {
  imageIndex_ = index;
  list_.HeaderChanged(*this);
}

int TListSection::GetSubItemImage(int line) const {
  if (line < 0 || line >= subItems_.Count()) return -1;
  return static_cast<int>(subItems_.lines_[line].tag & 0xFFFF) - 1;
}

void TListSection::SetSubItemImage(int line, int icon) {
  if (line < 0 || line >= subItems_.Count()) throw ESectionListBoxError(kSubItemAccessError);
  auto& tag = subItems_.lines_[line].tag;
  tag = (tag & ~0xFFFFu) | (static_cast<std::uint32_t>(icon + 1) & 0xFFFFu);
  list_.LineChanged(*this, line);
}

bool TListSection::GetSubItemCheck(int line) const {
  if (line < 0 || line >= subItems_.Count()) return false;
  return (subItems_.lines_[line].tag & kCheckBit) != 0;
}

void TListSection::SetSubItemCheck(int line, bool ticked) {
  if (line < 0 || line >= subItems_.Count()) throw ESectionListBoxError(kSubItemAccessError);
  auto& tag = subItems_.lines_[line].tag;
  tag = ticked ? (tag | kCheckBit) : (tag & ~kCheckBit);
  list_.LineChanged(*this, line);
}

// ---- the list ----------------------------------------------------------

TSectionListBox::TSectionListBox(SectionListHost& host) : host_(host) {
  sectionFont.bold = true;
  font.bold = true;
}

void TSectionListBox::ClearSections() {
  int count = RowCount();
  sections_.clear();
  rows_.clear();
  if (count > 0) host_.RowsDeleted(0, count);
}

TListSection& TSectionListBox::AddSection() {
  sections_.push_back(std::make_unique<TListSection>(*this, color, subItemHeight));
  int section = SectionCount() - 1;
  rows_.push_back(Row{section, -1});
  host_.RowsInserted(RowCount() - 1, {host_.MeasureRow(*this, RowCount() - 1)});
  return *sections_.back();
}

void TSectionListBox::AssignSections(const TSectionListBox& other) {
  ScopedUpdate update(*this);
  ClearSections();
  for (const auto& source : other.sections_) {
    TListSection& copy = AddSection();
    copy.SetCaption(source->caption_);
    for (const auto& line : source->subItems_.lines_) copy.subItems_.Add(line.text, line.tag);
    copy.vAlignment = source->vAlignment;
    copy.color = source->color;
    copy.controlType = source->controlType;
    copy.fixed = source->fixed;
    copy.fontUsage = source->fontUsage;
    copy.font = source->font;
    copy.SetImageIndex(source->imageIndex_);
    copy.SetState(source->state_);
  }
}

void TSectionListBox::BeginUpdate() {
  if (updateCount_++ == 0) host_.SetRedraw(false);
}

void TSectionListBox::EndUpdate() {
  if (updateCount_ == 0) return;
  if (--updateCount_ == 0) {
    host_.SetRedraw(true);
    host_.InvalidateAll();
  }
}

int TSectionListBox::HeaderRow(int section) const {
  int row = 0;
  for (int i = 0; i < section && i < SectionCount(); ++i) {
    row += 1;
    if (sections_[i]->state_ == TListSectionState::lssExpanded) row += sections_[i]->subItems_.Count();
  }
  return row;
}

const std::string& TSectionListBox::RowText(int row) const {
  Row at = rows_.at(row);
  const TListSection& section = *sections_.at(at.section);
  return at.line < 0 ? section.caption_ : section.subItems_.lines_.at(at.line).text;
}

void TSectionListBox::ShowSectionAtTop(const TListSection& section) {
  int index = section.Index();
  if (index >= 0) host_.SetTopRow(HeaderRow(index));
}

void TSectionListBox::ContractAll() {
  ScopedUpdate update(*this);
  if (RowCount() > 0) host_.SetSelectedRow(0);
  for (auto& section : sections_) section->SetState(TListSectionState::lssContracted);
}

TListSection* TSectionListBox::SelectedSection() {
  int row = host_.SelectedRow();
  if (row < 0 || row >= RowCount()) return nullptr;
  return sections_.at(rows_[row].section).get();
}

void TSectionListBox::MouseDown(int row, int x) {
  if (row < 0 || row >= RowCount()) {
    host_.SetSelectedRow(-1);
    return;
  }
  host_.SetSelectedRow(row);
  Row at = rows_[row];
  if (at.line < 0) {
    if (OnSectionClick) OnSectionClick(*this, at.section);
    // The handler may have rebuilt the list.
    if (at.section < SectionCount()) ToggleSection(at.section);
    return;
  }
  const TListSection& section = *sections_[at.section];
  if (section.controlType == TSectionControlType::scCheckbox && !section.readOnly && x > subItemIndent &&
      x < subItemIndent + kCheckBoxSide + 1) {
    ToggleCheck(at.section, at.line);
  }
  if (OnSubItemClick) OnSubItemClick(*this, at.section, at.line);
}

void TSectionListBox::SpaceKey() {
  int row = host_.SelectedRow();
  if (row < 0 || row >= RowCount()) return;
  Row at = rows_[row];
  if (at.line < 0) {
    ToggleSection(at.section);
    return;
  }
  const TListSection& section = *sections_[at.section];
  if (section.controlType == TSectionControlType::scCheckbox && !section.readOnly) {
    ToggleCheck(at.section, at.line);
    host_.SetSelectedRow(row);
  }
  if (OnSubItemClick) OnSubItemClick(*this, at.section, at.line);
}

void TSectionListBox::CopyKey() {
  if (OnCopy) OnCopy(*this);
}

TSectionListBox::Position TSectionListBox::KeepPosition() const {
  Position position;
  for (int i = 0; i < SectionCount(); ++i)
    if (sections_[i]->State() == TListSectionState::lssExpanded) position.expanded.push_back(i);
  auto rowAt = [this](int row) { return row >= 0 && row < RowCount() ? std::optional<Row>(rows_[row]) : std::nullopt; };
  position.top = rowAt(TopRow());
  position.selected = rowAt(SelectedRow());
  return position;
}

void TSectionListBox::RestorePosition(const Position& position) {
  for (int index : position.expanded)
    if (index < SectionCount()) sections_[index]->SetState(TListSectionState::lssExpanded);
  auto rowOf = [this](const std::optional<Row>& kept) -> std::optional<int> {
    if (!kept || kept->section >= SectionCount()) return std::nullopt;
    const TListSection& section = *sections_[kept->section];
    int header = HeaderRow(kept->section);
    bool lineShown = section.State() == TListSectionState::lssExpanded && kept->line < section.SubItems().Count();
    return lineShown ? header + 1 + kept->line : header;
  };
  // The selection first: selecting scrolls it into view, the top then stands where it was.
  if (auto selected = rowOf(position.selected)) host_.SetSelectedRow(*selected);
  if (auto top = rowOf(position.top)) host_.SetTopRow(*top);
}

void TSectionListBox::ToggleCheck(int section, int line) {
  TListSection& target = *sections_[section];
  target.SetSubItemCheck(line, !target.GetSubItemCheck(line));
  if (OnCheckBoxClick) OnCheckBoxClick(*this, section, line);
}

void TSectionListBox::ToggleSection(int index) {
  TListSection& section = *sections_.at(index);
  bool expanded = section.state_ == TListSectionState::lssExpanded;
  if (section.fixed) return;
  if (!expanded && expandDisable) return;
  if (expanded && contractDisable) return;
  if (expanded && !oneExpanded) {
    section.SetState(TListSectionState::lssContracted);
    if (OnContractSection) OnContractSection(*this, index);
    return;
  }
  if (oneExpanded) {
    ScopedUpdate update(*this);
    section.SetState(TListSectionState::lssExpanded);
    for (auto& other : sections_) {
      if (other.get() != &section) other->SetState(TListSectionState::lssContracted);
    }
  } else {
    section.SetState(TListSectionState::lssExpanded);
  }
  if (OnExpandSection) OnExpandSection(*this, index);
}

void TSectionListBox::ExpandRows(TListSection& section) {
  int index = section.Index();
  int first = HeaderRow(index) + 1;
  int count = section.subItems_.Count();
  if (count == 0) {
    HeaderChanged(section);  // the node glyph changes
    return;
  }
  std::vector<Row> added;
  for (int line = 0; line < count; ++line) added.push_back(Row{index, line});
  rows_.insert(rows_.begin() + first, added.begin(), added.end());
  std::vector<int> heights;
  heights.reserve(count);
  for (int line = 0; line < count; ++line) heights.push_back(host_.MeasureRow(*this, first + line));
  host_.RowsInserted(first, heights);
  HeaderChanged(section);
}

void TSectionListBox::ContractRows(TListSection& section) {
  int index = section.Index();
  int first = HeaderRow(index) + 1;
  int count = section.subItems_.Count();
  if (count > 0) {
    rows_.erase(rows_.begin() + first, rows_.begin() + first + count);
    host_.RowsDeleted(first, count);
  }
  HeaderChanged(section);
}

void TSectionListBox::LineInserted(TListSection& section, int line) {
  if (section.state_ != TListSectionState::lssExpanded) return;
  int index = section.Index();
  int row = HeaderRow(index) + 1 + line;
  rows_.insert(rows_.begin() + row, Row{index, line});
  for (std::size_t r = row + 1; r < rows_.size() && rows_[r].section == index; ++r) rows_[r].line += 1;
  host_.RowsInserted(row, {host_.MeasureRow(*this, row)});
}

void TSectionListBox::LineDeleted(TListSection& section, int line) {
  if (section.state_ != TListSectionState::lssExpanded) return;
  int index = section.Index();
  int row = HeaderRow(index) + 1 + line;
  rows_.erase(rows_.begin() + row);
  for (std::size_t r = row; r < rows_.size() && rows_[r].section == index; ++r) rows_[r].line -= 1;
  host_.RowsDeleted(row, 1);
}

void TSectionListBox::LinesCleared(TListSection& section) {
  if (section.state_ != TListSectionState::lssExpanded || section.subItems_.Count() == 0) return;
  int first = HeaderRow(section.Index()) + 1;
  int count = section.subItems_.Count();
  rows_.erase(rows_.begin() + first, rows_.begin() + first + count);
  host_.RowsDeleted(first, count);
}

void TSectionListBox::LineChanged(const TListSection& section, int line) {
  if (section.state_ != TListSectionState::lssExpanded) return;
  int row = HeaderRow(section.Index()) + 1 + line;
  host_.RowChanged(row, host_.MeasureRow(*this, row));
}

void TSectionListBox::HeaderChanged(const TListSection& section) {
  int index = section.Index();
  if (index < 0) return;  // still being added
  int row = HeaderRow(index);
  if (row < RowCount()) host_.RowChanged(row, sectionHeight);
}

void TSectionListBox::RemeasureAll() {
  ScopedUpdate update(*this);
  for (int row = 0; row < RowCount(); ++row) host_.RowChanged(row, host_.MeasureRow(*this, row));
}

}  // namespace vrex::view
