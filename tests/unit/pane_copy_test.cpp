// What the right pane's Copy and Copy group put on the clipboard.
#include <gtest/gtest.h>

#include "app/pane_copy.h"
#include "support/memory/memory_ports.h"
#include "support/recording_list_host.h"

namespace vrex::app {
namespace {

TEST(PaneCopy, RowsAndGroupsInTheTextReportsForm) {
  os::memory::World world;
  test::RecordingListHost host;
  view::TSectionListBox pane(host);
  pane.AddSection().SetCaption("Proxy servers");
  view::TListSection& group = pane.AddSection();
  group.SetCaption("Winsock");
  group.SubItems().Add(
      "<FONT size=\"10\" color=\"clblue\">Status: <IND x=\"200\"><FONT color=\"clmaroon\">Running</FONT>");
  group.SubItems().Add("a &lt;b&gt;");
  group.SetState(view::TListSectionState::lssExpanded);
  struct Case {
    int row;
    CopyScope scope;
    const char* text;
  };
  const Case cases[] = {
      {0, CopyScope::kRow, "Proxy servers"},
      {2, CopyScope::kRow, "Status:                      Running"},
      {3, CopyScope::kGroup, "Winsock\r\nStatus:                      Running\r\na <b>"},
      {4, CopyScope::kRow, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(CopiedText(pane, c.row, c.scope), c.text) << c.row;
}

}  // namespace
}  // namespace vrex::app
