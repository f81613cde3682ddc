#include "view/markup_parse.h"

#include <algorithm>
#include <array>

#include "platform/text.h"

namespace vrex::view {
namespace {

struct NamedColour {
  std::string_view name;
  Colour colour;
};

constexpr std::array<NamedColour, 40> kColourNames = {{
    {"clred", Colour::Rgb(255, 0, 0)},
    {"clblack", Colour::Rgb(0, 0, 0)},
    {"clblue", Colour::Rgb(0, 0, 255)},
    {"clgreen", Colour::Rgb(0, 128, 0)},
    {"claqua", Colour::Rgb(0, 255, 255)},
    {"clyellow", Colour::Rgb(255, 255, 0)},
    {"clfuchsia", Colour::Rgb(255, 0, 255)},
    {"clwhite", Colour::Rgb(255, 255, 255)},
    {"cllime", Colour::Rgb(0, 255, 0)},
    {"clsilver", Colour::Rgb(192, 192, 192)},
    {"clgray", Colour::Rgb(128, 128, 128)},
    {"clolive", Colour::Rgb(128, 128, 0)},
    {"clnavy", Colour::Rgb(0, 0, 128)},
    {"clpurple", Colour::Rgb(128, 0, 128)},
    {"clteal", Colour::Rgb(0, 128, 128)},
    {"clmaroon", Colour::Rgb(128, 0, 0)},
    // System colours, by COLOR_* index.
    {"clbackground", Colour::System(1)},
    {"clactivecaption", Colour::System(2)},
    {"clinactivecaption", Colour::System(3)},
    {"clmenu", Colour::System(4)},
    {"clwindow", Colour::System(5)},
    {"clwindowframe", Colour::System(6)},
    {"clmenutext", Colour::System(7)},
    {"clwindowtext", Colour::System(8)},
    {"clcaptiontext", Colour::System(9)},
    {"clactiveborder", Colour::System(10)},
    {"clinactiveborder", Colour::System(11)},
    {"clappworkspace", Colour::System(12)},
    {"clhighlight", Colour::System(13)},
    {"clhighlighttext", Colour::System(14)},
    {"clbtnface", Colour::System(15)},
    {"clbtnshadow", Colour::System(16)},
    {"clgraytext", Colour::System(17)},
    {"clbtntext", Colour::System(18)},
    {"clinactivecaptiontext", Colour::System(19)},
    {"clbtnhighlight", Colour::System(20)},
    {"cl3ddkshadow", Colour::System(21)},
    {"cl3dlight", Colour::System(22)},
    {"clinfotext", Colour::System(23)},
    {"clinfobk", Colour::System(24)},
}};

struct Entity {
  std::string_view name;
  std::string_view text;  // in mnemonic form
};

// Windows-1252 characters; "&amp;" must stay a visible ampersand, hence "&&".
constexpr std::array<Entity, 12> kEntities = {{
    {"&nbsp;", "\xA0"},
    {"&lt;", "<"},
    {"&gt;", ">"},
    {"&amp;", "&&"},
    {"&quot;", "\""},
    {"&sect;", "\xA7"},
    {"&permil;", "\x89"},
    {"&reg;", "\xAE"},
    {"&copy;", "\xA9"},
    {"&para;", "\xB6"},
    {"&trade;", "\x99"},
    {"&euro;", "\x80"},
}};

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsSpecial(char c) { return c == '<' || c == '&' || c == '\r' || c == '\n'; }

// First occurrence of name (lower case) in text, in any case.
std::size_t FindName(std::string_view text, std::string_view name) {
  if (name.empty() || name.size() > text.size()) return std::string_view::npos;
  for (std::size_t i = 0; i + name.size() <= text.size(); ++i) {
    std::size_t j = 0;
    while (j < name.size() && Lower(text[i + j]) == name[j]) ++j;
    if (j == name.size()) return i;
  }
  return std::string_view::npos;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = Upper(c);
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// What a tag does, from its first letters; nothing for the tags the view drops.
std::optional<MarkupKind> ClassifyTag(std::string_view tag) {
  bool closing = !tag.empty() && tag[0] == '/';
  std::string_view name = closing ? tag.substr(1) : tag;
  if (name.empty()) return std::nullopt;
  char first = Upper(name[0]);
  bool alone = name.size() == 1;  // the letter is directly followed by '>'
  char second = alone ? '>' : Upper(name[1]);
  if (closing) {
    switch (first) {
      case 'I': return MarkupKind::ItalicEnd;
      case 'F': return MarkupKind::FontEnd;
      case 'B': return alone ? std::optional(MarkupKind::BoldEnd) : std::nullopt;
      case 'U': return alone ? std::optional(MarkupKind::UnderlineEnd) : std::nullopt;
      default: return std::nullopt;
    }
  }
  switch (first) {
    case 'I':
      if (alone) return MarkupKind::Italic;
      if (second == 'N') return MarkupKind::Indent;
      if (second == 'M') return MarkupKind::Image;
      return std::nullopt;
    case 'B':
      if (alone) return MarkupKind::Bold;
      if (second == 'R') return MarkupKind::Break;
      return std::nullopt;
    case 'H': return second == 'R' ? std::optional(MarkupKind::Rule) : std::nullopt;
    case 'F': return MarkupKind::Font;
    case 'U': return alone ? std::optional(MarkupKind::Underline) : std::nullopt;
    default: return std::nullopt;
  }
}

// Reads the attributes of a tag of the given kind into item; false when the
// tag has nothing usable and is dropped after all.
bool ReadAttributes(MarkupKind kind, std::string_view tag, MarkupItem& item) {
  item.kind = kind;
  item.colour.reset();
  item.size.reset();
  item.sizeValue.clear();
  item.face.reset();
  item.number = 0;
  switch (kind) {
    case MarkupKind::Indent: {
      auto value = AttributeValue(tag, "x");
      std::int64_t x = 0;
      if (!value || !text::ParseInteger(*value, x)) return false;
      item.number = static_cast<int>(std::clamp<std::int64_t>(x, -kMaxPosition, kMaxPosition));
      return true;
    }
    case MarkupKind::Image: {
      auto value = AttributeValue(tag, "src");
      std::int64_t index = 0;
      if (!value || !text::StartsWithNoCase(*value, "idx:") || !text::LeadingInteger(value->substr(4), index)) {
        return false;
      }
      // Out-of-range numbers draw nothing; keep them out of int range trouble.
      item.number = (index < 0 || index > kMaxPosition) ? -1 : static_cast<int>(index);
      return true;
    }
    case MarkupKind::Font:
      // A blank must come before "color", so that "bgcolor" is not taken for it.
      if (auto value = AttributeValue(tag, " color")) item.colour = ParseColour(*value);
      if (auto value = AttributeValue(tag, "size")) {
        item.size = ParseFontSize(*value);
        if (item.size) item.sizeValue = *value;
      }
      if (auto value = AttributeValue(tag, "face")) item.face = std::string(*value);
      return true;
    default: return true;
  }
}

}  // namespace

std::optional<std::string_view> AttributeValue(std::string_view tag, std::string_view name) {
  std::size_t at = FindName(tag, name);
  if (at == std::string_view::npos) return std::nullopt;
  // Only '=' and blanks may stand between the name and its opening quote:
  // an unquoted value must not borrow the quotes of the next attribute.
  std::size_t open = tag.find_first_not_of(" =", at + name.size());
  if (open == std::string_view::npos || tag[open] != '"') return std::nullopt;
  std::size_t close = tag.find('"', open + 1);
  if (close == std::string_view::npos) return std::nullopt;
  return tag.substr(open + 1, close - open - 1);
}

Colour ParseColour(std::string_view value) {
  if (value.size() == 7 && value[0] == '#') {
    int digits[6];
    bool hex = true;
    for (int i = 0; i < 6; ++i) hex = hex && (digits[i] = HexDigit(value[i + 1])) >= 0;
    if (hex) {
      return Colour::Rgb(static_cast<std::uint8_t>(digits[0] * 16 + digits[1]),
                         static_cast<std::uint8_t>(digits[2] * 16 + digits[3]),
                         static_cast<std::uint8_t>(digits[4] * 16 + digits[5]));
    }
  }
  for (const auto& named : kColourNames) {
    if (text::EqualsNoCase(value, named.name)) return named.colour;
  }
  return Colour::Rgb(0, 0, 0);
}

std::optional<int> ParseFontSize(std::string_view value) {
  std::int64_t size = 0;
  if (!text::LeadingInteger(value, size)) return std::nullopt;
  constexpr int kHtmlSizes[] = {8, 10, 12, 14, 16};
  if (size >= 1 && size <= 5) return kHtmlSizes[size - 1];
  if (size < 1 || size > kMaxFontSize) return std::nullopt;
  return static_cast<int>(size);
}

MarkupReader::TagResult MarkupReader::ReadTag(MarkupItem* item) {
  std::size_t close = line_.find('>', pos_ + 1);
  if (close == std::string_view::npos) {
    // A '<' without '>' drops the rest of the line.
    pos_ = line_.size();
    return TagResult::Unterminated;
  }
  std::string_view tag = line_.substr(pos_ + 1, close - pos_ - 1);
  pos_ = close + 1;
  auto kind = ClassifyTag(tag);
  if (!kind) return TagResult::Dropped;
  if (item != nullptr) return ReadAttributes(*kind, tag, *item) ? TagResult::Item : TagResult::Dropped;
  // Only IND and IMG may still turn out unusable.
  MarkupItem probe;
  if ((*kind == MarkupKind::Indent || *kind == MarkupKind::Image) && !ReadAttributes(*kind, tag, probe)) {
    return TagResult::Dropped;
  }
  return TagResult::Item;
}

bool MarkupReader::Next(MarkupItem& item) {
  item.kind = MarkupKind::Text;
  item.text.clear();
  while (pos_ < line_.size()) {
    std::size_t special = pos_;
    while (special < line_.size() && !IsSpecial(line_[special])) ++special;
    item.text.append(line_.substr(pos_, special - pos_));
    pos_ = special;
    if (pos_ == line_.size()) break;
    switch (line_[pos_]) {
      case '\n': ++pos_; break;  // line feeds are dropped
      case '\r':
        if (!item.text.empty()) return true;  // the break comes next time
        ++pos_;
        item.kind = MarkupKind::Break;
        return true;
      case '&': {
        std::string_view rest = line_.substr(pos_);
        auto entity = std::find_if(kEntities.begin(), kEntities.end(),
                                   [&](const Entity& e) { return rest.substr(0, e.name.size()) == e.name; });
        if (entity != kEntities.end()) {
          item.text.append(entity->text);
          pos_ += entity->name.size();
        } else {
          item.text += '&';  // a mnemonic prefix, left to the canvas
          ++pos_;
        }
        break;
      }
      default: {  // '<'
        if (!item.text.empty()) {
          // Finish the text first, unless the tag is one the view drops.
          std::size_t tagStart = pos_;
          TagResult result = ReadTag(nullptr);
          if (result == TagResult::Dropped) break;
          if (result == TagResult::Item) pos_ = tagStart;
          return true;
        }
        TagResult result = ReadTag(&item);
        if (result == TagResult::Item) return true;
        if (result == TagResult::Unterminated) return false;
        item.kind = MarkupKind::Text;
        break;
      }
    }
  }
  return !item.text.empty();
}

std::vector<MarkupItem> ParseMarkup(std::string_view line) {
  std::vector<MarkupItem> items;
  MarkupReader reader(line);
  MarkupItem item;
  while (reader.Next(item)) items.push_back(item);
  return items;
}

}  // namespace vrex::view
