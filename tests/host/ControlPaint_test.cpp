// Controls painted into their form's pixels: bevels, frames, focus rectangles,
// clipping, opacity and partial repaints. Checked pixel by pixel.
#include <gtest/gtest.h>

#include "host/stdctrls/Buttons.h"
#include "host/stdctrls/ExtCtrls.h"
#include "host/stdctrls/StdCtrls.h"

using namespace host;

namespace {

std::uint32_t Px(TColor c) { return ColorToPixel(c); }

// A borderless form, so that client and window coordinates agree.
struct Canvas : ::testing::Test {
  TForm form{nullptr};
  TBitmap shot;
  Canvas() {
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 160, 100);
  }
  const TBitmap& Paint() {
    form.PaintTo(shot);
    return shot;
  }
  std::uint32_t At(Integer x, Integer y) { return shot.Pixel(x, y); }
};

TEST_F(Canvas, AButtonHasTheRaisedLookAndTheDefaultOneAHeavierFrame) {
  auto* b = new TButton(&form);
  b->SetBounds(10, 10, 75, 25);
  b->SetParent(&form);
  Paint();
  EXPECT_EQ(At(10, 10), Px(clBtnHighlight));  // outer top-left
  EXPECT_EQ(At(84, 34), Px(cl3DDkShadow));    // outer bottom-right
  EXPECT_EQ(At(11, 11), Px(cl3DLight));
  EXPECT_EQ(At(83, 33), Px(clBtnShadow));
  EXPECT_EQ(At(13, 13), Px(clBtnFace));
  EXPECT_EQ(At(9, 9), Px(clBtnFace));  // the form around it
  b->SetDefault(true);
  Paint();
  EXPECT_EQ(At(10, 10), Px(cl3DDkShadow));
  EXPECT_EQ(At(84, 10), Px(cl3DDkShadow));
  EXPECT_EQ(At(11, 11), Px(clBtnHighlight));
  EXPECT_EQ(At(82, 32), Px(clBtnShadow));
}

TEST_F(Canvas, APressedButtonShowsDarkEdgesAndItsCaptionMovesByOne) {
  auto* b = new TButton(&form);
  b->SetBounds(10, 10, 75, 25);
  b->SetCaption("Go");
  b->SetParent(&form);
  TBitmap up;
  form.PaintTo(up);
  form.HandleMouse(miDown, mbLeft, {}, Point(40, 20));
  Paint();
  EXPECT_EQ(At(10, 10), Px(cl3DDkShadow));
  EXPECT_EQ(At(11, 11), Px(clBtnShadow));
  // The caption's ink moved one pixel right and down.
  Integer upInk = -1, downInk = -1;
  for (Integer x = 12; x < 83 && (upInk < 0 || downInk < 0); ++x)
    for (Integer y = 12; y < 33; ++y) {
      if (upInk < 0 && up.Pixel(x, y) == Px(clBtnText)) upInk = x;
      if (downInk < 0 && shot.Pixel(x, y) == Px(clBtnText)) downInk = x;
    }
  ASSERT_GT(upInk, 0);
  EXPECT_EQ(downInk, upInk + 1);
  form.HandleMouse(miUp, mbLeft, {}, Point(40, 20));
}

TEST_F(Canvas, TheFocusedButtonGetsAFocusRectangleAndNothingElseChanges) {
  auto* b = new TButton(&form);
  b->SetBounds(10, 10, 75, 25);
  b->SetParent(&form);
  auto* other = new TButton(&form);
  other->SetBounds(10, 60, 75, 25);
  other->SetParent(&form);
  form.Show();
  other->SetFocus();
  TBitmap unfocused;
  form.PaintTo(unfocused);
  b->SetFocus();
  Paint();
  // Only the button's face differs: the dotted rectangle three pixels inside it (the
  // focused button also becomes the one Enter presses and gains the heavier frame).
  Integer inside = 0, outsideChanges = 0;
  for (Integer y = 0; y < 60; ++y)
    for (Integer x = 0; x < 160; ++x) {
      if (unfocused.Pixel(x, y) == shot.Pixel(x, y)) continue;
      const bool onFrame = x == 10 || x == 84 || y == 10 || y == 34 || x == 11 || x == 83 || y == 11 || y == 33 ||
                           x == 12 || x == 82 || y == 12 || y == 32;
      const bool onFocus = (x == 14 || x == 80 || y == 14 || y == 30) && x >= 14 && x <= 80 && y >= 14 && y <= 30;
      if (onFocus) ++inside;
      else if (!onFrame) ++outsideChanges;
    }
  EXPECT_GT(inside, 50);
  EXPECT_EQ(outsideChanges, 0);
  EXPECT_EQ(At(14, 14), Px(clBtnFace) ^ 0x00FFFFFF);  // dots invert the face
  EXPECT_EQ(At(15, 14), Px(clBtnFace));
  form.Hide();
}

TEST_F(Canvas, PanelsShowTheirBevelsAndChildrenAreClippedToTheirParent) {
  auto* outer = new TPanel(&form);
  outer->SetBounds(20, 20, 60, 40);
  outer->SetParent(&form);
  auto* inner = new TPanel(&form);
  inner->SetBevelOuter(bvLowered);
  inner->SetColor(clRed);
  inner->SetBounds(30, 10, 100, 100);  // far beyond its parent's bottom-right
  inner->SetParent(outer);
  Paint();
  EXPECT_EQ(At(20, 20), Px(clBtnHighlight));
  EXPECT_EQ(At(79, 21), Px(clBtnShadow));
  EXPECT_EQ(At(21, 59), Px(clBtnShadow));
  EXPECT_EQ(At(79, 59), Px(clRed));  // the child covers its parent's bevel
  EXPECT_EQ(At(50, 30), Px(clBtnShadow));  // the lowered child's top-left edge
  EXPECT_EQ(At(60, 40), Px(clRed));
  EXPECT_EQ(At(80, 40), Px(clBtnFace));  // right of the parent: not painted by the child
  EXPECT_EQ(At(60, 60), Px(clBtnFace));
}

TEST_F(Canvas, HiddenAndParkedControlsAreNotPainted) {
  auto* hidden = new TPanel(&form);
  hidden->SetColor(clRed);
  hidden->SetBounds(0, 0, 50, 50);
  hidden->SetVisible(false);
  hidden->SetParent(&form);
  auto* parked = new TPanel(&form);
  parked->SetColor(clRed);
  parked->SetBounds(20000, 0, 50, 50);
  parked->SetParent(&form);
  Paint();
  for (Integer y = 0; y < 100; ++y)
    for (Integer x = 0; x < 160; ++x) ASSERT_EQ(At(x, y), Px(clBtnFace)) << x << "," << y;
}

// A control that paints nothing of its own, with or without csOpaque.
class TEmpty : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
};

TEST_F(Canvas, OnlyOpaqueControlsEraseTheirBackground) {
  form.SetColor(clYellow);
  auto* opaque = new TEmpty(&form);
  opaque->SetColor(clBlue);
  opaque->SetBounds(0, 0, 40, 40);
  opaque->SetParent(&form);
  auto* clear = new TEmpty(&form);
  clear->SetColor(clBlue);
  clear->SetControlStyle(clear->ControlStyle() - TControlStyle{csOpaque});
  clear->SetBounds(50, 0, 40, 40);
  clear->SetParent(&form);
  Paint();
  EXPECT_EQ(At(20, 20), Px(clBlue));
  EXPECT_EQ(At(70, 20), Px(clYellow));
}

TEST_F(Canvas, AGraphicControlIsPaintedByItsParentBelowWindowedSiblings) {
  auto* label = new TLabel(&form);
  label->SetAutoSize(false);
  label->SetColor(clLime);
  label->SetBounds(0, 0, 60, 30);
  label->SetParent(&form);
  auto* panel = new TPanel(&form);
  panel->SetColor(clRed);
  panel->SetBevelOuter(bvNone);
  panel->SetBounds(30, 0, 60, 30);
  panel->SetParent(&form);
  Paint();
  EXPECT_EQ(At(10, 10), Px(clLime));
  EXPECT_EQ(At(40, 10), Px(clRed));  // the window covers the label
}

TEST_F(Canvas, UpdatePaintsOnlyWhatWasInvalidated) {
  auto* a = new TPanel(&form);
  a->SetBounds(0, 0, 40, 40);
  a->SetParent(&form);
  auto* b = new TPanel(&form);
  b->SetBounds(80, 0, 40, 40);
  b->SetParent(&form);
  form.UpdateWindow();  // first paint: everything
  TBitmap& window = form.WindowBitmap();
  window.SetPixel(20, 20, 0xFF123456);
  window.SetPixel(100, 20, 0xFF123456);
  EXPECT_TRUE(form.InvalidRect().IsEmpty());
  b->SetColor(clAqua);  // invalidates b only
  EXPECT_EQ(form.InvalidRect(), Rect(80, 0, 120, 40));
  form.UpdateWindow();
  EXPECT_EQ(window.Pixel(20, 20), 0xFF123456u);  // not repainted
  EXPECT_EQ(window.Pixel(100, 20), Px(clAqua));
  EXPECT_TRUE(form.InvalidRect().IsEmpty());
}

TEST_F(Canvas, ACustomControlsCanvasOutsidePaintDrawsAtItsPlaceInTheWindow) {
  auto* c = new TEmpty(&form);
  c->SetBounds(30, 20, 20, 20);
  c->SetParent(&form);
  form.UpdateWindow();
  c->Canvas().Brush().SetColor(clRed);
  c->Canvas().FillRect(Rect(-10, 0, 100, 5));  // clipped to the control
  const TBitmap& w = form.WindowBitmap();
  EXPECT_EQ(w.Pixel(30, 20), Px(clRed));
  EXPECT_EQ(w.Pixel(49, 24), Px(clRed));
  EXPECT_NE(w.Pixel(29, 20), Px(clRed));
  EXPECT_NE(w.Pixel(50, 20), Px(clRed));
}

TEST(FormPaint, AFramedFormHasRaisedEdgesACaptionBarAndItsClientInside) {
  TForm form(nullptr);
  form.SetBorderStyle(bsDialog);
  form.SetBounds(0, 0, 120, 80);
  form.SetCaption("Hi");
  form.Show();
  TBitmap shot;
  form.PaintTo(shot);
  EXPECT_EQ(shot.Width(), 120);
  EXPECT_EQ(shot.Pixel(0, 0), Px(cl3DLight));
  EXPECT_EQ(shot.Pixel(1, 1), Px(clBtnHighlight));
  EXPECT_EQ(shot.Pixel(119, 79), Px(cl3DDkShadow));
  EXPECT_EQ(shot.Pixel(118, 78), Px(clBtnShadow));
  // The active caption fades from navy on the left to a lighter blue on the right.
  const std::uint32_t left = shot.Pixel(3, 12), right = shot.Pixel(90, 12);
  EXPECT_EQ(left, 0xFF000080u);
  EXPECT_GT(right & 0xFF, left & 0xFF);
  const TRect close = form.CloseBoxRect();
  EXPECT_EQ(shot.Pixel(close.Left, close.Top), Px(clBtnHighlight));
  // Client pixels start below the caption.
  auto* p = new TPanel(&form);
  p->SetColor(clRed);
  p->SetBevelOuter(bvNone);
  p->SetAlign(alClient);
  p->SetParent(&form);
  form.PaintTo(shot);
  const Integer top = form.FrameWidth() + form.CaptionHeight();
  EXPECT_EQ(shot.Pixel(form.FrameWidth(), top), Px(clRed));
  EXPECT_NE(shot.Pixel(form.FrameWidth(), top - 1), Px(clRed));
  EXPECT_EQ(shot.Pixel(119 - form.FrameWidth(), 79 - form.FrameWidth()), Px(clRed));
  form.Hide();
  form.PaintTo(shot);
  EXPECT_EQ(shot.Pixel(3, 12), 0xFF808080u);  // inactive: grey
}

TEST(FormPaint, SaveToPngWritesTheWindowAndReadsBackTheSame) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 90, 60);
  auto* b = new TButton(&form);
  b->SetParent(&form);
  const std::string file = ::testing::TempDir() + "form_paint.png";
  form.SaveToPng(file);
  TBitmap back, direct;
  back.LoadFromFile(file);
  form.PaintTo(direct);
  EXPECT_EQ(back.Pixels(), direct.Pixels());
  std::remove(file.c_str());
}

}  // namespace
