// A parent's lists of children: order kept when children leave from anywhere, controls
// without children, and parents freeing children that free each other.
#include <gtest/gtest.h>

#include <string>

#include "host/forms/Forms.h"
#include "host/stdctrls/ExtCtrls.h"
#include "host/stdctrls/StdCtrls.h"

using namespace host;

namespace {

std::string Names(const std::vector<TWinControl*>& list) {
  std::string s;
  for (TWinControl* w : list) s += w->Name();
  return s;
}

std::string ControlNames(const TWinControl& parent) {
  std::string s;
  for (Integer i = 0; i < parent.ControlCount(); ++i) s += parent.Controls(i)->Name();
  return s;
}

// Frees another control when it hears that a watched one is gone, as a handler may.
class TFreeingPanel : public TPanel {
 public:
  TFreeingPanel(TComponent* owner, int* freed) : TPanel(owner), freed_(freed) {}
  ~TFreeingPanel() override { ++*freed_; }
  void Notification(TComponent* c, TOperation op) override {
    TPanel::Notification(c, op);
    if (op == opRemove && c == trigger) {
      trigger = nullptr;
      delete std::exchange(victim, nullptr);
    }
  }
  TComponent* trigger = nullptr;
  TControl* victim = nullptr;

 private:
  int* freed_;
};

class TCountedButton : public TButton {
 public:
  TCountedButton(TComponent* owner, int* freed) : TButton(owner), freed_(freed) {}
  ~TCountedButton() override { ++*freed_; }

 private:
  int* freed_;
};

}  // namespace

TEST(ChildLists, AControlWithoutChildrenHasEmptyLists) {
  TPanel panel(nullptr);
  EXPECT_EQ(panel.ControlCount(), 0);
  EXPECT_TRUE(panel.GraphicChildren().empty());
  EXPECT_TRUE(panel.WinChildren().empty());
  EXPECT_TRUE(panel.TabList().empty());
  EXPECT_THROW(panel.Controls(0), EListError);
  EXPECT_EQ(panel.ControlAtPos(Point(1, 1), true), nullptr);
  panel.RemoveControl(&panel);  // not a child: nothing happens
}

TEST(ChildLists, ChildrenLeavingFromAnywhereKeepTheOthersInOrder) {
  TForm form(nullptr);
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  const std::string names = "ABCDEF";
  std::vector<TWinControl*> wins;
  for (char n : names) {
    auto* b = new TButton(&form);
    b->SetName(std::string(1, n));
    b->SetParent(panel);
    wins.push_back(b);
  }
  for (char n : std::string("xyz")) {
    auto* l = new TLabel(&form);
    l->SetName(std::string(1, n));
    l->SetParent(panel);
  }
  wins[5]->SetTabOrder(0);  // tab order F A B C D E
  wins[1]->SetTabOrder(5);  // F A C D E B
  EXPECT_EQ(Names(panel->TabList()), "FACDEB");
  EXPECT_EQ(ControlNames(*panel), "xyzABCDEF");

  delete wins[2];                                 // C, from the middle
  delete form.FindComponent("y");                 // a graphic child from the middle
  wins[0]->SetParent(nullptr);                    // A, first of its list
  EXPECT_EQ(ControlNames(*panel), "xzBDEF");
  EXPECT_EQ(Names(panel->TabList()), "FDEB");
  wins[0]->SetParent(panel);  // comes back last in both lists
  EXPECT_EQ(ControlNames(*panel), "xzBDEFA");
  EXPECT_EQ(Names(panel->TabList()), "FDEBA");
  wins[3]->BringToFront();
  EXPECT_EQ(ControlNames(*panel), "xzBEFAD");
  EXPECT_EQ(Names(panel->TabList()), "FDEBA");  // z-order is not tab order
}

TEST(ChildLists, AParentFreesChildrenThatFreeEachOtherInHandlers) {
  int freed = 0;
  {
    TForm form(nullptr);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    auto* victim = new TCountedButton(&form, &freed);
    victim->SetParent(panel);
    auto* listener = new TFreeingPanel(&form, &freed);
    listener->SetParent(panel);
    auto* trigger = new TCountedButton(&form, &freed);
    trigger->SetParent(panel);
    listener->FreeNotification(trigger);
    listener->trigger = trigger;
    listener->victim = victim;
    // The panel frees its children last first: the trigger goes, the listener frees the
    // victim, then the panel frees the listener. Nobody is freed twice.
  }
  EXPECT_EQ(freed, 3);
}
