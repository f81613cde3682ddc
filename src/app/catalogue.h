#pragma once
// The left pane's fixed catalogue, the rule that ties each sub-item caption
// to its gatherer, and the handlers that build, open and clear the right
// pane's page.
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "view/section_list.h"

namespace vrex::app {

using Lines = std::vector<std::string>;
using Gatherer = std::function<Lines()>;

// The gatherers, under the names of the main window's methods.  An empty
// function gathers nothing.
struct Gatherers {
  Gatherer zakladniinfotostringlst;
  Gatherer netadapterstostringlst;
  Gatherer protocolstostringlst;
  Gatherer servicestostringlst;
  Gatherer clientstostringlst;
  Gatherer winsocktostringlst;
  Gatherer tcpipdetailstostringlst;
  Gatherer postatostringlst;
  Gatherer proxytostringlst;
  Gatherer explorerstostringlst;
  Gatherer gettel;
  Gatherer userstostringlst;
  Gatherer localgroupstostringlst;
  Gatherer globalgroupstostringlst;
};

// What a catalogue row does besides running its gatherer, and where.
enum class CatalogueRule {
  kEverywhere,  // runs on every system
  kSwallow,     // a failing gatherer adds no lines
  kDialUp,      // not under Windows NT 4.0; a failing gatherer adds no lines
  kWinsock,     // the connections collected at start-up follow, except under Windows NT 4.0
  kNtFamily,    // only on the Windows NT family
  kNever,       // not run at all
};

// Who runs the catalogue: the right pane's page or the report.
enum class CatalogueUse { kPage, kReport };

// A row matched by caption only, without a place in the left pane.
inline constexpr int kNotListed = -1;

// One sub-item of the catalogue: the caption the left pane shows and a page's
// caption is compared with, the left-pane place, and the gatherer it runs.
struct CatalogueRow {
  int caption;                    // language string
  int section;                    // left-pane section (0, 1, 2), or kNotListed
  int place;                      // among the section's sub-items, or kNotListed
  int icon;                       // in ImageList1, or kNotListed
  Gatherer Gatherers::*gatherer;  // the gatherer the row runs
  CatalogueRule page;             // how the page runs it
  CatalogueRule report;           // how the report runs it
};

// Every row, in the order a caption is compared with them.
std::span<const CatalogueRow> Catalogue();

struct CatalogueItem {
  int caption;  // language string
  int icon;     // in ImageList1
};

struct CatalogueSection {
  int caption;  // language string
  int icon;     // in SectionImages
  std::vector<CatalogueItem> items;
};

// The three left-pane sections in order, each with its listed rows by place.
const std::vector<CatalogueSection>& CatalogueSections();

// Receives a gatherer's lines: replacing the target's lines, or appended after them.
using LineSink = std::function<void(const Lines& lines, bool append)>;

// Compares the caption with every row's language string in table order and
// runs every matching row's gatherer under the row's rule for the use.
// connections are the lines collected at start-up.  The page keeps the last
// match's lines (append false replaces), the report appends them all.
void RunCatalogue(const std::string& caption, CatalogueUse use, const Gatherers& gatherers, const Lines& connections,
                  const LineSink& sink);

// Adds the sub-items with their icons, then captions the three sections.
void BuildLeftPane(view::TSectionListBox& left);

// Opens or closes one section of the target pane and scrolls it to the top.
void OpenPaneSection(view::TSectionListBox& source, view::TSectionListBox& target, int index);

// The two panes of the main window and their four handlers.
class MainPanes {
 public:
  MainPanes(view::TSectionListBox& left, view::TSectionListBox& right, const Gatherers& gatherers,
            const Lines& connections);
  // Connects the handlers to the panes' events.
  void Connect();

  void SectionListBox1ExpandSection(view::TSectionListBox& sender, int sectionIdx);
  void SectionListBox1ContractSection(view::TSectionListBox& sender, int sectionIdx);
  void SectionListBox1SubItemClick(view::TSectionListBox& sender, int sectionIdx, int subitemidx);
  void SectionListBox2SectionClick(view::TSectionListBox& sender, int sectionIdx);

  // Builds the page shown anew, running its gatherers again, with the same
  // groups open and the same rows in view where they still exist.
  void RefreshPage();

 private:
  void ShowSectionPage(const view::TListSection& section);

  view::TSectionListBox& left_;
  view::TSectionListBox& right_;
  const Gatherers& gatherers_;
  const Lines& connections_;
  int pageSection_ = -1;  // the left section whose page is shown, or -1
};

}  // namespace vrex::app
