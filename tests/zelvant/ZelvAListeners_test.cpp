// Who hears of the page count and the page shown: every component of the form whose
// class publishes "SetNumApos" or "SetNewPosition", of any class, last component first,
// with the form's list changing between page changes and during one.
#include <gtest/gtest.h>

#include "WizardFixture.h"
#include "host/core/ClassBuilder.h"
#include "zelvant/ZelvC.h"

using namespace host;
using namespace zelvant;
using namespace zelvant_test;

namespace {

std::vector<std::string> callLog;

// Not a page-aware control: only publishes the two methods and logs the calls.
class TPageListener : public TComponent {
  HOST_CLASS(TPageListener, TComponent)
  using TComponent::TComponent;
  void SetNumApos(Integer v) { callLog.push_back(Name() + ":n" + std::to_string(v)); }
  void SetNewPosition(Integer v) {
    callLog.push_back(Name() + ":" + std::to_string(v));
    if (onCall) onCall();
  }
  std::function<void()> onCall;
};

// A descendant of a page-aware control: the wizard calls it as any other.
class TLoggingBox : public TABox {
  HOST_CLASS(TLoggingBox, TABox)
  using TABox::TABox;
  void SetNewPosition(Integer Page) override {
    callLog.push_back(Name() + ":" + std::to_string(Page));
    TABox::SetNewPosition(Page);
  }
};

}  // namespace

HOST_PUBLISHED(TPageListener) {
  P.Method("SetNumApos", &TPageListener::SetNumApos);
  P.Method("SetNewPosition", &TPageListener::SetNewPosition);
}
HOST_PUBLISHED(TLoggingBox) {}

namespace {

template <class T>
T* Make(TComponent* owner, const std::string& name) {
  auto* c = new T(owner);
  c->SetName(name);
  return c;
}

using Log = std::vector<std::string>;

}  // namespace

TEST(WizardListeners, EveryPublisherOfAnyClassLastComponentFirstAsTheListChanges) {
  Wizard w;
  w.z->SetNumPages(3);
  Make<TPageListener>(w.form, "A");
  auto* box = Make<TLoggingBox>(w.form, "Box");
  box->SetParent(w.z);
  Make<TPageListener>(w.form, "B");
  callLog.clear();
  w.z->setPage(1);
  EXPECT_EQ(callLog, (Log{"B:1", "Box:1", "A:1"}));

  // Joining and leaving between two page changes.
  auto* c = Make<TPageListener>(w.form, "C");
  delete w.form->FindComponent("A");
  callLog.clear();
  w.z->setPage(2);
  EXPECT_EQ(callLog, (Log{"C:2", "B:2", "Box:2"}));
  callLog.clear();
  w.z->SetNumPages(4);
  EXPECT_EQ(callLog, (Log{"C:n5", "B:n5"}));

  // A component given away to another owner no longer hears; one taken in does.
  TForm other(nullptr);
  w.form->RemoveComponent(c);
  other.InsertComponent(c);
  auto* d = Make<TPageListener>(&other, "D");
  other.RemoveComponent(d);
  w.form->InsertComponent(d);
  callLog.clear();
  w.z->setPage(3);
  EXPECT_EQ(callLog, (Log{"D:3", "B:3", "Box:3"}));
}

TEST(WizardListeners, AListenerChangingTheFormDuringTheCallsLeavesTheWalkByIndex) {
  Wizard w;
  w.z->SetNumPages(2);
  Make<TPageListener>(w.form, "A");
  Make<TPageListener>(w.form, "B");
  auto* c = Make<TPageListener>(w.form, "C");
  Make<TPageListener>(w.form, "D");
  // C frees D, already called, and creates E, after it: the walk goes on below C.
  c->onCall = [&] {
    delete w.form->FindComponent("D");
    Make<TPageListener>(w.form, "E");
    c->onCall = nullptr;
  };
  callLog.clear();
  w.z->setPage(1);
  EXPECT_EQ(callLog, (Log{"D:1", "C:1", "B:1", "A:1"}));
  callLog.clear();
  w.z->setPage(2);
  EXPECT_EQ(callLog, (Log{"E:2", "C:2", "B:2", "A:2"}));
}

TEST(WizardListeners, JumpRadioButtonsAreFollowedAsTheyComeAndGo) {
  Wizard w;
  w.z->SetNumPages(6);
  w.z->setPage(1);
  auto* first = new TAJumpRadioBtn(w.form);
  first->SetParent(w.z);
  first->JumpPage = 4;
  first->SetChecked(true);
  w.z->Nextclick(nullptr);
  EXPECT_EQ(w.z->Page(), 4);
  w.z->setPage(1);
  delete first;
  w.z->Nextclick(nullptr);
  EXPECT_EQ(w.z->Page(), 2);
  w.z->setPage(1);
  auto* later = new TAJumpRadioBtn(w.form);
  later->SetParent(w.z);
  later->JumpMode = jmRelativ;
  later->JumpPage = 4;
  later->SetChecked(true);
  w.z->Nextclick(nullptr);
  EXPECT_EQ(w.z->Page(), 5);
}
