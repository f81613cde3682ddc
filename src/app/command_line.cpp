#include "app/command_line.h"

#include <algorithm>

#include "app/catalogue.h"
#include "lang/language.h"
#include "platform/text.h"

namespace vrex::app {

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine parsed;
  if (arguments.empty()) return parsed;
  auto wrong = [&](const std::string& argument) {
    CommandLine bad;
    bad.kind = CommandLine::Kind::kWrong;
    bad.wrong = argument;
    return bad;
  };
  const std::string& first = arguments[0];
  if (first == "--help" || first == "-h" || first == "/?") {
    if (arguments.size() != 1) return wrong(arguments[1]);
    parsed.kind = CommandLine::Kind::kHelp;
    return parsed;
  }
  if (first == "--list-items") {
    if (arguments.size() != 1) return wrong(arguments[1]);
    parsed.kind = CommandLine::Kind::kListItems;
    return parsed;
  }
  if (first != "--report") return wrong(first);
  if (arguments.size() < 2 || arguments[1].empty() || arguments[1].rfind("--", 0) == 0) return wrong(first);
  parsed.kind = CommandLine::Kind::kReport;
  parsed.file = arguments[1];
  if (arguments.size() == 2) return parsed;
  if (arguments[2] != "--items" || arguments.size() != 4) return wrong(arguments[2]);
  std::string list = arguments[3];
  std::size_t start = 0;
  for (;;) {
    std::size_t comma = list.find(',', start);
    std::string piece = text::Trim(list.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    std::int64_t id = 0;
    if (!text::ParseInteger(piece, id) || id < 0 || id > 65535) return wrong(piece.empty() ? list : piece);
    parsed.items.push_back(static_cast<int>(id));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return parsed;
}

std::vector<std::string> SplitArguments(const std::string& commandLine) {
  std::vector<std::string> arguments;
  std::string current;
  bool quoted = false, any = false;
  for (char c : commandLine) {
    if (c == '"') {
      quoted = !quoted;
      any = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (any) arguments.push_back(current);
      current.clear();
      any = false;
    } else {
      current += c;
      any = true;
    }
  }
  if (any) arguments.push_back(current);
  return arguments;
}

std::vector<report::SelectedItem> CommandLineSelection(const std::vector<int>& ids, std::vector<int>& unknown) {
  const auto& sections = CatalogueSections();
  unknown.clear();
  for (int id : ids) {
    bool listed = std::any_of(sections.begin(), sections.end(), [id](const CatalogueSection& section) {
      return std::any_of(section.items.begin(), section.items.end(),
                         [id](const CatalogueItem& item) { return item.caption == id; });
    });
    if (!listed && std::find(unknown.begin(), unknown.end(), id) == unknown.end()) unknown.push_back(id);
  }
  std::vector<report::SelectedItem> selection;
  if (!unknown.empty()) return selection;
  for (std::size_t s = 0; s < sections.size(); ++s) {
    const std::string sectionCaption = GetLangString(sections[s].caption);
    for (std::size_t i = 0; i < sections[s].items.size(); ++i) {
      int id = sections[s].items[i].caption;
      if (!ids.empty() && std::find(ids.begin(), ids.end(), id) == ids.end()) continue;
      selection.push_back(
          report::SelectedItem{static_cast<int>(s), static_cast<int>(i), true, GetLangString(id), sectionCaption});
    }
  }
  return selection;
}

}  // namespace vrex::app
