// Forms: position on the screen, closing, embedding in a control, the application loop.
#include <gtest/gtest.h>

#include "host/forms/Backend.h"
#include "host/stdctrls/ExtCtrls.h"
#include "host/streaming/Filer.h"
#include "host/stdctrls/StdCtrls.h"

using namespace host;

namespace {

THeadlessBackend& Input() { return *Application->Headless(); }

TEST(Forms, ScreenCenterUsesTheBackendsScreenWhenShown) {
  Input().SetScreenSize(Point(800, 600));
  TForm form(nullptr);
  form.SetBounds(5, 5, 200, 100);
  form.SetPosition(poScreenCenter);
  EXPECT_EQ(form.Left(), 5);  // applied when shown
  form.Show();
  EXPECT_EQ(form.BoundsRect(), Bounds(300, 250, 200, 100));
  EXPECT_EQ(Screen->ActiveForm(), &form);
  form.Hide();
  EXPECT_NE(Screen->ActiveForm(), &form);
  Input().SetScreenSize(Point(1024, 768));
}

TEST(Forms, CloseEndsAModalRunWithCancel) {
  Input().Clear();
  TForm form(nullptr);
  auto* b = new TButton(&form);
  b->SetName("CloseIt");
  b->SetParent(&form);
  b->OnClick = [&](TObject*) { form.Close(); };
  Input().ClickControl("CloseIt");
  EXPECT_EQ(form.ShowModal(), mrCancel);
}

TEST(Forms, OnCloseDecidesWhatCloseDoesToAShownForm) {
  TForm form(nullptr);
  TCloseAction action = caNone;
  form.OnClose = [&](TObject*, TCloseAction& a) { a = action; };
  form.Show();
  form.Close();
  EXPECT_TRUE(form.Visible());
  action = caHide;
  form.Close();
  EXPECT_FALSE(form.Visible());
}

TEST(Forms, AStoredVisibleShowsTheFormOnceItIsRead) {
  std::unique_ptr<TComponent> root(ReadForm("object F: TForm\n  Visible = True\nend\n"));
  auto* form = As<TForm>(root.get());
  EXPECT_TRUE(form->Visible());
  EXPECT_EQ(Screen->ActiveForm(), form);
  form->Hide();
}

TEST(Forms, AnEmbeddedFormPaintsAndTakesClicksInsideItsParent) {
  TForm host(nullptr);
  host.SetBorderStyle(bsNone);
  host.SetBounds(0, 0, 200, 150);
  auto* box = new TPanel(&host);
  box->SetBevelOuter(bvNone);
  box->SetBounds(50, 40, 100, 80);
  box->SetParent(&host);
  auto* inner = new TForm(&host);
  inner->SetBorderStyle(bsNone);
  inner->SetWindowState(wsMaximized);
  inner->SetColor(clRed);
  inner->SetParent(box);
  inner->SetVisible(true);
  auto* b = new TButton(inner);
  b->SetBounds(10, 10, 40, 20);
  b->SetParent(inner);
  int clicks = 0;
  b->OnClick = [&](TObject*) { ++clicks; };
  EXPECT_EQ(GetParentForm(b), &host);  // the form at the top of the chain
  TBitmap shot;
  host.PaintTo(shot);
  EXPECT_EQ(shot.Pixel(55, 45), ColorToPixel(clRed));
  EXPECT_EQ(shot.Pixel(60, 50), ColorToPixel(clBtnHighlight));  // the button's corner
  EXPECT_EQ(shot.Pixel(45, 45), ColorToPixel(clBtnFace));
  host.HandleMouse(miDown, mbLeft, {}, Point(70, 60));
  host.HandleMouse(miUp, mbLeft, {}, Point(70, 60));
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(inner->Active());
}

TEST(Forms, RunEndsWhenTheMainFormCloses) {
  Input().Clear();
  TForm form(nullptr);
  form.SetName("Main");
  auto* quit = new TButton(&form);
  quit->SetName("Quit");
  quit->SetParent(&form);
  quit->OnClick = [&](TObject*) { form.Close(); };
  Application->SetMainForm(&form);
  Input().ClickControl("Quit");
  Input().PressKey('A');  // left over after the main form closed
  Application->Run();
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(Input().Pending(), 3u);
  Application->SetMainForm(nullptr);
  Input().Clear();
}

}  // namespace
