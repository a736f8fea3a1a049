// Tab order (a position beyond the last puts the control last), focus and Tab keys.
#include <gtest/gtest.h>

#include <memory>

#include "host/forms/Backend.h"
#include "host/stdctrls/ExtCtrls.h"
#include "host/streaming/Filer.h"
#include "host/stdctrls/StdCtrls.h"

using namespace host;

namespace {

struct ThreeButtons : ::testing::Test {
  TForm form{nullptr};
  TButton* a = new TButton(&form);
  TButton* b = new TButton(&form);
  TButton* c = new TButton(&form);
  ThreeButtons() {
    for (TButton* x : {a, b, c}) x->SetParent(&form);
    a->SetName("A");
    b->SetName("B");
    c->SetName("C");
  }
  std::string Order() const {
    std::string s;
    for (TWinControl* w : form.TabList()) s += w->Name();
    return s;
  }
};

TEST_F(ThreeButtons, NewControlsGoLastAndReadingGivesTheRealPosition) {
  EXPECT_EQ(Order(), "ABC");
  EXPECT_EQ(a->TabOrder(), 0);
  EXPECT_EQ(c->TabOrder(), 2);
}

TEST_F(ThreeButtons, APositionBeyondTheLastOrNegativePutsTheControlLast) {
  a->SetTabOrder(7);
  EXPECT_EQ(Order(), "BCA");
  EXPECT_EQ(a->TabOrder(), 2);
  b->SetTabOrder(-1);
  EXPECT_EQ(Order(), "CAB");
  c->SetTabOrder(3);  // exactly Count is beyond the last too
  EXPECT_EQ(Order(), "ABC");
}

TEST_F(ThreeButtons, MovingToAPositionShiftsTheOthers) {
  c->SetTabOrder(0);
  EXPECT_EQ(Order(), "CAB");
  c->SetTabOrder(1);
  EXPECT_EQ(Order(), "ACB");
}

TEST_F(ThreeButtons, WalkingTheTabPositionsUpwardsMovesEachControlToTheEnd) {
  // The wizard's bar relies on this: setting increasing positions beyond the others
  // moves each control last in turn, leaving them last in the order they were set.
  TButton* d = new TButton(&form);
  d->SetName("D");
  d->SetParent(&form);
  Integer pos = 10;
  for (TButton* x : {b, a}) {
    x->SetTabOrder(pos);
    pos = x->TabOrder() + 1;
  }
  EXPECT_EQ(Order(), "CDBA");
}

TEST_F(ThreeButtons, TabAndShiftTabWalkTheTabStopsAndSkipTheOthers) {
  b->SetTabStop(false);
  form.Show();
  EXPECT_EQ(form.FocusedControl(), a);
  EXPECT_TRUE(a->Focused());
  form.HandleKey(VK_TAB, {}, true);
  EXPECT_EQ(form.FocusedControl(), c);
  form.HandleKey(VK_TAB, {}, true);
  EXPECT_EQ(form.FocusedControl(), a);
  form.HandleKey(VK_TAB, TShiftState{ssShift}, true);
  EXPECT_EQ(form.FocusedControl(), c);
  c->SetEnabled(false);
  EXPECT_EQ(form.FocusedControl(), nullptr);  // a disabled control loses the focus
  form.HandleKey(VK_TAB, {}, true);
  EXPECT_EQ(form.FocusedControl(), a);
  form.Hide();
}

TEST_F(ThreeButtons, ArrowKeysMoveAmongSiblingsWithoutTabStops) {
  b->SetTabStop(false);
  form.Show();
  form.HandleKey(VK_RIGHT, {}, true);
  EXPECT_EQ(form.FocusedControl(), b);
  form.HandleKey(VK_UP, {}, true);
  EXPECT_EQ(form.FocusedControl(), a);
  form.Hide();
}

TEST(TabOrder, SelectFirstGoesIntoContainersInTheirTabOrder) {
  TForm form(nullptr);
  TPanel* panel = new TPanel(&form);
  panel->SetParent(&form);
  TButton* inner1 = new TButton(&form);
  TButton* inner2 = new TButton(&form);
  inner1->SetParent(panel);
  inner2->SetParent(panel);
  inner2->SetTabOrder(0);
  TButton* outer = new TButton(&form);
  outer->SetParent(&form);
  outer->SetTabOrder(0);
  panel->SelectFirst();
  EXPECT_EQ(form.ActiveControl(), inner2);
  form.SelectFirst();
  EXPECT_EQ(form.ActiveControl(), outer);
  // Without a tab stop among the children, the first control that can be focused.
  outer->SetTabStop(false);
  inner1->SetTabStop(false);
  inner2->SetTabStop(false);
  form.SetActiveControl(inner1);
  form.SelectFirst();
  EXPECT_EQ(form.ActiveControl(), outer);
}

TEST(TabOrder, FocusingAnInvisibleControlRaises) {
  TForm form(nullptr);
  TButton* b = new TButton(&form);
  b->SetParent(&form);
  b->SetVisible(false);
  EXPECT_THROW(form.SetActiveControl(b), EInvalidOperation);
  EXPECT_FALSE(b->CanFocus());
}

TEST(TabOrder, EnterAndExitFollowTheFocusThroughContainers) {
  TForm form(nullptr);
  TPanel* panel = new TPanel(&form);
  panel->SetParent(&form);
  TButton* inside = new TButton(&form);
  inside->SetParent(panel);
  TButton* outside = new TButton(&form);
  outside->SetParent(&form);
  std::string log;
  panel->OnEnter = [&](TObject*) { log += "enter panel;"; };
  panel->OnExit = [&](TObject*) { log += "exit panel;"; };
  inside->OnEnter = [&](TObject*) { log += "enter inside;"; };
  inside->OnExit = [&](TObject*) { log += "exit inside;"; };
  form.Show();
  EXPECT_EQ(log, "enter panel;enter inside;");
  log.clear();
  outside->SetFocus();
  EXPECT_EQ(log, "exit inside;exit panel;");
  form.Hide();
}

TEST(TabOrder, StoredTabOrdersAreSortedOutOnceTheFormIsRead) {
  const char* text = R"(object F: TForm
  object A: TButton
    TabOrder = 2
  end
  object B: TButton
    TabOrder = 0
  end
  object C: TButton
    TabOrder = 1
  end
end
)";
  std::unique_ptr<TComponent> root(ReadForm(text, nullptr, {&TForm::StaticClassInfo(), true}));
  auto* form = As<TForm>(root.get());
  std::string order;
  for (TWinControl* w : form->TabList()) order += w->Name();
  EXPECT_EQ(order, "BCA");
  // Written back, each keeps its position.
  const std::string again = WriteForm(form);
  const size_t a = again.find("object A"), two = again.find("TabOrder = 2"), b = again.find("object B");
  EXPECT_TRUE(a < two && two < b) << again;
}

}  // namespace

TEST(TabOrder, SelectFirstSkipsHiddenAndDisabledContainersAndAgreesWithTheTabOrderWalk) {
  TForm form(nullptr);
  auto button = [&](TWinControl* parent) {
    auto* b = new TButton(&form);
    b->SetParent(parent);
    return b;
  };
  auto panel = [&](TWinControl* parent) {
    auto* p = new TPanel(&form);
    p->SetParent(parent);
    return p;
  };
  TPanel* hidden = panel(&form);
  button(hidden);
  hidden->SetVisible(false);
  TPanel* disabled = panel(&form);
  button(disabled);
  disabled->SetEnabled(false);
  TPanel* outer = panel(&form);
  TPanel* inner = panel(outer);
  TButton* target = button(inner);
  TButton* later = button(&form);
  form.SelectFirst();
  EXPECT_EQ(form.ActiveControl(), target);
  EXPECT_EQ(form.ActiveControl(), form.FindNextControl(nullptr, true, true, false));
  inner->SetEnabled(false);
  form.SelectFirst();
  EXPECT_EQ(form.ActiveControl(), later);
  EXPECT_EQ(form.ActiveControl(), form.FindNextControl(nullptr, true, true, false));
  // Inside a hidden container nothing is chosen, not even its own first control.
  outer->SetVisible(false);
  inner->SetEnabled(true);
  form.SetActiveControl(nullptr);
  outer->SelectFirst();
  EXPECT_EQ(form.ActiveControl(), nullptr);
}
