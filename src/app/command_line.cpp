#include "app/command_line.h"

#include <algorithm>

#include "app/catalogue.h"
#include "lang/language.h"
#include "lang/message_texts.h"
#include "lang/string_ids.h"
#include "platform/text.h"

namespace vrex::app {

namespace {

bool IsHelp(const std::string& argument) {
  return text::EqualsNoCase(argument, "--help") || text::EqualsNoCase(argument, "-h") || argument == "/?";
}

bool IsListItems(const std::string& argument) { return text::EqualsNoCase(argument, "--list-items"); }

// An option's value is missing when the option ends the line, or when what
// follows is empty or is the next option.
bool HasValue(const std::vector<std::string>& arguments, std::size_t option) {
  return option + 1 < arguments.size() && !text::Trim(arguments[option + 1]).empty() &&
         arguments[option + 1].rfind("--", 0) != 0;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  using Fault = CommandLine::Fault;
  CommandLine parsed;
  if (arguments.empty()) return parsed;
  auto wrong = [](Fault fault, const std::string& argument) {
    CommandLine bad;
    bad.kind = CommandLine::Kind::kWrong;
    bad.fault = fault;
    bad.wrong = argument;
    return bad;
  };
  // The usage and the item list stand alone.
  if (IsHelp(arguments[0]) || IsListItems(arguments[0])) {
    if (arguments.size() != 1) return wrong(Fault::kUnexpected, arguments[1]);
    parsed.kind = IsHelp(arguments[0]) ? CommandLine::Kind::kHelp : CommandLine::Kind::kListItems;
    return parsed;
  }
  bool haveFile = false, haveItems = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (text::EqualsNoCase(argument, "--report")) {
      if (haveFile) return wrong(Fault::kTwice, argument);
      if (!HasValue(arguments, i)) return wrong(Fault::kNoFile, argument);
      parsed.file = arguments[++i];
      haveFile = true;
    } else if (text::EqualsNoCase(argument, "--items")) {
      if (haveItems) return wrong(Fault::kTwice, argument);
      if (!HasValue(arguments, i)) return wrong(Fault::kNoItems, argument);
      const std::string& list = arguments[++i];
      for (const std::string& piece : text::SplitFields(list, ',')) {
        std::int64_t id = 0;
        if (piece.empty()) return wrong(Fault::kEmptyItem, list);
        if (!text::ParseInteger(piece, id) || id < 0 || id > 65535) return wrong(Fault::kBadItem, piece);
        parsed.items.push_back(static_cast<int>(id));
      }
      haveItems = true;
    } else if (IsHelp(argument) || IsListItems(argument)) {
      return wrong(Fault::kUnexpected, argument);
    } else if (!argument.empty() && (argument[0] == '-' || argument[0] == '/')) {
      return wrong(Fault::kUnknownOption, argument);
    } else {
      return wrong(Fault::kUnexpected, argument);
    }
  }
  if (!haveFile) return wrong(Fault::kNoFile, "--report");
  parsed.kind = CommandLine::Kind::kReport;
  return parsed;
}

std::vector<std::string> CommandLineMessage(const CommandLine& command) {
  using Fault = CommandLine::Fault;
  const std::string usage = text::FillIn(GetMessageText(IDS_REPORT_USAGE), kUsage);
  if (command.kind == CommandLine::Kind::kHelp)
    return {usage, GetMessageText(IDS_CMD_FILE_FORMS), GetMessageText(IDS_CMD_EXIT_STATUS)};
  int id = IDS_CMD_UNEXPECTED;
  switch (command.fault) {
    case Fault::kUnknownOption: id = IDS_CMD_UNKNOWN_OPTION; break;
    case Fault::kNoFile: id = IDS_CMD_NO_FILE; break;
    case Fault::kNoItems: id = IDS_CMD_NO_ITEMS; break;
    case Fault::kBadItem: id = IDS_CMD_BAD_ITEM; break;
    case Fault::kEmptyItem: id = IDS_CMD_EMPTY_ITEM; break;
    case Fault::kTwice: id = IDS_CMD_TWICE; break;
    case Fault::kUnexpected:
    case Fault::kNone: break;
  }
  // An empty argument ("") is shown as the user typed it, not as nothing.
  return {text::FillIn(GetMessageText(id), command.wrong.empty() ? "\"\"" : command.wrong), usage};
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
