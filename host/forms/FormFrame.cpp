// The non-client area of a form: the raised window frame, the caption bar with its
// gradient and title, and the caption buttons.
#include "host/graphics/Draw3D.h"
#include "host/forms/Forms.h"

namespace host {

namespace {

constexpr TColor kActiveLeft = 0x800000, kActiveRight = 0xD08410;      // navy to light blue
constexpr TColor kInactiveLeft = 0x808080, kInactiveRight = 0xC0C0C0;  // grey to silver

TColor Blend(TColor a, TColor b, Integer pos, Integer count) {
  auto ch = [&](int shift) {
    const Integer ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
    return static_cast<TColor>((ca + (cb - ca) * pos / std::max<Integer>(count - 1, 1)) & 0xFF) << shift;
  };
  return ch(0) | ch(8) | ch(16);
}

// The X of the close box, 8 x 7 pixels, two pixels wide.
void DrawCloseGlyph(TCanvas& c, Integer x, Integer y) {
  for (Integer i = 0; i < 7; ++i) {
    c.FillRect(Rect(x + i, y + i, x + i + 2, y + i + 1));
    c.FillRect(Rect(x + 6 - i, y + i, x + 8 - i, y + i + 1));
  }
}

}  // namespace

TRect TCustomForm::CaptionRect() const {
  if (borderStyle_ == bsNone) return TRect{};
  const Integer f = FrameWidth();
  return Rect(f, f, width_ - f, f + CaptionHeight() - 1);
}

TRect TCustomForm::CloseBoxRect() const {
  if (borderStyle_ == bsNone) return TRect{};
  const TRect cap = CaptionRect();
  const Integer h = cap.Height() - 4, w = h + 2;
  return Rect(cap.Right - 2 - w, cap.Top + 2, cap.Right - 2, cap.Top + 2 + h);
}

void TCustomForm::PaintFrame(TCanvas& c) {
  const TRect outer = Rect(0, 0, width_, height_);
  c.Brush().SetStyle(bsSolid);
  c.Brush().SetColor(clBtnFace);
  const Integer f = FrameWidth();
  // Frame rows and columns in the face colour, then the two raised edges on top.
  c.FillRect(Rect(0, 0, width_, f + CaptionHeight()));
  c.FillRect(Rect(0, height_ - f, width_, height_));
  c.FillRect(Rect(0, 0, f, height_));
  c.FillRect(Rect(width_ - f, 0, width_, height_));
  Frame3D(c, outer, cl3DLight, cl3DDkShadow);
  Frame3D(c, InflateRect(outer, -1, -1), clBtnHighlight, clBtnShadow);

  const TRect cap = CaptionRect();
  if (cap.IsEmpty()) return;
  const bool lit = active_ || ComponentState().Contains(csDesigning);
  const TColor from = lit ? kActiveLeft : kInactiveLeft, to = lit ? kActiveRight : kInactiveRight;
  if (!captionBar_ || captionBar_->Width() != cap.Width() || captionBar_->Height() != cap.Height() ||
      captionBarLit_ != lit) {
    captionBar_ = std::make_unique<TBitmap>(cap.Width(), cap.Height());
    captionBarLit_ = lit;
    TCanvas& g = captionBar_->Canvas();
    for (Integer x = 0; x < cap.Width(); ++x) {
      g.Brush().SetColor(Blend(from, to, x, cap.Width()));
      g.FillRect(Rect(x, 0, x + 1, cap.Height()));
    }
  }
  c.DrawPart(cap.Left, cap.Top, *captionBar_, Rect(0, 0, cap.Width(), cap.Height()));
  c.Brush().SetStyle(bsClear);
  c.Font().SetName("MS Sans Serif");
  c.Font().SetHeight(-11);
  c.Font().SetStyle(TFontStyles{fsBold});
  c.Font().SetColor(lit ? clCaptionText : clInactiveCaptionText);
  const TRect box = CloseBoxRect();
  const Integer ty = cap.Top + (cap.Height() - c.TextHeight("Wg")) / 2;
  c.TextRect(Rect(cap.Left + 3, cap.Top, box.Left - 2, cap.Bottom), cap.Left + 3, ty, Caption());
  c.Brush().SetStyle(bsSolid);

  // Caption buttons: close, and for sizeable windows maximize and minimize beside it.
  auto button = [&](const TRect& r) {
    c.Brush().SetColor(clBtnFace);
    c.FillRect(r);
    Frame3D(c, r, clBtnHighlight, cl3DDkShadow);
    Frame3D(c, InflateRect(r, -1, -1), cl3DLight, clBtnShadow);
    c.Brush().SetColor(clBtnText);
  };
  button(box);
  DrawCloseGlyph(c, box.Left + (box.Width() - 8) / 2, box.Top + (box.Height() - 7) / 2);
  if (borderStyle_ == bsSizeable) {
    const TRect max = OffsetRect(box, -box.Width() - 2, 0), min = OffsetRect(max, -box.Width(), 0);
    button(max);
    const TRect m = Rect(max.Left + 3, max.Top + 2, max.Right - 4, max.Bottom - 3);
    c.FillRect(Rect(m.Left, m.Top, m.Right, m.Top + 2));
    c.FrameRect(m);
    button(min);
    c.FillRect(Rect(min.Left + 4, min.Bottom - 5, min.Left + 10, min.Bottom - 3));
  }
}

}  // namespace host
