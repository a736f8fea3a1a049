// Keyboard use in the live window, as SDL events: Enter, Escape, Tab, the arrow keys
// and Space do what they do headless, and the window shows the same pixels.
#include "LiveFixture.h"
#include "LiveRun.h"
#include "Screenshot.h"
#include "apps/sdlcheck/CheckWizard.h"

using namespace host;
using namespace sdltest;

namespace {

std::string FocusName(const TCustomForm& form) {
  const TWinControl* c = form.FocusedControl();
  return c ? c->Name() : "";
}

}  // namespace

TEST_F(LiveTest, EnterPressesNextAndFinishOnTheLastPage) {
  const TPixels page2 = HeadlessPicture({Press(VK_RETURN)});
  const TPixels page3 = HeadlessPicture({Press(VK_RETURN), Press(VK_RETURN)});
  sdl::TSdlBackend& b = StartLive();
  sdlcheck::TCheckWizard w;
  SDL_Window* win = nullptr;
  std::vector<Integer> pages;
  TPixels shot2, shot3;
  TLiveRun run(b);
  run.Then([&] {
        win = b.WindowOf(*w.Form);
        PushSdl(win, *w.Form, {Press(VK_RETURN)});
      })
      .Then([&] {
        pages.push_back(w.Wizard->Page());
        shot2 = WindowShot(win);
        PushSdl(win, *w.Form, {Press(VK_RETURN)});
      })
      .Then([&] {
        pages.push_back(w.Wizard->Page());
        shot3 = WindowShot(win);
        PushSdl(win, *w.Form, {Press(VK_RETURN)});
      });
  EXPECT_EQ(w.Form->ShowModal(), mrOk);
  EXPECT_FALSE(run.TimedOut());
  EXPECT_EQ(pages, (std::vector<Integer>{2, 3}));
  EXPECT_EQ(PictureDifference(page2, shot2), "");
  EXPECT_EQ(PictureDifference(page3, shot3), "");
  KeepShot("live-page3.png", shot3);
}

TEST_F(LiveTest, EscapeCancels) {
  sdl::TSdlBackend& b = StartLive();
  sdlcheck::TCheckWizard w;
  TLiveRun run(b);
  run.Then([&] { PushSdl(b.WindowOf(*w.Form), *w.Form, {Press(VK_ESCAPE)}); });
  EXPECT_EQ(w.Form->ShowModal(), mrCancel);
  EXPECT_FALSE(run.Overran());
  EXPECT_EQ(w.Wizard->Page(), 1);
}

TEST_F(LiveTest, TabWalksTheControlsAndShiftTabWalksBack) {
  const std::vector<TStep> keys = {Press(VK_TAB), Press(VK_TAB), Press(VK_TAB), Press(VK_TAB), Press(VK_TAB),
                                   Press(VK_TAB, {ssShift})};
  const TPixels expected = HeadlessPicture(keys);
  sdl::TSdlBackend& b = StartLive();
  sdlcheck::TCheckWizard w;
  std::vector<std::string> focus;
  TPixels shot;
  TLiveRun run(b);
  for (const TStep& k : keys)
    run.Then([&, k] {
      focus.push_back(FocusName(*w.Form));
      PushSdl(b.WindowOf(*w.Form), *w.Form, {k});
    });
  run.Then([&] {
    focus.push_back(FocusName(*w.Form));
    shot = WindowShot(b.WindowOf(*w.Form));
    PushClose(b.WindowOf(*w.Form));
  });
  EXPECT_EQ(w.Form->ShowModal(), mrCancel);
  EXPECT_EQ(focus, (std::vector<std::string>{"Express", "CancelButton", "NextButton", "OKButton", "Zelvant1", "Express",
                                             "Zelvant1"}));
  EXPECT_EQ(PictureDifference(expected, shot), "");
}

TEST_F(LiveTest, ArrowKeysPageOnlyWhileTheWizardHasTheFocus) {
  const std::vector<TStep> toWizard = {Press(VK_TAB, {ssShift})};
  const TPixels expected = HeadlessPicture({Press(VK_TAB, {ssShift}), Press(VK_RIGHT), Press(VK_LEFT)});
  sdl::TSdlBackend& b = StartLive();
  sdlcheck::TCheckWizard w;
  std::vector<std::string> focus;
  std::vector<Integer> pages, items;
  TPixels shot;
  TLiveRun run(b);
  run.Then([&] { PushSdl(b.WindowOf(*w.Form), *w.Form, toWizard); })
      .Then([&] {
        focus.push_back(FocusName(*w.Form));
        PushSdl(b.WindowOf(*w.Form), *w.Form, {Press(VK_RIGHT)});
      })
      .Then([&] {
        // The new page focuses its first control, which takes the arrows itself.
        pages.push_back(w.Wizard->Page());
        focus.push_back(FocusName(*w.Form));
        PushSdl(b.WindowOf(*w.Form), *w.Form, {Press(VK_LEFT)});
      })
      .Then([&] {
        pages.push_back(w.Wizard->Page());
        items.push_back(w.Colour->ItemIndex());
        shot = WindowShot(b.WindowOf(*w.Form));
        PushClose(b.WindowOf(*w.Form));
      });
  EXPECT_EQ(w.Form->ShowModal(), mrCancel);
  EXPECT_EQ(focus, (std::vector<std::string>{"Zelvant1", "Colour"}));
  EXPECT_EQ(pages, (std::vector<Integer>{2, 2}));
  EXPECT_EQ(items, (std::vector<Integer>{0}));
  EXPECT_EQ(PictureDifference(expected, shot), "");
}

TEST_F(LiveTest, SpaceChoosesTheFocusedRadioButton) {
  // Focus the second radio button without choosing it: press on it, let go beside it.
  const TPoint centre = [] {
    sdlcheck::TCheckWizard probe;
    const TRect r = probe.Custom->VisibleWindowRect();
    return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  }();
  const TPoint beside = Point(centre.X + 300, centre.Y + 100);
  const std::vector<TStep> focus = {Press(VK_TAB), PressAt(centre), MoveTo(beside), ReleaseAt(beside)};
  std::vector<TStep> all = focus;
  all.push_back(Press(VK_SPACE));
  const TPixels expected = HeadlessPicture(all);
  sdl::TSdlBackend& b = StartLive();
  sdlcheck::TCheckWizard w;
  std::vector<bool> express, custom;
  std::string focused;
  TPixels shot;
  TLiveRun run(b);
  auto record = [&] {
    express.push_back(w.Express->Checked());
    custom.push_back(w.Custom->Checked());
  };
  run.Then([&] { PushSdl(b.WindowOf(*w.Form), *w.Form, focus); })
      .Then([&] {
        record();
        focused = FocusName(*w.Form);
        PushSdl(b.WindowOf(*w.Form), *w.Form, {Press(VK_SPACE)});
      })
      .Then([&] {
        record();
        shot = WindowShot(b.WindowOf(*w.Form));
        PushClose(b.WindowOf(*w.Form));
      });
  EXPECT_EQ(w.Form->ShowModal(), mrCancel);
  EXPECT_EQ(focused, "Custom");
  EXPECT_EQ(express, (std::vector<bool>{true, false}));
  EXPECT_EQ(custom, (std::vector<bool>{false, true}));
  EXPECT_EQ(PictureDifference(expected, shot), "");
}
