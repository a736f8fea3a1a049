// The way-list editor: the cells' texts, choosing pages and actions in the drop-down
// lists, moving, inserting, deleting, adding and the default list, with GotoBox always
// holding four actions and one "Goto " item per position.
#include <gtest/gtest.h>

#include <random>

#include "DialogDriver.h"
#include "FillDialogs.h"

using namespace host;
using namespace zelvant;
using namespace design_test;

namespace {

using Recs = std::vector<std::pair<Integer, Integer>>;

struct WayList : ::testing::Test {
  TWizardForm w{{"Dialog", "Welcome", "Licence", "Finish"}};  // three pages
  TWayListForm d{nullptr};
  WayList() { Input().Clear(); }
  ~WayList() override { Input().Clear(); }
  void Open(std::initializer_list<TPage> records) {
    FillWayList(d, *w.wizard, records);
    Handle(d);  // the show handler loads the first position
  }
  void Select(Integer row) { ClickCell(*d.WayListGrid, 1, row); }
  std::string Cell(Integer col, Integer row) { return WayListCellText(*d.WorkList(), w.wizard, col, row); }
  Recs List() { return Records(*d.WorkList()); }
  void ExpectGotoItemsMatch() {
    const Integer n = d.WorkList()->List.Count();
    ASSERT_EQ(d.GotoBox->Items()->Count(), 4 + n);
    EXPECT_EQ(d.WorkList()->Count, n);
    EXPECT_EQ(d.WayListGrid->RowCount(), n + 1);
    for (Integer k = 1; k <= n; ++k) EXPECT_EQ(d.GotoBox->Items()->Get(3 + k), "Goto " + IntToStr(k));
  }
};

TEST_F(WayList, RowsShowPositionsPagesAndActions) {
  Open({{1, gpNext}, {2, gpNext}, {3, gpFinish}});
  const std::vector<std::vector<std::string>> rows = {
      {"ID", "PAGE", "GOTO"}, {"1", "Welcome", "Next"}, {"2", "Licence", "Next"}, {"3", "Finish", "Finish"}};
  for (Integer r = 0; r < 4; ++r)
    for (Integer c = 0; c < 3; ++c) EXPECT_EQ(Cell(c, r), rows[static_cast<size_t>(r)][static_cast<size_t>(c)]);
  EXPECT_EQ(Cell(3, 1), "Error");
  EXPECT_EQ(Items(*d.GotoBox->Items()),
            (std::vector<std::string>{"Next", "Finish", "Ask", "Dialog", "Goto 1", "Goto 2", "Goto 3"}));
  EXPECT_EQ(d.Label1->Caption(), "1");
  EXPECT_EQ(d.PageBox->ItemIndex(), 1);
  EXPECT_EQ(d.GotoBox->ItemIndex(), 0);
}

TEST_F(WayList, PagesThatAreNotThereShowDeletedAndOddActionsGotoTexts) {
  Open({{5, 2}, {-1, -7}, {0, gpDialog}, {3, gpAsk}});
  EXPECT_EQ(Cell(1, 1), "Deleted");
  EXPECT_EQ(Cell(2, 1), "Goto 2");
  EXPECT_EQ(Cell(1, 2), "Deleted");
  EXPECT_EQ(Cell(2, 2), "Goto -7");
  EXPECT_EQ(Cell(1, 3), "Dialog");
  // Values without an item leave the drop-down lists empty; painting copes.
  EXPECT_EQ(d.PageBox->ItemIndex(), -1);
  EXPECT_EQ(d.GotoBox->ItemIndex(), 5);
  Select(2);
  Handle(d);
  EXPECT_EQ(d.PageBox->ItemIndex(), -1);
  EXPECT_EQ(d.GotoBox->ItemIndex(), -1);
  TBitmap shot;
  Picture(d, shot);
}

TEST_F(WayList, ChoosingInTheDropDownListsStoresTheCodes) {
  Open({{1, gpNext}, {2, gpNext}, {3, gpFinish}});
  Select(2);
  Click("GotoBox");  // drops the list down
  Key(VK_DOWN);
  Key(VK_DOWN);
  Key(VK_RETURN);    // "Ask"
  Handle(d);
  EXPECT_EQ(List(), (Recs{{1, gpNext}, {2, gpAsk}, {3, gpFinish}}));
  d.GotoBox->SetFocus();
  Key(VK_END);       // the last item, "Goto 3"
  Key(VK_UP);
  Key(VK_UP);        // "Goto 1"
  Handle(d);
  d.PageBox->SetFocus();
  Key(VK_HOME);      // page 0, the dialog page
  Handle(d);
  EXPECT_EQ(List(), (Recs{{1, gpNext}, {0, 1}, {3, gpFinish}}));
  EXPECT_EQ(Cell(1, 2), "Dialog");
}

TEST_F(WayList, UpDownAndSelectingTheSameRowTwice) {
  Open({{1, gpNext}, {2, gpAsk}, {3, gpFinish}});
  Select(3);
  Click("Button1");  // Up
  Handle(d);
  EXPECT_EQ(List(), (Recs{{1, gpNext}, {3, gpFinish}, {2, gpAsk}}));
  EXPECT_EQ(d.WayListGrid->Row(), 2);
  EXPECT_EQ(d.Label1->Caption(), "2");
  EXPECT_EQ(d.PageBox->ItemIndex(), 3);  // the moved record is loaded
  EXPECT_EQ(d.GotoBox->ItemIndex(), 1);
  Click("Button4");  // Down
  Click("Button4");  // last row: nothing
  Select(1);
  Click("Button1");  // first row: nothing
  Handle(d);
  EXPECT_EQ(List(), (Recs{{1, gpNext}, {2, gpAsk}, {3, gpFinish}}));
  // The same row again does not reload the lists.
  d.PageBox->SetItemIndex(2);
  Select(1);
  Handle(d);
  EXPECT_EQ(d.PageBox->ItemIndex(), 2);
}

TEST_F(WayList, InsertDeleteAddKeepGotoItemsInStep) {
  Open({{1, gpNext}, {2, gpNext}, {3, gpFinish}});
  Select(2);
  Click("Button5");  // Insert
  Handle(d);
  EXPECT_EQ(List(), (Recs{{1, gpNext}, {1, gpNext}, {2, gpNext}, {3, gpFinish}}));
  EXPECT_EQ(d.PageBox->Text(), "Welcome");
  EXPECT_EQ(d.GotoBox->Text(), "Next");
  ExpectGotoItemsMatch();
  Select(1);
  Click("Button6");  // Delete on the first position: nothing
  Handle(d);
  EXPECT_EQ(List().size(), 4u);
  ExpectGotoItemsMatch();
  Select(4);
  Click("Button6");  // the last position goes; the selection moves to the new last row
  Handle(d);
  EXPECT_EQ(List(), (Recs{{1, gpNext}, {1, gpNext}, {2, gpNext}}));
  EXPECT_EQ(d.WayListGrid->Row(), 3);
  EXPECT_EQ(d.PageBox->Text(), "Licence");
  ExpectGotoItemsMatch();
  Click("Button7");  // Add: the selection stays
  Handle(d);
  EXPECT_EQ(List().back(), (std::pair<Integer, Integer>{1, gpNext}));
  EXPECT_EQ(d.WayListGrid->Row(), 3);
  ExpectGotoItemsMatch();
}

TEST_F(WayList, DefaultRebuildsOnePositionPerPage) {
  w.wizard->SetNumPages(4);
  Open({{2, gpAsk}});
  Click("Button8");
  Handle(d);
  EXPECT_EQ(List(), (Recs{{1, gpNext}, {2, gpNext}, {3, gpNext}, {4, gpFinish}}));
  EXPECT_EQ(d.GotoBox->Items()->Get(d.GotoBox->Items()->Count() - 1), "Goto 4");
  ExpectGotoItemsMatch();
  EXPECT_EQ(d.PageBox->Items()->Count(), 5);
  // Without a wizard to ask there is one position, which finishes.
  d.FEditedZelvant = nullptr;
  Click("Button8");
  Handle(d);
  EXPECT_EQ(List(), (Recs{{1, gpFinish}}));
  ExpectGotoItemsMatch();
}

TEST_F(WayList, AnyMixOfEditsKeepsTheListTheGridAndGotoBoxInStep) {
  Open({});
  EXPECT_EQ(List(), (Recs{{1, gpNext}}));
  std::mt19937 random(13);
  for (int step = 0; step < 120; ++step) {
    const Integer rows = d.WayListGrid->RowCount();
    Select(1 + static_cast<Integer>(random() % static_cast<unsigned>(rows - 1)));
    static const char* const buttons[] = {"Button1", "Button4", "Button5", "Button6", "Button7", "Button8"};
    Click(buttons[random() % (step % 17 == 16 ? 6 : 5)]);
    Handle(d);
    ExpectGotoItemsMatch();
    ASSERT_FALSE(List().empty());
    ASSERT_EQ(d.Label1->Caption(), IntToStr(d.WayListGrid->Row()));
  }
}

TEST_F(WayList, OkAndCancel) {
  Open({{1, gpNext}});
  d.Hide();
  Click("Button2");
  EXPECT_EQ(d.ShowModal(), mrOk);
  Click("Button3");
  EXPECT_EQ(d.ShowModal(), mrCancel);
}

}  // namespace
