// Without a window manager: the window system's keyboard focus follows the windows the
// application shows, closes and clicks, and only the active form's caption is lit.
#include <X11/keysym.h>

#include "LiveFixture.h"
#include "LiveRun.h"
#include "Screenshot.h"
#include "apps/sdlcheck/CheckWizard.h"

using namespace host;
using namespace sdltest;

namespace {

// The colour of the caption bar's left end as the screen shows it.
std::uint32_t CaptionColour(SDL_Window* window, const TCustomForm& form) {
  const TRect cap = form.CaptionRect();
  const TPixels shot = WindowShot(window);
  return shot.Width > cap.Left + 1 ? shot.At(cap.Left + 1, cap.Top + 1) : 0;
}

}  // namespace

TEST_F(LiveTest, TypingAfterAMessageDialogReachesTheWizard) {
  sdl::TSdlBackend& b = StartLive();
  sdlcheck::TCheckWizard w;
  SDL_Window* wizardWindow = nullptr;
  SDL_Window* dialogWindow = nullptr;
  unsigned long focusWhileDialog = 0, focusAfter = 0, dialogX = 0, wizardX = 0;
  std::uint32_t wizardCaptionBehind = 0, dialogCaption = 0, wizardCaptionAfter = 0;
  TLiveRun run(b);
  run.Then([&] {
        wizardWindow = b.WindowOf(*w.Form);
        PushSdl(wizardWindow, *w.Form, {Press(VK_RETURN)});  // to page 2, with the message button
      })
      .Then([&] { PushSdl(wizardWindow, *w.Form, {ClickOn(*w.Message)}); })
      .Then([&] {
        TCustomForm* dialog = Screen->ActiveForm();
        dialogWindow = dialog && dialog != w.Form.get() ? b.WindowOf(*dialog) : nullptr;
        if (!dialogWindow) return PushClose(wizardWindow);
        focusWhileDialog = FocusWindow();
        dialogX = XWindowOf(dialogWindow);
        wizardX = XWindowOf(wizardWindow);
        wizardCaptionBehind = CaptionColour(wizardWindow, *w.Form);
        dialogCaption = CaptionColour(dialogWindow, *dialog);
        TypeToFocus(XK_Escape);  // the dialog has the keyboard: Escape answers it
      })
      .Then([&] {
        focusAfter = FocusWindow();
        wizardCaptionAfter = CaptionColour(wizardWindow, *w.Form);
        TypeToFocus(XK_Escape);  // the wizard has it again: Escape cancels the run
      });
  EXPECT_EQ(w.Form->ShowModal(), mrCancel);
  EXPECT_FALSE(run.TimedOut());
  EXPECT_FALSE(run.Overran());
  ASSERT_NE(dialogWindow, nullptr);
  EXPECT_NE(dialogX, 0u);
  EXPECT_EQ(focusWhileDialog, dialogX);
  EXPECT_EQ(w.MessageResult, mrNo);
  EXPECT_EQ(focusAfter, wizardX);
  EXPECT_EQ(w.Wizard->Page(), 2);
  // Grey behind the dialog, navy on the dialog and again on the wizard once it is back.
  EXPECT_EQ(wizardCaptionBehind, 0xFF808080u);
  EXPECT_EQ(dialogCaption, 0xFF000080u);
  EXPECT_EQ(wizardCaptionAfter, 0xFF000080u);
}
