// Modal runs with scripted input: Enter presses the default button, Escape the cancel
// button, clicks by name path, and the end of the input ending the run with mrNone.
#include <gtest/gtest.h>

#include "host/forms/Backend.h"
#include "host/stdctrls/Dialogs.h"
#include "host/stdctrls/StdCtrls.h"

using namespace host;

namespace {

THeadlessBackend& Input() { return *Application->Headless(); }

struct Dialog : ::testing::Test {
  TForm form{nullptr};
  TButton* ok = new TButton(&form);
  TButton* cancel = new TButton(&form);
  TButton* other = new TButton(&form);
  std::vector<std::string> clicks;
  Dialog() {
    Input().Clear();
    form.SetName("Dlg");
    ok->SetName("OK");
    cancel->SetName("Cancel");
    other->SetName("Other");
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    for (TButton* b : {other, ok, cancel}) {
      b->SetParent(&form);
      b->OnClick = [this, b](TObject*) { clicks.push_back(b->Name()); };
    }
    ok->SetLeft(80);
    cancel->SetLeft(160);
  }
  ~Dialog() override { Input().Clear(); }
};

TEST_F(Dialog, EnterPressesTheDefaultButtonWhenTheFocusIsNotOnAButton) {
  // The focus starts on "Other", itself a button: Enter presses the focused button.
  Input().PressKey(VK_RETURN);
  EXPECT_EQ(form.ShowModal(), mrNone);  // Other has no modal result; then the input ran dry
  EXPECT_EQ(clicks, std::vector<std::string>{"Other"});
  EXPECT_FALSE(form.Visible());
  clicks.clear();
  other->SetTabStop(false);
  ok->SetTabStop(false);
  cancel->SetTabStop(false);
  form.SetActiveControl(nullptr);  // no tab stops: the focus stays on the form
  Input().PressKey(VK_RETURN);
  Input().PressKey(VK_ESCAPE);  // never reached: the run ends at Enter
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_EQ(clicks, std::vector<std::string>{"OK"});
  EXPECT_EQ(Input().Pending(), 5u);  // Enter's character and release, and all of Escape
}

TEST_F(Dialog, EscapePressesTheCancelButton) {
  Input().PressKey(VK_ESCAPE);
  EXPECT_EQ(form.ShowModal(), mrCancel);
  EXPECT_EQ(clicks, std::vector<std::string>{"Cancel"});
  EXPECT_EQ(form.ModalResult(), mrCancel);
}

TEST_F(Dialog, EscapeWithoutACancelButtonDoesNothing) {
  cancel->SetCancel(false);
  Input().PressKey(VK_ESCAPE);
  EXPECT_EQ(form.ShowModal(), mrNone);
  EXPECT_TRUE(clicks.empty());
}

TEST_F(Dialog, TabThenSpacePressesTheNextButton) {
  Input().PressKey(VK_TAB);  // Other -> OK (tab order follows creation)
  Input().PressKey(VK_TAB);  // -> Cancel
  Input().PressKey(VK_SPACE);
  EXPECT_EQ(form.ShowModal(), mrCancel);
}

TEST_F(Dialog, AClickByNamePathPressesTheButtonAndEndsTheRun) {
  Input().ClickControl("Dlg.OK");
  EXPECT_EQ(form.ShowModal(), mrOk);
  Input().ClickControl("Cancel");
  EXPECT_EQ(form.ShowModal(), mrCancel);
  Input().ClickControl("Missing");
  EXPECT_THROW(form.ShowModal(), EInvalidOperation);
  EXPECT_FALSE(form.Visible());
}

TEST_F(Dialog, AccelCharactersPressTheirButtons) {
  other->SetCaption("&Retry");
  other->SetModalResult(mrRetry);
  Input().PressKey('R', TShiftState{ssAlt});
  EXPECT_EQ(form.ShowModal(), mrRetry);
}

TEST_F(Dialog, TypedTextGoesToTheFocusedFieldAndALabelsAccelFocusesItsControl) {
  auto* name = new TComboBox(&form);
  name->SetParent(&form);
  auto* label = new TLabel(&form);
  label->SetCaption("&Name:");
  label->SetFocusControl(name);
  label->SetParent(&form);
  Input().PressKey('N', TShiftState{ssAlt});
  Input().TypeText("Zel");
  Input().PressKey(VK_BACK);
  Input().TypeText("\xC3\xA9");  // typed characters need not be ASCII
  Input().PressKey(VK_RETURN);
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_EQ(name->Text(), "Ze\xC3\xA9");
}

TEST_F(Dialog, CloseQueryCanRefuseToEndTheRun) {
  int asked = 0;
  form.OnCloseQuery = [&](TObject*, bool& can) { can = ++asked > 1; };
  Input().PressKey(VK_ESCAPE);
  Input().PressKey(VK_ESCAPE);
  EXPECT_EQ(form.ShowModal(), mrCancel);
  EXPECT_EQ(asked, 2);
}

// The middle of the close box, in client coordinates (it lies above the client area).
TPoint CloseBoxPoint(const TForm& form) {
  const TRect box = form.CloseBoxRect();
  const TRect area = form.WindowClientArea();
  return Point((box.Left + box.Right) / 2 - area.Left, (box.Top + box.Bottom) / 2 - area.Top);
}

void PostClose() {
  TInputEvent close;
  close.Kind = TInputEvent::TKind::Close;
  Input().Post(close);
}

TEST_F(Dialog, TheCloseBoxAndTheWindowSystemPressTheCancelButton) {
  int allowed = 0;
  cancel->SetModalResult(mrNone);
  cancel->OnClick = [&](TObject*) {
    clicks.push_back("Cancel");
    if (++allowed > 2) form.SetModalResult(mrAbort);
  };
  Input().Click(CloseBoxPoint(form));
  PostClose();
  PostClose();
  EXPECT_EQ(form.ShowModal(), mrAbort);  // the button's answer, not the close box's own
  EXPECT_EQ(clicks, (std::vector<std::string>{"Cancel", "Cancel", "Cancel"}));
}

TEST_F(Dialog, WithoutAPressableCancelButtonTheCloseBoxCloses) {
  cancel->SetEnabled(false);
  int asked = 0;
  form.OnCloseQuery = [&](TObject*, bool& can) { can = ++asked > 1; };
  Input().Click(CloseBoxPoint(form));
  PostClose();
  EXPECT_EQ(form.ShowModal(), mrCancel);
  EXPECT_EQ(asked, 2);
  EXPECT_TRUE(clicks.empty());
}

TEST_F(Dialog, ShowModalOnAVisibleFormRaises) {
  form.Show();
  EXPECT_THROW(form.ShowModal(), EInvalidOperation);
  form.Hide();
}

TEST(MessageDlg, TheDefaultFormAnswersWithTheButtonPressed) {
  Input().Clear();
  Input().PressKey(VK_ESCAPE);
  EXPECT_EQ(MessageDlg("Do you want to reduce the number of pages?", mtWarning, {mbYes, mbCancel}, 0), mrCancel);
  Input().PressKey(VK_RETURN);
  EXPECT_EQ(MessageDlg("Sure?", mtConfirmation, mbYesNo, 0), mrYes);
  Input().ClickControl("No");
  EXPECT_EQ(MessageDlg("Sure?", mtConfirmation, mbYesNo, 0), mrNo);
  EXPECT_EQ(MessageDlg("Nobody answers", mtError, {mbOK}, 0), mrNone);
}

TEST(MessageDlg, TheMessageFormHoldsTheTextAndOneButtonPerMember) {
  std::unique_ptr<TForm> form(CreateMessageDialog("No Zelvant on Form!", mtError, mbYesNoCancel));
  EXPECT_EQ(form->Caption(), "Error");
  EXPECT_EQ(As<TLabel>(form->FindComponent("Message"))->Caption(), "No Zelvant on Form!");
  auto* yes = As<TButton>(form->FindComponent("Yes"));
  auto* no = As<TButton>(form->FindComponent("No"));
  auto* cancel = As<TButton>(form->FindComponent("Cancel"));
  EXPECT_TRUE(yes->Default());
  EXPECT_TRUE(cancel->Cancel());
  EXPECT_FALSE(no->Cancel());
  EXPECT_EQ(no->ModalResult(), mrNo);
  // Buttons in one row, left to right, inside the client area.
  EXPECT_LT(yes->Left(), no->Left());
  EXPECT_LT(no->Left(), cancel->Left());
  EXPECT_EQ(yes->Top(), cancel->Top());
  EXPECT_LE(cancel->Left() + cancel->Width(), form->ClientWidth());
  EXPECT_LE(cancel->Top() + cancel->Height(), form->ClientHeight());
}

TEST(MessageDlg, AReplacedHandlerIsAskedInstead) {
  std::string seen;
  SetMessageDlgHandler([&](const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons, Integer) {
    seen = msg + (type == mtWarning ? " warning" : "") + (buttons == TMsgDlgButtons{mbYes, mbCancel} ? " yes/cancel" : "");
    return mrYes;
  });
  EXPECT_EQ(MessageDlg("Reduce?", mtWarning, {mbYes, mbCancel}, 0), mrYes);
  EXPECT_EQ(seen, "Reduce? warning yes/cancel");
  SetMessageDlgHandler(nullptr);
  Input().Clear();
  EXPECT_EQ(MessageDlg("Back to the form", mtInformation, {mbOK}, 0), mrNone);
}

}  // namespace
