#pragma once
// The tag reader of display lines: splits a line into text runs and the tags
// the view acts on.  Tags it does not handle are dropped here, so a reader
// never yields them.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "view/canvas.h"

namespace vrex::view {

enum class MarkupKind {
  Text,       // text: what to draw, in mnemonic form
  Break,      // <BR>, or a carriage return
  Rule,       // <HR>
  Image,      // <IMG src="idx:N">: number = N
  Indent,     // <IND x="N">: number = N
  Font,       // <FONT>: the attributes it carries
  FontEnd,    // </FONT>
  Bold,       // <B>
  BoldEnd,    // </B>
  Italic,     // <I>
  ItalicEnd,  // any closing tag beginning with I, </IMG> included
  Underline,  // <U>
  UnderlineEnd,
};

struct MarkupItem {
  MarkupKind kind = MarkupKind::Text;
  std::string text;
  int number = 0;
  std::optional<Colour> colour;     // Font
  std::optional<int> size;          // Font, in points
  std::string sizeValue;            // Font: the size as written, when it gives one
  std::optional<std::string> face;  // Font
};

// Pulls the items of one line in order.  The reader keeps a view of the line:
// the line must outlive it.
class MarkupReader {
 public:
  explicit MarkupReader(std::string_view line) : line_(line) {}
  // Fills item with the next item; false at the end of the line.
  bool Next(MarkupItem& item);

 private:
  enum class TagResult { Item, Dropped, Unterminated };
  // Reads the tag at pos_ (a '<') and moves past it; without item it only
  // finds out whether the tag is dropped.
  TagResult ReadTag(MarkupItem* item);

  std::string_view line_;
  std::size_t pos_ = 0;
};

std::vector<MarkupItem> ParseMarkup(std::string_view line);

// The value of attribute name (in lower case) inside a tag's text: the text
// between the two double quotes after the first occurrence of name (any case),
// with only '=' and blanks before the first quote.  Nothing when the name is absent or its
// value is not quoted.
std::optional<std::string_view> AttributeValue(std::string_view tag, std::string_view name);
// A colour name ("clBlue", any case) or "#rrggbb"; black for anything else.
Colour ParseColour(std::string_view value);
// A FONT size value: 1 to 5 are the HTML sizes (8 to 16 pt), other whole
// numbers are points.  Nothing when the value does not start with a usable number.
std::optional<int> ParseFontSize(std::string_view value);

// Largest point size and pixel position the reader passes on; bigger values
// come only from damaged lines and would overflow the layout's arithmetic.
inline constexpr int kMaxFontSize = 1000;
inline constexpr int kMaxPosition = 32767;

}  // namespace vrex::view
