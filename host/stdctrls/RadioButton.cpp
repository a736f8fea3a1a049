// TRadioButton: one checked per parent; the checked one is its group's tab stop.
#include "host/core/ClassBuilder.h"
#include "host/forms/Forms.h"
#include "host/stdctrls/StdCtrls.h"

namespace host {

HOST_PUBLISHED(TRadioButton) {
  P.Property("Alignment", &TRadioButton::Alignment, &TRadioButton::SetAlignment).SetDefault(lrRightJustify);
  P.Property("Caption", &TRadioButton::Caption, &TRadioButton::SetCaption);
  P.Property("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked).SetDefault(false);
  P.Property("Color", &TRadioButton::Color, &TRadioButton::SetColor).Stored(&TControl::IsColorStored).WithIdents(ColorIdents());
  P.Property("Enabled", &TRadioButton::Enabled, &TRadioButton::SetEnabled).SetDefault(true);
  P.Property("Font", &TRadioButton::Font).Stored(&TControl::IsFontStored);
  P.Property("ParentColor", &TRadioButton::ParentColor, &TRadioButton::SetParentColor).SetDefault(true);
  P.Property("ParentFont", &TRadioButton::ParentFont, &TRadioButton::SetParentFont).SetDefault(true);
  P.Property("TabOrder", &TRadioButton::TabOrder, &TRadioButton::SetTabOrder).SetDefault(-1);
  P.Property("TabStop", &TRadioButton::TabStop, &TRadioButton::SetTabStop).SetDefault(false);
  P.Property("Visible", &TRadioButton::Visible, &TRadioButton::SetVisible).SetDefault(true);
  P.Property("OnClick", &TRadioButton::OnClick);
  P.Property("OnEnter", &TRadioButton::OnEnter);
  P.Property("OnExit", &TRadioButton::OnExit);
  P.Property("OnKeyDown", &TRadioButton::OnKeyDown);
  P.Property("OnMouseDown", &TRadioButton::OnMouseDown);
  P.Property("OnMouseUp", &TRadioButton::OnMouseUp);
}

TRadioButton::TRadioButton(TComponent* owner) : TWinControl(owner) {
  width_ = 113;
  height_ = 17;
  // Clicks check the button (MouseUp); OnClick comes from checking.
  controlStyle_ = {csSetCaption, csDoubleClicks, csOpaque, csCaptureMouse};
  SetColor(clBtnFace);
  SetParentColor(true);
}

void TRadioButton::SetChecked(bool value) {
  if (checked_ == value) return;
  checked_ = value;
  SetTabStop(value);
  Invalidate();
  if (!value) return;
  // A form file holds the checks as they were: two checked buttons in one parent stay so.
  if (Parent() && !ComponentState().Contains(csLoading))
    for (TWinControl* w : Parent()->WinChildren())
      if (auto* r = dynamic_cast<TRadioButton*>(w); r && r != this) r->SetChecked(false);
  if (!ComponentState().Contains(csLoading)) Click();
}

void TRadioButton::SetAlignment(TLeftRight value) {
  alignment_ = value;
  Invalidate();
}

void TRadioButton::MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y) {
  if (button == mbLeft && CanFocus() && !Focused()) SetFocus();
  TWinControl::MouseDown(button, shift, x, y);
}

void TRadioButton::MouseUp(TMouseButton button, TShiftState shift, Integer x, Integer y) {
  if (button == mbLeft && GetClientRect().Contains(Point(x, y))) SetChecked(true);
  TWinControl::MouseUp(button, shift, x, y);
}

void TRadioButton::KeyUp(Word& key, TShiftState shift) {
  if (key == VK_SPACE) SetChecked(true);
  TWinControl::KeyUp(key, shift);
}

void TRadioButton::WMGetDlgCode(TWMGetDlgCode& m) { m.Result = DLGC_RADIOBUTTON | DLGC_BUTTON; }

void TRadioButton::WMSetFocus(TWMSetFocus& m) {
  // Moving with the arrows from a radio button of the same group checks this one.
  if (auto* from = dynamic_cast<TRadioButton*>(m.FocusedWnd); from && from->Parent() == Parent()) SetChecked(true);
  TWinControl::WMSetFocus(m);
}

void TRadioButton::CMDialogChar(TWMKey& m) {
  const char32_t accel = AccelCharOf(Caption());
  if (accel != 0 && accel == static_cast<char32_t>(m.CharCode) && CanFocus()) {
    SetFocus();
    SetChecked(true);
    m.Result = 1;
    return;
  }
  TWinControl::CMDialogChar(m);
}

void TRadioButton::PaintControl(TCanvas& c) {
  TWinControl::PaintControl(c);
  constexpr Integer kSize = 12;
  const Integer by = (height_ - kSize) / 2;
  const Integer bx = alignment_ == lrRightJustify ? 0 : width_ - kSize;
  // The round box: sunken rings (shadow and dark at the top left, highlight and light
  // at the bottom right), a window-coloured inside and the dot when checked.
  const std::uint32_t shadow = ColorToPixel(clBtnShadow), dark = ColorToPixel(cl3DDkShadow),
                      light = ColorToPixel(cl3DLight), highlight = ColorToPixel(clBtnHighlight),
                      inside = ColorToPixel(Enabled() ? clWindow : clBtnFace), dot = ColorToPixel(Enabled() ? clWindowText : clBtnShadow);
  for (Integer y = 0; y < kSize; ++y)
    for (Integer x = 0; x < kSize; ++x) {
      const double dx = x - 5.5, dy = y - 5.5, d2 = dx * dx + dy * dy;
      const bool topLeft = x + y < kSize - 1;
      std::uint32_t p;
      if (d2 >= 36.0) continue;
      else if (d2 >= 25.0) p = topLeft ? shadow : highlight;
      else if (d2 >= 16.0) p = topLeft ? dark : light;
      else if (checked_ && d2 < 4.0) p = dot;
      else p = inside;
      c.Pixel(bx + x, by + y, PixelToColor(p));
    }
  PaintButtonCaption(c, *this, alignment_ == lrRightJustify ? kSize + 5 : 2, Focused());
}

}  // namespace host
