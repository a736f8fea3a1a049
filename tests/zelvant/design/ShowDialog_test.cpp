// The show-component dialog: every click on a box toggles its page, clicks on names
// never do, odd values and short lists are drawn and clicked without harm.
#include <gtest/gtest.h>

#include "DialogDriver.h"
#include "FillDialogs.h"

using namespace host;
using namespace zelvant;
using namespace design_test;

namespace {

struct Show : ::testing::Test {
  TStringList names{"Dialog", "Welcome", "Licence", "Finish"};
  TShowDialog d{nullptr};
  Show() { Input().Clear(); }
  ~Show() override { Input().Clear(); }
  std::vector<Integer> Shows() {
    std::vector<Integer> out;
    for (Integer i = 0; i < d.ShowList()->Count; ++i) out.push_back(d.ShowList()->Record(i).Show);
    return out;
  }
  // The picture of the box of a row: true when crossed.
  bool Crossed(Integer row) {
    TBitmap shot;
    Picture(d, shot);
    const TRect r = d.ShowGrid->CellRect(0, row);
    const TPoint o = d.ShowGrid->WindowOrigin();
    return shot.Pixel(o.X + r.Left + 8, o.Y + r.Top + 8) == ColorToPixel(clBlack);
  }
};

TEST_F(Show, EveryClickOnABoxTogglesItAndClicksOnNamesNever) {
  FillShow(d, {1, 0, 0, 0}, &names);
  ClickCell(*d.ShowGrid, 0, 2);
  Handle(d);
  EXPECT_EQ(Shows(), (std::vector<Integer>{1, 0, 1, 0}));
  EXPECT_TRUE(Crossed(2));
  ClickCell(*d.ShowGrid, 0, 2);  // the cell already selected: toggled back
  ClickCell(*d.ShowGrid, 1, 3);
  ClickCell(*d.ShowGrid, 1, 0);
  Handle(d);
  EXPECT_EQ(Shows(), (std::vector<Integer>{1, 0, 0, 0}));
  EXPECT_FALSE(Crossed(2));
  EXPECT_TRUE(Crossed(0));
  // Page 0, the dialog page, toggles like any other; positions are never touched.
  ClickCell(*d.ShowGrid, 0, 0);
  Handle(d);
  EXPECT_EQ(Shows(), (std::vector<Integer>{0, 0, 0, 0}));
  for (Integer i = 0; i < 4; ++i) EXPECT_EQ(d.ShowList()->Record(i).Left, 15 + 5 * i);
}

TEST_F(Show, MovingOntoABoxWithTheKeyboardTogglesIt) {
  FillShow(d, {0, 0, 0, 0}, &names);
  ClickCell(*d.ShowGrid, 1, 1);
  Key(VK_LEFT);   // onto the box of page 1
  Key(VK_DOWN);   // onto the box of page 2
  Key(VK_RIGHT);  // onto the name: nothing
  Handle(d);
  EXPECT_EQ(Shows(), (std::vector<Integer>{0, 1, 1, 0}));
}

TEST_F(Show, AValueOtherThanZeroOrOneDrawsAnEmptyBoxAndBecomesZero) {
  FillShow(d, {2, -1, 1, 0}, &names);
  EXPECT_FALSE(Crossed(0));
  EXPECT_FALSE(Crossed(1));
  EXPECT_TRUE(Crossed(2));
  ClickCell(*d.ShowGrid, 0, 0);
  ClickCell(*d.ShowGrid, 0, 1);
  Handle(d);
  EXPECT_EQ(Shows(), (std::vector<Integer>{0, 0, 1, 0}));
}

TEST_F(Show, RowsWithoutRecordsOrNamesAreHarmless) {
  // An unbound control's empty list: the grid keeps one row, drawn as an empty box.
  FillShow(d, {}, nullptr);
  EXPECT_FALSE(Crossed(0));
  ClickCell(*d.ShowGrid, 0, 0);
  ClickCell(*d.ShowGrid, 1, 0);
  Handle(d);
  EXPECT_TRUE(Shows().empty());
  // More records than names: the extra rows show a box and no name.
  d.ShowList()->AddAPos(TAPos{0, 0, 1});
  d.ShowList()->AddAPos(TAPos{0, 0, 1});
  TStringList one{"Dialog"};
  d.FNames = &one;
  d.ShowGrid->SetRowCount(2);
  EXPECT_TRUE(Crossed(1));
  ClickCell(*d.ShowGrid, 0, 1);
  Handle(d);
  EXPECT_EQ(Shows(), (std::vector<Integer>{1, 0}));
}

}  // namespace
