// The combo box's list drops down into a popup window above the form's window; it shows
// the list as the headless rendering does and takes the mouse.
#include "LiveFixture.h"
#include "LiveRun.h"
#include "Screenshot.h"
#include "apps/sdlcheck/CheckWizard.h"

using namespace host;
using namespace sdltest;

TEST_F(LiveTest, TheDroppedListIsAPopupWindowShowingTheHeadlessPixels) {
  // The same input headless: to page 2, open the list, hover its third row.
  TPixels expectedForm;
  TRect listRect;  // in window pixels
  TPoint third;    // the third row, in the list's own pixels
  {
    Application->SetBackend(nullptr);
    sdlcheck::TCheckWizard w;
    w.Form->Show();
    RunHeadless(*w.Form, {Press(VK_RETURN)});
    RunHeadless(*w.Form, {ClickOn(*w.Colour)});
    const TControl* list = reinterpret_cast<const TControl*>(w.Colour->DropList());
    ASSERT_NE(list, nullptr);
    listRect = list->VisibleWindowRect();
    third = Point(20, 1 + 2 * w.Colour->ItemHeight() + w.Colour->ItemHeight() / 2);
    RunHeadless(*w.Form, {MoveTo(Point(listRect.Left + third.X, listRect.Top + third.Y))});
    TBitmap b;
    w.Form->PaintTo(b);
    expectedForm = PictureOf(b);
  }
  sdl::TSdlBackend& b = StartLive();
  sdlcheck::TCheckWizard w;
  SDL_Window* popup = nullptr;
  TRect popupRect;
  TPixels formShot, popupShot;
  bool goneAfterChoice = false;
  TLiveRun run(b);
  run.Then([&] { PushSdl(b.WindowOf(*w.Form), *w.Form, {Press(VK_RETURN)}); })
      .Then([&] { PushSdl(b.WindowOf(*w.Form), *w.Form, {ClickOn(*w.Colour)}); })
      .Then([&] {
        popup = b.DropDownWindow();
        if (!popup) return PushClose(b.WindowOf(*w.Form));
        // The mouse moves over the popup window, not over the form's.
        PushSdl(popup, *w.Form, {MoveTo(third)});
      })
      .Then([&] {
        popupRect = ScreenRectOf(popup);
        popupShot = WindowShot(popup);
        formShot = WindowShot(b.WindowOf(*w.Form));
        PushSdl(popup, *w.Form, {PressAt(third), ReleaseAt(third)});
      })
      .Then([&] {
        goneAfterChoice = b.DropDownWindow() == nullptr && !w.Colour->DroppedDown();
        PushClose(b.WindowOf(*w.Form));
      });
  EXPECT_EQ(w.Form->ShowModal(), mrCancel);
  EXPECT_FALSE(run.TimedOut());
  ASSERT_NE(popup, nullptr) << "no popup window for the dropped list";
  EXPECT_EQ(popupRect, OffsetRect(listRect, w.Form->Left(), w.Form->Top()));
  KeepShot("live-dropdown.png", formShot);
  EXPECT_EQ(PictureDifference(expectedForm, formShot), "");
  EXPECT_EQ(PictureDifference(Crop(expectedForm, listRect), popupShot), "");
  EXPECT_EQ(w.Colour->ItemIndex(), 2);
  EXPECT_EQ(w.Colour->Text(), "Navy");
  EXPECT_TRUE(goneAfterChoice);
}
