// Steps taken and left on the demo wizard at every page of its scripted route, against
// the route the user actually took.
#include <gtest/gtest.h>

#include <set>

#include "Route.h"
#include "host/streaming/Filer.h"

using namespace host;
using namespace demo;

TEST(DemoRouteSteps, EveryPageOfTheSetupRouteCountsItsSteps) {
  const std::string examples = std::string(ZELVANT_SOURCE_DIR) + "/examples";
  auto form = std::make_unique<TSetupForm>(nullptr);
  form->ExamplesDir = examples;
  LoadFormFile(examples + "/setup.dfm", form.get());
  EXPECT_EQ(form->Wizard()->CheckRoutes(TSetupForm::RouteOptions()).size(), 0u);
  const TRouteResult r = RunRoute(*form, SetupRoute(), {});
  ASSERT_EQ(r.ModalResult, mrOk);

  // Position, fewest and most steps left at each visit. Welcome can end soonest by
  // declining the licence (1, 2, 7) and last longest through the options (1 to 6);
  // the dialog page offers its OK.
  std::vector<std::vector<Integer>> left;
  for (const TVisit& v : r.Visits) left.push_back({v.Position, v.Steps.FewestLeft, v.Steps.MostLeft});
  EXPECT_EQ(left, (std::vector<std::vector<Integer>>{{1, 2, 5},
                                                     {2, 1, 4},
                                                     {1, 2, 5},
                                                     {2, 1, 4},
                                                     {7, 0, 0},
                                                     {2, 1, 4},
                                                     {3, 2, 3},
                                                     {4, 1, 2},
                                                     {5, 1, 1},
                                                     {0, 0, 0},
                                                     {5, 1, 1},
                                                     {6, 0, 0},
                                                     {5, 1, 1},
                                                     {6, 0, 0}}));

  // Steps taken follow the moves: Back takes one back, Change none, any other move adds one.
  Integer taken = 0;
  for (size_t i = 0; i < r.Visits.size(); ++i) {
    const std::string& action = r.Visits[i].Action;
    if (i > 0) taken += action.rfind("Back", 0) == 0 ? -1 : action.find("(Change)") != std::string::npos ? 0 : 1;
    EXPECT_EQ(r.Visits[i].Steps.Taken, taken) << "visit " << i << ", " << action;
  }

  // Where the rest of the route went straight on to the finish, the pages it still
  // showed lie between the fewest and the most.
  for (size_t i = 0; i < r.Visits.size(); ++i) {
    std::set<Integer> seen;
    bool straight = true;
    for (size_t j = i; j < r.Visits.size() && straight; ++j)
      straight = r.Visits[j].Position != 0 && seen.insert(r.Visits[j].Position).second &&
                 (j == i || r.Visits[j].Action.rfind("Back", 0) != 0);
    if (!straight) continue;
    const Integer actual = static_cast<Integer>(r.Visits.size() - 1 - i);
    EXPECT_LE(r.Visits[i].Steps.FewestLeft, actual) << "visit " << i;
    EXPECT_GE(r.Visits[i].Steps.MostLeft, actual) << "visit " << i;
  }
}
