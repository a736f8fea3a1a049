// Where the focus goes on a page change, and that it gets there in one move: the
// control the new page hides hands it straight to the new page's first control.
#include <gtest/gtest.h>

#include "WizardFixture.h"
#include "zelvant/ZelvC.h"

using namespace host;
using namespace zelvant;
using namespace zelvant_test;

namespace {

std::vector<std::string> focusLog;

std::string NameOf(const TWinControl* c) { return c ? c->Name() : "none"; }

// A button that logs the focus it gains and loses, with the control on the other side.
class TFocusLogButton : public TButton {
 public:
  using TButton::TButton;

 protected:
  void WMSetFocus(TWMSetFocus& m) override {
    focusLog.push_back(Name() + " gets from " + NameOf(m.FocusedWnd));
    TButton::WMSetFocus(m);
  }
  void WMKillFocus(TWMKillFocus& m) override {
    focusLog.push_back(Name() + " loses to " + NameOf(m.FocusedWnd));
    TButton::WMKillFocus(m);
  }
};

// A page-aware panel first in the wizard's tab order holding one logging button.
TFocusLogButton* PageButton(Wizard& w, Integer page, const std::string& name) {
  w.z->setPage(page);
  auto* panel = new TAPanel(w.form);
  panel->SetName("Panel" + name);
  panel->SetParent(w.z);
  panel->SetTabOrder(0);
  auto* b = new TFocusLogButton(w.form);
  b->SetName(name);
  b->SetParent(panel);
  return b;
}

}  // namespace

TEST(WizardFocus, NextMovesTheFocusOnceStraightToTheNewPagesControl) {
  Wizard w;
  w.Dress();
  w.z->SetNumPages(3);
  TFocusLogButton* one = PageButton(w, 1, "One");
  TFocusLogButton* two = PageButton(w, 2, "Two");
  w.z->setPage(1);
  w.form->Show();
  ASSERT_EQ(w.form->FocusedControl(), one);
  std::vector<std::string> order;
  w.z->OnPageChange = [&](TZelvant*, Integer page) { order.push_back("page " + std::to_string(page)); };
  one->OnExit = [&](TObject*) { order.push_back("exit One"); };
  two->OnEnter = [&](TObject*) { order.push_back("enter Two"); };
  focusLog.clear();
  w.z->Nextclick(nullptr);
  EXPECT_EQ(w.form->FocusedControl(), two);
  EXPECT_EQ(focusLog, (std::vector<std::string>{"One loses to Two", "Two gets from One"}));
  EXPECT_EQ(order, (std::vector<std::string>{"page 2", "exit One", "enter Two"}));
  w.form->Hide();
}

TEST(WizardFocus, NextToAPageWithoutControlsFocusesTheFirstBarButton) {
  Wizard w;
  w.Dress();
  w.z->SetNumPages(3);
  TFocusLogButton* one = PageButton(w, 1, "One");
  w.z->setPage(1);
  w.form->Show();
  ASSERT_EQ(w.form->FocusedControl(), one);
  focusLog.clear();
  w.z->Nextclick(nullptr);
  TWinControl* focused = w.form->FocusedControl();
  ASSERT_NE(focused, nullptr);
  EXPECT_EQ(focused->Parent(), w.z);
  EXPECT_TRUE(focused->CanFocus());
  EXPECT_EQ(focused, w.z->FindNextControl(nullptr, true, true, false));
  EXPECT_EQ(focusLog, (std::vector<std::string>{"One loses to " + focused->Name()}));
  // Without the wizard style nothing takes the focus over: the hidden control drops it.
  w.z->setPage(1);
  one->SetFocus();
  w.z->SetStyle(asNone);
  focusLog.clear();
  w.z->Nextclick(nullptr);
  EXPECT_EQ(w.form->FocusedControl(), nullptr);
  EXPECT_EQ(focusLog, (std::vector<std::string>{"One loses to none"}));
  w.form->Hide();
}
