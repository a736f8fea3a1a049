// The mouse wheel in the live window scrolls the control under the mouse, whichever has
// the focus.
#include "LiveFixture.h"
#include "LiveRun.h"
#include "host/stdctrls/StdCtrls.h"

using namespace host;
using namespace sdltest;

TEST_F(LiveTest, TheWheelScrollsTheMemoUnderTheMouse) {
  sdl::TSdlBackend& b = StartLive();
  TForm form(nullptr);
  form.SetBounds(60, 60, 320, 160);
  TMemo* memos[2];
  for (int i = 0; i < 2; ++i) {
    memos[i] = new TMemo(&form);
    memos[i]->SetBounds(10 + 150 * i, 10, 140, 100);
    memos[i]->SetScrollBars(ssVertical);
    memos[i]->SetParent(&form);
    for (int n = 0; n < 50; ++n) memos[i]->Lines()->Add("line " + std::to_string(n));
  }
  form.SetActiveControl(memos[0]);
  TLiveRun run(b);
  run.Then([&] {
        SDL_Event e{};
        e.type = SDL_MOUSEWHEEL;
        e.wheel.windowID = SDL_GetWindowID(b.WindowOf(form));
        e.wheel.y = -2;  // two notches towards the user
        const TRect area = form.WindowClientArea();
        const TPoint client = form.ScreenToClient(memos[1]->ClientToScreen(Point(40, 40)));
        e.wheel.mouseX = client.X + area.Left;
        e.wheel.mouseY = client.Y + area.Top;
        SDL_PushEvent(&e);
      })
      .Then([&] { PushClose(b.WindowOf(form)); });
  form.ShowModal();
  EXPECT_FALSE(run.TimedOut());
  EXPECT_EQ(memos[0]->TopRow(), 0);
  EXPECT_EQ(memos[1]->TopRow(), 6);
}
