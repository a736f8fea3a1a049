// An owner's name index and list stamp under churn, and free-notification links between
// one watched component and many watchers.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "SampleClasses.h"

using namespace host;
using namespace sample;

namespace {

// Hears removals and can free another component when it hears one.
class TListener : public TComponent {
 public:
  using TComponent::TComponent;
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    if (op != opRemove) return;
    heard.push_back(c);
    if (c == freeWhenGone) {
      freeWhenGone = nullptr;
      delete std::exchange(victim, nullptr);
    }
  }
  std::vector<TComponent*> heard;
  TComponent* freeWhenGone = nullptr;
  TComponent* victim = nullptr;
};

class TCounted : public TComponent {
 public:
  TCounted(TComponent* owner, int* freed) : TComponent(owner), freed_(freed) {}
  ~TCounted() override { ++*freed_; }

 private:
  int* freed_;
};

// Every name the index must answer for, in every case, matches the model.
void ExpectIndexMatches(const TComponent& owner, const std::map<std::string, TComponent*>& model,
                        const std::vector<std::string>& everyName) {
  for (const std::string& name : everyName) {
    auto it = model.find(LowerCase(name));
    TComponent* expected = it == model.end() ? nullptr : it->second;
    ASSERT_EQ(owner.FindComponent(name), expected) << name;
    ASSERT_EQ(owner.FindComponent(UpperCase(name)), expected) << name;
  }
}

}  // namespace

TEST(ComponentIndex, FindsEveryNameAfterRenamesRemovalsAndReinsertions) {
  TComponent owner(nullptr);
  std::vector<std::string> names;
  for (int i = 0; i < 120; ++i) names.push_back("Item" + std::to_string(i));
  std::map<std::string, TComponent*> model;  // lower-case name -> component
  std::vector<TComponent*> live;
  std::mt19937 random(12);
  auto pick = [&](size_t n) { return static_cast<size_t>(random() % n); };

  for (int step = 0; step < 3000; ++step) {
    const std::string name = names[pick(names.size())];
    const bool taken = model.count(LowerCase(name)) != 0;
    switch (pick(4)) {
      case 0:  // a new component with a free name
        if (!taken) {
          auto* c = new TGadget(&owner);
          c->SetName(name);
          model[LowerCase(name)] = c;
          live.push_back(c);
        }
        break;
      case 1:  // rename, sometimes only in case, sometimes to no name
        if (!live.empty()) {
          TComponent* c = live[pick(live.size())];
          std::string to = pick(5) == 0 ? std::string() : pick(2) ? UpperCase(c->Name()) : name;
          if (c->Name().empty() && to.empty()) break;
          if (!to.empty() && taken && !SameText(to, c->Name())) {
            EXPECT_THROW(c->SetName(to), EComponentError);
            break;
          }
          if (!c->Name().empty()) model.erase(LowerCase(c->Name()));
          c->SetName(to);
          if (!to.empty()) model[LowerCase(to)] = c;
        }
        break;
      case 2:  // free one
        if (!live.empty()) {
          const size_t i = pick(live.size());
          if (!live[i]->Name().empty()) model.erase(LowerCase(live[i]->Name()));
          delete live[i];
          live.erase(live.begin() + static_cast<std::ptrdiff_t>(i));
        }
        break;
      default:  // move one to another owner and back (it leaves and rejoins the index)
        if (!live.empty()) {
          TComponent elsewhere(nullptr);
          TComponent* c = live[pick(live.size())];
          elsewhere.InsertComponent(c);
          if (!c->Name().empty()) {
            EXPECT_EQ(owner.FindComponent(c->Name()), nullptr);
            EXPECT_EQ(elsewhere.FindComponent(c->Name()), c);
          }
          owner.InsertComponent(c);
        }
        break;
    }
    if (step % 50 == 0) ExpectIndexMatches(owner, model, names);
  }
  ExpectIndexMatches(owner, model, names);
  EXPECT_EQ(static_cast<size_t>(owner.ComponentCount()), live.size());
}

TEST(ComponentIndex, ListStampsDifferBetweenOwnersAndChangeWithTheList) {
  TComponent a(nullptr), b(nullptr);
  EXPECT_NE(a.ComponentListStamp(), b.ComponentListStamp());  // two empty lists
  const auto empty = a.ComponentListStamp();
  auto* g = new TGadget(&a);
  const auto one = a.ComponentListStamp();
  EXPECT_NE(one, empty);
  g->SetName("Renamed");  // a rename is no change of the list
  EXPECT_EQ(a.ComponentListStamp(), one);
  delete g;
  EXPECT_NE(a.ComponentListStamp(), one);
  EXPECT_NE(a.ComponentListStamp(), empty);
  EXPECT_EQ(a.ComponentCount(), 0);
  EXPECT_TRUE(a.ComponentList().empty());
}

TEST(ComponentIndex, ManyWatchersOfOneComponentEachHearItOnce) {
  TComponent form(nullptr);
  auto* watched = new TGadget(&form);
  // Watchers without an owner hear only what they watch.
  std::vector<std::unique_ptr<TListener>> watchers;
  for (int i = 0; i < 40; ++i) {
    watchers.push_back(std::make_unique<TListener>(nullptr));
    watchers.back()->FreeNotification(watched);
    watchers.back()->FreeNotification(watched);      // asking twice links once
    watched->FreeNotification(watchers.back().get());  // and so does asking from the other side
  }
  // Unlinked in the middle, freed in creation order (the long list's far end).
  watchers[20]->RemoveFreeNotification(watched);
  watchers[21]->RemoveFreeNotification(watchers[22].get());  // never linked: nothing happens
  watchers.erase(watchers.begin(), watchers.begin() + 2);
  TComponent other(nullptr);
  other.RemoveFreeNotification(watched);
  delete watched;
  for (size_t i = 0; i < watchers.size(); ++i) {
    const std::vector<TComponent*> expected =
        i == 18 ? std::vector<TComponent*>{} : std::vector<TComponent*>{watched};
    EXPECT_EQ(watchers[i]->heard, expected) << i;
  }
}

TEST(ComponentIndex, AWatcherOfSeveralComponentsHearsEachAndCanStopWatchingOne) {
  TComponent form(nullptr);
  auto* listener = new TListener(nullptr);
  auto* a = new TGadget(&form);
  auto* b = new TGadget(&form);
  auto* c = new TGadget(&form);
  for (TComponent* x : {a, b, c}) listener->FreeNotification(x);
  listener->RemoveFreeNotification(b);
  delete c;
  delete b;
  EXPECT_EQ(listener->heard, (std::vector<TComponent*>{c}));
  delete listener;  // unlinks from a: freeing a later reaches no freed listener
  delete a;
}

TEST(ComponentIndex, FreeingAnOwnerWhoseComponentsFreeEachOtherInHandlers) {
  int freed = 0;
  auto* form = new TComponent(nullptr);
  auto* victim = new TCounted(form, &freed);
  victim->SetName("Victim");
  auto* listener = new TListener(form);
  auto* trigger = new TCounted(form, &freed);
  listener->FreeNotification(trigger);
  listener->freeWhenGone = trigger;
  listener->victim = victim;
  // The owner frees the trigger first (last created); hearing of it, the listener frees
  // the victim, which leaves the owner's list before the owner reaches it.
  delete form;
  EXPECT_EQ(freed, 2);

  // The same while the owner lives on: the victim leaves the owner's index too.
  TComponent owner(nullptr);
  victim = new TCounted(&owner, &freed);
  victim->SetName("Victim");
  listener = new TListener(&owner);
  trigger = new TCounted(&owner, &freed);
  listener->FreeNotification(trigger);
  listener->freeWhenGone = trigger;
  listener->victim = victim;
  delete trigger;
  EXPECT_EQ(freed, 4);
  EXPECT_EQ(owner.FindComponent("Victim"), nullptr);
  EXPECT_EQ(owner.ComponentList(), (std::vector<TComponent*>{listener}));
}
