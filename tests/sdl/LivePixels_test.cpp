// Screenshots of the live window hold the headless rendering of the same page, pixel for pixel.
#include "LiveFixture.h"
#include "LiveRun.h"
#include "Screenshot.h"
#include "apps/sdlcheck/CheckWizard.h"

using namespace host;
using namespace sdltest;

TEST_F(LiveTest, FirstPageOnTheScreenIsTheHeadlessRendering) {
  const TPixels expected = HeadlessPicture({});
  sdl::TSdlBackend& b = StartLive();
  sdlcheck::TCheckWizard w;
  TRect where;
  TPixels shot;
  TLiveRun run(b);
  run.Then([&] {
    SDL_Window* win = b.WindowOf(*w.Form);
    where = ScreenRectOf(win);
    shot = WindowShot(win);
    PushClose(win);
  });
  EXPECT_EQ(w.Form->ShowModal(), mrCancel);
  EXPECT_FALSE(run.TimedOut());
  EXPECT_FALSE(run.Overran());
  EXPECT_EQ(where, Bounds(w.Form->Left(), w.Form->Top(), w.Form->Width(), w.Form->Height()));
  KeepShot("live-page1.png", shot);
  EXPECT_EQ(PictureDifference(expected, shot), "");
  EXPECT_EQ(b.WindowOf(*w.Form), nullptr);  // the window went with the run
}
