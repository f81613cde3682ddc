#include "report/report_print.h"

#include <algorithm>

#include "report/report_text.h"

namespace vrex::report {

view::Font PrintFont(int size) {
  view::Font font;
  font.name = "Arial";
  font.size = size;
  font.colour = view::Colour::Rgb(0, 0, 0);
  return font;
}

namespace {

// The page number, centred at the bottom in the footer font.
void PrintFooter(PrintPages& pages, int pageNumber, int gap) {
  view::Font footer = PrintFont(kPrintFooterSize);
  int height = pages.Canvas().TextExtent(footer, "X").height;
  std::string number = "-";
  number.append(std::to_string(pageNumber)).append(".-");
  pages.Canvas().DrawTextRun(footer, pages.PageWidth() / 2, pages.PageHeight() - height - gap, number);
}

// Draws the line's pieces from the margin: each at its column, in the
// printer font's average character width, or a blank after the text before it.
void PrintPieces(view::Canvas& canvas, const view::Font& font, int margin, int y, std::string_view line) {
  static constexpr std::string_view kAlphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
  const int average = std::max(1, canvas.TextExtent(font, kAlphabet).width / static_cast<int>(kAlphabet.size()));
  const int blank = canvas.TextExtent(font, " ").width;
  int x = margin;
  bool first = true;
  for (const TextPiece& piece : TextPieces(line)) {
    if (!first) x = std::max(margin + piece.column * average, x > margin ? x + blank : x);
    first = false;
    if (piece.text.empty()) continue;
    const std::string shown = view::EscapeMnemonics(piece.text);
    canvas.DrawTextRun(font, x, y, shown);
    x += canvas.TextExtent(font, shown).width;
  }
}

}  // namespace

void printtext(std::vector<std::string> lines, PrintPages& pages) {
  lines.insert(lines.begin(), kPrintTitleLine);
  view::Canvas& canvas = pages.Canvas();
  const int margin = pages.PageWidth() / 20;
  const int gap = pages.VerticalDpi() / 10;
  // The lowest a line may reach: the footer sits below it, in the margin.
  const int bottom = pages.PageHeight() - margin;
  int pageNumber = 1;
  int y = 0;
  for (const std::string& line : lines) {
    view::Font font = PrintFont(LineFontSize(line).value_or(kPrintDefaultSize));
    // Measured in the printer's own units and at the line's own size, so
    // lines of any size neither overlap nor run into the footer.
    const int height = canvas.TextExtent(font, "X").height;
    if (y + gap + height > bottom && y > 0) {
      PrintFooter(pages, pageNumber, gap);
      pages.NewPage();
      ++pageNumber;
      y = 0;
    }
    y += gap;
    PrintPieces(canvas, font, margin, y, line);
    y += height;
  }
  PrintFooter(pages, pageNumber, gap);
  pages.EndJob();
}

}  // namespace vrex::report
