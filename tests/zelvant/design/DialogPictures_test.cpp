// Pictures of the four dialogs as a developer sees them, checked by pixels and written
// as PNG files (ZELVANT_PICTURES_DIR chooses where; docs/ holds copies).
#include <gtest/gtest.h>

#include "DialogDriver.h"
#include "FillDialogs.h"

using namespace host;
using namespace zelvant;
using namespace design_test;

namespace {

const std::vector<std::string> kNames = {"Dialog", "Welcome", "Licence agreement", "Installation folder",
                                         "Components", "Ready to install"};

// A pixel of the window at a point of a control's own.
std::uint32_t At(const TBitmap& shot, const TControl& c, Integer x, Integer y) {
  const TPoint o = c.WindowOrigin();
  return shot.Pixel(o.X + x, o.Y + y);
}

struct Pictures : ::testing::Test {
  ~Pictures() override { Input().Clear(); }
};

TEST_F(Pictures, PageNames) {
  TWizardForm w(kNames);
  TPageNameDialog d(nullptr);
  FillPageNames(d, *w.wizard->PageNames());
  ClickCell(*d.PageList, 1, 3);
  Handle(d);
  TBitmap shot;
  Picture(d, shot);
  SavePicture(shot, "design-pagenames");
  // The selected row in the highlight, drawn selected although the grid has the focus.
  const TRect cell = d.PageList->CellRect(1, 3);
  EXPECT_EQ(At(shot, *d.PageList, cell.Right - 3, cell.Bottom - 3), ColorToPixel(clHighlight));
  EXPECT_EQ(At(shot, *d.PageList, cell.Right - 3, d.PageList->CellRect(1, 4).Bottom - 3), ColorToPixel(clWindow));
  d.Hide();
}

TEST_F(Pictures, ShowComponent) {
  TWizardForm w({"Dialog", "Welcome", "Licence", "Folder", "Components", "Ready"});
  TShowDialog d(nullptr);
  FillShow(d, {0, 1, 1, 0, 1, 0}, w.wizard->PageNames());
  TBitmap shot;
  Picture(d, shot);
  SavePicture(shot, "design-show");
  for (Integer row = 0; row < 6; ++row) {
    const TRect r = d.ShowGrid->CellRect(0, row);
    const bool crossed = d.ShowList()->Record(row).Show == 1;
    EXPECT_EQ(At(shot, *d.ShowGrid, r.Left, r.Top), ColorToPixel(clBlack)) << row;       // frame
    EXPECT_EQ(At(shot, *d.ShowGrid, r.Left + 15, r.Top + 15), ColorToPixel(clBlack)) << row;
    EXPECT_EQ(At(shot, *d.ShowGrid, r.Left + 8, r.Top + 8), ColorToPixel(crossed ? clBlack : clWhite)) << row;
    EXPECT_EQ(At(shot, *d.ShowGrid, r.Left + 3, r.Top + 12), ColorToPixel(clWhite)) << row;
  }
  d.Hide();
}

TEST_F(Pictures, ButtonLayout) {
  TLayoutDialog d(nullptr);
  FillLayout(d, {1, 2, 8, 3, 7, 4, 5, 6});
  ClickCell(*d.LayoutGrid, 0, 3);
  Handle(d);
  TBitmap shot;
  Picture(d, shot);
  SavePicture(shot, "design-layout");
  const TRect sel = d.LayoutGrid->CellRect(0, 3), other = d.LayoutGrid->CellRect(0, 5);
  EXPECT_EQ(At(shot, *d.LayoutGrid, sel.Right - 2, sel.Top + 1), ColorToPixel(clHighlight));
  EXPECT_EQ(At(shot, *d.LayoutGrid, other.Right - 2, other.Top + 1), ColorToPixel(clWindow));
  EXPECT_EQ(At(shot, *d.LayoutGrid, other.Right, other.Top + 1), ColorToPixel(clSilver));  // the grid line
  d.Hide();
}

TEST_F(Pictures, WayList) {
  TWizardForm w(kNames);
  TWayListForm d(nullptr);
  FillWayList(d, *w.wizard, {{1, gpNext}, {2, gpNext}, {3, gpAsk}, {4, gpNext}, {5, gpFinish}, {4, 2}, {7, gpDialog}});
  ClickCell(*d.WayListGrid, 1, 3);
  Handle(d);
  TBitmap shot;
  Picture(d, shot);
  SavePicture(shot, "design-waylist");
  EXPECT_EQ(d.PageBox->Text(), "Installation folder");
  EXPECT_EQ(d.GotoBox->Text(), "Ask");
  EXPECT_EQ(d.Label1->Caption(), "3");
  const TRect sel = d.WayListGrid->CellRect(2, 3), title = d.WayListGrid->CellRect(1, 0);
  EXPECT_EQ(At(shot, *d.WayListGrid, sel.Right - 2, sel.Bottom - 2), ColorToPixel(clHighlight));
  EXPECT_EQ(At(shot, *d.WayListGrid, title.Right - 3, title.Bottom - 3), ColorToPixel(clBtnFace));
  d.Hide();
}

}  // namespace
