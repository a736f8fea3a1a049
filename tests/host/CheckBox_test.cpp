// The check box: states by click and Space, the grayed state, its look, and the focus
// rectangle of check boxes and radio buttons a pixel clear of their captions.
#include <gtest/gtest.h>

#include <memory>

#include "InputFixture.h"
#include "PixelTestHelpers.h"
#include "host/stdctrls/StdCtrls.h"

using namespace host;
using namespace inputtest;

namespace {

struct CheckBoxes : InputForm {
  TCheckBox* box;
  std::vector<TCheckBoxState> clicked;
  CheckBoxes() {
    box = new TCheckBox(&form);
    box->SetName("Box");
    box->SetCaption("&Install shortcuts");
    box->SetBounds(10, 10, 150, 17);
    box->SetParent(&form);
    box->OnClick = [this](TObject*) { clicked.push_back(box->State()); };
    Show();
  }
  std::unique_ptr<TBitmap> Shot() {
    form.UpdateWindow();
    auto b = std::make_unique<TBitmap>();
    form.PaintTo(*b);
    return b;
  }
};

// The dark pixels of a box's inside (the tick).
int TickPixels(const TBitmap& b, int bx, int by, std::uint32_t colour) {
  int n = 0;
  for (int y = by + 2; y < by + 11; ++y)
    for (int x = bx + 2; x < bx + 11; ++x) n += b.Pixel(x, y) == colour;
  return n;
}

}  // namespace

TEST_F(CheckBoxes, ClicksAndSpaceCycleThroughTheStates) {
  Click(Centre(box));
  Click(Centre(box));
  EXPECT_EQ(clicked, (std::vector<TCheckBoxState>{cbChecked, cbUnchecked}));
  box->SetAllowGrayed(true);
  clicked.clear();
  Click(Centre(box));
  Key(VK_SPACE);
  Key(VK_SPACE);
  EXPECT_EQ(clicked, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked}));
  // An accelerator toggles too; a press that leaves the box does not.
  In().KeyDown('I', {ssAlt});
  Run();
  EXPECT_EQ(box->State(), cbGrayed);
  In().MouseDown(Centre(box));
  In().MouseUp(Point(300, 200));
  Run();
  EXPECT_EQ(box->State(), cbGrayed);
  box->SetAllowGrayed(false);  // no grayed box without AllowGrayed
  EXPECT_EQ(box->State(), cbUnchecked);
}

TEST_F(CheckBoxes, TickIsBlackWhenCheckedGreyWhenGrayedAndAbsentOtherwise) {
  const int by = 10 + (17 - 13) / 2;
  EXPECT_EQ(TickPixels(*Shot(), 10, by, ColorToPixel(clWindowText)), 0);
  box->SetChecked(true);
  const auto checked = Shot();
  EXPECT_EQ(TickPixels(*checked, 10, by, ColorToPixel(clWindowText)), 21);  // seven columns of three
  EXPECT_EQ(checked->Pixel(12, by + 2), ColorToPixel(clWindow));
  box->SetAllowGrayed(true);
  box->SetState(cbGrayed);
  const auto grayed = Shot();
  EXPECT_EQ(TickPixels(*grayed, 10, by, ColorToPixel(clBtnShadow)), 21);
  EXPECT_EQ(grayed->Pixel(12, by + 2), ColorToPixel(clBtnFace));
}

namespace {

// Whether any focus-rectangle pixel touches (8-neighbour) a pixel of the caption.
template <class Control>
void ExpectFocusRectClearOfCaption(Control* c, TForm& form) {
  form.UpdateWindow();
  TBitmap focused;
  form.PaintTo(focused);
  c->SetCaption("");  // the same picture without caption nor focus rectangle
  form.UpdateWindow();
  TBitmap bare;
  form.PaintTo(bare);
  const TRect r = c->VisibleWindowRect();
  const std::uint32_t face = ColorToPixel(clBtnFace);
  int frame = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left + 16; x < r.Right; ++x) {
      const bool changed = focused.Pixel(x, y) != bare.Pixel(x, y);
      if (!changed) continue;
      // Focus-rectangle pixels are the inverted face; caption pixels anything else.
      if (focused.Pixel(x, y) != (~face | 0xFF000000u)) continue;
      ++frame;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          const std::uint32_t p = focused.Pixel(x + dx, y + dy);
          const bool ink = p != face && p != (~face | 0xFF000000u);
          EXPECT_FALSE(ink) << "focus rectangle at " << x << "," << y << " touches the text";
        }
    }
  EXPECT_GT(frame, 20);
}

}  // namespace

TEST_F(CheckBoxes, FocusRectangleKeepsAPixelClearOfTheCaption) {
  box->SetCaption("Wide glyphs: Wjqy|");
  box->SetFocus();
  ExpectFocusRectClearOfCaption(box, form);
  auto* radio = new TRadioButton(&form);
  radio->SetCaption("Wide glyphs: Wjqy|");
  radio->SetBounds(10, 40, 150, 17);
  radio->SetParent(&form);
  radio->SetFocus();
  ExpectFocusRectClearOfCaption(radio, form);
}
