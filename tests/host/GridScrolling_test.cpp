// The grid's vertical scroll bar: shown while the rows do not fit, arrows, track and
// thumb scroll the rows, and the cells give it its room.
#include <gtest/gtest.h>

#include "host/forms/Backend.h"
#include "host/stdctrls/Grids.h"

using namespace host;

namespace {

struct ScrollingGrid : ::testing::Test {
  TForm form{nullptr};
  TStringGrid* grid = new TStringGrid(&form);
  ScrollingGrid() {
    Application->Headless()->Clear();
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 400, 300);
    grid->SetBounds(10, 10, 200, 106);  // 2 + 6 rows of 17 + 2: six rows fit
    grid->SetDefaultRowHeight(16);
    grid->SetColCount(2);
    grid->SetRowCount(6);
    grid->SetParent(&form);
    form.Show();
  }
  ~ScrollingGrid() override {
    form.Hide();
    Application->Headless()->Clear();
  }
  // A click on the bar at a point of its own.
  void ClickBar(Integer x, Integer y) {
    const TPoint o = grid->VertScrollBar()->WindowOrigin();
    Application->Headless()->Click(Point(o.X + x, o.Y + y));
    Application->ProcessMessages();
  }
};

TEST_F(ScrollingGrid, TheBarComesAndGoesWithTheRows) {
  EXPECT_EQ(grid->VertScrollBar(), nullptr);
  EXPECT_EQ(grid->VisibleColCount(), 1);
  grid->SetColWidths(1, 100);
  EXPECT_EQ(grid->VisibleColCount(), 1);
  grid->SetRowCount(20);
  TScrollBar* bar = grid->VertScrollBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->BoundsRect(), Rect(200 - 2 - 16, 2, 200 - 2, 106 - 2));
  EXPECT_EQ(bar->MaxPosition(), 14);  // top rows 1 to 15, five rows below the fixed one
  // Cells stop at the bar: a column reaching under it is not fully visible.
  grid->SetColWidths(1, 170);
  EXPECT_TRUE(grid->CellRect(1, 1).Left < bar->Left());
  grid->SetRowCount(6);
  EXPECT_EQ(grid->VertScrollBar(), nullptr);
  grid->SetRowCount(30);
  grid->SetScrollBars(ssNone);
  EXPECT_EQ(grid->VertScrollBar(), nullptr);
}

TEST_F(ScrollingGrid, ArrowsStepTrackPagesThumbDrags) {
  grid->SetRowCount(20);
  TScrollBar* bar = grid->VertScrollBar();
  ClickBar(8, bar->Height() - 8);  // the down arrow
  EXPECT_EQ(grid->TopRow(), 2);
  ClickBar(8, 4);  // the up arrow
  ClickBar(8, 4);  // already at the top
  EXPECT_EQ(grid->TopRow(), 1);
  ClickBar(8, bar->Height() - 20);  // the track below the thumb: a page
  EXPECT_EQ(grid->TopRow(), 1 + bar->PageSize());
  EXPECT_EQ(bar->Position(), grid->TopRow() - 1);
  // Drag the thumb to the bottom: the last rows come into view.
  const TRect thumb = bar->ThumbRect();
  const TPoint o = bar->WindowOrigin();
  THeadlessBackend& in = *Application->Headless();
  in.MouseDown(Point(o.X + 8, o.Y + thumb.Top + 2));
  in.MouseMove(Point(o.X + 8, o.Y + bar->Height()));
  in.MouseUp(Point(o.X + 8, o.Y + bar->Height()));
  Application->ProcessMessages();
  EXPECT_EQ(grid->TopRow(), 15);
  EXPECT_FALSE(grid->CellRect(1, 19).IsEmpty());
  // Scrolling leaves the selection alone; moving it scrolls it into view, bar and all.
  EXPECT_EQ(grid->Row(), 1);
  grid->SetRow(2);
  EXPECT_EQ(grid->TopRow(), 2);
  EXPECT_EQ(bar->Position(), 1);
}

}  // namespace
