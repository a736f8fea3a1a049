// TButton: the classic push button.
#include "host/core/ClassBuilder.h"
#include "host/graphics/Draw3D.h"
#include "host/forms/Forms.h"
#include "host/stdctrls/StdCtrls.h"

namespace host {

HOST_PUBLISHED(TButton) {
  P.Property("Cancel", &TButton::Cancel, &TButton::SetCancel).SetDefault(false);
  P.Property("Caption", &TButton::Caption, &TButton::SetCaption);
  P.Property("Default", &TButton::Default, &TButton::SetDefault).SetDefault(false);
  P.Property("Enabled", &TButton::Enabled, &TButton::SetEnabled).SetDefault(true);
  P.Property("Font", &TButton::Font).Stored(&TControl::IsFontStored);
  P.Property("ModalResult", &TButton::ModalResult, &TButton::SetModalResult).SetDefault(0);
  P.Property("ParentFont", &TButton::ParentFont, &TButton::SetParentFont).SetDefault(true);
  P.Property("TabOrder", &TButton::TabOrder, &TButton::SetTabOrder).SetDefault(-1);
  P.Property("TabStop", &TButton::TabStop, &TButton::SetTabStop).SetDefault(true);
  P.Property("Visible", &TButton::Visible, &TButton::SetVisible).SetDefault(true);
  P.Property("OnClick", &TButton::OnClick);
  P.Property("OnEnter", &TButton::OnEnter);
  P.Property("OnExit", &TButton::OnExit);
  P.Property("OnKeyDown", &TButton::OnKeyDown);
  P.Property("OnKeyPress", &TButton::OnKeyPress);
  P.Property("OnKeyUp", &TButton::OnKeyUp);
  P.Property("OnMouseDown", &TButton::OnMouseDown);
  P.Property("OnMouseMove", &TButton::OnMouseMove);
  P.Property("OnMouseUp", &TButton::OnMouseUp);
}

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  width_ = 75;
  height_ = 25;
  SetTabStop(true);
  controlStyle_ = {csSetCaption, csDoubleClicks, csOpaque, csCaptureMouse, csClickEvents};
  SetColor(clBtnFace);
}

void TButton::SetDefault(bool value) {
  if (default_ == value) return;
  default_ = value;
  SetWatchesFocus(value);
  const TCustomForm* form = GetParentForm(this);
  TWinControl* focused = form ? form->FocusedControl() : nullptr;
  active_ = dynamic_cast<TButton*>(focused) ? focused == this : default_;
  Invalidate();
}

void TButton::Click() {
  if (TCustomForm* form = GetParentForm(this); form && modalResult_ != 0) form->SetModalResult(modalResult_);
  TWinControl::Click();
}

bool TButton::Down() const { return spaceDown_ || (controlState_.Contains(csLButtonDown) && mouseInside_); }

void TButton::MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y) {
  if (button == mbLeft) {
    mouseInside_ = true;
    if (CanFocus() && !Focused()) SetFocus();
    Invalidate();
  }
  TWinControl::MouseDown(button, shift, x, y);
}

void TButton::MouseMove(TShiftState shift, Integer x, Integer y) {
  if (controlState_.Contains(csLButtonDown)) {
    const bool inside = GetClientRect().Contains(Point(x, y));
    if (inside != mouseInside_) {
      mouseInside_ = inside;
      Invalidate();
    }
  }
  TWinControl::MouseMove(shift, x, y);
}

void TButton::MouseUp(TMouseButton button, TShiftState shift, Integer x, Integer y) {
  if (button == mbLeft) {
    mouseInside_ = false;
    Invalidate();
  }
  TWinControl::MouseUp(button, shift, x, y);
}

void TButton::KeyDown(Word& key, TShiftState shift) {
  if (key == VK_SPACE && !spaceDown_) {
    spaceDown_ = true;
    Invalidate();
  }
  TWinControl::KeyDown(key, shift);
}

void TButton::KeyUp(Word& key, TShiftState shift) {
  // Space presses the button when it is let go, as with the classic buttons.
  if (key == VK_SPACE && spaceDown_) {
    spaceDown_ = false;
    Invalidate();
    Click();
  }
  TWinControl::KeyUp(key, shift);
}

void TButton::WMKillFocus(TWMKillFocus& m) {
  spaceDown_ = false;
  TWinControl::WMKillFocus(m);
}

void TButton::WMGetDlgCode(TWMGetDlgCode& m) {
  m.Result = DLGC_BUTTON | (active_ ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

void TButton::CMDialogKey(TWMKey& m) {
  const bool enter = m.CharCode == VK_RETURN && active_;
  const bool escape = m.CharCode == VK_ESCAPE && cancel_;
  if ((enter || escape) && KeyDataToShiftState(m.KeyData).Empty() && CanFocus()) {
    Click();
    m.Result = 1;
    return;
  }
  TWinControl::CMDialogKey(m);
}

void TButton::CMDialogChar(TWMKey& m) {
  const char32_t accel = AccelCharOf(Caption());
  if (accel != 0 && accel == static_cast<char32_t>(m.CharCode) && CanFocus()) {
    Click();
    m.Result = 1;
    return;
  }
  TWinControl::CMDialogChar(m);
}

void TButton::CMFocusChanged(TMessage& m) {
  auto* focused = reinterpret_cast<TWinControl*>(m.LParam);
  const bool active = dynamic_cast<TButton*>(focused) ? focused == this : default_;
  if (active != active_) {
    active_ = active;
    Invalidate();
  }
}

void TButton::PaintControl(TCanvas& c) {
  const bool down = Down();
  const TRect face = Rect(0, 0, width_, height_);
  TRect content = DrawButtonFace(c, face, down, active_);
  if (down) content = OffsetRect(content, 1, 1);
  c.Brush().SetStyle(bsClear);
  PaintContent(c, content, down);
  c.Brush().SetStyle(bsSolid);
  if (Focused()) {
    const Integer inset = active_ ? 4 : 3;
    c.DrawFocusRect(Rect(inset, inset, width_ - inset, height_ - inset));
  }
}

void TButton::PaintContent(TCanvas& c, const TRect& r, bool) {
  const Integer tw = AccelTextWidth(c, Caption()), th = c.TextHeight("Wg");
  const Integer x = r.Left + (r.Width() - tw) / 2, y = r.Top + (r.Height() - th) / 2;
  if (Enabled()) {
    c.Font().SetColor(clBtnText);
    DrawAccelText(c, x, y, Caption());
  } else {
    c.Font().SetColor(clBtnHighlight);
    DrawAccelText(c, x + 1, y + 1, Caption());
    c.Font().SetColor(clBtnShadow);
    DrawAccelText(c, x, y, Caption());
  }
}

}  // namespace host
