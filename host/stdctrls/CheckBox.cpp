// TCheckBox: a box that is checked, unchecked or (with AllowGrayed) grayed.
#include "host/core/ClassBuilder.h"
#include "host/graphics/Draw3D.h"
#include "host/stdctrls/StdCtrls.h"

namespace host {

HOST_PUBLISHED(TCheckBox) {
  P.Property("Alignment", &TCheckBox::Alignment, &TCheckBox::SetAlignment).SetDefault(lrRightJustify);
  P.Property("AllowGrayed", &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed).SetDefault(false);
  P.Property("Caption", &TCheckBox::Caption, &TCheckBox::SetCaption);
  P.Property("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked).SetDefault(false);
  P.Property("Color", &TCheckBox::Color, &TCheckBox::SetColor).Stored(&TControl::IsColorStored).WithIdents(ColorIdents());
  P.Property("Enabled", &TCheckBox::Enabled, &TCheckBox::SetEnabled).SetDefault(true);
  P.Property("Font", &TCheckBox::Font).Stored(&TControl::IsFontStored);
  P.Property("ParentColor", &TCheckBox::ParentColor, &TCheckBox::SetParentColor).SetDefault(true);
  P.Property("ParentFont", &TCheckBox::ParentFont, &TCheckBox::SetParentFont).SetDefault(true);
  P.Property("State", &TCheckBox::State, &TCheckBox::SetState).SetDefault(cbUnchecked);
  P.Property("TabOrder", &TCheckBox::TabOrder, &TCheckBox::SetTabOrder).SetDefault(-1);
  P.Property("TabStop", &TCheckBox::TabStop, &TCheckBox::SetTabStop).SetDefault(true);
  P.Property("Visible", &TCheckBox::Visible, &TCheckBox::SetVisible).SetDefault(true);
  P.Property("OnClick", &TCheckBox::OnClick);
  P.Property("OnEnter", &TCheckBox::OnEnter);
  P.Property("OnExit", &TCheckBox::OnExit);
  P.Property("OnKeyDown", &TCheckBox::OnKeyDown);
  P.Property("OnMouseDown", &TCheckBox::OnMouseDown);
  P.Property("OnMouseUp", &TCheckBox::OnMouseUp);
}

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner) {
  width_ = 97;
  height_ = 17;
  SetTabStop(true);
  // Clicks toggle the box (MouseUp); OnClick comes from the change of state.
  controlStyle_ = {csSetCaption, csDoubleClicks, csOpaque, csCaptureMouse};
  SetColor(clBtnFace);
  SetParentColor(true);
}

void TCheckBox::SetState(TCheckBoxState value) {
  if (state_ == value) return;
  state_ = value;
  Invalidate();
  if (!ComponentState().Contains(csLoading)) Click();
}

void TCheckBox::SetAllowGrayed(bool value) {
  allowGrayed_ = value;
  if (!value && state_ == cbGrayed && !ComponentState().Contains(csReading)) SetState(cbUnchecked);
}

void TCheckBox::SetAlignment(TLeftRight value) {
  alignment_ = value;
  Invalidate();
}

void TCheckBox::Toggle() {
  switch (state_) {
    case cbUnchecked: SetState(allowGrayed_ ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
  }
}

void TCheckBox::MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y) {
  if (button == mbLeft && CanFocus() && !Focused()) SetFocus();
  TWinControl::MouseDown(button, shift, x, y);
}

void TCheckBox::MouseUp(TMouseButton button, TShiftState shift, Integer x, Integer y) {
  if (button == mbLeft && GetClientRect().Contains(Point(x, y))) Toggle();
  TWinControl::MouseUp(button, shift, x, y);
}

void TCheckBox::KeyUp(Word& key, TShiftState shift) {
  if (key == VK_SPACE) Toggle();
  TWinControl::KeyUp(key, shift);
}

void TCheckBox::WMGetDlgCode(TWMGetDlgCode& m) { m.Result = DLGC_BUTTON; }

void TCheckBox::CMDialogChar(TWMKey& m) {
  const char32_t accel = AccelCharOf(Caption());
  if (accel != 0 && accel == static_cast<char32_t>(m.CharCode) && CanFocus()) {
    SetFocus();
    Toggle();
    m.Result = 1;
    return;
  }
  TWinControl::CMDialogChar(m);
}

void TCheckBox::PaintControl(TCanvas& c) {
  TWinControl::PaintControl(c);
  constexpr Integer kSize = 13;
  const Integer by = (height_ - kSize) / 2;
  const Integer bx = alignment_ == lrRightJustify ? 0 : width_ - kSize;
  // The sunken box, window-coloured inside (face-coloured when grayed or disabled).
  const TRect box = Rect(bx, by, bx + kSize, by + kSize);
  Frame3D(c, box, clBtnShadow, clBtnHighlight);
  Frame3D(c, InflateRect(box, -1, -1), cl3DDkShadow, cl3DLight);
  c.Brush().SetColor(Enabled() && state_ != cbGrayed ? clWindow : clBtnFace);
  c.FillRect(InflateRect(box, -2, -2));
  if (state_ != cbUnchecked) {
    // The tick: seven columns three pixels tall, down to the fourth column and up again.
    c.Brush().SetColor(state_ == cbGrayed || !Enabled() ? clBtnShadow : clWindowText);
    for (Integer i = 0; i < 7; ++i) {
      const Integer top = by + (i < 3 ? 5 + i : 9 - i);
      c.FillRect(Rect(bx + 3 + i, top, bx + 4 + i, top + 3));
    }
  }
  PaintButtonCaption(c, *this, alignment_ == lrRightJustify ? kSize + 4 : 2, Focused());
}

}  // namespace host
