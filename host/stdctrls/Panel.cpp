// TPanel: a container with raised or lowered bevels and a centred caption.
#include "host/core/ClassBuilder.h"
#include "host/graphics/Draw3D.h"
#include "host/stdctrls/ExtCtrls.h"

namespace host {

HOST_PUBLISHED(TPanel) {
  P.Property("Align", &TPanel::Align, &TPanel::SetAlign).SetDefault(alNone);
  P.Property("Alignment", &TPanel::Alignment, &TPanel::SetAlignment).SetDefault(taCenter);
  P.Property("BevelInner", &TPanel::BevelInner, &TPanel::SetBevelInner).SetDefault(bvNone);
  P.Property("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter).SetDefault(bvRaised);
  P.Property("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth).SetDefault(1);
  P.Property("BorderStyle", &TPanel::BorderStyle, &TPanel::SetBorderStyle).SetDefault(bsNone);
  P.Property("BorderWidth", &TPanel::BorderWidth, &TPanel::SetBorderWidth).SetDefault(0);
  P.Property("Caption", &TPanel::Caption, &TPanel::SetCaption);
  P.Property("Color", &TPanel::Color, &TPanel::SetColor).SetDefault(clBtnFace).WithIdents(ColorIdents());
  P.Property("Enabled", &TPanel::Enabled, &TPanel::SetEnabled).SetDefault(true);
  P.Property("Font", &TPanel::Font).Stored(&TControl::IsFontStored);
  P.Property("ParentColor", &TPanel::ParentColor, &TPanel::SetParentColor).SetDefault(false);
  P.Property("ParentFont", &TPanel::ParentFont, &TPanel::SetParentFont).SetDefault(true);
  P.Property("TabOrder", &TPanel::TabOrder, &TPanel::SetTabOrder).SetDefault(-1);
  P.Property("TabStop", &TPanel::TabStop, &TPanel::SetTabStop).SetDefault(false);
  P.Property("Visible", &TPanel::Visible, &TPanel::SetVisible).SetDefault(true);
  P.Property("OnClick", &TPanel::OnClick);
  P.Property("OnEnter", &TPanel::OnEnter);
  P.Property("OnExit", &TPanel::OnExit);
  P.Property("OnMouseDown", &TPanel::OnMouseDown);
  P.Property("OnMouseUp", &TPanel::OnMouseUp);
  P.Property("OnResize", &TPanel::OnResize);
}

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
  controlStyle_ = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks};
  width_ = 185;
  height_ = 41;
  SetColor(clBtnFace);
}

void TPanel::Changed() {
  Realign();
  Invalidate();
}

void TPanel::SetBevelInner(TBevelCut value) { bevelInner_ = value; Changed(); }
void TPanel::SetBevelOuter(TBevelCut value) { bevelOuter_ = value; Changed(); }
void TPanel::SetBevelWidth(Integer value) { bevelWidth_ = value < 1 ? 1 : value; Changed(); }
void TPanel::SetBorderWidth(Integer value) { borderWidth_ = value < 0 ? 0 : value; Changed(); }
void TPanel::SetBorderStyle(TBorderStyle value) { borderStyle_ = value == bsNone ? bsNone : bsSingle; Changed(); }
void TPanel::SetAlignment(TAlignment value) { alignment_ = value; Invalidate(); }

void TPanel::AdjustClientRect(TRect& rect) const {
  Integer inset = borderWidth_;
  if (borderStyle_ == bsSingle) inset += 2;
  if (bevelOuter_ != bvNone) inset += bevelWidth_;
  if (bevelInner_ != bvNone) inset += bevelWidth_;
  rect = InflateRect(rect, -inset, -inset);
}

void TPanel::Paint() {
  TCanvas& c = Canvas();
  TRect r = Rect(0, 0, width_, height_);
  if (borderStyle_ == bsSingle) {
    Frame3D(c, r, clBtnShadow, clBtnHighlight);
    Frame3D(c, InflateRect(r, -1, -1), cl3DDkShadow, cl3DLight);
    r = InflateRect(r, -2, -2);
  }
  auto bevel = [&](TBevelCut cut) {
    if (cut == bvNone) return;
    const TColor tl = cut == bvLowered ? clBtnShadow : clBtnHighlight;
    const TColor br = cut == bvLowered ? clBtnHighlight : clBtnShadow;
    for (Integer i = 0; i < bevelWidth_; ++i) {
      if (cut != bvSpace) Frame3D(c, r, tl, br);
      r = InflateRect(r, -1, -1);
    }
  };
  bevel(bevelOuter_);
  r = InflateRect(r, -borderWidth_, -borderWidth_);
  bevel(bevelInner_);
  if (Caption().empty()) return;
  c.Brush().SetStyle(bsClear);
  const Integer tw = AccelTextWidth(c, Caption()), th = c.TextHeight("Wg");
  const Integer x = alignment_ == taLeftJustify ? r.Left : alignment_ == taCenter ? r.Left + (r.Width() - tw) / 2 : r.Right - tw;
  const Integer y = r.Top + (r.Height() - th) / 2;
  if (!Enabled()) c.Font().SetColor(clGrayText);
  DrawAccelText(c, x, y, Caption());
  c.Brush().SetStyle(bsSolid);
}

}  // namespace host
