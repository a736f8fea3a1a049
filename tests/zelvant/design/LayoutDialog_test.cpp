// The button-layout dialog: moving entries, inserting and deleting gaps, odd codes, an
// empty list, and the changes refused because the bar could not arrange the result.
#include <gtest/gtest.h>

#include "DialogDriver.h"
#include "FillDialogs.h"

using namespace host;
using namespace zelvant;
using namespace design_test;

namespace {

struct Layout : ::testing::Test {
  TLayoutDialog d{nullptr};
  Layout() { Input().Clear(); }
  ~Layout() override { Input().Clear(); }
  void Select(Integer row) { ClickCell(*d.LayoutGrid, 0, row); }
  std::vector<Integer> List() { return Entries(*d.LayoutList()); }
  void Up() { Click("Button3"); }
  void Down() { Click("Button4"); }
  void InsertSpace() { Click("Button5"); }
  void DeleteSpace() { Click("Button6"); }
  // Pixels of a row's text: those in the font colour of the row's state.
  size_t Ink(Integer row) {
    TBitmap shot;
    Picture(d, shot);
    const TRect r = d.LayoutGrid->CellRect(0, row);
    const TPoint o = d.LayoutGrid->WindowOrigin();
    size_t n = 0;
    const std::uint32_t background = shot.Pixel(o.X + r.Right - 1, o.Y + r.Bottom - 1);
    for (Integer y = r.Top; y < r.Bottom; ++y)
      for (Integer x = r.Left; x < r.Right; ++x) n += shot.Pixel(o.X + x, o.Y + y) != background;
    return n;
  }
};

TEST_F(Layout, UpAndDownMoveTheSelectedEntryButNotPastTheEnds) {
  FillLayout(d, {4, 5, 7, 3});
  Select(3);
  Up();
  Handle(d);
  EXPECT_EQ(List(), (std::vector<Integer>{4, 5, 3, 7}));
  EXPECT_EQ(d.LayoutGrid->Row(), 2);
  Down();
  Down();  // already last
  Select(0);
  Up();    // already first
  Handle(d);
  EXPECT_EQ(List(), (std::vector<Integer>{4, 5, 7, 3}));
  EXPECT_EQ(d.LayoutGrid->Row(), 0);
}

TEST_F(Layout, SpacesAreInsertedBeforeTheSelectionAndOnlySpacesAreDeleted) {
  FillLayout(d, {1, 2, 8, 3, 4, 5, 6});
  Select(0);
  InsertSpace();
  Handle(d);
  EXPECT_EQ(List(), (std::vector<Integer>{7, 1, 2, 8, 3, 4, 5, 6}));
  EXPECT_EQ(d.LayoutGrid->Row(), 0);
  EXPECT_EQ(d.LayoutGrid->RowCount(), 8);
  Select(6);  // "Next"
  DeleteSpace();
  Handle(d);
  EXPECT_EQ(List().size(), 8u);
  Select(0);
  DeleteSpace();
  Handle(d);
  EXPECT_EQ(List(), (std::vector<Integer>{1, 2, 8, 3, 4, 5, 6}));
  EXPECT_EQ(d.LayoutGrid->RowCount(), 7);
}

TEST_F(Layout, UnknownCodesShowEmptyRowsAndMoveLikeAnyOther) {
  FillLayout(d, {1, 8, 0, 9, 6});
  EXPECT_GT(Ink(0), 0u);
  EXPECT_EQ(Ink(2), 0u);
  EXPECT_EQ(Ink(3), 0u);
  Select(3);
  Up();
  Handle(d);
  EXPECT_EQ(List(), (std::vector<Integer>{1, 8, 9, 0, 6}));
}

TEST_F(Layout, MovesThatLeaveMiddleAtAnEndAreRefused) {
  FillLayout(d, {1, 2, 8, 3, 4, 5, 6});
  Select(2);  // "Middle"
  Up();
  Up();  // would make it first
  Handle(d);
  EXPECT_EQ(List(), (std::vector<Integer>{1, 8, 2, 3, 4, 5, 6}));
  EXPECT_EQ(d.LayoutGrid->Row(), 1);
  Select(0);
  Down();  // "Change" below "Middle" would leave "Middle" first as well
  Handle(d);
  EXPECT_EQ(List(), (std::vector<Integer>{1, 8, 2, 3, 4, 5, 6}));
  EXPECT_EQ(d.LayoutGrid->Row(), 0);
}

TEST_F(Layout, DeletingASpaceThatWouldLeaveMiddleLastIsRefused) {
  FillLayout(d, {1, 8, 7});
  Select(2);
  DeleteSpace();
  Handle(d);
  EXPECT_EQ(List(), (std::vector<Integer>{1, 8, 7}));
}

TEST_F(Layout, AListTheBarCannotArrangeMayBeRepairedFreely) {
  FillLayout(d, {8, 1, 3});
  Select(0);
  Down();
  Handle(d);
  EXPECT_EQ(List(), (std::vector<Integer>{1, 8, 3}));
  EXPECT_TRUE(LayoutFitsBar(*d.LayoutList()));
}

TEST_F(Layout, AnEmptyListShowsAnEmptyGridAndLastEntryIsNeverDeleted) {
  FillLayout(d, {});
  EXPECT_EQ(d.LayoutGrid->RowCount(), 1);
  EXPECT_EQ(Ink(0), 0u);
  Up();
  Down();
  DeleteSpace();
  Handle(d);
  EXPECT_TRUE(List().empty());
  InsertSpace();
  DeleteSpace();  // the only entry stays
  Handle(d);
  EXPECT_EQ(List(), (std::vector<Integer>{7}));
  EXPECT_EQ(d.LayoutGrid->RowCount(), 1);
}

TEST_F(Layout, LabelsOfTheCodes) {
  const std::vector<std::string> labels = {"", "Change", "Help", "Cancel", "Back", "Next", "OK", "Space", "Middle", ""};
  for (Integer code = 0; code <= 9; ++code) EXPECT_EQ(LayoutLabel(code), labels[static_cast<size_t>(code)]);
  EXPECT_EQ(LayoutLabel(-1), "");
}

}  // namespace
