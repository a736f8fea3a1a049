// The findings panel: what it lists, re-checking after changes, choosing a finding with
// the mouse and the keys, and how it looks.
#include "FindingsFixture.h"

#include "host/forms/Backend.h"

using namespace host;
using namespace zelvant;

namespace findings_test {
namespace {

std::vector<std::string> Messages(const std::vector<TRouteFinding>& findings) {
  std::vector<std::string> out;
  for (const TRouteFinding& f : findings) out.push_back(f.Message);
  return out;
}

TEST_F(FindingsFixture, ListsWhatTheRouteChecksFind) {
  EXPECT_EQ(panel->Count(), 0);
  panel->SetWizard(wizard);
  ASSERT_EQ(panel->Count(), 1);
  EXPECT_EQ(Messages(panel->Findings()), Messages(wizard->CheckRoutes()));
  EXPECT_EQ(panel->Columns(0), (std::vector<std::string>{"Error", "2", "2 \"" + wizard->PageNames()->Get(2) + "\"",
                                                         panel->Findings()[0].Message}));
  EXPECT_EQ(panel->Findings()[0].Control, jump);
  EXPECT_EQ(panel->ErrorCount(), 1);
  // A jump radio button shown on no page is a warning of no position.
  auto* radio = new TAJumpRadioBtn(designed);
  radio->SetName("Radio1");
  radio->SetParent(wizard);
  ShowOn(radio->ShowContainer(), {});
  EXPECT_TRUE(panel->Recheck());
  const Integer w = Find("Radio1");
  ASSERT_GE(w, 0);
  EXPECT_EQ(panel->Columns(w)[0], "Warning");
  EXPECT_EQ(panel->Columns(w)[1], "");
  EXPECT_EQ(panel->ErrorCount(), 1);
  panel->SetWizard(nullptr);
  EXPECT_EQ(panel->Count(), 0);
  EXPECT_EQ(panel->ItemIndex(), -1);
}

TEST_F(FindingsFixture, RecheckRepaintsOnlyWhenTheFindingsChange) {
  panel->SetWizard(wizard);
  window->PaintWindow(Rect(0, 0, window->Width(), window->Height()));
  window->UpdateWindow();
  EXPECT_FALSE(panel->Recheck());
  EXPECT_TRUE(window->InvalidRegion().empty());
  jump->JumpPage = 3;  // the fault mended
  EXPECT_TRUE(panel->Recheck());
  EXPECT_EQ(panel->Count(), 0);
  EXPECT_FALSE(window->InvalidRegion().empty());
  // The current finding stays current while it is found, wherever it moves to.
  auto* radio = new TAJumpRadioBtn(designed);
  radio->SetName("Radio1");
  radio->SetParent(wizard);
  ShowOn(radio->ShowContainer(), {});
  jump->JumpPage = 9;
  panel->Recheck();
  ASSERT_EQ(panel->Count(), 2);
  const Integer w = Find("Radio1");
  panel->SetItemIndex(w);
  jump->JumpPage = 3;
  panel->Recheck();
  EXPECT_EQ(panel->Count(), 1);
  EXPECT_EQ(panel->ItemIndex(), Find("Radio1"));
}

TEST_F(FindingsFixture, AClickOrEnterChoosesAndTheDesignerIsTakenThere) {
  panel->SetWizard(wizard);
  panel->OnChoose = [this](TObject*, const TRouteFinding& f) {
    chosen.push_back(f);
    designer::ShowFinding(*designer, *wizard, f);
  };
  EXPECT_EQ(wizard->Page(), 1);
  ClickAt(Point(200, (panel->RowRect(0).Top + panel->RowRect(0).Bottom) / 2));
  ASSERT_EQ(chosen.size(), 1u);
  EXPECT_EQ(chosen[0].Control, jump);
  EXPECT_EQ(wizard->Page(), 2);
  EXPECT_EQ(designer->Selected(), jump);
  EXPECT_EQ(panel->ItemIndex(), 0);
  // A click below the last finding chooses nothing.
  ClickAt(Point(200, panel->RowRect(0).Bottom + 2 * panel->RowHeight()));
  EXPECT_EQ(chosen.size(), 1u);
  Press(VK_RETURN);
  EXPECT_EQ(chosen.size(), 2u);
}

TEST_F(FindingsFixture, ManyFindingsScroll) {
  for (int i = 0; i < 12; ++i) {
    auto* j = new TAJumpBitBtn(designed);
    j->SetName("Far" + std::to_string(i));
    j->SetParent(wizard);
    j->JumpPage = 20 + i;
    ShowOn(j->ShowContainer(), {1});
  }
  panel->SetWizard(wizard);
  ASSERT_EQ(panel->Count(), 13);
  ASSERT_NE(panel->ScrollBar(), nullptr);
  EXPECT_EQ(panel->ScrollBar()->MaxPosition(), panel->Count() - panel->VisibleRowCount());
  EXPECT_EQ(panel->HeaderRect().Right, panel->ScrollBar()->Left());
  panel->SetFocus();
  panel->SetItemIndex(0);
  for (Integer i = 0; i < panel->VisibleRowCount(); ++i) Press(VK_DOWN);
  EXPECT_EQ(panel->TopRow(), 1);
  Press(VK_NEXT);
  Press(VK_NEXT);
  EXPECT_EQ(panel->ItemIndex(), 12);
  EXPECT_FALSE(panel->RowRect(12).IsEmpty());
  EXPECT_TRUE(chosen.empty());  // moving chooses nothing
  const TPoint o = panel->WindowOrigin();
  Application->Headless()->Wheel(Point(o.X + 100, o.Y + 60), 1);
  Application->ProcessMessages();
  EXPECT_EQ(panel->TopRow(), panel->ScrollBar()->MaxPosition() - 3);
}

TEST_F(FindingsFixture, ColumnsMarksAndTheCurrentRowInPixels) {
  auto* radio = new TAJumpRadioBtn(designed);
  radio->SetName("Radio1");
  radio->SetParent(wizard);
  ShowOn(radio->ShowContainer(), {});
  panel->SetWizard(wizard);
  panel->SetFocus();
  panel->SetItemIndex(1);
  TBitmap shot;
  window->PaintTo(shot);
  shot.SaveToFile(::testing::TempDir() + "findings.png");
  const TPoint o = panel->WindowOrigin();
  auto markPixel = [&](Integer row) {
    const TRect r = panel->RowRect(row);
    const Integer d = std::min<Integer>(panel->RowHeight() - 5, 9);
    return shot.Pixel(o.X + panel->ColumnLeft(0) + 4 + d / 2, o.Y + r.Top + (panel->RowHeight() - d) / 2 + d / 2);
  };
  const Integer error = Find("Jump1"), warning = Find("Radio1");
  EXPECT_EQ(markPixel(error), ColorToPixel(clRed));
  EXPECT_EQ(markPixel(warning), ColorToPixel(static_cast<TColor>(0x0080FF)));
  // The current row is lit while the panel has the focus; the other on the window colour.
  const TRect cur = panel->RowRect(1), other = panel->RowRect(0);
  EXPECT_EQ(shot.Pixel(o.X + panel->ColumnLeft(1) + 40, o.Y + cur.Top + 2), ColorToPixel(clHighlight));
  EXPECT_EQ(shot.Pixel(o.X + panel->ColumnLeft(1) + 40, o.Y + other.Top + 2), ColorToPixel(clWindow));
  // Raised column captions.
  const TRect header = panel->HeaderRect();
  EXPECT_EQ(shot.Pixel(o.X + panel->ColumnLeft(2), o.Y + header.Top + 3), ColorToPixel(clBtnHighlight));
  EXPECT_EQ(shot.Pixel(o.X + panel->ColumnLeft(2) - 1, o.Y + header.Top + 3), ColorToPixel(clBtnShadow));
  EXPECT_EQ(shot.Pixel(o.X + panel->ColumnLeft(2) + 30, o.Y + header.Top + 3), ColorToPixel(clBtnFace));
  // Nothing found: a grey line says so.
  jump->JumpPage = 3;
  ShowOn(radio->ShowContainer(), {1});
  panel->Recheck();
  ASSERT_EQ(panel->Count(), 0);
  window->PaintTo(shot);
  shot.SaveToFile(::testing::TempDir() + "findings-none.png");
  bool grey = false;
  for (Integer x = 0; x < 200; ++x) grey = grey || shot.Pixel(o.X + x, o.Y + header.Bottom + 8) == ColorToPixel(clGrayText);
  EXPECT_TRUE(grey);
}

}  // namespace
}  // namespace findings_test
