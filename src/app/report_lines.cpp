#include "app/report_lines.h"

#include <exception>
#include <iterator>

#include "lang/language.h"
#include "lang/os_version.h"
#include "lang/string_ids.h"

namespace vrex::app {
namespace {

enum class ReportRule {
  kEverywhere,
  kSwallow,   // a gatherer that fails adds no lines
  kWinsock,   // the connections collected at start-up follow, except under Windows NT 4.0
  kNtFamily,  // only on the Windows NT family
};

struct ReportRow {
  int caption;  // language string
  Gatherer Gatherers::*gatherer;
  ReportRule rule;
};

// Every caption is compared with every row, in this order; each match adds
// its gatherer's lines.  Unlike the page, the report holds the dial-up lines
// under Windows NT 4.0 too.
constexpr ReportRow kReportRows[] = {
    {IDS_SUBITEM_DIALUP, &Gatherers::gettel, ReportRule::kSwallow},
    {IDS_SUBITEM_ADAPTERS, &Gatherers::netadapterstostringlst, ReportRule::kEverywhere},
    {IDS_SUBITEM_PROTOCOLS, &Gatherers::protocolstostringlst, ReportRule::kEverywhere},
    {IDS_SUBITEM_SERVICES, &Gatherers::servicestostringlst, ReportRule::kEverywhere},
    {IDS_SUBITEM_CLIENTS, &Gatherers::clientstostringlst, ReportRule::kEverywhere},
    {IDS_SUBITEM_TCPIP, &Gatherers::tcpipdetailstostringlst, ReportRule::kEverywhere},
    {IDS_SUBITEM_WINSOCK, &Gatherers::winsocktostringlst, ReportRule::kWinsock},
    {IDS_SUBITEM_MAIL, &Gatherers::postatostringlst, ReportRule::kEverywhere},
    {IDS_SUBITEM_PROXY, &Gatherers::proxytostringlst, ReportRule::kEverywhere},
    {IDS_SUBITEM_BROWSERS, &Gatherers::explorerstostringlst, ReportRule::kEverywhere},
    {IDS_SUBITEM_BASIC_INFO, &Gatherers::zakladniinfotostringlst, ReportRule::kEverywhere},
    {IDS_SUBITEM_USERS, &Gatherers::userstostringlst, ReportRule::kNtFamily},
    {IDS_SUBITEM_LOCAL_GROUPS, &Gatherers::localgroupstostringlst, ReportRule::kNtFamily},
};

void Append(Lines& lines, const Gatherer& gatherer) {
  if (!gatherer) return;
  Lines gathered = gatherer();
  lines.insert(lines.end(), gathered.begin(), gathered.end());
}

}  // namespace

std::string ReportHeading(const std::string& sectionCaption, const std::string& subItemCaption) {
  return "<FONT size=\"14\" color=\"clblue\">" + sectionCaption + " - <FONT size=\"14\" color=\"clnavy\">" +
         subItemCaption + ":</FONT>";
}

Lines ReportLines(std::span<const report::SelectedItem> selection, const Gatherers& gatherers,
                  const Lines& connections) {
  std::vector<std::string> captions;
  for (const ReportRow& row : kReportRows) captions.push_back(GetLangString(row.caption));
  const bool nt4 = GetOSVersionCode() == oscode::kWinNT4;
  const bool ntFamily = IsNTFamily();
  Lines lines;
  for (const report::SelectedItem& item : selection) {
    lines.push_back(ReportHeading(item.sectionCaption, item.subItemCaption));
    lines.push_back(" ");
    for (std::size_t i = 0; i < std::size(kReportRows); ++i) {
      if (item.subItemCaption != captions[i]) continue;
      const ReportRow& row = kReportRows[i];
      const Gatherer& gatherer = gatherers.*row.gatherer;
      switch (row.rule) {
        case ReportRule::kEverywhere: Append(lines, gatherer); break;
        case ReportRule::kSwallow: try { Append(lines, gatherer);
          } catch (const std::exception&) {
            // The report goes on without the dial-up lines.
          }
          break;
        case ReportRule::kWinsock:
          Append(lines, gatherer);
          if (!nt4 && !connections.empty()) lines.insert(lines.end(), connections.begin(), connections.end());
          break;
        case ReportRule::kNtFamily:
          if (ntFamily) Append(lines, gatherer);
          break;
      }
    }
    lines.push_back(" ");
  }
  return lines;
}

}  // namespace vrex::app
