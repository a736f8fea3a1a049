// Route checks of wizards built in code: the ways between positions and the faults
// found in them.
#include <gtest/gtest.h>

#include "RouteWizard.h"

using namespace zelvant;
using namespace zelvant_test;
using host::Integer;
using Strings = std::vector<std::string>;

namespace {

constexpr Integer kNext = gpNext, kFinish = gpFinish, kAsk = gpAsk;

}  // namespace

TEST(Routes, PlainPagesRunToTheLastPageWhichFinishes) {
  RouteWizard w(3);
  EXPECT_EQ(w.Keys(), Strings{});
  EXPECT_EQ(w.From(1), Strings{"2 Next"});
  EXPECT_EQ(w.From(3), Strings{"finish Next"});
  EXPECT_EQ(w.From(0), Strings{});  // the dialog page has no Next
}

TEST(Routes, JumpRadioButtonsShownOnSeveralPagesLeadFromEachRelatively) {
  RouteWizard w(6);
  auto* group = new host::TGroupBox(w.form);
  group->SetParent(w.z);
  auto* ahead = w.AddJump<TAJumpRadioBtn>("Ahead", {1, 2}, 2, jmRelativ, group);
  w.AddJump<TAJumpRadioBtn>("Stay", {1, 2}, 1, jmRelativ, group);
  // Neither checked: Next may still go to the following page.
  EXPECT_EQ(w.From(1), (Strings{"3 Jump: Ahead", "2 Jump: Stay", "2 Next"}));
  // One checked, and the user can only move the check between the two.
  ahead->SetChecked(true);
  EXPECT_EQ(w.From(1), (Strings{"3 Jump: Ahead", "2 Jump: Stay"}));
  EXPECT_EQ(w.From(2), (Strings{"4 Jump: Ahead", "3 Jump: Stay"}));
  // A plain radio button beside them can take the check away from both.
  auto* plain = new host::TRadioButton(w.form);
  plain->SetParent(group);
  EXPECT_EQ(w.From(2), (Strings{"4 Jump: Ahead", "3 Jump: Stay", "3 Next"}));
  // On the last page Next finishes without asking them.
  w.AddJump<TAJumpRadioBtn>("Late", {6}, 1);
  EXPECT_EQ(w.From(6), Strings{"finish Next"});
  EXPECT_EQ(w.Keys(), Strings{});
}

TEST(Routes, JumpControlsWhoseTargetIsMissingOrThatAreNeverShown) {
  RouteWizard w(4);
  w.AddJump<TAJumpBitBtn>("Far", {2}, 9);
  w.AddJump<TAJumpBitBtn>("Back3", {2, 4}, -3, jmRelativ);  // from 4 fine, from 2 position -1: finishes
  w.AddJump<TAJumpBitBtn>("Nowhere", {}, 1);
  w.AddJump<TAJumpRadioBtn>("Ends", {3}, -1);
  EXPECT_EQ(w.Keys(), (Strings{"error@2", "warning@Nowhere", "warning@Ends"}));
  EXPECT_EQ(w.Message("error@2"), "jump button Far leads to position 9, which does not exist (0 to 4)");
  EXPECT_EQ(w.Message("warning@Nowhere"), "jump button Nowhere is shown on no page");
  EXPECT_EQ(w.Message("warning@Ends"), "jump radio button Ends leads to -1, which Next passes over: it never "
                                       "finishes the wizard");
  EXPECT_EQ(w.From(2), (Strings{"finish Jump: Back3", "3 Next"}));
  EXPECT_EQ(w.From(4), (Strings{"1 Jump: Back3", "finish Next"}));
  EXPECT_EQ(w.From(3), Strings{"4 Next"});  // the radio button to -1 counts for nothing
}

TEST(Routes, WayListRowsThatLeadPastTheListOrNowhere) {
  // Row 3 says "Next" though it is the last; only a jump button reaches it.
  RouteWizard last(3, {{1, kNext}, {2, kFinish}, {3, kNext}});
  last.AddJump<TAJumpBitBtn>("ToThree", {1}, 3);
  EXPECT_EQ(last.Keys(), Strings{"error@3"});
  EXPECT_EQ(last.Message("error@3"),
            "\"Next\" on the last way-list row leads past the end of the list: the Next button raises an error");
  // A checked jump radio button that always decides makes the same row sound.
  auto* back = last.AddJump<TAJumpRadioBtn>("Again", {3}, 1);
  back->SetChecked(true);
  EXPECT_EQ(last.Keys(), Strings{});

  // "Goto" to itself: Next does nothing, so the way before it is a trap too.
  RouteWizard self(3, {{1, kNext}, {2, 2}, {3, kFinish}});
  EXPECT_EQ(self.Keys(), (Strings{"error@1", "error@2", "warning@3"}));
  EXPECT_EQ(self.Message("error@2"),
            "the way-list row says \"Goto 2\", its own position: the Next button does nothing here");
  EXPECT_EQ(self.Message("error@1"), "no route from here reaches a finish: the user can only go back or cancel");
  EXPECT_EQ(self.Message("warning@3"), "no route from the start (position 1) leads here");

  RouteWizard outside(2, {{1, 5}, {2, -7}});
  EXPECT_EQ(outside.Keys(), (Strings{"error@1", "error@2", "warning@2"}));
  EXPECT_EQ(outside.Message("error@1"),
            "the way-list row says \"Goto 5\", but the way list has 2 rows: the Next button raises an error");
  EXPECT_EQ(outside.Message("error@2"), "the way-list row has the unknown code -7 for the Next button");
}

TEST(Routes, WayListRowsShowingPagesThatDoNotExistOrThePageZero) {
  RouteWizard w(3, {{1, kNext}, {0, kNext}, {9, kNext}, {2, kFinish}});
  EXPECT_EQ(w.Keys(), (Strings{"warning@2", "error@3", "warning@page 3"}));
  EXPECT_EQ(w.Message("warning@2"),
            "the way-list row shows the dialog page (page 0) among the wizard pages, with the wizard's buttons");
  EXPECT_EQ(w.Message("error@3"),
            "the way-list row shows page 9, but the wizard's pages are 0 to 3: showing this position raises an error");
  EXPECT_EQ(w.Message("warning@page 3"), "no way-list row shows this page");
  const TRouteFinding f = w.z->CheckRoutes()[0];
  EXPECT_EQ(FormatFinding(f), "position 2 (page \"" + w.z->PageNames()->Get(0) + "\"): " + f.Message);
}

TEST(Routes, ALoopWithNoWayOutIsToldOnceAndTheWayIntoItAsATrap) {
  RouteWizard w(4, {{1, kNext}, {2, kNext}, {3, 2}, {4, kFinish}});
  EXPECT_EQ(w.Keys(), (Strings{"error@1", "error@2", "warning@4"}));
  EXPECT_EQ(w.Message("error@2"), "positions 2 and 3 lead only to each other: a loop with no way out to a finish");
  // A jump button out of the loop to the finishing row mends all three.
  w.AddJump<TAJumpBitBtn>("Out", {3}, 4);
  EXPECT_EQ(w.Keys(), Strings{});
}

TEST(Routes, AskRowsGoWhereTheHandlerMayChoose) {
  RouteWizard w(3, {{1, kAsk}, {2, kFinish}, {3, kAsk}});
  // No handler: Next goes on to the following row, and on the last row past the list.
  EXPECT_EQ(w.From(1), Strings{"2 Ask"});
  EXPECT_EQ(w.Keys(), (Strings{"warning@1", "error@3", "warning@3"}));
  EXPECT_EQ(w.Message("warning@1"),
            "an \"Ask\" row, but no OnAskPageChange handler is bound: Next simply goes to the following row");
  // Bound: any position may follow, unless the application narrows it down.
  w.z->OnAskPageChange = [](TZelvant*, Integer, Integer& newPage) { newPage = 3; };
  EXPECT_EQ(w.From(1), (Strings{"0 Ask", "2 Ask", "3 Ask"}));
  TRouteOptions options;
  options.AskTargets[3] = {kRouteFinish, 7};
  EXPECT_EQ(w.From(3, options), Strings{"finish Ask"});
  EXPECT_EQ(w.Keys(options), Strings{"error@3"});
  EXPECT_EQ(w.Message("error@3", options), "the OnAskPageChange handler may choose position 7, which does not exist");
}

TEST(Routes, AStartPageOutsideThePositionsIsAnError) {
  RouteWizard w(2);
  w.z->SetStartPage(5);
  EXPECT_EQ(w.Keys(), Strings{"error@5"});
  EXPECT_EQ(FormatFinding(w.z->CheckRoutes()[0]),
            "position 5: StartPage is 5, which is not a position of this wizard (0 to 2)");
}

TEST(Routes, JumpControlsOnPagesNoRowShows) {
  RouteWizard w(3, {{1, kNext}, {3, kFinish}});
  w.AddJump<TAJumpBitBtn>("Hidden", {2}, 1);
  EXPECT_EQ(w.Keys(), (Strings{"warning@Hidden", "warning@page 2"}));
  EXPECT_EQ(w.Message("warning@Hidden"), "jump button Hidden is shown only on pages that no position shows");
  EXPECT_EQ(FormatFinding(w.z->CheckRoutes()[0]), "Hidden: " + w.Message("warning@Hidden"));
  EXPECT_EQ(FormatFinding(w.z->CheckRoutes()[1]), "page 2 (\"Page 2\"): no way-list row shows this page");
}

TEST(Routes, ChangeLinksTheDialogPageButRescuesNoTrap) {
  RouteWizard w(3, {{1, kNext}, {2, 1}, {3, kFinish}});
  w.Dress();
  EXPECT_EQ(w.From(2), (Strings{"1 Goto", "0 Change"}));
  EXPECT_EQ(w.From(0), (Strings{"1 Change", "finish OK"}));
  w.z->RememberPage = true;
  EXPECT_EQ(w.From(0), (Strings{"1 Change", "2 Change", "3 Change", "finish OK"}));
  // Through the dialog every position can reach every other, yet 1 and 2 still trap
  // the user on the wizard's route.
  EXPECT_EQ(w.Keys(), (Strings{"error@1"}));
  EXPECT_EQ(w.Message("error@1"), "positions 1 and 2 lead only to each other: a loop with no way out to a finish");
}

TEST(Routes, TabsLeadToEveryPage) {
  RouteWizard w(3);
  w.z->SetStyle(asTabbed);
  EXPECT_EQ(w.From(2), (Strings{"1 Tab", "3 Tab"}));
  // No page finishes without a jump to -1.
  EXPECT_EQ(w.Keys(), (Strings{"error@1"}));
  w.AddJump<TAJumpBitBtn>("Install", {3}, -1);
  EXPECT_EQ(w.Keys(), Strings{});
}

TEST(Routes, AnEmptyWayListHasNoPositionToStartFrom) {
  RouteWizard w(2);
  w.z->SetWayListEnabled(true);
  EXPECT_EQ(w.Keys(), (Strings{"error@1", "warning@page 1", "warning@page 2"}));
  EXPECT_EQ(w.Message("error@1"), "StartPage is 1, which is not a position of this wizard (0 to 0)");
}

TEST(Routes, AnOffsetNearTheIntegersLimitIsReportedWithoutOverflow) {
  RouteWizard w(2);
  w.AddJump<TAJumpBitBtn>("Huge", {1}, 2147483647, jmRelativ);
  EXPECT_EQ(w.Keys(), Strings{"error@1"});
  EXPECT_EQ(w.Message("error@1"), "jump button Huge leads to position 2147483648, which does not exist (0 to 2)");
}

TEST(Routes, TheOKButtonFinishesWhereTheBarShowsIt) {
  // A "Dialog" row ends the route on the dialog page, whose OK finishes.
  RouteWizard w(2, {{1, kNext}, {2, gpDialog}});
  EXPECT_EQ(w.Keys(), (Strings{"error@1", "error@2"}));
  w.Dress();
  EXPECT_EQ(w.Keys(), Strings{});
  // Without "OK" in the dialog's layout it does not.
  w.z->BLDialog()->Del(4);
  EXPECT_EQ(w.Keys(), (Strings{"error@1", "error@2"}));
  // The wizard presentation's OK finishes from every page.
  w.z->BtnWizardOK()->SetShow(true);
  EXPECT_EQ(w.From(1), (Strings{"2 Next", "0 Change", "finish OK"}));
  EXPECT_EQ(w.Keys(), Strings{});
}
