// Taking the designer to a finding without a window: the position paged to, the control
// selected, and findings older than the form.
#include "FindingsFixture.h"

using namespace host;
using namespace zelvant;

namespace findings_test {
namespace {

TEST_F(FindingsFixture, PagesToTheFindingAndSelectsItsControl) {
  const std::vector<TRouteFinding> found = wizard->CheckRoutes();
  ASSERT_EQ(found.size(), 1u);
  const designer::TFindingTarget t = designer::ShowFinding(*designer, *wizard, found[0]);
  EXPECT_EQ(t.Position, 2);
  EXPECT_EQ(t.Selected, jump);
  EXPECT_EQ(wizard->Page(), 2);
  EXPECT_EQ(designer->Selected(), jump);
  // Again: the wizard is there already.
  EXPECT_EQ(designer::ShowFinding(*designer, *wizard, found[0]).Position, 2);
}

TEST_F(FindingsFixture, FindingsOfAControlOrAPageFindAPositionShowingThem) {
  const TRouteGraph graph(*wizard);
  TRouteFinding f;
  f.Control = jump;  // shown on page 2 only
  EXPECT_EQ(designer::FindingPosition(graph, f), 2);
  f.Control = nullptr;
  f.Page = 3;
  EXPECT_EQ(designer::FindingPosition(graph, f), 3);
  f.Page = 0;
  EXPECT_EQ(designer::FindingPosition(graph, f), 0);
  f.Page = -1;
  EXPECT_EQ(designer::FindingPosition(graph, f), -1);
  // Through the way list: position 2 shows page 4.
  wizard->WayList()->AddPage(TPage{1, -3});
  wizard->WayList()->AddPage(TPage{4, -2});
  wizard->SetWayListEnabled(true);
  const TRouteGraph rows(*wizard);
  f.Page = 4;
  EXPECT_EQ(designer::FindingPosition(rows, f), 2);
  f.Page = 2;
  EXPECT_EQ(designer::FindingPosition(rows, f), -1);  // no row shows it
  const designer::TFindingTarget t = designer::ShowFinding(*designer, *wizard, f);
  EXPECT_EQ(t.Position, -1);
  EXPECT_EQ(t.Selected, wizard);
}

TEST_F(FindingsFixture, AFindingOlderThanTheFormChangesNothingItShouldNot) {
  const std::vector<TRouteFinding> found = wizard->CheckRoutes();
  delete jump;  // deleted in the designer before the panel checked again
  jump = nullptr;
  const designer::TFindingTarget t = designer::ShowFinding(*designer, *wizard, found[0]);
  EXPECT_EQ(t.Selected, wizard);
  EXPECT_EQ(designer->Selected(), wizard);
  // A position whose row shows a page that does not exist: the wizard refuses it.
  wizard->WayList()->AddPage(TPage{1, -3});
  wizard->WayList()->AddPage(TPage{9, -2});
  wizard->SetWayListEnabled(true);
  wizard->setPage(1);
  TRouteFinding f;
  f.Position = 2;
  const designer::TFindingTarget row = designer::ShowFinding(*designer, *wizard, f);
  EXPECT_EQ(row.Position, -1);
  EXPECT_EQ(wizard->Page(), 1);
  EXPECT_EQ(row.Selected, wizard);
}

}  // namespace
}  // namespace findings_test
