#include "ToolBar.h"

#include "host/core/ClassBuilder.h"
#include "host/graphics/Draw3D.h"

namespace designer {

using namespace host;

HOST_PUBLISHED(TToolButton) {}

TToolButton::TToolButton(TComponent* owner) : TGraphicControl(owner), glyph_(std::make_unique<TBitmap>()) {
  SetBounds(0, 0, 64, 26);
}

TToolButton::~TToolButton() = default;

void TToolButton::SetDown(bool value) {
  if (down_ == value) return;
  down_ = value;
  Invalidate();
}

void TToolButton::SetEnabled(bool value) {
  if (value == Enabled()) return;
  TGraphicControl::SetEnabled(value);
  Invalidate();
}

void TToolButton::MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y) {
  if (button == mbLeft && Enabled()) {
    pressed_ = true;
    Invalidate();
  }
  TGraphicControl::MouseDown(button, shift, x, y);
}

void TToolButton::MouseUp(TMouseButton button, TShiftState shift, Integer x, Integer y) {
  if (pressed_) {
    pressed_ = false;
    Invalidate();
  }
  TGraphicControl::MouseUp(button, shift, x, y);
}

void TToolButton::Paint() {
  TCanvas& c = Canvas();
  const TRect r = Rect(0, 0, Width(), Height());
  const bool sunk = pressed_ || down_;
  c.Brush().SetColor(down_ && !pressed_ ? TColor(0xF0E6DC) : clBtnFace);
  c.FillRect(r);
  if (sunk) Frame3D(c, r, clBtnShadow, clBtnHighlight);
  const Integer shift = sunk ? 1 : 0;
  Integer x = 5 + shift;
  const Integer y = (Height() - 16) / 2 + shift;
  if (!glyph_->Empty()) {
    if (Enabled()) {
      c.Draw(x, y, *glyph_);
    } else {
      // Disabled: the picture's shape in grey.
      for (Integer py = 0; py < glyph_->Height(); ++py)
        for (Integer px = 0; px < glyph_->Width(); ++px)
          if (glyph_->Pixel(px, py) >> 24 == 0xFF) c.Pixel(x + px, y + py, clBtnShadow);
    }
    x += 16 + 4;
  }
  c.Brush().SetStyle(bsClear);
  c.Font().SetColor(Enabled() ? clBtnText : clGrayText);
  c.TextOut(x, (Height() - c.TextHeight("Wg")) / 2 + shift, Caption());
  c.Brush().SetStyle(bsSolid);
}

}  // namespace designer
