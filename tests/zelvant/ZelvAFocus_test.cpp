// Where the focus goes on a page change, and that it gets there in one move: the
// control the new page hides hands it straight to the new page's first control, or to
// the default button when the page has none, so that Enter goes on.
#include <gtest/gtest.h>

#include "WizardFixture.h"
#include "host/forms/Backend.h"
#include "host/stdctrls/StdCtrls.h"
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

TEST(WizardFocus, APageWithoutControlsHandsTheFocusToTheDefaultButton) {
  Wizard w;
  w.Dress();
  w.z->SetNumPages(3);
  TFocusLogButton* one = PageButton(w, 1, "One");
  w.z->setPage(1);
  w.form->Show();
  ASSERT_EQ(w.form->FocusedControl(), one);
  focusLog.clear();
  w.z->Nextclick(nullptr);
  EXPECT_EQ(w.form->FocusedControl(), w.z->NextButton());
  EXPECT_EQ(focusLog, (std::vector<std::string>{"One loses to NextButton"}));
  // Focus elsewhere on the bar does not stay there: Back on a page without controls
  // leaves the focus on Next, which Enter presses.
  w.z->BackButton()->SetFocus();
  w.z->Nextclick(nullptr);
  EXPECT_EQ(w.form->FocusedControl(), w.z->NextButton());
  EXPECT_EQ(w.z->NextButton()->Caption(), "&Finish");
  // Where OK finishes the last page, OK is the default button and takes the focus.
  w.z->BtnWizardOK()->SetShow(true);
  w.z->setPage(2);
  w.z->setPage(3);
  EXPECT_TRUE(w.z->OKButton()->Default());
  EXPECT_EQ(w.form->FocusedControl(), w.z->OKButton());
  w.z->setPage(2);
  EXPECT_EQ(w.form->FocusedControl(), w.z->NextButton());
  // The dialog page has OK as its default button.
  w.z->Changeclick(nullptr);
  EXPECT_EQ(w.z->Page(), 0);
  EXPECT_EQ(w.form->FocusedControl(), w.z->OKButton());
  // Without the wizard style nothing takes the focus over: the hidden control drops it.
  w.z->Changeclick(nullptr);
  w.z->setPage(1);
  one->SetFocus();
  w.z->SetStyle(asNone);
  focusLog.clear();
  w.z->Nextclick(nullptr);
  EXPECT_EQ(w.form->FocusedControl(), nullptr);
  EXPECT_EQ(focusLog, (std::vector<std::string>{"One loses to none"}));
  w.form->Hide();
}

// Enter goes on through a wizard: Next on each page, Finish on the last; the changes
// are logged with the control that had the focus when Enter was pressed.
class WizardEnter : public ::testing::Test {
 protected:
  void SetUp() override {
    backend.Clear();
    w.Dress();
    w.z->SetNumPages(3);
    w.z->OnCanPageChange = [this](TZelvant*, Integer from, Integer& to) {
      TWinControl* focused = w.form->FocusedControl();
      log.push_back(IntToStr(from) + ">" + IntToStr(to) + " " + (focused ? focused->Name() : "none"));
      return true;
    };
  }
  void TearDown() override { backend.Clear(); }
  THeadlessBackend& backend = *Application->Headless();
  Wizard w;
  std::vector<std::string> log;
};

TEST_F(WizardEnter, OnPagesWithoutInputControlsGoesOnAndFinishes) {
  for (int i = 0; i < 3; ++i) backend.PressKey(VK_RETURN);
  EXPECT_EQ(w.z->Execute(1), mrOk);
  EXPECT_EQ(log, (std::vector<std::string>{"0>1 none", "1>2 NextButton", "2>3 NextButton", "3>-1 NextButton"}));
}

TEST_F(WizardEnter, WithARadioButtonFocusedGoesOn) {
  w.z->setPage(2);
  auto* panel = new TAPanel(w.form);
  panel->SetName("Choice");
  panel->SetParent(w.z);
  panel->ShowOn({2});
  auto* radio = new TRadioButton(w.form);
  radio->SetName("Express");
  radio->SetParent(panel);
  radio->SetChecked(true);  // the checked radio button is the group's tab stop
  w.z->setPage(1);
  log.clear();
  backend.PressKey(VK_RETURN);
  backend.PressKey(VK_RETURN);
  backend.PressKey(VK_RETURN);
  EXPECT_EQ(w.z->Execute(1), mrOk);
  EXPECT_EQ(log, (std::vector<std::string>{"1>1 none", "1>2 NextButton", "2>3 Express", "3>-1 NextButton"}));
  EXPECT_TRUE(radio->Checked());
}

TEST_F(WizardEnter, PressesTheFocusedBarButton) {
  backend.PressKey(VK_RETURN);              // 1 > 2
  backend.PressKey(VK_TAB, {ssShift});      // to Back
  backend.PressKey(VK_RETURN);              // Back presses Back: 2 > 1
  backend.PressKey(VK_TAB, {ssShift});      // Back is disabled on page 1: to Cancel
  backend.PressKey(VK_RETURN);              // Cancel
  EXPECT_EQ(w.z->Execute(1), mrCancel);
  EXPECT_EQ(log, (std::vector<std::string>{"0>1 none", "1>2 NextButton", "2>1 BackButton"}));
}
