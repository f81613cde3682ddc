#include "platform/os/regfile.h"

#include <cctype>
#include <string>

#include "platform/text.h"

namespace vrex::os {
namespace {

struct RootName {
  const char* longName;
  const char* shortName;
  RootKey root;
};

constexpr RootName kRootNames[] = {
    {"HKEY_CLASSES_ROOT", "HKCR", RootKey::ClassesRoot},     {"HKEY_CURRENT_USER", "HKCU", RootKey::CurrentUser},
    {"HKEY_LOCAL_MACHINE", "HKLM", RootKey::LocalMachine},   {"HKEY_USERS", "HKU", RootKey::Users},
    {"HKEY_CURRENT_CONFIG", "HKCC", RootKey::CurrentConfig}, {"HKEY_DYN_DATA", "HKDD", RootKey::DynData},
};

[[noreturn]] void Fail(int lineNumber, const std::string& what) {
  throw RegFileError("line " + std::to_string(lineNumber) + ": " + what);
}

// Joins lines continued with a trailing backslash (hex data) into one.
std::vector<std::pair<int, std::string>> LogicalLines(std::string_view text) {
  std::vector<std::pair<int, std::string>> lines;
  std::string current;
  int number = 0;
  int startNumber = 0;
  bool continuing = false;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string line(text.substr(pos, end - pos));
    pos = end + 1;
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (continuing) {
      std::size_t first = line.find_first_not_of(" \t");
      current += first == std::string::npos ? "" : line.substr(first);
    } else {
      current = line;
      startNumber = number;
    }
    bool isValueLine = !current.empty() && (current[0] == '"' || current[0] == '@');
    continuing = isValueLine && !current.empty() && current.back() == '\\' && current.find("=hex") != std::string::npos;
    if (continuing) {
      current.pop_back();
      continue;
    }
    lines.emplace_back(startNumber, current);
    if (end == text.size()) break;
  }
  return lines;
}

// Reads a quoted string starting at text[pos] == '"'; pos ends after the closing quote.
std::string ReadQuoted(const std::string& text, std::size_t& pos, int lineNumber) {
  std::string out;
  ++pos;
  while (pos < text.size()) {
    char c = text[pos++];
    if (c == '"') return out;
    if (c == '\\' && pos < text.size()) c = text[pos++];
    out += c;
  }
  Fail(lineNumber, "unterminated string");
}

std::vector<std::uint8_t> ParseHexBytes(std::string_view hex, int lineNumber) {
  std::vector<std::uint8_t> bytes;
  std::string digits;
  auto flush = [&] {
    if (digits.empty()) return;
    if (digits.size() > 2) Fail(lineNumber, "bad hex byte '" + digits + "'");
    bytes.push_back(static_cast<std::uint8_t>(std::stoul(digits, nullptr, 16)));
    digits.clear();
  };
  for (char c : hex) {
    if (c == ',') {
      if (digits.empty()) Fail(lineNumber, "empty hex byte");
      flush();
    } else if (std::isxdigit(static_cast<unsigned char>(c))) {
      digits += c;
    } else if (c != ' ' && c != '\t') {
      Fail(lineNumber, std::string("bad character in hex data: ") + c);
    }
  }
  flush();
  return bytes;
}

RegValueEdit ParseValue(const std::string& line, int lineNumber) {
  RegValueEdit value;
  std::size_t pos = 0;
  if (line[0] == '@') {
    pos = 1;
  } else {
    value.name = ReadQuoted(line, pos, lineNumber);
  }
  if (pos >= line.size() || line[pos] != '=') Fail(lineNumber, "expected '=' after the value name");
  ++pos;
  std::string rest = line.substr(pos);
  if (rest == "-") {
    value.remove = true;
  } else if (!rest.empty() && rest[0] == '"') {
    std::size_t p = 0;
    std::string text = ReadQuoted(rest, p, lineNumber);
    value.type = static_cast<std::uint32_t>(ValueType::Text);
    value.data.assign(text.begin(), text.end());
    value.data.push_back(0);
  } else if (text::StartsWithNoCase(rest, "dword:")) {
    std::string digits = rest.substr(6);
    if (digits.empty() || digits.size() > 8 || digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
      Fail(lineNumber, "bad dword '" + digits + "'");
    auto number = static_cast<std::uint32_t>(std::stoul(digits, nullptr, 16));
    value.type = static_cast<std::uint32_t>(ValueType::Integer);
    for (int i = 0; i < 4; ++i) value.data.push_back(static_cast<std::uint8_t>(number >> (8 * i)));
  } else if (text::StartsWithNoCase(rest, "hex:")) {
    value.type = static_cast<std::uint32_t>(ValueType::Binary);
    value.data = ParseHexBytes(std::string_view(rest).substr(4), lineNumber);
  } else if (text::StartsWithNoCase(rest, "hex(")) {
    std::size_t close = rest.find("):");
    if (close == std::string::npos) Fail(lineNumber, "bad hex(n): form");
    const std::string type = rest.substr(4, close - 4);
    if (type.empty() || type.size() > 8 || type.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
      Fail(lineNumber, "bad value type '" + type + "'");
    value.type = static_cast<std::uint32_t>(std::stoul(type, nullptr, 16));
    value.data = ParseHexBytes(std::string_view(rest).substr(close + 2), lineNumber);
  } else {
    Fail(lineNumber, "unknown value form '" + rest + "'");
  }
  return value;
}

}  // namespace

RootKey ParseRootKeyName(std::string_view name) {
  for (const auto& entry : kRootNames) {
    if (text::EqualsNoCase(name, entry.longName) || text::EqualsNoCase(name, entry.shortName)) return entry.root;
  }
  throw RegFileError("unknown root key '" + std::string(name) + "'");
}

const char* RootKeyName(RootKey root) {
  for (const auto& entry : kRootNames) {
    if (entry.root == root) return entry.longName;
  }
  return "";
}

std::vector<RegKeyEdit> ParseRegFile(std::string_view text) {
  std::vector<RegKeyEdit> edits;
  bool sawHeader = false;
  for (const auto& [lineNumber, rawLine] : LogicalLines(text)) {
    std::string line = text::Trim(rawLine);
    if (line.empty() || line[0] == ';') continue;
    if (!sawHeader) {
      if (line != "REGEDIT4" && line != "Windows Registry Editor Version 5.00")
        Fail(lineNumber, "expected REGEDIT4 header");
      sawHeader = true;
      continue;
    }
    if (line[0] == '[') {
      if (line.back() != ']') Fail(lineNumber, "unterminated key name");
      RegKeyEdit edit;
      std::string name = line.substr(1, line.size() - 2);
      if (!name.empty() && name[0] == '-') {
        edit.remove = true;
        name.erase(0, 1);
      }
      std::size_t slash = name.find('\\');
      try {
        edit.root = ParseRootKeyName(name.substr(0, slash));
      } catch (const RegFileError& error) {
        Fail(lineNumber, error.what());
      }
      edit.path = slash == std::string::npos ? "" : name.substr(slash + 1);
      edits.push_back(std::move(edit));
      continue;
    }
    if (line[0] == '"' || line[0] == '@') {
      if (edits.empty()) Fail(lineNumber, "value outside any key");
      edits.back().values.push_back(ParseValue(line, lineNumber));
      continue;
    }
    Fail(lineNumber, "cannot read '" + line + "'");
  }
  if (!sawHeader) throw RegFileError("line 1: expected REGEDIT4 header");
  return edits;
}

}  // namespace vrex::os
