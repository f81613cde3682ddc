#include "app/catalogue.h"

#include <exception>
#include <iterator>

#include "lang/language.h"
#include "lang/os_version.h"
#include "lang/string_ids.h"
#include "platform/ui/art_ids.h"

namespace vrex::app {
namespace {

using enum CatalogueRule;

// The catalogue, in the order a page's or a report item's caption is compared
// with the rows.  The left pane lists them by section and place instead.
// Unlike the page, the report holds the dial-up lines under Windows NT 4.0 too.
// clang-format off
constexpr CatalogueRow kCatalogue[] = {
    // caption                    section     place       icon                         gatherer                             page         report
    {IDS_SUBITEM_DIALUP,          1,          3,          ART_ICON_TELEPHONE_GLOBE,    &Gatherers::gettel,                  kDialUp,     kSwallow},
    {IDS_SUBITEM_ADAPTERS,        0,          1,          ART_ICON_NETWORK_CARD,       &Gatherers::netadapterstostringlst,  kEverywhere, kEverywhere},
    {IDS_SUBITEM_PROTOCOLS,       0,          2,          ART_ICON_CABLE_PLUG,         &Gatherers::protocolstostringlst,    kEverywhere, kEverywhere},
    {IDS_SUBITEM_SERVICES,        0,          3,          ART_ICON_COMPUTER,           &Gatherers::servicestostringlst,     kEverywhere, kEverywhere},
    {IDS_SUBITEM_CLIENTS,         0,          4,          ART_ICON_MONITOR,            &Gatherers::clientstostringlst,      kEverywhere, kEverywhere},
    {IDS_SUBITEM_TCPIP,           0,          6,          ART_ICON_NETWORK_PLUG,       &Gatherers::tcpipdetailstostringlst, kEverywhere, kEverywhere},
    {IDS_SUBITEM_WINSOCK,         0,          5,          ART_ICON_NETWORK_CARD_2,     &Gatherers::winsocktostringlst,      kWinsock,    kWinsock},
    {IDS_SUBITEM_MAIL,            1,          0,          ART_ICON_MAIL,               &Gatherers::postatostringlst,        kEverywhere, kEverywhere},
    {IDS_SUBITEM_PROXY,           1,          1,          ART_ICON_COMPUTER_TELEPHONE, &Gatherers::proxytostringlst,        kEverywhere, kEverywhere},
    {IDS_SUBITEM_BROWSERS,        1,          2,          ART_ICON_BROWSER,            &Gatherers::explorerstostringlst,    kEverywhere, kEverywhere},
    {IDS_SUBITEM_BASIC_INFO,      0,          0,          ART_ICON_INFORMATION,        &Gatherers::zakladniinfotostringlst, kEverywhere, kEverywhere},
    {IDS_SUBITEM_USERS,           2,          0,          ART_ICON_USER,               &Gatherers::userstostringlst,        kNtFamily,   kNtFamily},
    {IDS_SUBITEM_LOCAL_GROUPS,    2,          1,          ART_ICON_GROUP,              &Gatherers::localgroupstostringlst,  kNtFamily,   kNtFamily},
    {IDS_SUBITEM_GLOBAL_GROUPS,   kNotListed, kNotListed, kNotListed,                  &Gatherers::globalgroupstostringlst, kNtFamily,   kNever},
};
// clang-format on

// The left pane's sections; their sub-items are the rows listed in them.
struct SectionHead {
  int caption;  // language string
  int icon;     // in SectionImages
};
constexpr SectionHead kSectionHeads[] = {
    {IDS_SECTION_NETWORK, 0},
    {IDS_SECTION_INTERNET, 1},
    {IDS_SECTION_ACCOUNTS, 2},
};

// Every listed row names one of the sections, and each section's places run
// from 0 without a gap or a repeat; a row outside the pane has neither.
constexpr bool PlacesAreConsistent() {
  for (const CatalogueRow& row : kCatalogue) {
    if (row.section == kNotListed) {
      if (row.place != kNotListed) return false;
      continue;
    }
    if (row.section < 0 || row.section >= static_cast<int>(std::size(kSectionHeads))) return false;
    int inSection = 0, samePlace = 0;
    for (const CatalogueRow& other : kCatalogue) {
      if (other.section != row.section) continue;
      ++inSection;
      if (other.place == row.place) ++samePlace;
    }
    if (row.place < 0 || row.place >= inSection || samePlace != 1) return false;
  }
  return true;
}
static_assert(PlacesAreConsistent());

// The rows' language strings, in table order, looked up once per page.
struct CatalogueStrings {
  std::vector<std::string> texts;
  CatalogueStrings() {
    for (const CatalogueRow& row : kCatalogue) texts.push_back(GetLangString(row.caption));
  }
};

void RunCatalogueWith(const CatalogueStrings& strings, const std::string& caption, CatalogueUse use, const Gatherers& g,
                      const Lines& connections, const LineSink& sink);

void Run(const Gatherer& gatherer, const LineSink& sink) { sink(gatherer ? gatherer() : Lines{}, false); }

void RunSwallowingFailure(const Gatherer& gatherer, const LineSink& sink) {
  try {
    Run(gatherer, sink);
  } catch (const std::exception&) {
    // The page or the report goes on without these lines.
  }
}

}  // namespace

std::span<const CatalogueRow> Catalogue() { return kCatalogue; }

const std::vector<CatalogueSection>& CatalogueSections() {
  static const std::vector<CatalogueSection> sections = [] {
    std::vector<CatalogueSection> built;
    for (const SectionHead& head : kSectionHeads) built.push_back({head.caption, head.icon, {}});
    for (std::size_t s = 0; s < built.size(); ++s) {
      auto& items = built[s].items;
      for (const CatalogueRow& row : kCatalogue) {
        if (row.section != static_cast<int>(s)) continue;
        if (items.size() <= static_cast<std::size_t>(row.place)) items.resize(row.place + 1);
        items[row.place] = {row.caption, row.icon};
      }
    }
    return built;
  }();
  return sections;
}

void RunCatalogue(const std::string& caption, CatalogueUse use, const Gatherers& g, const Lines& connections,
                  const LineSink& sink) {
  RunCatalogueWith(CatalogueStrings(), caption, use, g, connections, sink);
}

namespace {

void RunCatalogueWith(const CatalogueStrings& strings, const std::string& caption, CatalogueUse use, const Gatherers& g,
                      const Lines& connections, const LineSink& sink) {
  const bool nt4 = GetOSVersionCode() == oscode::kWinNT4;
  const bool ntFamily = IsNTFamily();
  for (std::size_t i = 0; i < std::size(kCatalogue); ++i) {
    if (caption != strings.texts[i]) continue;
    const CatalogueRow& row = kCatalogue[i];
    const Gatherer& gatherer = g.*row.gatherer;
    switch (use == CatalogueUse::kPage ? row.page : row.report) {
      case kEverywhere: Run(gatherer, sink); break;
      case kSwallow: RunSwallowingFailure(gatherer, sink); break;
      case kDialUp:
        if (!nt4) RunSwallowingFailure(gatherer, sink);
        break;
      case kWinsock:
        Run(gatherer, sink);
        if (!nt4 && !connections.empty()) {
          try {
            sink(connections, true);
          } catch (const std::exception&) {
            // The Winsock lines stay without the connections.
          }
        }
        break;
      case kNtFamily:
        if (ntFamily) Run(gatherer, sink);
        break;
      case kNever: break;
    }
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
  view::ScopedUpdate update(target);
  try {
    view::TListSection& section = target.Section(index);
    bool sameClick = &source == &target && section.State() == view::TListSectionState::lssExpanded;
    section.SetState(sameClick ? view::TListSectionState::lssContracted : view::TListSectionState::lssExpanded);
    target.ShowSectionAtTop(section);
  } catch (const std::exception&) {
    // The section keeps its state.
  }
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
  pageSection_ = sectionIdx;
  ShowSectionPage(left_.Section(sectionIdx));
}

void MainPanes::SectionListBox1ContractSection(view::TSectionListBox&, int) {
  pageSection_ = -1;
  view::ScopedUpdate update(right_);
  right_.ClearSections();
}

void MainPanes::RefreshPage() {
  if (pageSection_ < 0) return;
  view::ScopedUpdate update(right_);
  const view::TSectionListBox::Position position = right_.KeepPosition();
  ShowSectionPage(left_.Section(pageSection_));
  right_.RestorePosition(position);
}

void MainPanes::SectionListBox1SubItemClick(view::TSectionListBox& sender, int sectionIdx, int subitemidx) {
  if (left_.OnExpandSection) left_.OnExpandSection(sender, sectionIdx);
  OpenPaneSection(left_, right_, subitemidx + 1);
}

void MainPanes::SectionListBox2SectionClick(view::TSectionListBox&, int sectionIdx) {
  OpenPaneSection(right_, right_, sectionIdx);
}

void MainPanes::ShowSectionPage(const view::TListSection& section) {
  // A gatherer that throws leaves the page half built, but the pane still repaints.
  view::ScopedUpdate update(right_);
  right_.ClearSections();
  right_.AddSection().SetCaption(section.Caption());
  const auto& items = section.SubItems();
  const CatalogueStrings strings;
  for (int i = 0; i < items.Count(); ++i) {
    view::TListSection& page = right_.AddSection();
    page.SetCaption(items[i]);
    RunCatalogueWith(strings, items[i], CatalogueUse::kPage, gatherers_, connections_,
                     [&page](const Lines& lines, bool append) {
                       if (append) {
                         page.SubItems().AddStrings(lines);
                       } else {
                         page.SubItems().Assign(lines);
                       }
                     });
  }
  for (int i = 0; i < items.Count(); ++i) right_.Section(i + 1).SetImageIndex(section.GetSubItemImage(i));
}

}  // namespace vrex::app
