// Steps taken and left on a wizard's routes, as the wizard reports them while the user
// moves through it.
#include <gtest/gtest.h>

#include "RouteWizard.h"

using namespace zelvant;
using namespace zelvant_test;
using host::Integer;

namespace {

// taken, fewest left, most left
std::vector<Integer> Steps(const TZelvant& z) {
  const TRouteSteps s = z.RouteSteps();
  return {s.Taken, s.FewestLeft, s.MostLeft};
}

using V = std::vector<Integer>;

}  // namespace

TEST(RouteSteps, PlainPagesCountDownAsNextIsClicked) {
  RouteWizard w(4);
  EXPECT_EQ(Steps(*w.z), (V{0, 3, 3}));
  w.z->Nextclick(nullptr);
  w.z->Nextclick(nullptr);
  EXPECT_EQ(Steps(*w.z), (V{2, 1, 1}));
  EXPECT_EQ(w.z->StepsTaken(), 2);
  EXPECT_EQ(w.z->FewestStepsLeft(), 1);
  EXPECT_EQ(w.z->MostStepsLeft(), 1);
  w.z->Backclick(nullptr);
  EXPECT_EQ(Steps(*w.z), (V{1, 2, 2}));
  // Without the history the steps taken are those of the shortest way from the start.
  w.z->UseHistory = false;
  w.z->setPage(4);
  EXPECT_EQ(Steps(*w.z), (V{3, 0, 0}));
  // The dialog page is off the route, and without its OK button it finishes nothing.
  w.z->setPage(0);
  EXPECT_EQ(w.z->FewestStepsLeft(), -1);
  EXPECT_EQ(w.z->MostStepsLeft(), -1);
}

TEST(RouteSteps, ABranchingRouteGivesTheFewestAndTheMost) {
  // Position 1 leads to the short end (2) or the long way (3, 4).
  RouteWizard w(4, {{1, gpNext}, {2, gpFinish}, {3, gpNext}, {4, gpFinish}});
  auto* shortWay = w.AddJump<TAJumpRadioBtn>("Short", {1}, 2);
  w.AddJump<TAJumpRadioBtn>("Long", {1}, 3);
  shortWay->SetChecked(true);
  EXPECT_EQ(Steps(*w.z), (V{0, 1, 2}));
  w.z->Jump(3);
  EXPECT_EQ(Steps(*w.z), (V{1, 1, 1}));
  w.z->Nextclick(nullptr);
  EXPECT_EQ(Steps(*w.z), (V{2, 0, 0}));
}

TEST(RouteSteps, LoopsCountOnceOnTheMostSteps) {
  // 1 -> 2 -> 3 -> finish, and jump buttons back from 3 to 1 and from 2 to 1.
  RouteWizard w(3);
  w.AddJump<TAJumpBitBtn>("Restart", {2, 3}, 1);
  EXPECT_EQ(Steps(*w.z), (V{0, 2, 2}));
  w.z->Jump(3);
  EXPECT_EQ(Steps(*w.z), (V{1, 0, 0}));
  // Position 2 finishes only by going back to 1, through an edge that closes a loop.
  RouteWizard around(2, {{1, gpNext}, {2, 1}});
  around.AddJump<TAJumpBitBtn>("Done", {1}, -1);
  around.z->setPage(2);
  EXPECT_EQ(around.z->FewestStepsLeft(), 1);
  EXPECT_EQ(around.z->MostStepsLeft(), 1);
}

TEST(RouteSteps, NoRouteToAFinishLeavesNoStepsToCount) {
  RouteWizard w(3, {{1, gpNext}, {2, 1}, {3, gpFinish}});
  EXPECT_EQ(Steps(*w.z), (V{0, -1, -1}));
  // A position the graph does not know.
  const TRouteGraph g(*w.z);
  const TRouteSteps s = StepsAt(g, 9, 4);
  EXPECT_EQ((V{s.Taken, s.FewestLeft, s.MostLeft}), (V{4, -1, -1}));
  EXPECT_EQ(StepsFromStart(g, 3), -1);
  EXPECT_EQ(StepsFromStart(g, 2), 1);
}
