// Grid selection as the dialogs rely on it: SelectCell on every click and on moves made
// in code, the current row kept valid when rows go, row selection, line widths.
#include <gtest/gtest.h>

#include <vector>

#include "host/forms/Backend.h"
#include "host/stdctrls/Grids.h"
#include "host/stdctrls/StdCtrls.h"

using namespace host;

namespace {

struct GridSelection : ::testing::Test {
  TForm form{nullptr};
  TDrawGrid* grid = new TDrawGrid(&form);
  std::vector<std::pair<Integer, Integer>> asked;
  bool allow = true;
  GridSelection() {
    Application->Headless()->Clear();
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 400, 300);
    grid->SetBounds(0, 0, 330, 200);
    grid->SetParent(&form);
    grid->OnSelectCell = [this](TObject*, Integer col, Integer row, bool& can) {
      asked.emplace_back(col, row);
      can = allow;
    };
  }
  ~GridSelection() override { Application->Headless()->Clear(); }
  void ClickCell(Integer col, Integer row) {
    const TRect r = grid->CellRect(col, row);
    Application->Headless()->Click(Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
  }
  void Handle() {
    if (!form.Visible()) form.Show();
    Application->ProcessMessages();
  }
};

using Cells = std::vector<std::pair<Integer, Integer>>;

TEST_F(GridSelection, EveryClickAsksSelectCellTheFocusedCellToo) {
  ClickCell(2, 3);
  ClickCell(2, 3);
  ClickCell(1, 0);  // a fixed cell is not selected
  Handle();
  EXPECT_EQ(asked, (Cells{{2, 3}, {2, 3}}));
  EXPECT_EQ(grid->Col(), 2);
  EXPECT_EQ(grid->Row(), 3);
  allow = false;
  ClickCell(3, 2);
  Handle();
  EXPECT_EQ(grid->Row(), 3);
}

TEST_F(GridSelection, AnEditingGridOpensTheEditorOnTheFocusedCellWithoutAsking) {
  grid->SetOptions(grid->Options() + TGridOptions{goEditing});
  ClickCell(2, 2);
  ClickCell(2, 2);
  Handle();
  EXPECT_EQ(asked, (Cells{{2, 2}}));
  EXPECT_TRUE(grid->EditorMode());
}

TEST_F(GridSelection, MovesInCodeAskButSettingTheSameRowDoesNot) {
  grid->SetRow(3);
  grid->SetRow(3);
  EXPECT_EQ(asked, (Cells{{1, 3}}));
  allow = false;
  grid->SetRow(2);
  EXPECT_EQ(grid->Row(), 3);
}

TEST_F(GridSelection, FewerRowsMoveTheCurrentRowToTheNewLastOne) {
  grid->SetRowCount(8);
  grid->SetRow(7);
  asked.clear();
  allow = false;  // the old row is gone whatever the handler says
  grid->SetRowCount(5);
  EXPECT_EQ(grid->Row(), 4);
  EXPECT_EQ(asked, (Cells{{1, 4}}));
  asked.clear();
  grid->SetRowCount(9);  // more rows: the selection stays
  EXPECT_EQ(grid->Row(), 4);
  EXPECT_TRUE(asked.empty());
}

TEST_F(GridSelection, RowSelectKeepsTheFirstColumnButTellsTheClickedOne) {
  grid->SetFixedCols(0);
  grid->SetOptions(grid->Options() + TGridOptions{goRowSelect});
  ClickCell(3, 2);
  Handle();
  EXPECT_EQ(asked, (Cells{{3, 2}}));
  EXPECT_EQ(grid->Col(), 0);
  EXPECT_EQ(grid->Selection(), (TGridRect{0, 2, 4, 2}));
}

TEST_F(GridSelection, LinesTakeRoomOnlyWhenSomeAreDrawn) {
  grid->SetDefaultRowHeight(16);
  grid->SetOptions(TGridOptions{goFixedVertLine, goFixedHorzLine});
  EXPECT_EQ(grid->CellRect(1, 2).Top - grid->CellRect(1, 1).Top, 17);  // classic: room for the lines
  grid->SetOptions(TGridOptions{});
  EXPECT_EQ(grid->CellRect(1, 2).Top - grid->CellRect(1, 1).Top, 16);
  EXPECT_EQ(grid->CellRect(2, 1).Left - grid->CellRect(1, 1).Left, 64);
}

TEST(ComboItems, AnIndexLeftBeyondDeletedItemsChoosesNothing) {
  TForm form(nullptr);
  auto* box = new TComboBox(&form);
  box->SetParent(&form);
  box->SetStyle(csDropDownList);
  for (const char* s : {"a", "b", "c"}) box->Items()->Add(s);
  box->SetItemIndex(2);
  box->Items()->Delete(2);
  EXPECT_EQ(box->ItemIndex(), -1);
  box->SetItemIndex(7);
  EXPECT_EQ(box->ItemIndex(), -1);
  box->SetItemIndex(1);
  EXPECT_EQ(box->Text(), "b");
}

}  // namespace
