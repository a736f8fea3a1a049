// Modal runs in live windows: the message dialog is a window of its own that takes all
// input while it runs, and closing a window ends its run with mrCancel.
#include "LiveFixture.h"
#include "LiveRun.h"
#include "Screenshot.h"
#include "apps/sdlcheck/CheckWizard.h"
#include "host/stdctrls/Dialogs.h"

using namespace host;
using namespace sdltest;

namespace {

// The message dialog the check wizard's button shows, rendered headless.
TPixels HeadlessDialog() {
  Application->SetBackend(nullptr);
  std::unique_ptr<TForm> d(CreateMessageDialog("Install now?", mtConfirmation, mbYesNo));
  d->Show();
  TBitmap b;
  d->PaintTo(b);
  return PictureOf(b);
}

}  // namespace

TEST_F(LiveTest, TheMessageDialogIsAWindowThatBlocksTheWizardUntilItIsClosed) {
  const TPixels expectedDialog = HeadlessDialog();
  sdl::TSdlBackend& b = StartLive();
  sdlcheck::TCheckWizard w;
  SDL_Window* wizardWindow = nullptr;
  SDL_Window* dialogWindow = nullptr;
  TCustomForm* dialog = nullptr;
  TPixels dialogShot;
  TRect dialogRect;
  bool dialogStillUp = false;
  Integer pageWhileBlocked = -1, resultInside = -2;
  TLiveRun run(b);
  run.Then([&] {
        wizardWindow = b.WindowOf(*w.Form);
        PushSdl(wizardWindow, *w.Form, {Press(VK_RETURN)});
      })
      .Then([&] { PushSdl(wizardWindow, *w.Form, {ClickOn(*w.Message)}); })
      .Then([&] {
        dialog = Screen->ActiveForm();
        dialogWindow = dialog && dialog != w.Form.get() ? b.WindowOf(*dialog) : nullptr;
        if (!dialogWindow) return PushClose(wizardWindow);
        dialogRect = ScreenRectOf(dialogWindow);
        dialogShot = WindowShot(dialogWindow);
        // The wizard's own window takes nothing now: neither Back, Enter nor its close box.
        PushSdl(wizardWindow, *w.Form, {ClickOn(*w.Wizard->BackButton()), Press(VK_RETURN)});
        PushClose(wizardWindow);
      })
      .Then([&] {
        dialogStillUp = Screen->ActiveForm() == dialog && b.WindowOf(*dialog) == dialogWindow;
        pageWhileBlocked = w.Wizard->Page();
        resultInside = w.MessageResult;
        PushClose(dialogWindow);
      })
      .Then([&] {
        // Back with the wizard, which takes input again.
        PushSdl(wizardWindow, *w.Form, {Press(VK_ESCAPE)});
      });
  EXPECT_EQ(w.Form->ShowModal(), mrCancel);
  EXPECT_FALSE(run.TimedOut());
  ASSERT_NE(dialogWindow, nullptr) << "the message dialog did not get a window";
  EXPECT_NE(dialogWindow, wizardWindow);
  EXPECT_TRUE(dialogStillUp);
  EXPECT_EQ(pageWhileBlocked, 2);
  EXPECT_EQ(resultInside, -1);      // the dialog had not returned yet
  EXPECT_EQ(w.MessageResult, mrNo);  // its window was closed: the answer Escape gives
  EXPECT_EQ(dialogRect.Width(), expectedDialog.Width);
  EXPECT_EQ(dialogRect.Left, (1024 - expectedDialog.Width) / 2);  // centred on the screen
  KeepShot("live-dialog.png", dialogShot);
  EXPECT_EQ(PictureDifference(expectedDialog, dialogShot), "");
  EXPECT_EQ(run.StagesRun(), 5u);
}

TEST_F(LiveTest, TheDialogsButtonsAndKeysAnswerIt) {
  sdl::TSdlBackend& b = StartLive();
  sdlcheck::TCheckWizard w;
  std::vector<int> results;
  TLiveRun run(b);
  auto openDialog = [&] { PushSdl(b.WindowOf(*w.Form), *w.Form, {ClickOn(*w.Message)}); };
  auto dialog = [&] { return Screen->ActiveForm(); };
  run.Then([&] { PushSdl(b.WindowOf(*w.Form), *w.Form, {Press(VK_RETURN)}); })
      .Then(openDialog)
      // Enter presses the default button, Yes.
      .Then([&] { PushSdl(b.WindowOf(*dialog()), *dialog(), {Press(VK_RETURN)}); })
      .Then([&] {
        results.push_back(w.MessageResult);
        openDialog();
      })
      // Escape the cancel button, No.
      .Then([&] { PushSdl(b.WindowOf(*dialog()), *dialog(), {Press(VK_ESCAPE)}); })
      .Then([&] {
        results.push_back(w.MessageResult);
        openDialog();
      })
      // A click on Yes.
      .Then([&] {
        TControl* yes = dialog()->FindComponent("Yes") ? static_cast<TControl*>(dialog()->FindComponent("Yes")) : nullptr;
        if (yes) PushSdl(b.WindowOf(*dialog()), *dialog(), {ClickOn(*yes)});
        else PushClose(b.WindowOf(*dialog()));
      })
      .Then([&] {
        results.push_back(w.MessageResult);
        PushClose(b.WindowOf(*w.Form));
      });
  EXPECT_EQ(w.Form->ShowModal(), mrCancel);
  EXPECT_FALSE(run.TimedOut());
  EXPECT_EQ(results, (std::vector<int>{mrYes, mrNo, mrYes}));
}

TEST_F(LiveTest, ClosingTheWizardWindowEndsItsRunWithCancelAndTheFormCanRunAgain) {
  sdl::TSdlBackend& b = StartLive();
  sdlcheck::TCheckWizard w;
  {
    TLiveRun run(b);
    run.Then([&] { PushSdl(b.WindowOf(*w.Form), *w.Form, {Press(VK_RETURN)}); })
        .Then([&] { PushClose(b.WindowOf(*w.Form)); });
    EXPECT_EQ(w.Form->ShowModal(), mrCancel);
    EXPECT_FALSE(run.Overran());
  }
  EXPECT_FALSE(w.Form->Visible());
  EXPECT_EQ(b.WindowOf(*w.Form), nullptr);
  // Shown again, it gets a new window and takes input as before.
  TLiveRun again(b);
  again.Then([&] { PushSdl(b.WindowOf(*w.Form), *w.Form, {Press(VK_RETURN)}); })
      .Then([&] { PushSdl(b.WindowOf(*w.Form), *w.Form, {Press(VK_RETURN)}); });
  EXPECT_EQ(w.Form->ShowModal(), mrOk);
  EXPECT_FALSE(again.TimedOut());
}

TEST_F(LiveTest, NoWindowShownMeansNoInputWillCome) {
  sdl::TSdlBackend& b = StartLive();
  TInputEvent e;
  EXPECT_FALSE(b.NextEvent(e));
  EXPECT_EQ(b.Waits(), 0);
}
