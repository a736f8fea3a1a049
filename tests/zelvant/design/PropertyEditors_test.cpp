// The property editors as the designer calls them: the page count's question, the
// fixed texts, and the show, layout and way-list editors with their dialogs driven by
// clicks, written back after OK only, the wizard updated and the designer told always.
#include <gtest/gtest.h>

#include "DesignedForm.h"
#include "DialogDriver.h"
#include "FillDialogs.h"
#include "zelvant/design/ZelvP.h"

using namespace host;
using namespace zelvant;
using namespace design_test;

namespace {

using Recs = std::vector<std::pair<Integer, Integer>>;

// Each editing call re-shows the wizard's page, which the designer hears of, and then
// tells the designer itself.
constexpr Integer kNotices = 2;

struct Editors : ::testing::Test {
  TDesignedForm f{5};
  Editors() { Input().Clear(); }
  ~Editors() override { Input().Clear(); }
};

TEST_F(Editors, FewerPagesAreAskedForMorePagesAreNotAndTextIsIgnored) {
  auto editor = f.Editor(f.wizard, "NumPages");
  {
    TAnswering cancel(mrCancel);
    editor->SetValue("3");
    EXPECT_EQ(cancel.asked, std::vector<std::string>{"Do you want to reduce the number of pages in the Zelvant?"});
    EXPECT_EQ(f.wizard->NumPages(), 5);
  }
  {
    TAnswering none(mrNone);  // closed without an answer
    editor->SetValue("3");
    EXPECT_EQ(f.wizard->NumPages(), 5);
  }
  {
    TAnswering yes(mrYes);
    editor->SetValue("3");
    EXPECT_EQ(f.wizard->NumPages(), 3);
    editor->SetValue("7");
    editor->SetValue("abc");
    editor->SetValue("7");
    EXPECT_EQ(yes.asked.size(), 1u);
  }
  EXPECT_EQ(f.wizard->NumPages(), 7);
  EXPECT_EQ(editor->GetValue(), "7");
  EXPECT_EQ(f.designer->ModifiedCount() > 0, true);
}

TEST_F(Editors, DialogEditorsShowFixedTextsAndOpenDialogs) {
  TABox* box = f.Box("Box1");
  const std::vector<std::pair<TPersistent*, std::string>> props = {
      {f.wizard, "PageNames"}, {f.wizard, "WayList"}, {box, "ShowContainer"}, {f.wizard, "BLWizard"}, {f.wizard, "BLDialog"}};
  const std::vector<std::string> texts = {"[PageNames]", "[WayList]", "[ShowContainer]", "[ButtonLayout]", "[ButtonLayout]"};
  for (size_t i = 0; i < props.size(); ++i) {
    auto editor = f.Editor(props[i].first, props[i].second);
    EXPECT_EQ(editor->GetValue(), texts[i]);
    EXPECT_EQ(editor->GetAttributes(), TPropertyAttributes{paDialog});
  }
  // The declared editor that nothing registers.
  TPageChangeListProperty unused(f.designer.get(), {f.wizard}, f.wizard->ClassInfo().FindProperty("NumPages"));
  EXPECT_EQ(unused.GetValue(), "[PageChangeList]");
}

TEST_F(Editors, ShowEditorWritesTheTickedPagesBackAfterOkOnly) {
  TABox* box = f.Box("Box1");
  const auto before = Positions(*box->ShowContainer());
  // Pages 0 and 2 are ticked off, with Cancel: nothing changes but the notices.
  auto editor = f.Editor(box, "ShowContainer");
  TShowDialog probe(nullptr);
  probe.ShowGrid->SetRowCount(6);
  const TPoint page0 = CellPoint(*probe.ShowGrid, 0, 0), page2 = CellPoint(*probe.ShowGrid, 0, 2);
  Input().Click(page0);
  Input().Click(page2);
  Click("Button1");
  editor->Edit();
  EXPECT_EQ(Positions(*box->ShowContainer()), before);
  EXPECT_EQ(f.designer->ModifiedCount(), kNotices);
  Input().Click(page0);
  Input().Click(page2);
  Click("Button2");
  editor->Edit();
  auto after = before;
  std::get<2>(after[0]) = 0;
  std::get<2>(after[2]) = 0;
  EXPECT_EQ(Positions(*box->ShowContainer()), after);
  EXPECT_EQ(f.designer->ModifiedCount(), 2 * kNotices);
  EXPECT_EQ(ShowDialog, nullptr);  // the dialog lives for one call only
}

TEST_F(Editors, ShowEditorOnAControlWithoutWizardOpensNothing) {
  TForm other(nullptr);
  TFormDesigner designer(&other);
  TAnswering ok(mrOk);  // "No Zelvant on Form!"
  auto* box = new TABox(&other);
  auto editor = GetPropertyEditor(&designer, {box}, "ShowContainer");
  Click("Button2");  // an OK click that must find no dialog
  editor->Edit();
  EXPECT_EQ(Input().Pending(), 1u);
  EXPECT_EQ(designer.ModifiedCount(), 1);
  Input().Clear();
}

TEST_F(Editors, LayoutEditorRewritesTheListAfterOk) {
  auto editor = f.Editor(f.wizard, "BLWizard");
  Click("Button1");  // OK without a change
  editor->Edit();
  EXPECT_EQ(Entries(*f.wizard->BLWizard()), (std::vector<Integer>{1, 2, 8, 3, 4, 5, 6}));
  TLayoutDialog probe(nullptr);
  probe.LayoutGrid->SetRowCount(7);
  Input().Click(CellPoint(*probe.LayoutGrid, 0, 3));  // "Cancel"
  Click("Button4");  // Down
  Click("Button2");  // Cancel
  editor->Edit();
  EXPECT_EQ(Entries(*f.wizard->BLWizard()), (std::vector<Integer>{1, 2, 8, 3, 4, 5, 6}));
  Input().Click(CellPoint(*probe.LayoutGrid, 0, 3));
  Click("Button4");
  Click("Button1");
  editor->Edit();
  EXPECT_EQ(Entries(*f.wizard->BLWizard()), (std::vector<Integer>{1, 2, 8, 4, 3, 5, 6}));
  EXPECT_EQ(f.designer->ModifiedCount(), 3 * kNotices);
  // The bar follows at once: Back now stands left of Cancel.
  f.wizard->setPage(1);
  EXPECT_LT(f.wizard->BackButton()->Left(), f.wizard->CancelButton()->Left());
  auto dialogLayout = f.Editor(f.wizard, "BLDialog");
  Click("Button1");
  dialogLayout->Edit();
  EXPECT_EQ(Entries(*f.wizard->BLDialog()), (std::vector<Integer>{1, 2, 8, 3, 6}));
}

TEST_F(Editors, WayListEditorOnAnEmptyListShowsOneRowAndStoresItOnlyAfterOk) {
  auto editor = f.Editor(f.wizard, "WayList");
  Click("Button3");  // Cancel
  editor->Edit();
  EXPECT_EQ(f.wizard->WayList()->Count, 0);
  EXPECT_EQ(f.designer->ModifiedCount(), kNotices);
  Click("Button2");  // OK
  editor->Edit();
  EXPECT_EQ(Records(*f.wizard->WayList()), (Recs{{1, gpNext}}));
  Click("Button8");  // Default
  Click("Button2");
  editor->Edit();
  EXPECT_EQ(Records(*f.wizard->WayList()), (Recs{{1, gpNext}, {2, gpNext}, {3, gpNext}, {4, gpNext}, {5, gpFinish}}));
  EXPECT_EQ(f.designer->ModifiedCount(), 3 * kNotices);
}

TEST_F(Editors, AWayListThatLosesTheShownPositionMovesTheWizardToTheNearestOne) {
  for (Integer p = 1; p <= 5; ++p) f.wizard->WayList()->AddPage(TPage{p, gpNext});
  f.wizard->SetWayListEnabled(true);
  f.wizard->setPage(5);
  auto editor = f.Editor(f.wizard, "WayList");
  TWayListForm probe(nullptr);
  probe.WayListGrid->SetRowCount(6);
  Input().Click(CellPoint(*probe.WayListGrid, 1, 5));
  Click("Button6");  // Delete position 5, the one shown
  Click("Button2");
  editor->Edit();
  ASSERT_EQ(f.wizard->WayList()->Count, 4);
  EXPECT_EQ(f.wizard->Page(), 4);
  // A position that shows a page beyond the wizard's is not shown: the nearest one is.
  f.wizard->WayList()->Record(3).Number = 9;
  f.wizard->zelvupdate();
  EXPECT_EQ(f.wizard->Page(), 3);
}

}  // namespace
