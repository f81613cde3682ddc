#include "view/markup_layout.h"

#include <algorithm>

#include "view/markup_parse.h"

namespace vrex::view {
namespace {

// Places runs and icons on visual lines, one visual line at a time.  Items
// of a visual line get their final y when the line ends and its height is known.
class LineBuilder {
 public:
  // Without record only the height is worked out: measuring a row needs no more.
  LineBuilder(Canvas& canvas, const MarkupOptions& options, MarkupLayout& out, bool record)
      : font(options.baseFont),
        canvas_(canvas),
        options_(options),
        out_(out),
        record_(record),
        iconSize_(canvas.IconSize()) {}

  void Text(std::string_view text) {
    if (text.empty()) return;
    TextSize whole = canvas_.TextExtent(font, text);
    if (clipped_) {
      // Nothing more is drawn on this visual line, but it keeps its height.
      Grow(whole.height);
      return;
    }
    if (x_ + whole.width <= options_.width) {
      Place(text, whole);
      return;
    }
    if (options_.wordWrap) {
      Wrap(text);
    } else {
      Ellipsis(text, whole);
    }
  }

  void Icon(int index) {
    if (index < 0 || index >= options_.iconCount) return;  // no such icon: nothing drawn, nothing moves
    Grow(iconSize_);
    if (clipped_) return;
    if (record_) out_.icons.push_back(MarkupIcon{x_, 0, index});
    x_ += iconSize_;
    glued_ = true;
  }

  // Moves right to x.  A label that already reached the column keeps one
  // blank before what follows, rather than run into it.
  void Indent(int x) { x_ = x_ > 0 && x_ >= x ? x_ + canvas_.TextExtent(font, " ").width : std::max(x_, x); }

  void EndVisualLine(bool rule) {
    int height = hasItems_ ? height_ : canvas_.TextExtent(font, " ").height;
    for (std::size_t i = firstRun_; i < out_.runs.size(); ++i) {
      out_.runs[i].y = top_ + height - out_.runs[i].height;  // runs share their lower edge
    }
    for (std::size_t i = firstIcon_; i < out_.icons.size(); ++i) out_.icons[i].y = top_;
    top_ += height;
    if (rule) out_.rules.push_back(top_++);
    firstRun_ = out_.runs.size();
    firstIcon_ = out_.icons.size();
    x_ = 0;
    height_ = 0;
    hasItems_ = glued_ = clipped_ = false;
    anyLineEnded_ = true;
  }

  void Finish() {
    // A break at the very end opens no further visual line; an empty row is one line high.
    if (hasItems_ || !anyLineEnded_) EndVisualLine(false);
    out_.height = top_;
  }

  Font font;

 private:
  void Grow(int height) {
    height_ = std::max(height_, height);
    hasItems_ = true;
  }

  void Place(std::string_view text, TextSize size) {
    if (record_) out_.runs.push_back(MarkupRun{x_, 0, size.width, size.height, font, std::string(text)});
    x_ += size.width;
    Grow(size.height);
    glued_ = text.back() != ' ';
  }

  // Splits text into words, each with the blanks after it, and starts a new
  // visual line before a word that would pass the right edge.  A word wider
  // than the whole line, or one that follows the previous text without a
  // blank, stays where it is.  The first word after an indent is no
  // exception: it too starts a new line rather than pass the edge.
  void Wrap(std::string_view text) {
    std::size_t pieceStart = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
      std::size_t wordEnd = text.find(' ', pos);
      if (wordEnd == std::string_view::npos) wordEnd = text.size();
      std::size_t next = text.find_first_not_of(' ', wordEnd);
      if (next == std::string_view::npos) next = text.size();
      if (wordEnd > pos && !glued_ &&
          x_ + canvas_.TextExtent(font, text.substr(pieceStart, wordEnd - pieceStart)).width > options_.width &&
          canvas_.TextExtent(font, text.substr(pos, wordEnd - pos)).width <= options_.width &&
          x_ + canvas_.TextExtent(font, text.substr(pieceStart, pos - pieceStart)).width > 0) {
        // (A word at the left edge already has the whole line.)
        Flush(text.substr(pieceStart, pos - pieceStart));
        EndVisualLine(false);
        pieceStart = pos;
      }
      glued_ = next == wordEnd;  // no blank after the word
      pos = next;
    }
    Flush(text.substr(pieceStart));
  }

  void Flush(std::string_view piece) {
    if (!piece.empty()) Place(piece, canvas_.TextExtent(font, piece));
  }

  // Without word wrap a run that passes the right edge is cut and ends in
  // "..."; the rest of the visual line is not drawn.
  void Ellipsis(std::string_view text, TextSize whole) {
    Grow(whole.height);
    clipped_ = true;
    int room = options_.width - x_;
    constexpr std::string_view kDots = "...";
    if (canvas_.TextExtent(font, kDots).width > room) return;
    // Cut only between drawn characters: never between '&' and the character it marks.
    std::vector<std::size_t> cuts{0};
    for (std::size_t i = 0; i < text.size();) {
      i += (text[i] == '&' && i + 1 < text.size()) ? 2 : 1;
      cuts.push_back(i);
    }
    std::string candidate;
    auto fits = [&](std::size_t cut) {
      candidate.assign(text.substr(0, cut));
      candidate += kDots;
      return canvas_.TextExtent(font, candidate).width <= room;
    };
    // cuts[0] fits (the dots alone do) and the whole text does not.
    std::size_t low = 0;
    std::size_t high = cuts.size() - 1;
    while (high - low > 1) {
      std::size_t middle = low + (high - low) / 2;
      (fits(cuts[middle]) ? low : high) = middle;
    }
    std::string shown(text.substr(0, cuts[low]));
    shown += kDots;
    TextSize size = canvas_.TextExtent(font, shown);
    if (record_) out_.runs.push_back(MarkupRun{x_, 0, size.width, size.height, font, std::move(shown)});
    Grow(size.height);
    x_ += size.width;
  }

  Canvas& canvas_;
  const MarkupOptions& options_;
  MarkupLayout& out_;
  bool record_;
  int iconSize_;
  int x_ = 0;
  int top_ = 0;
  int height_ = 0;             // of the visual line so far
  bool hasItems_ = false;      // the visual line holds a run or an icon
  bool glued_ = false;         // the last thing placed ends in a non-blank (or is an icon)
  bool clipped_ = false;       // an ellipsis ended the visual line
  bool anyLineEnded_ = false;  // a break or rule came before
  std::size_t firstRun_ = 0;
  std::size_t firstIcon_ = 0;
};

MarkupLayout LayOut(Canvas& canvas, std::string_view line, const MarkupOptions& options, bool record) {
  MarkupLayout layout;
  LineBuilder builder(canvas, options, layout, record);
  if (!IsMarkupLine(line)) {
    builder.Text(EscapeMnemonics(line));
    builder.Finish();
    return layout;
  }
  const Font& base = options.baseFont;
  Font& font = builder.font;
  MarkupReader reader(line);
  MarkupItem item;
  while (reader.Next(item)) {
    switch (item.kind) {
      case MarkupKind::Text: builder.Text(item.text); break;
      case MarkupKind::Break: builder.EndVisualLine(false); break;
      case MarkupKind::Rule: builder.EndVisualLine(true); break;
      case MarkupKind::Image: builder.Icon(item.number); break;
      case MarkupKind::Indent: builder.Indent(item.number); break;
      case MarkupKind::Font:
        if (item.colour) font.colour = *item.colour;
        if (item.size) font.size = *item.size;
        if (item.face) font.name = *item.face;
        break;
      case MarkupKind::FontEnd:
        // FONT elements do not nest: the end goes straight back to the row's font.
        font.name = base.name;
        font.size = base.size;
        font.colour = base.colour;
        break;
      case MarkupKind::Bold: font.bold = true; break;
      case MarkupKind::BoldEnd: font.bold = base.bold; break;
      case MarkupKind::Italic: font.italic = true; break;
      case MarkupKind::ItalicEnd: font.italic = base.italic; break;
      case MarkupKind::Underline: font.underline = true; break;
      case MarkupKind::UnderlineEnd: font.underline = base.underline; break;
    }
  }
  builder.Finish();
  return layout;
}
}  // namespace

MarkupLayout LayoutMarkupLine(Canvas& canvas, std::string_view line, const MarkupOptions& options) {
  return LayOut(canvas, line, options, true);
}

int MarkupContentHeight(Canvas& canvas, std::string_view line, const MarkupOptions& options) {
  return LayOut(canvas, line, options, false).height;
}

}  // namespace vrex::view
