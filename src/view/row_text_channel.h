#pragma once
// How another process reads the text of a section list's row: it sends the
// list the registered message named kRowTextMessageName, the row in wParam
// and a window of its own in lParam; the list sends that window WM_COPYDATA
// (dwData the row, the row's text without a closing NUL) and answers with
// the text's length, or LB_ERR for no such row.  WM_COPYDATA carries its own
// length, so the answer never depends on a buffer the asker names.
// LB_GETTEXT and LB_GETTEXTLEN are answered to the list's own thread only.
namespace vrex::view {

inline constexpr const char* kRowTextMessageName = "Vrex.SectionList.RowText";

}  // namespace vrex::view
