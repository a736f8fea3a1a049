// Who hears of a focus change: the control losing the focus, the one gaining it, and the
// controls of that window that watch every change (default buttons) - nobody else.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/forms/Forms.h"
#include "host/stdctrls/ExtCtrls.h"
#include "host/stdctrls/StdCtrls.h"

using namespace host;

namespace {

std::vector<std::string> heard;

class TFocusProbe : public TCustomControl {
 public:
  TFocusProbe(TComponent* owner, TWinControl* parent, const std::string& name, bool watches = false)
      : TCustomControl(owner) {
    SetName(name);
    SetTabStop(true);
    SetParent(parent);
    SetWatchesFocus(watches);
  }

 protected:
  void CMFocusChanged(TMessage& m) override {
    auto* now = reinterpret_cast<TWinControl*>(m.LParam);
    heard.push_back(Name() + " hears " + (now ? now->Name() : "none"));
  }
};

bool LooksDefault(TButton* b) { return (b->Perform(WM_GETDLGCODE) & DLGC_DEFPUSHBUTTON) != 0; }

struct FocusForm : ::testing::Test {
  TForm form{nullptr};
  TPanel* panel = new TPanel(&form);
  TFocusProbe* one = new TFocusProbe(&form, panel, "One");
  TFocusProbe* two = new TFocusProbe(&form, panel, "Two");
  TFocusProbe* bystander = new TFocusProbe(&form, &form, "Bystander");
  TFocusProbe* watcher = new TFocusProbe(&form, panel, "Watcher", true);
  TButton* ok = new TButton(&form);
  TButton* other = new TButton(&form);
  FocusForm() {
    form.SetBounds(0, 0, 300, 200);
    panel->SetParent(&form);
    ok->SetName("OK");
    ok->SetParent(panel);
    ok->SetDefault(true);
    other->SetName("Other");
    other->SetParent(&form);
    heard.clear();
  }
};

TEST_F(FocusForm, OnlyTheLosingTheGainingAndTheWatchersHear) {
  form.Show();
  one->SetFocus();
  heard.clear();
  two->SetFocus();
  EXPECT_EQ(heard, (std::vector<std::string>{"One hears Two", "Two hears Two", "Watcher hears Two"}));
  // A watcher of another window hears nothing of this one.
  TForm second(nullptr);
  new TFocusProbe(&second, &second, "Elsewhere", true);
  heard.clear();
  one->SetFocus();
  EXPECT_EQ(heard, (std::vector<std::string>{"Two hears One", "One hears One", "Watcher hears One"}));
  // A watcher that goes away is not told again.
  delete watcher;
  heard.clear();
  two->SetFocus();
  EXPECT_EQ(heard, (std::vector<std::string>{"One hears Two", "Two hears Two"}));
  form.Hide();
}

TEST_F(FocusForm, TheDefaultButtonLooksDefaultUnlessAnotherButtonHasTheFocus) {
  form.Show();
  one->SetFocus();
  EXPECT_TRUE(LooksDefault(ok));
  EXPECT_FALSE(LooksDefault(other));
  other->SetFocus();
  EXPECT_FALSE(LooksDefault(ok));
  EXPECT_TRUE(LooksDefault(other));
  two->SetFocus();
  EXPECT_TRUE(LooksDefault(ok));
  EXPECT_FALSE(LooksDefault(other));
  // A button that stops being the default no longer follows the focus.
  ok->SetDefault(false);
  other->SetDefault(true);
  ok->SetFocus();
  EXPECT_TRUE(LooksDefault(ok));
  EXPECT_FALSE(LooksDefault(other));
  one->SetFocus();
  EXPECT_FALSE(LooksDefault(ok));
  EXPECT_TRUE(LooksDefault(other));
  form.Hide();
}

// Handlers run while the focus moves may free the controls it moves between: the
// container's OnExit frees the control that had the focus, or the one about to get it;
// the move goes on with what is left, and nothing freed is touched (the sanitizer run
// checks that).
TEST_F(FocusForm, HandlersThatFreeTheControlsOfTheMoveAreSurvived) {
  form.Show();
  one->SetFocus();
  panel->OnExit = [this](TObject*) { delete one; };
  heard.clear();
  bystander->SetFocus();
  EXPECT_TRUE(bystander->Focused());
  EXPECT_EQ(form.FindComponent("One"), nullptr);
  EXPECT_EQ(heard, (std::vector<std::string>{"Bystander hears Bystander", "Watcher hears Bystander"}));
  // The control gaining the focus is freed on the way: nobody has it afterwards.
  panel->OnExit = nullptr;
  panel->OnEnter = [this](TObject*) { delete two; };
  two->SetFocus();
  EXPECT_EQ(form.FindComponent("Two"), nullptr);
  EXPECT_FALSE(bystander->Focused());
  EXPECT_EQ(form.ActiveControl(), nullptr);
  form.Hide();
}

}  // namespace
