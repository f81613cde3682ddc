// The language modules' string tables: every ID string_ids.h names is present in every language, the
// program looks strings up by those names only, and the texts whose exact form the renderers depend on have that form.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "lang/message_texts.h"
#include "lang/string_ids.h"

namespace vrex {
namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = fs::path(VREX_FIXTURES) / ".." / ".." / "src";
const char* const kCodes[] = {"EN", "DE", "ES", "FR", "IT", "RUS", "CSY"};

struct IdRange {
  int first, last;
};

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The names string_ids.h defines, with their IDs.
std::map<std::string, int> StringIdNames() {
  static const std::regex define(R"(^#define\s+(IDS_\w+)\s+(\d+)\s*$)");
  std::map<std::string, int> names;
  std::istringstream in(ReadText(kSourceDir / "lang" / "string_ids.h"));
  std::string line;
  while (std::getline(in, line)) {
    std::smatch m;
    if (std::regex_match(line, m, define)) names.emplace(m[1], std::stoi(m[2]));
  }
  return names;
}

struct Module {
  std::string firstLine;
  std::string secondLine;
  std::vector<int> order;             // IDs in file order
  std::map<int, std::string> texts;   // ID -> unescaped text
  std::vector<std::string> unparsed;  // lines inside the table that are no "name, text" entry
  std::vector<std::string> unknown;   // entry names string_ids.h does not define
};

// Reads one string-table script: the entries between BEGIN and END of its STRINGTABLE.
Module ParseModule(const std::string& code) {
  static const std::regex entry(R"re(^\s*(\w+)\s*,\s*"((?:[^"]|"")*)"\s*$)re");
  const std::map<std::string, int> names = StringIdNames();
  Module module;
  std::istringstream in(ReadText(kSourceDir / "lang" / "modules" / ("VrexNet" + code + ".rc")));
  std::string line;
  std::getline(in, module.firstLine);
  std::getline(in, module.secondLine);
  bool inTable = false;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::smatch m;
    if (line.find_first_not_of(" \t") == std::string::npos || line == "STRINGTABLE") continue;
    if (line == "BEGIN") {
      inTable = true;
    } else if (line == "END") {
      inTable = false;
    } else if (inTable && std::regex_match(line, m, entry)) {
      auto name = names.find(m[1]);
      if (name == names.end()) {
        module.unknown.push_back(m[1]);
        continue;
      }
      module.order.push_back(name->second);
      module.texts[name->second] = std::regex_replace(m[2].str(), std::regex("\"\""), "\"");
    } else {
      module.unparsed.push_back(line);
    }
  }
  return module;
}

TEST(LanguageModules, EachHoldsExactlyTheNamedIdsInAscendingOrderWithText) {
  const std::map<std::string, int> names = StringIdNames();
  std::set<int> named;
  for (const auto& [name, id] : names) named.insert(id);
  ASSERT_EQ(names.size(), 158u);
  ASSERT_EQ(named.size(), 158u) << "two names for one ID";
  for (const char* code : kCodes) {
    SCOPED_TRACE(code);
    Module module = ParseModule(code);
    EXPECT_EQ(module.firstLine, "#pragma code_page(65001)");
    EXPECT_EQ(module.secondLine, "#include \"lang/string_ids.h\"");
    EXPECT_TRUE(module.unparsed.empty()) << module.unparsed.front();
    EXPECT_TRUE(module.unknown.empty()) << module.unknown.front();
    EXPECT_TRUE(std::is_sorted(module.order.begin(), module.order.end()));
    EXPECT_EQ(module.order.size(), module.texts.size()) << "duplicate ID";
    std::set<int> present;
    for (const auto& [id, text] : module.texts) {
      present.insert(id);
      EXPECT_FALSE(text.empty()) << id;
    }
    EXPECT_EQ(present, named);
  }
}

TEST(LanguageModules, EveryStringNameTheProgramUsesIsInEveryModuleAndNoLookupTakesANumber) {
  static const std::regex use(R"(\bIDS_\w+)");
  static const std::regex literal(R"(GetLangString\s*\(\s*\d)");
  const std::map<std::string, int> names = StringIdNames();
  std::map<std::string, std::string> uses;  // name -> first file that uses it
  for (const auto& file : fs::recursive_directory_iterator(kSourceDir)) {
    const auto ext = file.path().extension();
    if (!file.is_regular_file() || (ext != ".cpp" && ext != ".h") || file.path().filename() == "string_ids.h") continue;
    const std::string text = ReadText(file.path());
    for (std::sregex_iterator it(text.begin(), text.end(), use), end; it != end; ++it)
      uses.emplace(it->str(), file.path().filename().string());
    EXPECT_FALSE(std::regex_search(text, literal)) << file.path().filename() << " looks a string up by number";
  }
  ASSERT_FALSE(uses.empty());
  for (const char* code : kCodes) {
    Module module = ParseModule(code);
    for (const auto& [name, where] : uses) {
      auto id = names.find(name);
      ASSERT_NE(id, names.end()) << name << " used in " << where << " is not in string_ids.h";
      EXPECT_TRUE(module.texts.count(id->second)) << code << " lacks " << name << " used in " << where;
    }
  }
}

// The messages of the command line and of the report files, and the right
// pane's menu, read the same without a language module as with the English one.
TEST(LanguageModules, EveryMessageHasItsEnglishModuleTextAsFallback) {
  const auto texts = ParseModule("EN").texts;
  std::vector<int> ids = {IDS_PANE_COPY, IDS_PANE_COPY_GROUP, IDS_PANE_REFRESH};
  for (int id = IDS_REPORT_WRITE_FAILED; id <= IDS_REPORT_IS_FOLDER; ++id) ids.push_back(id);
  for (int id : ids) {
    ASSERT_NE(EnglishMessageText(id), nullptr) << id;
    EXPECT_EQ(EnglishMessageText(id), texts.at(id)) << id;
  }
}

TEST(LanguageModules, NoTextIsTheFallbackOrCarriesMarkup) {
  for (const char* code : kCodes) {
    for (const auto& [id, text] : ParseModule(code).texts) {
      EXPECT_EQ(text.find("<No load message>"), std::string::npos) << code << " " << id;
      // Texts end up inside display lines: "<" would open a tag, "&" underline the next letter.
      EXPECT_EQ(text.find_first_of("<&"), std::string::npos) << code << " " << id << ": " << text;
    }
  }
}

TEST(LanguageModules, TextsTheRenderersSplitOrJoinHaveTheirRequiredForm) {
  // The pane and the report pick a gatherer by comparing captions, so equal captions would mix pages.
  ASSERT_EQ(app::Catalogue().size(), 14u);
  // A dial-up switch's number is turned into the on/off word only when the label's one colon ends it.
  const IdRange switchLabels[] = {{IDS_DIALUP_USE_DIALING_RULES, IDS_DIALUP_NETWORK_LOGON},
                                  {IDS_DIALUP_IPX_SPX, IDS_DIALUP_USE_LOGON_CREDENTIALS}};
  for (const char* code : kCodes) {
    SCOPED_TRACE(code);
    auto texts = ParseModule(code).texts;
    std::map<std::string, int> seen;
    for (const app::CatalogueRow& row : app::Catalogue()) {
      auto [it, fresh] = seen.emplace(texts[row.caption], row.caption);
      EXPECT_TRUE(fresh) << row.caption << " repeats the caption of " << it->second << ": " << texts[row.caption];
    }
    for (const auto& range : switchLabels) {
      for (int id = range.first; id <= range.last; ++id) {
        const std::string& label = texts[id];
        const auto colon = label.find(':');
        EXPECT_TRUE(colon != std::string::npos && label.find_first_not_of(' ', colon + 1) == std::string::npos)
            << id << ": " << label;
      }
    }
    // Texts run straight into the next piece: the entry name, the date, the program title, the day count.
    for (int id : {IDS_DIALUP_CONNECTION, IDS_REPORT_CREATED, IDS_REPORT_GENERATED_BY})
      EXPECT_TRUE(texts[id].ends_with(' ')) << id;
    EXPECT_TRUE(texts[IDS_USER_DAYS].starts_with(' '));
  }
}

}  // namespace
}  // namespace vrex
