// Grids: cells and geometry, focus and selection, keys, the in-place editor, drawing
// events and stored column widths.
#include <gtest/gtest.h>

#include <memory>

#include "host/streaming/Filer.h"
#include "host/stdctrls/Grids.h"

using namespace host;

namespace {

struct Grids : ::testing::Test {
  TForm form{nullptr};
  TStringGrid* grid = new TStringGrid(&form);
  Grids() {
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 400, 300);
    grid->SetBounds(0, 0, 330, 140);
    grid->SetParent(&form);
  }
  void Key(Word key, TShiftState shift = {}) {
    form.HandleKey(key, shift, true);
    form.HandleKey(key, shift, false);
  }
  void Type(char32_t ch) { form.HandleChar(ch, {}); }
};

TEST_F(Grids, CellsKeepTheirTextWhenTheGridGrowsAndOutsideIndexesRaise) {
  grid->SetCells(2, 3, "x");
  grid->SetColCount(8);
  grid->SetRowCount(9);
  EXPECT_EQ(grid->Cells(2, 3), "x");
  grid->SetColCount(2);
  EXPECT_THROW(grid->Cells(2, 3), EListError);
  EXPECT_THROW(grid->SetCells(0, 9, "y"), EListError);
  EXPECT_THROW(grid->ColWidths(2), EListError);
}

TEST_F(Grids, CellRectsFollowWidthsLinesAndScrolling) {
  grid->SetColWidths(0, 30);
  // Two pixels of border, then each cell followed by one pixel of line.
  EXPECT_EQ(grid->CellRect(0, 0), Rect(2, 2, 32, 26));
  EXPECT_EQ(grid->CellRect(1, 1), Rect(33, 27, 97, 51));
  Integer c, r;
  ASSERT_TRUE(grid->MouseToCell(40, 30, c, r));
  EXPECT_EQ(c, 1);
  EXPECT_EQ(r, 1);
  grid->SetLeftCol(2);
  EXPECT_TRUE(grid->CellRect(1, 1).IsEmpty());  // scrolled out
  EXPECT_EQ(grid->CellRect(2, 1).Left, 33);     // right after the fixed column
}

TEST_F(Grids, ArrowsMoveTheFocusedCellAndOnSelectCellCanRefuse) {
  grid->SetColCount(4);
  grid->SetRowCount(4);
  form.Show();
  grid->SetFocus();
  Key(VK_RIGHT);
  Key(VK_DOWN);
  EXPECT_EQ(grid->Col(), 2);
  EXPECT_EQ(grid->Row(), 2);
  Key(VK_HOME);
  EXPECT_EQ(grid->Col(), 1);  // the first column that is not fixed
  Key(VK_END, TShiftState{ssCtrl});
  EXPECT_EQ(grid->Row(), 3);
  grid->OnSelectCell = [](TObject*, Integer col, Integer, bool& can) { can = col != 3; };
  Key(VK_END);
  EXPECT_EQ(grid->Col(), 1);
  Key(VK_RIGHT);
  EXPECT_EQ(grid->Col(), 2);
  form.Hide();
}

TEST_F(Grids, RowSelectSelectsTheWholeRow) {
  grid->SetOptions(grid->Options() + TGridOptions{goRowSelect});
  grid->SetRow(2);
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 2, 4, 2}));
}

TEST_F(Grids, TypingOpensTheEditorAndEveryChangeReachesTheCell) {
  grid->SetOptions(grid->Options() + TGridOptions{goEditing});
  grid->SetCells(1, 1, "old");
  form.Show();
  grid->SetFocus();
  Type('n');
  ASSERT_TRUE(grid->EditorMode());
  EXPECT_EQ(grid->Cells(1, 1), "n");
  EXPECT_EQ(form.FocusedControl(), grid->InplaceEditor());
  EXPECT_EQ(grid->InplaceEditor()->BoundsRect(), grid->CellRect(1, 1));
  Type('e');
  Type('w');
  Key(VK_LEFT);
  Type('!');
  EXPECT_EQ(grid->Cells(1, 1), "ne!w");
  Key(VK_DOWN);  // leaves the cell; the editor follows to the next one
  EXPECT_EQ(grid->Row(), 2);
  Type(8);  // backspace in the empty cell changes nothing
  EXPECT_EQ(grid->Cells(1, 2), "");
  grid->SetEditorMode(false);
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_EQ(form.FocusedControl(), grid);
  // F2 edits the current text.
  grid->SetRow(1);
  Key(VK_F2);
  ASSERT_TRUE(grid->EditorMode());
  EXPECT_EQ(grid->InplaceEditor()->EditText(), "ne!w");
  form.Hide();
}

TEST_F(Grids, WithoutEditingTypingDoesNothing) {
  form.Show();
  grid->SetFocus();
  Type('x');
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_EQ(grid->Cells(1, 1), "");
  form.Hide();
}

TEST_F(Grids, MovingARowTakesItsCellsAlong) {
  for (Integer r = 0; r < 5; ++r) grid->SetCells(1, r, "r" + std::to_string(r));
  grid->SetRowHeights(3, 40);
  grid->MoveRow(3, 1);
  EXPECT_EQ(grid->Cells(1, 1), "r3");
  EXPECT_EQ(grid->Cells(1, 2), "r1");
  EXPECT_EQ(grid->Cells(1, 4), "r4");
  EXPECT_EQ(grid->RowHeights(1), 40);
  grid->MoveColumn(0, 2);
  EXPECT_EQ(grid->Cells(0, 1), "r3");
  EXPECT_THROW(grid->MoveRow(0, 5), EListError);
}

TEST_F(Grids, OnDrawCellIsAskedForEveryVisibleCellWithItsState) {
  auto* dg = new TDrawGrid(&form);
  dg->SetBounds(0, 150, 400, 140);
  dg->SetColCount(3);
  dg->SetRowCount(3);
  dg->SetParent(&form);
  Integer fixed = 0, selected = 0, total = 0;
  dg->OnDrawCell = [&](TObject*, Integer col, Integer row, TRect rect, TGridDrawState state) {
    ++total;
    fixed += state.Contains(gdFixed);
    selected += state.Contains(gdSelected);
    EXPECT_EQ(rect, dg->CellRect(col, row));
  };
  TBitmap shot;
  form.PaintTo(shot);
  EXPECT_EQ(total, 9);
  EXPECT_EQ(fixed, 5);
  EXPECT_EQ(selected, 1);
  // Without default drawing the cells are left to the event alone.
  dg->SetDefaultDrawing(false);
  dg->OnDrawCell = [&](TObject*, Integer, Integer, TRect rect, TGridDrawState) {
    dg->Canvas().Brush().SetColor(clRed);
    dg->Canvas().FillRect(rect);
  };
  form.PaintTo(shot);
  const TRect r = dg->CellRect(1, 1);
  EXPECT_EQ(shot.Pixel(r.Left, 150 + r.Top), ColorToPixel(clRed));
}

TEST_F(Grids, ColumnWidthsThatDifferFromTheDefaultAreStored) {
  grid->SetName("Grid");
  grid->SetColWidths(2, 100);
  const std::string text = WriteForm(&form, "TForm");
  EXPECT_NE(text.find("ColWidths = (\n      64\n      64\n      100"), std::string::npos) << text;
  EXPECT_EQ(text.find("RowHeights"), std::string::npos);
  std::unique_ptr<TComponent> back(ReadForm(text));
  auto* g = As<TStringGrid>(back->FindComponent("Grid"));
  EXPECT_EQ(g->ColWidths(2), 100);
  EXPECT_EQ(g->ColWidths(1), 64);
}

}  // namespace
