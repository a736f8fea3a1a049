// TGroupBox: an etched frame with a caption; its children sit inside the frame.
#include "host/core/ClassBuilder.h"
#include "host/graphics/Draw3D.h"
#include "host/stdctrls/StdCtrls.h"

namespace host {

HOST_PUBLISHED(TGroupBox) {
  P.Property("Align", &TGroupBox::Align, &TGroupBox::SetAlign).SetDefault(alNone);
  P.Property("Caption", &TGroupBox::Caption, &TGroupBox::SetCaption);
  P.Property("Color", &TGroupBox::Color, &TGroupBox::SetColor).Stored(&TControl::IsColorStored).WithIdents(ColorIdents());
  P.Property("Enabled", &TGroupBox::Enabled, &TGroupBox::SetEnabled).SetDefault(true);
  P.Property("Font", &TGroupBox::Font).Stored(&TControl::IsFontStored);
  P.Property("ParentColor", &TGroupBox::ParentColor, &TGroupBox::SetParentColor).SetDefault(true);
  P.Property("ParentFont", &TGroupBox::ParentFont, &TGroupBox::SetParentFont).SetDefault(true);
  P.Property("TabOrder", &TGroupBox::TabOrder, &TGroupBox::SetTabOrder).SetDefault(-1);
  P.Property("TabStop", &TGroupBox::TabStop, &TGroupBox::SetTabStop).SetDefault(false);
  P.Property("Visible", &TGroupBox::Visible, &TGroupBox::SetVisible).SetDefault(true);
  P.Property("OnClick", &TGroupBox::OnClick);
  P.Property("OnEnter", &TGroupBox::OnEnter);
  P.Property("OnExit", &TGroupBox::OnExit);
  P.Property("OnMouseDown", &TGroupBox::OnMouseDown);
  P.Property("OnMouseUp", &TGroupBox::OnMouseUp);
}

TGroupBox::TGroupBox(TComponent* owner) : TCustomControl(owner) {
  controlStyle_ = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks};
  width_ = 185;
  height_ = 105;
  SetColor(clBtnFace);
  SetParentColor(true);
}

void TGroupBox::AdjustClientRect(TRect& rect) const {
  TCanvas measure;
  measure.Font().Assign(Font());
  rect.Top += measure.TextHeight("0");
  rect = InflateRect(rect, -2, -2);
}

void TGroupBox::CMTextChanged(TMessage& m) {
  TCustomControl::CMTextChanged(m);
  Realign();
}

void TGroupBox::Paint() {
  TCanvas& c = Canvas();
  const Integer th = c.TextHeight("0");
  const Integer top = th / 2 - 1;
  // Etched frame: highlight one pixel down and right of the shadow.
  c.Brush().SetColor(clBtnHighlight);
  c.FrameRect(Rect(1, top + 1, width_, height_));
  c.Brush().SetColor(clBtnShadow);
  c.FrameRect(Rect(0, top, width_ - 1, height_ - 1));
  if (Caption().empty()) return;
  const Integer tw = AccelTextWidth(c, Caption());
  c.Brush().SetColor(Color());
  c.FillRect(Rect(6, 0, 8 + tw + 2, th));
  c.Brush().SetStyle(bsClear);
  if (Enabled()) {
    DrawAccelText(c, 8, 0, Caption());
  } else {
    c.Font().SetColor(clBtnHighlight);
    DrawAccelText(c, 9, 1, Caption());
    c.Font().SetColor(clBtnShadow);
    DrawAccelText(c, 8, 0, Caption());
  }
}

}  // namespace host
