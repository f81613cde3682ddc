#include "app/catalogue.h"

#include <exception>

#include "lang/language.h"
#include "lang/os_version.h"

namespace vrex::app {
namespace {

// The language strings a caption is compared with, looked up once per page.
constexpr int kCatalogueIds[] = {350, 525, 526, 527, 528, 529, 561, 80, 81, 82, 540, 101, 102, 103};

struct CatalogueStrings {
  std::vector<std::pair<int, std::string>> texts;
  CatalogueStrings() {
    for (int id : kCatalogueIds) texts.emplace_back(id, GetLangString(id));
  }
  const std::string& operator[](int id) const {
    for (const auto& [key, text] : texts) {
      if (key == id) return text;
    }
    static const std::string none;
    return none;
  }
};

void RunCatalogueWith(const CatalogueStrings& strings, const std::string& caption, const Gatherers& g,
                      const Lines& connections, const LineSink& sink);

void Run(const Gatherer& gatherer, const LineSink& sink) { sink(gatherer ? gatherer() : Lines{}, false); }

}  // namespace

const std::vector<CatalogueSection>& CatalogueSections() {
  static const std::vector<CatalogueSection> sections = {
      {538, 0, {{540, 0}, {525, 1}, {526, 2}, {527, 3}, {528, 4}, {561, 5}, {529, 6}}},
      {539, 1, {{80, 7}, {81, 8}, {82, 9}, {350, 10}}},
      {100, 2, {{101, 16}, {102, 17}}},
  };
  return sections;
}

void RunCatalogue(const std::string& caption, const Gatherers& g, const Lines& connections, const LineSink& sink) {
  RunCatalogueWith(CatalogueStrings(), caption, g, connections, sink);
}

namespace {

void RunCatalogueWith(const CatalogueStrings& strings, const std::string& caption, const Gatherers& g,
                      const Lines& connections, const LineSink& sink) {
  auto Matches = [&](const std::string& text, int id) { return text == strings[id]; };
  bool nt4 = GetOSVersionCode() == oscode::kWinNT4;
  if (Matches(caption, 350) && !nt4) {
    try {
      Run(g.gettel, sink);
    } catch (const std::exception&) {
      // The dial-up page is then built without its lines.
    }
  }
  if (Matches(caption, 525)) Run(g.netadapterstostringlst, sink);
  if (Matches(caption, 526)) Run(g.protocolstostringlst, sink);
  if (Matches(caption, 527)) Run(g.servicestostringlst, sink);
  if (Matches(caption, 528)) Run(g.clientstostringlst, sink);
  if (Matches(caption, 529)) Run(g.tcpipdetailstostringlst, sink);
  if (Matches(caption, 561)) {
    Run(g.winsocktostringlst, sink);
    if (!nt4 && !connections.empty()) {
      try {
        sink(connections, true);
      } catch (const std::exception&) {
        // The Winsock lines stay without the connections.
      }
    }
  }
  if (Matches(caption, 80)) Run(g.postatostringlst, sink);
  if (Matches(caption, 81)) Run(g.proxytostringlst, sink);
  if (Matches(caption, 82)) Run(g.explorerstostringlst, sink);
  if (Matches(caption, 540)) Run(g.zakladniinfotostringlst, sink);
  if (IsNTFamily()) {
    if (Matches(caption, 101)) Run(g.userstostringlst, sink);
    if (Matches(caption, 102)) Run(g.localgroupstostringlst, sink);
    if (Matches(caption, 103)) Run(g.globalgroupstostringlst, sink);
  }
}

}  // namespace

void BuildLeftPane(view::TSectionListBox& left) {
  const auto& sections = CatalogueSections();
  for (std::size_t s = 0; s < sections.size() && static_cast<int>(s) < left.SectionCount(); ++s) {
    view::TListSection& section = left.Section(static_cast<int>(s));
    for (const auto& item : sections[s].items) section.SubItems().Add(GetLangString(item.caption));
    for (std::size_t i = 0; i < sections[s].items.size(); ++i)
      section.SetSubItemImage(static_cast<int>(i), sections[s].items[i].icon);
  }
  for (std::size_t s = 0; s < sections.size() && static_cast<int>(s) < left.SectionCount(); ++s)
    left.Section(static_cast<int>(s)).SetCaption(GetLangString(sections[s].caption));
}

void OpenPaneSection(view::TSectionListBox& source, view::TSectionListBox& target, int index) {
  target.BeginUpdate();
  try {
    view::TListSection& section = target.Section(index);
    bool sameClick = &source == &target && section.State() == view::TListSectionState::lssExpanded;
    section.SetState(sameClick ? view::TListSectionState::lssContracted : view::TListSectionState::lssExpanded);
    target.ShowSectionAtTop(section);
  } catch (const std::exception&) {
    // The section keeps its state.
  }
  target.EndUpdate();
}

MainPanes::MainPanes(view::TSectionListBox& left, view::TSectionListBox& right, const Gatherers& gatherers,
                     const Lines& connections)
    : left_(left), right_(right), gatherers_(gatherers), connections_(connections) {}

void MainPanes::Connect() {
  left_.OnExpandSection = [this](view::TSectionListBox& sender, int idx) { SectionListBox1ExpandSection(sender, idx); };
  left_.OnContractSection = [this](view::TSectionListBox& sender, int idx) {
    SectionListBox1ContractSection(sender, idx);
  };
  left_.OnSubItemClick = [this](view::TSectionListBox& sender, int idx, int sub) {
    SectionListBox1SubItemClick(sender, idx, sub);
  };
  right_.OnSectionClick = [this](view::TSectionListBox& sender, int idx) { SectionListBox2SectionClick(sender, idx); };
}

void MainPanes::SectionListBox1ExpandSection(view::TSectionListBox&, int sectionIdx) {
  ShowSectionPage(left_.Section(sectionIdx));
}

void MainPanes::SectionListBox1ContractSection(view::TSectionListBox&, int) {
  right_.BeginUpdate();
  right_.ClearSections();
  right_.EndUpdate();
}

void MainPanes::SectionListBox1SubItemClick(view::TSectionListBox& sender, int sectionIdx, int subitemidx) {
  if (left_.OnExpandSection) left_.OnExpandSection(sender, sectionIdx);
  OpenPaneSection(left_, right_, subitemidx + 1);
}

void MainPanes::SectionListBox2SectionClick(view::TSectionListBox&, int sectionIdx) {
  OpenPaneSection(right_, right_, sectionIdx);
}

void MainPanes::ShowSectionPage(const view::TListSection& section) {
  right_.BeginUpdate();
  right_.ClearSections();
  right_.AddSection().SetCaption(section.Caption());
  const auto& items = section.SubItems();
  const CatalogueStrings strings;
  for (int i = 0; i < items.Count(); ++i) {
    view::TListSection& page = right_.AddSection();
    page.SetCaption(items[i]);
    RunCatalogueWith(strings, items[i], gatherers_, connections_, [&page](const Lines& lines, bool append) {
      if (append) {
        page.SubItems().AddStrings(lines);
      } else {
        page.SubItems().Assign(lines);
      }
    });
  }
  for (int i = 0; i < items.Count(); ++i) right_.Section(i + 1).SetImageIndex(section.GetSubItemImage(i));
  right_.EndUpdate();
}

}  // namespace vrex::app
