// A page change tells only the controls whose state changes: each must still end exactly
// as if every publisher of "SetNewPosition" had been called, whatever changed the
// controls or their position lists since the last page change.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "WizardFixture.h"
#include "host/core/ClassBuilder.h"
#include "zelvant/ZelvC.h"

using namespace host;
using namespace zelvant;
using namespace zelvant_test;

namespace {

// Not page-aware: publishes the method, and looks at the boxes when it is called.
class TPageWatcher : public TComponent {
  HOST_CLASS(TPageWatcher, TComponent)
  using TComponent::TComponent;
  void SetNewPosition(Integer v) {
    ++calls;
    if (onCall) onCall(v);
  }
  std::function<void(Integer)> onCall;
  int calls = 0;
};

}  // namespace

HOST_PUBLISHED(TPageWatcher) { P.Method("SetNewPosition", &TPageWatcher::SetNewPosition); }

namespace {

// A wizard of `pages` pages showing page 1.
struct PagedWizard : Wizard {
  explicit PagedWizard(Integer pages, int width = 500, int height = 360) : Wizard(false, width, height) {
    z->SetNumPages(pages);
    z->setPage(1);
  }
};

template <class T = TABox>
T* Control(Wizard& w, std::initializer_list<Integer> pages, Integer left = 10, Integer top = 20) {
  auto* c = new T(w.form);
  c->SetParent(w.z);
  c->SetBounds(left, top, 40, 30);
  c->ShowOn(pages);
  return c;
}

// The state taking page r leaves, for a control whose SetNewPosition does what the family's does.
template <class T>
void ExpectPlaced(const T* c, Integer r, const char* what) {
  SCOPED_TRACE(std::string(what) + " " + c->Name() + " on page " + std::to_string(r));
  EXPECT_EQ(c->AktPage(), r);
  if (c->ShownOn(r)) {
    const TAPos entry = c->ShowContainer()->GetApos(r);
    EXPECT_TRUE(c->Visible());
    EXPECT_TRUE(c->Enabled());
    if (c->AAlign() != alNone) {
      EXPECT_EQ(c->Align(), c->AAlign());  // the parent's alignment places it
    } else {
      EXPECT_EQ(c->Left(), entry.Left);
      EXPECT_EQ(c->Top(), entry.Top);
    }
  } else {
    EXPECT_FALSE(c->Visible());
    EXPECT_FALSE(c->Enabled());
    EXPECT_EQ(c->Left(), kParkedLeft);
    if (c->AAlign() != alNone) {
      EXPECT_EQ(c->Align(), alNone);
    }
  }
}

}  // namespace

TEST(PagePlacement, CallsComeLastComponentFirstAroundControlsLeftAlone) {
  PagedWizard w(4);
  auto* low = Control(w, {1, 2});
  auto* watcher = new TPageWatcher(w.form);
  auto* high = Control(w, {2});
  auto* parked = Control(w, {4});  // hidden on 1, 2 and 3: left alone
  // When the watcher is called, the controls after it in the form are placed, those before not yet.
  std::vector<std::string> seen;
  watcher->onCall = [&](Integer r) {
    seen.push_back(std::to_string(r) + ": high " + (high->Visible() ? "shown" : "hidden") + ", low at " +
                   std::to_string(low->Left()));
  };
  low->SetLeft(11);  // page 1's place, now 11; page 2's stays 10
  w.z->setPage(2);
  w.z->setPage(3);
  EXPECT_EQ(seen, (std::vector<std::string>{"2: high shown, low at 11", "3: high hidden, low at 10"}));
  EXPECT_EQ(watcher->calls, 2);
  ExpectPlaced(parked, 3, "left alone");
  ExpectPlaced(low, 3, "hidden");
}

TEST(PagePlacement, AParkedControlChangedFromOutsideIsHiddenAgain) {
  struct Way {
    const char* name;
    std::function<void(TABox*)> change;
  } ways[] = {
      {"shown", [](TABox* b) { b->SetVisible(true); }},
      {"enabled", [](TABox* b) { b->SetEnabled(true); }},
      {"moved", [](TABox* b) { b->SetLeft(30); }},
      {"given an alignment of its own", [](TABox* b) { b->SetAAlign(alTop); }},
  };
  for (const Way& way : ways) {
    PagedWizard w(3);
    auto* box = Control(w, {1});
    w.z->setPage(2);
    w.z->setPage(3);  // hidden on 2 and 3: parked, and left alone
    way.change(box);
    box->SetAlign(alTop);  // an alignment set from outside is taken away only with AAlign
    w.z->setPage(2);
    ExpectPlaced(box, 2, way.name);
  }
}

TEST(PagePlacement, ListsEditedInPlaceOrSwappedAreSeenByTheNextPageChange) {
  struct Edit {
    const char* name;
    std::function<void(TABox*, Integer page, Integer show)> apply;
  } edits[] = {
      {"through List", [](TABox* b, Integer p, Integer s) { static_cast<TAPos*>(b->ShowContainer()->List.Items(p))->Show = s; }},
      {"through Record", [](TABox* b, Integer p, Integer s) { b->ShowContainer()->Record(p).Show = s; }},
      {"with SetApos", [](TABox* b, Integer p, Integer s) { b->ShowContainer()->SetApos(p, TAPos{15, 25, s}); }},
      {"by a new list in FAposList",
       [](TABox* b, Integer p, Integer s) {
         TAposList** field = b->FieldAddress<TAposList*>("FAposList");
         auto* fresh = new TAposList;
         for (Integer i = 0; i < (*field)->Count; ++i) fresh->AddAPos((*field)->GetApos(i));
         fresh->Record(p).Show = s;
         delete *field;
         *field = fresh;
       }},
  };
  for (const Edit& edit : edits) {
    PagedWizard w(4);
    auto* box = Control(w, {1});
    auto* other = Control(w, {3});
    w.z->setPage(2);  // the plan knows box on 1 only, other on 3 only
    edit.apply(box, 3, 1);
    edit.apply(other, 3, 0);
    w.z->setPage(3);
    ExpectPlaced(box, 3, edit.name);
    ExpectPlaced(other, 3, edit.name);
    EXPECT_TRUE(box->Visible()) << edit.name;
    edit.apply(box, 3, 0);  // hidden on the page shown: the next change, to a page it is hidden on too, hides it
    w.z->setPage(4);
    ExpectPlaced(box, 4, edit.name);
    EXPECT_FALSE(box->Visible()) << edit.name;
  }
}

TEST(PagePlacement, PageCountChangesReachEveryControl) {
  PagedWizard w(2);
  auto* box = Control(w, {1});
  w.z->SetNumPages(4);
  box->ShowOn({1, 4});
  w.z->setPage(3);
  ExpectPlaced(box, 3, "grown");
  w.z->setPage(4);
  ExpectPlaced(box, 4, "grown");
  w.z->SetNumPages(2);  // page 4 goes, and the wizard with it to page 2
  EXPECT_EQ(w.z->Page(), 2);
  EXPECT_EQ(box->ShowContainer()->Count, 3);
  ExpectPlaced(box, 2, "shrunk");
}

TEST(PagePlacement, ControlsFreedOrMovedToAnotherWizard) {
  PagedWizard a(3);
  auto* gone = Control(a, {1, 2});
  auto* moved = Control(a, {2});
  auto* stays = Control(a, {2});
  a.z->setPage(3);  // moved is left alone here: it keeps page 3 as taken
  delete gone;
  Wizard b;
  b.z->SetNumPages(3);
  a.form->RemoveComponent(moved);
  b.form->InsertComponent(moved);
  moved->SetParent(b.z);
  a.z->setPage(2);
  ExpectPlaced(stays, 2, "staying");
  EXPECT_FALSE(moved->Visible()) << "the first wizard's pages no longer reach it";
  EXPECT_EQ(moved->AktPage(), 3);
  b.z->setPage(2);  // the other wizard calls it, as any publisher on its form
  ExpectPlaced(moved, 2, "moved");
  b.z->setPage(1);
  ExpectPlaced(moved, 1, "moved");
  a.z->setPage(1);
  ExpectPlaced(stays, 1, "staying");
  EXPECT_EQ(moved->AktPage(), 1);
}

TEST(PagePlacement, AControlLeftAloneRecordsMovesIntoThePageShown) {
  PagedWizard w(3);
  auto* box = Control(w, {1});
  w.z->setPage(2);
  w.z->setPage(3);
  EXPECT_EQ(box->AktPage(), 3);
  box->SetTop(77);
  EXPECT_EQ(box->ShowContainer()->GetApos(3).Top, 77);
  EXPECT_EQ(box->ShowContainer()->GetApos(3).Left, 0);
  EXPECT_EQ(box->ShowContainer()->GetApos(2).Top, 0);
  EXPECT_EQ(box->ShowContainer()->GetApos(1).Top, 20);
}

TEST(PagePlacement, AFailingCallOrAPageChangeFromWithinOneLeavesNothingBehind) {
  PagedWizard w(4);
  auto* below = Control(w, {1, 4});
  auto* onlyOn4 = Control(w, {4});
  auto* watcher = new TPageWatcher(w.form);
  auto* above = Control(w, {2});
  watcher->onCall = [&](Integer r) {
    if (r == 2) throw EListError("refused");
  };
  EXPECT_THROW(w.z->setPage(2), EListError);
  ExpectPlaced(above, 2, "reached before the failure");
  EXPECT_TRUE(below->Visible()) << "not reached: still as on page 1";
  EXPECT_EQ(below->AktPage(), 1);
  // From within the calls for page 3 the wizard goes on to page 4: the controls below
  // the watcher then take page 3 after page 4, as a full walk leaves them.
  watcher->onCall = [&](Integer r) {
    if (r == 3) w.z->setPage(4);
  };
  w.z->setPage(3);
  ExpectPlaced(above, 4, "above the watcher");
  ExpectPlaced(below, 3, "below the watcher");
  ExpectPlaced(onlyOn4, 3, "below the watcher");
  watcher->onCall = nullptr;
  w.z->setPage(1);
  ExpectPlaced(above, 1, "afterwards");
  ExpectPlaced(below, 1, "afterwards");
}

// Many controls, many pages, and between page changes every kind of change from outside.
TEST(PagePlacement, EveryControlEndsAsAFullWalkLeavesItThroughRandomChanges) {
  const Integer pages = 6;
  PagedWizard w(pages, 800, 600);
  std::mt19937 random(12);
  auto pick = [&](Integer n) { return static_cast<Integer>(random() % static_cast<unsigned>(n)); };
  std::vector<TABox*> boxes;
  for (int i = 0; i < 40; ++i) {
    auto* b = Control(w, {pick(pages + 1)}, 5 + i, 7 + i);
    b->SetName("B" + std::to_string(i));
    boxes.push_back(b);
  }
  for (int step = 0; step < 300; ++step) {
    const size_t k = static_cast<size_t>(pick(static_cast<Integer>(boxes.size())));
    TABox* b = boxes[k];
    switch (pick(7)) {
      case 0: b->SetVisible(true); break;
      case 1: b->SetEnabled(pick(2) == 1); break;
      case 2: b->SetLeft(pick(100)); break;
      case 3: b->SetAAlign(pick(3) == 0 ? alLeft : alNone); break;
      case 4: b->ShowContainer()->Record(pick(pages + 1)).Show = pick(2); break;
      case 5:
        delete b;
        boxes[k] = Control(w, {pick(pages + 1)});
        break;
      default: break;
    }
    const Integer r = 1 + pick(pages);
    w.z->setPage(r);
    for (TABox* c : boxes) ExpectPlaced(c, r, ("step " + std::to_string(step)).c_str());
    if (HasFailure()) return;
  }
}

TEST(PagePlacement, NextFollowsTheCheckedRadioButtonsThatAreEnabledWhereverTheyStand) {
  PagedWizard w(6);
  auto* onPage1 = Control<TAJumpRadioBtn>(w, {1});
  onPage1->JumpPage = 4;
  auto* elsewhere = Control<TAJumpRadioBtn>(w, {3});
  elsewhere->JumpPage = 5;
  elsewhere->SetChecked(true);
  onPage1->SetChecked(false);
  w.z->setPage(2);
  w.z->setPage(1);
  w.z->Nextclick(nullptr);  // the one on page 3 is parked, so disabled: plain Next
  EXPECT_EQ(w.z->Page(), 2);
  w.z->setPage(1);
  onPage1->SetChecked(true);
  w.z->Nextclick(nullptr);
  EXPECT_EQ(w.z->Page(), 4);
  w.z->setPage(1);
  elsewhere->SetEnabled(true);  // enabled from outside: it counts, hidden or not
  elsewhere->SetChecked(true);  // (which unchecks the other, in the same parent)
  w.z->Nextclick(nullptr);
  EXPECT_EQ(w.z->Page(), 5);
}
