#pragma once
// The printout: the report's lines page by page on a printer, each page with
// its number at the bottom.  The pages are drawn on an abstract canvas, so
// the layout is tested natively; the Windows printer is a thin adapter.
#include <string>
#include <vector>

#include "view/canvas.h"

namespace vrex::report {

inline constexpr const char* kPrintTitleLine =
    "                                <FONT size=\"14\">VrexInfo Report</FONT>";
// The size of a line that names none, and of the page footers.
inline constexpr int kPrintDefaultSize = 8;
inline constexpr int kPrintFooterSize = 8;

// A print job that has begun, with its first page open.
class PrintPages {
 public:
  virtual ~PrintPages() = default;
  virtual view::Canvas& Canvas() = 0;
  virtual int PageWidth() const = 0;   // device units
  virtual int PageHeight() const = 0;  // device units
  virtual int VerticalDpi() const = 0;
  // Closes the page and opens the next.
  virtual void NewPage() = 0;
  // Closes the last page and the job.
  virtual void EndJob() = 0;
};

// The font of the printout at one size: the printer's face and colour stay.
view::Font PrintFont(int size);

// Prints the lines (the title line is put before them) and ends the job.
void printtext(std::vector<std::string> lines, PrintPages& pages);

}  // namespace vrex::report
