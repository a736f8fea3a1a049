// What a form repaints: the invalidated rectangles kept apart, each painted once, and
// nothing hidden under a child that paints all of its area itself.
#include <gtest/gtest.h>

#include "host/forms/Forms.h"
#include "host/stdctrls/ExtCtrls.h"
#include "host/stdctrls/StdCtrls.h"
#include "PaintCoverage.h"

using namespace host;

namespace {

std::uint32_t Px(TColor c) { return ColorToPixel(c); }
constexpr std::uint32_t kMark = 0xFF123456u;

// Counts its paints and fills its area with its colour, as far as asked.
class TCounted : public TCustomControl {
 public:
  TCounted(TComponent* owner, bool fills) : TCustomControl(owner), fills_(fills) {}
  int paints = 0;
  bool PaintFillsClient() const override { return fills_; }

 protected:
  void Paint() override {
    ++paints;
    Canvas().FillRect(Rect(0, 0, Width(), Height()));
  }

 private:
  bool fills_;
};

TCounted* Place(TWinControl* parent, TRect r, bool fills = false) {
  auto* c = new TCounted(parent, fills);
  c->SetParent(parent);
  c->SetBoundsRect(r);
  return c;
}

struct Region : ::testing::Test {
  TForm form{nullptr};
  Region() {
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 300, 200);
  }
};

}  // namespace

TEST_F(Region, TwoSeparateInvalidationsStayTwoRectanglesAndOnlyTheyArePainted) {
  TCounted* a = Place(&form, Rect(10, 10, 50, 50));
  TCounted* b = Place(&form, Rect(240, 140, 290, 190));
  TCounted* between = Place(&form, Rect(120, 80, 160, 120));
  form.UpdateWindow();
  ASSERT_EQ(between->paints, 1);
  TBitmap& window = form.WindowBitmap();
  window.SetPixel(130, 90, kMark);  // inside the bounds of a and b, in neither
  window.SetPixel(5, 5, kMark);

  a->SetColor(clRed);
  b->SetColor(clLime);
  EXPECT_EQ(form.InvalidRegion(), (std::vector<TRect>{Rect(10, 10, 50, 50), Rect(240, 140, 290, 190)}));
  EXPECT_EQ(form.InvalidRect(), Rect(10, 10, 290, 190));
  form.UpdateWindow();
  EXPECT_EQ(a->paints, 2);
  EXPECT_EQ(b->paints, 2);
  EXPECT_EQ(between->paints, 1);
  EXPECT_EQ(window.Pixel(130, 90), kMark);
  EXPECT_EQ(window.Pixel(5, 5), kMark);
  EXPECT_EQ(window.Pixel(20, 20), Px(clRed));
  EXPECT_EQ(window.Pixel(250, 150), Px(clLime));
  EXPECT_TRUE(form.InvalidRegion().empty());
}

TEST_F(Region, OverlappingAndContainedInvalidationsMergeIntoTheirBounds) {
  form.UpdateWindow();
  form.InvalidateWindowRect(Rect(0, 0, 20, 20));
  form.InvalidateWindowRect(Rect(100, 0, 120, 20));
  form.InvalidateWindowRect(Rect(5, 5, 10, 10));  // inside the first
  EXPECT_EQ(form.InvalidRegion().size(), 2u);
  // Bridging the two: one rectangle, their bounds.
  form.InvalidateWindowRect(Rect(10, 10, 110, 15));
  EXPECT_EQ(form.InvalidRegion(), (std::vector<TRect>{Rect(0, 0, 120, 20)}));
  // Many scattered ones end as their bounds.
  for (int i = 0; i < 20; ++i) form.InvalidateWindowRect(Bounds(i * 14, 100, 2, 2));
  EXPECT_LE(form.InvalidRegion().size(), 16u);
  EXPECT_EQ(form.InvalidRect(), Rect(0, 0, 268, 102));
}

TEST_F(Region, NothingUnderAChildThatPaintsAllOfItIsPaintedAndPixelsStayTheSame) {
  TCounted* under = Place(&form, Rect(20, 20, 60, 60));
  under->SetColor(clRed);
  TCounted* cover = Place(&form, Rect(0, 0, 300, 200), true);
  cover->SetColor(clAqua);
  TBitmap first;
  form.PaintTo(first);
  EXPECT_EQ(under->paints, 0);
  EXPECT_EQ(cover->paints, 1);
  EXPECT_EQ(first.Pixel(30, 30), Px(clAqua));
  // Where the cover does not reach, what lies under it is painted as before.
  cover->SetBounds(100, 0, 200, 200);
  TBitmap second;
  form.PaintTo(second);
  EXPECT_EQ(under->paints, 1);
  EXPECT_EQ(second.Pixel(30, 30), Px(clRed));
  EXPECT_EQ(second.Pixel(10, 10), Px(clBtnFace));
  EXPECT_EQ(second.Pixel(150, 10), Px(clAqua));
}

// A container that draws nothing of its own holds opaque children: the form's fill under
// them is left out, and the picture is the same as painting everything in turn.
TEST_F(Region, FillsUnderOpaqueGrandchildrenAreLeftOutWithoutChangingAPixel) {
  auto* box = new TCustomControl(&form);
  box->SetParent(&form);
  box->SetBoundsRect(Rect(10, 10, 290, 190));
  box->SetControlStyle(box->ControlStyle() - TControlStyle{csOpaque});
  box->SetColor(clRed);  // would show if the box erased
  auto* button = new TButton(&form);
  button->SetParent(box);
  button->SetBounds(10, 10, 80, 30);
  auto* panel = new TPanel(&form);
  panel->SetParent(box);
  panel->SetBounds(100, 10, 80, 30);
  panel->SetColor(clLime);
  auto* label = new TLabel(&form);
  label->SetParent(box);
  label->SetBounds(10, 60, 80, 20);
  label->SetCaption("Label");
  // Two opaque labels of the form itself, the later one on top where they overlap.
  auto* lower = new TLabel(&form);
  lower->SetParent(&form);
  lower->SetBounds(0, 192, 40, 8);
  lower->SetColor(clYellow);
  auto* upper = new TLabel(&form);
  upper->SetParent(&form);
  upper->SetBounds(20, 190, 40, 10);
  upper->SetColor(clBlue);
  EXPECT_EQ(pixeltest::UnpaintedPixels(form), 0);
  TBitmap& window = form.WindowBitmap();
  EXPECT_EQ(window.Pixel(30, 195), Px(clBlue));
  EXPECT_EQ(window.Pixel(10, 195), Px(clYellow));
  EXPECT_EQ(window.Pixel(150, 150), Px(clBtnFace));  // the form's fill shows through the box
  EXPECT_EQ(window.Pixel(120 + 10, 20 + 10), Px(clLime));
  // The box becomes opaque: its own fill now shows around the children.
  box->SetControlStyle(box->ControlStyle() + TControlStyle{csOpaque});
  EXPECT_EQ(pixeltest::UnpaintedPixels(form), 0);
  EXPECT_EQ(window.Pixel(150, 150), Px(clRed));
}
