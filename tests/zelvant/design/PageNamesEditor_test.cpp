// The page-names editor: rows become page names, the page count and the order of every
// control's records; way list, history, start page and the page shown follow their pages;
// the edited form stores and loads back byte for byte.
#include <gtest/gtest.h>

#include "DesignedForm.h"
#include "DialogDriver.h"
#include "FillDialogs.h"
#include "host/streaming/Filer.h"
#include "zelvant/design/ZelvP.h"

using namespace host;
using namespace zelvant;
using namespace design_test;

namespace {

using Recs = std::vector<std::pair<Integer, Integer>>;

struct PageNamesEditor : ::testing::Test {
  TDesignedForm f{3};
  TABox* a = f.Box("BoxA");
  TABox* b = f.Box("BoxB");
  TPageNameDialog probe{nullptr};
  PageNamesEditor() {
    Input().Clear();
    for (Integer p = 0; p <= 3; ++p) f.wizard->PageNames()->Put(p, "Name" + IntToStr(p));
    // Each box's record of page p is (p, 100 + p) shown when p is odd, for BoxA, and
    // (p, 200 + p) always, for BoxB.
    for (Integer p = 0; p <= 3; ++p) {
      a->ShowContainer()->SetApos(p, TAPos{p, 100 + p, p % 2});
      b->ShowContainer()->SetApos(p, TAPos{p, 200 + p, 1});
    }
    probe.PageList->SetRowCount(12);
    f.wizard->zelvupdate();  // the boxes take their places for the page shown
    f.designer->ResetModified();
  }
  ~PageNamesEditor() override { Input().Clear(); }
  void Select(Integer row) { Input().Click(CellPoint(*probe.PageList, 1, row)); }
  void Edit(const std::string& closeWith = "Button7") {
    Click(closeWith);
    f.Editor(f.wizard, "PageNames")->Edit();
  }
  std::vector<std::string> Names() { return Items(*f.wizard->PageNames()); }
};

TEST_F(PageNamesEditor, MovingAPageTakesEveryControlsRecordsAlong) {
  Select(4);
  Click("Button1");
  Click("Button1");
  Edit();
  EXPECT_EQ(Names(), (std::vector<std::string>{"Name0", "Name3", "Name1", "Name2"}));
  using P = std::vector<std::tuple<Integer, Integer, Integer>>;
  EXPECT_EQ(Positions(*a->ShowContainer()), (P{{0, 100, 0}, {3, 103, 1}, {1, 101, 1}, {2, 102, 0}}));
  EXPECT_EQ(Positions(*b->ShowContainer()), (P{{0, 200, 1}, {3, 203, 1}, {1, 201, 1}, {2, 202, 1}}));
  EXPECT_EQ(f.wizard->NumPages(), 3);
  EXPECT_EQ(f.designer->ModifiedCount() > 0, true);
}

TEST_F(PageNamesEditor, AddingTwoAndDeletingOneGivesDefaultRecordsForTheNewPages) {
  Click("Button5");
  Click("Button5");
  Select(3);
  Click("Button4");
  Edit();
  EXPECT_EQ(f.wizard->NumPages(), 4);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Name0", "Name1", "Name3", "Page 4", "Page 5"}));
  using P = std::vector<std::tuple<Integer, Integer, Integer>>;
  EXPECT_EQ(Positions(*b->ShowContainer()), (P{{0, 200, 1}, {1, 201, 1}, {3, 203, 1}, {0, 0, 0}, {0, 0, 0}}));
  EXPECT_EQ(a->ShowContainer()->Count, 5);
}

TEST_F(PageNamesEditor, CancelChangesNothingButStillUpdatesAndNotifies) {
  const std::string before = f.Text();
  Select(4);
  Click("Button1");
  Click("Button5");
  Edit("Button6");
  EXPECT_EQ(f.Text(), before);
  EXPECT_EQ(f.designer->ModifiedCount(), 2);  // the page re-shown, and the editor's own notice
}

TEST_F(PageNamesEditor, WayListHistoryStartPageAndThePageShownFollowTheirPages) {
  f.wizard->WayList()->AddPage(TPage{3, gpNext});
  f.wizard->WayList()->AddPage(TPage{2, gpFinish});
  f.wizard->setPage(1);
  f.wizard->setPage(3);
  f.wizard->History()->Clear();
  f.wizard->History()->Add(1);
  f.wizard->History()->Add(2);
  f.wizard->SetStartPage(2);
  Select(4);
  Click("Button1");
  Click("Button1");  // page 3 to the first place: 0, 3, 1, 2
  Select(4);
  Click("Button4");  // page 2 goes
  Edit();
  EXPECT_EQ(Names(), (std::vector<std::string>{"Name0", "Name3", "Name1"}));
  EXPECT_EQ(Records(*f.wizard->WayList()), (Recs{{1, gpNext}, {3, gpFinish}}));  // page 2 is gone: past the last
  EXPECT_EQ(f.wizard->Page(), 1);  // still old page 3
  EXPECT_EQ(Entries(*f.wizard->History()), (std::vector<Integer>{2}));
  EXPECT_EQ(f.wizard->StartPage(), 2);  // old page 2 is gone: the start stays within the pages
  EXPECT_EQ(f.form->Caption(), "Wizard - Page 1 of 2");
}

TEST_F(PageNamesEditor, AFormOpenedEditedAndSavedLoadsBackTheSame) {
  // Opened from its file in a designer, as a developer works on a form.
  TForm opened(nullptr);
  opened.SetName("WizardForm");
  TFormDesigner designer(&opened);
  designer.LoadForm(f.Text());
  auto* wizard = As<TZelvant>(opened.FindComponent("Zelvant1"));
  Click("Button5");
  Select(4);
  Click("Button1");
  Click("Button7");
  GetPropertyEditor(&designer, {wizard}, "PageNames")->Edit();
  ASSERT_EQ(wizard->NumPages(), 4);
  const std::string text = WriteForm(&opened);
  TForm again(nullptr);
  again.SetName("WizardForm");
  TFormDesigner second(&again);
  second.LoadForm(text);
  EXPECT_EQ(WriteForm(&again), text);
}

}  // namespace
