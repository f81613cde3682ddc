// The language modules' string tables: every ID the program looks up is present in every language, and the
// texts whose exact form the renderers depend on have that form.
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

namespace vrex {
namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = fs::path(VREX_FIXTURES) / ".." / ".." / "src";
const char* const kCodes[] = {"EN", "DE", "ES", "FR", "IT", "RUS", "CSY"};

struct IdRange {
  int first, last;
};

// Every string ID the program uses, by role.
// clang-format off
const IdRange kUsedIds[] = {
    // Main window: text over the gauge bar, button captions, wait dialog caption and message.
    {1, 1}, {10, 15}, {52, 52},
    // Left pane: section captions and sub-item captions (103 is matched by caption only).
    {538, 539}, {100, 100}, {540, 540}, {525, 529}, {561, 561}, {80, 82}, {350, 350}, {101, 103},
    // Basic information labels.
    {531, 533}, {600, 602},
    // Network adapters: driver sub-heading and labels.
    {500, 505},
    // TCP/IP labels and the DHCP yes/no values.
    {299, 304}, {306, 306}, {20, 21},
    // Winsock labels.
    {541, 543},
    // Mail account and browser labels.
    {550, 555}, {357, 357}, {570, 571},
    // Dial-up: "not installed" line, entry and property labels, switch on/off words.
    {650, 650}, {1000, 1014}, {1016, 1022}, {1024, 1027}, {1029, 1029}, {1040, 1044}, {1050, 1051},
    // Accounts: member heading, yes/no, user labels, headings, account kinds, privilege levels, value words.
    {104, 104}, {110, 111}, {120, 130}, {133, 133}, {135, 135}, {140, 144}, {146, 146}, {149, 153},
    {160, 161}, {165, 166}, {170, 172}, {180, 180}, {190, 190},
    // Report window buttons, pop-up menu, caption; report date line and footer.
    {50100, 50104}, {50200, 50202},
};
// clang-format on

std::set<int> UsedIds() {
  std::set<int> ids;
  for (const auto& range : kUsedIds)
    for (int id = range.first; id <= range.last; ++id) ids.insert(id);
  return ids;
}

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

struct Module {
  std::string firstLine;
  std::vector<int> order;             // IDs in file order
  std::map<int, std::string> texts;   // ID -> unescaped text
  std::vector<std::string> unparsed;  // lines inside the table that are no "ID, text" entry
};

// Reads one string-table script: the entries between BEGIN and END of its STRINGTABLE.
Module ParseModule(const std::string& code) {
  static const std::regex entry(R"re(^\s*(\d+)\s*,\s*"((?:[^"]|"")*)"\s*$)re");
  Module module;
  std::istringstream in(ReadText(kSourceDir / "lang" / "modules" / ("VrexNet" + code + ".rc")));
  std::string line;
  std::getline(in, module.firstLine);
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
      int id = std::stoi(m[1]);
      module.order.push_back(id);
      module.texts[id] = std::regex_replace(m[2].str(), std::regex("\"\""), "\"");
    } else {
      module.unparsed.push_back(line);
    }
  }
  return module;
}

TEST(LanguageModules, EachHoldsExactlyTheUsedIdsInAscendingOrderWithText) {
  const std::set<int> used = UsedIds();
  ASSERT_EQ(used.size(), 137u);
  for (const char* code : kCodes) {
    SCOPED_TRACE(code);
    Module module = ParseModule(code);
    EXPECT_EQ(module.firstLine, "#pragma code_page(65001)");
    EXPECT_TRUE(module.unparsed.empty()) << module.unparsed.front();
    EXPECT_TRUE(std::is_sorted(module.order.begin(), module.order.end()));
    EXPECT_EQ(module.order.size(), module.texts.size()) << "duplicate ID";
    std::set<int> present;
    for (const auto& [id, text] : module.texts) {
      present.insert(id);
      EXPECT_FALSE(text.empty()) << id;
    }
    EXPECT_EQ(present, used);
  }
}

TEST(LanguageModules, EveryLiteralIdPassedToGetLangStringIsInEveryModule) {
  static const std::regex call(R"(GetLangString\s*\(\s*(\d+))");
  std::map<int, std::string> calls;  // ID -> first file that looks it up
  for (const auto& file : fs::recursive_directory_iterator(kSourceDir)) {
    const auto ext = file.path().extension();
    if (!file.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
    const std::string text = ReadText(file.path());
    for (std::sregex_iterator it(text.begin(), text.end(), call), end; it != end; ++it)
      calls.emplace(std::stoi((*it)[1]), file.path().filename().string());
  }
  ASSERT_FALSE(calls.empty());
  for (const char* code : kCodes) {
    Module module = ParseModule(code);
    for (const auto& [id, where] : calls)
      EXPECT_TRUE(module.texts.count(id)) << code << " lacks ID " << id << " used in " << where;
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
  const int dispatchCaptions[] = {540, 525, 526, 527, 528, 561, 529, 80, 81, 82, 350, 101, 102, 103};
  // A dial-up switch's number is turned into the on/off word only when the label's one colon ends it.
  const IdRange switchLabels[] = {{1001, 1014}, {1040, 1044}};
  for (const char* code : kCodes) {
    SCOPED_TRACE(code);
    auto texts = ParseModule(code).texts;
    std::map<std::string, int> seen;
    for (int id : dispatchCaptions) {
      auto [it, fresh] = seen.emplace(texts[id], id);
      EXPECT_TRUE(fresh) << id << " repeats the caption of " << it->second << ": " << texts[id];
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
    for (int id : {1000, 50201, 50202}) EXPECT_TRUE(texts[id].ends_with(' ')) << id;
    EXPECT_TRUE(texts[135].starts_with(' '));
  }
}

}  // namespace
}  // namespace vrex
