// An exception inside a window procedure is shown, and the program goes on:
// a gatherer that throws, reached by a real click on the main window.
#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>

#include "main_window_fixture.h"

namespace vrex::app {
namespace {

using namespace test;

class WindowErrors : public MainWindowFixture {};

TEST_F(WindowErrors, AThrowingGathererIsShownAndTheNextClickBuildsItsPage) {
  messages.shown.clear();
  form->CatalogueGatherers().winsocktostringlst = []() -> std::vector<std::string> {
    throw std::runtime_error("The Winsock data could not be read");
  };
  ClickRow(left, 0);  // opens the first section, whose page runs every gatherer
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "The Winsock data could not be read");
  EXPECT_EQ(messages.shown[0].caption, "Vrex Info Network");
  EXPECT_TRUE(IsWindow(form->Handle()));
  EXPECT_EQ(Right().UpdateCount(), 0);  // the pane repaints again

  form->CatalogueGatherers().winsocktostringlst = [] { return std::vector<std::string>{"one", "two"}; };
  ClickRow(left, 6);  // Winsock
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(Right().Section(6).State(), view::TListSectionState::lssExpanded);
  EXPECT_EQ(RowCount(right), 8 + 2);
  UpdateWindow(right);
  RECT waiting;
  EXPECT_FALSE(GetUpdateRect(right, &waiting, FALSE));  // painted, nothing left to paint
}

}  // namespace
}  // namespace vrex::app
