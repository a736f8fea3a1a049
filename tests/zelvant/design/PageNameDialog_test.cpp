// The page-names dialog driven by clicks and keys: moving, inserting, deleting and
// adding pages, the numbers handed out, and editing names in place.
#include <gtest/gtest.h>

#include "DialogDriver.h"
#include "FillDialogs.h"

using namespace host;
using namespace zelvant;
using namespace design_test;

namespace {

struct PageNames : ::testing::Test {
  TStringList names{"Dialog", "Welcome", "Licence", "Finish"};  // pages 0 to 3
  TPageNameDialog d{nullptr};
  PageNames() {
    Input().Clear();
    FillPageNames(d, names);
  }
  ~PageNames() override { Input().Clear(); }
  void Select(Integer row) { ClickCell(*d.PageList, 1, row); }
  std::vector<Integer> Numbers() { return Values(Column(*d.PageList, 0)); }
};

TEST_F(PageNames, UpTwiceFromTheLastRowPutsItAfterPageZeroAndAThirdUpDoesNothing) {
  Select(4);
  Click("Button1");
  Click("Button1");
  Handle(d);
  EXPECT_EQ(Numbers(), (std::vector<Integer>{0, 3, 1, 2}));
  EXPECT_EQ(Column(*d.PageList, 1), (std::vector<std::string>{"Dialog", "Finish", "Welcome", "Licence"}));
  EXPECT_EQ(d.PageList->Row(), 2);
  Click("Button1");
  Handle(d);
  EXPECT_EQ(Numbers(), (std::vector<Integer>{0, 3, 1, 2}));
  EXPECT_EQ(d.PageList->Row(), 2);
}

TEST_F(PageNames, DownMovesAPageButNeitherTheLastRowNorPageZero) {
  Select(2);
  Click("Button2");
  Handle(d);
  EXPECT_EQ(Numbers(), (std::vector<Integer>{0, 2, 1, 3}));
  EXPECT_EQ(d.PageList->Row(), 3);
  Select(4);
  Click("Button2");
  Select(1);
  Click("Button2");
  Handle(d);
  EXPECT_EQ(Numbers(), (std::vector<Integer>{0, 2, 1, 3}));
  EXPECT_EQ(d.PageList->Row(), 1);
}

TEST_F(PageNames, AddHandsOutNumbersAboveEveryPageAndInsertOnPageZeroUsesOneUp) {
  Click("Button5");
  Click("Button5");
  Handle(d);
  EXPECT_EQ(Numbers(), (std::vector<Integer>{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(d.PageList->Cells(1, 5), "Page 4");
  EXPECT_EQ(d.PageList->Cells(1, 6), "Page 5");
  Select(1);
  Click("Button3");  // no row before page 0, but number 6 is gone
  Click("Button5");
  Handle(d);
  EXPECT_EQ(Numbers(), (std::vector<Integer>{0, 1, 2, 3, 4, 5, 7}));
  EXPECT_EQ(d.PageList->Cells(1, 7), "Page 7");
  EXPECT_EQ(d.FPageCounter, 7);
}

TEST_F(PageNames, InsertPutsTheNewPageAtTheSelectedRowAndPushesTheRestDown) {
  Select(3);
  Click("Button3");
  Handle(d);
  EXPECT_EQ(Numbers(), (std::vector<Integer>{0, 1, 4, 2, 3}));
  EXPECT_EQ(Column(*d.PageList, 1), (std::vector<std::string>{"Dialog", "Welcome", "Page 4", "Licence", "Finish"}));
  EXPECT_EQ(d.PageList->Row(), 3);
}

TEST_F(PageNames, DeleteKeepsPageZeroAndOneMorePage) {
  Select(1);
  Click("Button4");
  Handle(d);
  EXPECT_EQ(Numbers(), (std::vector<Integer>{0, 1, 2, 3}));
  Select(2);
  Click("Button4");  // page 1 goes
  Click("Button4");  // then page 2, now on row 2
  Click("Button4");  // only pages 0 and 3 are left: nothing
  Handle(d);
  EXPECT_EQ(Numbers(), (std::vector<Integer>{0, 3}));
  EXPECT_EQ(d.PageList->RowCount(), 3);
  // Deleting the last row leaves the selection on the new last row.
  Click("Button5");
  Handle(d);  // row 3 exists once the click is handled
  Select(3);
  Click("Button4");
  Handle(d);
  EXPECT_EQ(Numbers(), (std::vector<Integer>{0, 3}));
  EXPECT_EQ(d.PageList->Row(), 2);
}

TEST_F(PageNames, NamesAreEditedInPlaceAndNumbersCannotBe) {
  Select(2);
  Input().TypeText("Intro");
  Handle(d);
  ASSERT_TRUE(d.PageList->EditorMode());
  EXPECT_EQ(d.PageList->Cells(1, 2), "Intro");
  Key(VK_BACK);
  Key(VK_DOWN);  // the editor follows the focused cell, with the caret after its text
  Input().TypeText("!");
  Handle(d);
  EXPECT_EQ(d.PageList->Cells(1, 2), "Intr");
  EXPECT_EQ(d.PageList->Cells(1, 3), "Licence!");
  // The number column is fixed: a click there neither selects nor edits it.
  ClickCell(*d.PageList, 0, 4);
  Input().TypeText("9");
  Handle(d);
  EXPECT_EQ(Numbers(), (std::vector<Integer>{0, 1, 2, 3}));
  EXPECT_EQ(d.PageList->Col(), 1);
  // A click on the focused cell opens the editor on its text.
  d.PageList->SetEditorMode(false);
  Select(1);
  Select(1);
  Handle(d);
  ASSERT_TRUE(d.PageList->EditorMode());
  EXPECT_EQ(d.PageList->InplaceEditor()->EditText(), "Dialog");
}

TEST_F(PageNames, EnterKeepsTheNameAndEscapePutsBackTheOneEditingBeganWith) {
  Select(2);
  Input().TypeText("Intro");
  Key(VK_RETURN);
  Handle(d);
  EXPECT_FALSE(d.PageList->EditorMode());
  EXPECT_EQ(d.PageList->Cells(1, 2), "Intro");
  // Enter on the grid opens the editor again, on the name as it now stands.
  Key(VK_RETURN);
  Input().TypeText("duction");
  Handle(d);
  ASSERT_TRUE(d.PageList->EditorMode());
  EXPECT_EQ(d.PageList->Cells(1, 2), "Introduction");
  Key(VK_ESCAPE);
  Handle(d);
  EXPECT_FALSE(d.PageList->EditorMode());
  EXPECT_EQ(d.PageList->Cells(1, 2), "Intro");
  // Typing over a name and then Escape leaves the name it had.
  Select(3);
  Input().TypeText("Terms");
  Key(VK_ESCAPE);
  Handle(d);
  EXPECT_FALSE(d.PageList->EditorMode());
  EXPECT_EQ(Column(*d.PageList, 1), (std::vector<std::string>{"Dialog", "Intro", "Licence", "Finish"}));
  EXPECT_TRUE(d.PageList->Focused());
}

TEST_F(PageNames, OkAndCancelCloseTheDialogWithTheirResults) {
  Click("Button7");
  EXPECT_EQ(d.ShowModal(), mrOk);
  Click("Button6");
  EXPECT_EQ(d.ShowModal(), mrCancel);
}

TEST_F(PageNames, ManyPagesScrollAndTheLastOneCanBeReached) {
  for (int i = 0; i < 20; ++i) Click("Button5");
  Handle(d);
  ASSERT_NE(d.PageList->VertScrollBar(), nullptr);
  Select(2);
  Key(VK_END, TShiftState{ssCtrl});
  Handle(d);
  EXPECT_EQ(d.PageList->Row(), d.PageList->RowCount() - 1);
  EXPECT_FALSE(d.PageList->CellRect(1, d.PageList->Row()).IsEmpty());
  EXPECT_GT(d.PageList->TopRow(), 1);
  TBitmap shot;
  Picture(d, shot);
  SavePicture(shot, "design-pagenames-scrolled");
  // The bar takes the strip left of the grid's right border.
  const TScrollBar& bar = *d.PageList->VertScrollBar();
  EXPECT_EQ(bar.BoundsRect(), Rect(301 - 2 - 16, 2, 301 - 2, 315 - 2));
}

}  // namespace
