// A value read from the system is shown as stored: in the window (no
// mnemonic, no tag, one blank for a control character), in the text report
// and in the HTML report.
#include <gtest/gtest.h>

#include "gather/label_value_line.h"
#include "report/report_html.h"
#include "report/report_text.h"
#include "support/fixed_canvas.h"
#include "view/markup.h"
#include "view/markup_layout.h"

namespace vrex {
namespace {

TEST(StoredValues, ShowAsStoredInTheWindowTheTextAndTheHtml) {
  struct Case {
    const char* stored;
    const char* drawn;  // the window's run, in the canvas's mnemonic form ("&&" draws one "&")
    const char* text;
    const char* html;
  };
  const Case cases[] = {
      {"AT&T", "AT&&T", "AT&T", "AT&amp;T"},
      {"&amp; &lt;x&gt;", "&&amp; &&lt;x&&gt;", "&amp; &lt;x&gt;", "&amp;amp; &amp;lt;x&amp;gt;"},
      {"<b>", "<b>", "<b>", "&lt;b&gt;"},
      {"a\r\nb\tc", "a  b c", "a  b c", "a  b c"},
  };
  test::FixedCanvas canvas;
  view::MarkupOptions options;
  options.width = 2000;
  for (const Case& c : cases) {
    const std::string line = gather::MarkupLine("<FONT>", c.stored);
    const auto layout = view::LayoutMarkupLine(canvas, line, options);
    ASSERT_EQ(layout.runs.size(), 1u) << c.stored;
    EXPECT_EQ(layout.runs[0].text, c.drawn);
    EXPECT_EQ(report::StripTags(line), c.text);
    EXPECT_NE(report::HtmlOfLine(line).find(c.html), std::string::npos) << report::HtmlOfLine(line);
  }
}

}  // namespace
}  // namespace vrex
