// The window and its form keep the same place and size whichever side moves, and the
// loop sleeps while no input comes.
#include <time.h>

#include "LiveFixture.h"
#include "LiveRun.h"
#include "Screenshot.h"
#include "apps/sdlcheck/CheckWizard.h"

using namespace host;
using namespace sdltest;

TEST_F(LiveTest, TheFormsSetBoundsMovesAndSizesItsWindow) {
  TPixels expected;
  {
    Application->SetBackend(nullptr);
    sdlcheck::TCheckWizard w;
    w.Form->Show();
    w.Form->SetBounds(100, 120, w.Form->Width() + 60, w.Form->Height() + 30);
    TBitmap b;
    w.Form->PaintTo(b);
    expected = PictureOf(b);
  }
  sdl::TSdlBackend& b = StartLive();
  sdlcheck::TCheckWizard w;
  TRect moved, sized;
  TPixels shot;
  TLiveRun run(b);
  run.Then([&] {
        w.Form->SetBounds(100, 120, w.Form->Width(), w.Form->Height());
        Wake();
      })
      .Then([&] {
        moved = ScreenRectOf(b.WindowOf(*w.Form));
        w.Form->SetBounds(100, 120, w.Form->Width() + 60, w.Form->Height() + 30);
        Wake();
      })
      .Then([&] {
        sized = ScreenRectOf(b.WindowOf(*w.Form));
        shot = WindowShot(b.WindowOf(*w.Form));
        PushClose(b.WindowOf(*w.Form));
      });
  const Integer width = w.Form->Width(), height = w.Form->Height();
  EXPECT_EQ(w.Form->ShowModal(), mrCancel);
  EXPECT_EQ(moved, Bounds(100, 120, width, height));
  EXPECT_EQ(sized, Bounds(100, 120, width + 60, height + 30));
  EXPECT_EQ(PictureDifference(expected, shot), "");
}

TEST_F(LiveTest, MovingAndSizingTheWindowMovesAndSizesTheForm) {
  sdl::TSdlBackend& b = StartLive();
  sdlcheck::TCheckWizard w;
  const Integer width = w.Form->Width(), height = w.Form->Height();
  TRect afterMove, afterSize;
  Integer wizardWidth = 0;
  TLiveRun run(b);
  // As a window manager would: the X server moves and sizes the window, SDL reports it.
  run.Then([&] { MoveOnServer(b.WindowOf(*w.Form), 210, 160); })
      .Then([&] {
        afterMove = Bounds(w.Form->Left(), w.Form->Top(), w.Form->Width(), w.Form->Height());
        SizeOnServer(b.WindowOf(*w.Form), width + 80, height + 40);
      })
      .Then([&] {
        afterSize = Bounds(w.Form->Left(), w.Form->Top(), w.Form->Width(), w.Form->Height());
        wizardWidth = w.Wizard->Width();
        PushClose(b.WindowOf(*w.Form));
      });
  EXPECT_EQ(w.Form->ShowModal(), mrCancel);
  EXPECT_FALSE(run.TimedOut());
  EXPECT_EQ(afterMove, Bounds(210, 160, width, height));
  EXPECT_EQ(afterSize, Bounds(210, 160, width + 80, height + 40));
  EXPECT_EQ(wizardWidth, w.Form->ClientWidth());  // the wizard fills the larger client area
}

namespace {

double CpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

Uint32 WakeUp(Uint32, void*) {
  SDL_Event e{};
  e.type = SDL_USEREVENT;
  SDL_PushEvent(&e);
  return 0;
}

}  // namespace

TEST_F(LiveTest, IdleTheLoopSleepsInOneWaitUntilAnEventComes) {
  sdl::TSdlBackend& b = StartLive();
  sdlcheck::TCheckWizard w;
  long waitsBefore = 0, waitsAfter = 0;
  double cpuBefore = 0, cpuAfter = 0;
  Uint32 ticksBefore = 0, ticksAfter = 0;
  TLiveRun run(b);
  run.Then([&] {
        waitsBefore = b.Waits();
        cpuBefore = CpuSeconds();
        ticksBefore = SDL_GetTicks();
        // Nothing comes for 400 ms but the event of a timer of SDL's.
        SDL_AddTimer(400, &WakeUp, nullptr);
      })
      .Then([&] {
        waitsAfter = b.Waits();
        cpuAfter = CpuSeconds();
        ticksAfter = SDL_GetTicks();
        PushClose(b.WindowOf(*w.Form));
      });
  EXPECT_EQ(w.Form->ShowModal(), mrCancel);
  EXPECT_GE(ticksAfter - ticksBefore, 390u);
  EXPECT_EQ(waitsAfter - waitsBefore, 1);  // one sleep, no polling round
  EXPECT_LT(cpuAfter - cpuBefore, 0.1) << "the idle loop used CPU time";
}
