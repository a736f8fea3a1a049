#include "host/graphics/Draw3D.h"

namespace host {

void Frame3D(TCanvas& c, const TRect& r, TColor topLeft, TColor bottomRight) {
  if (r.IsEmpty()) return;
  TBrush& b = c.Brush();
  const TBrushStyle style = b.Style();
  const TColor color = b.Color();
  b.SetStyle(bsSolid);
  b.SetColor(topLeft);
  c.FillRect(Rect(r.Left, r.Top, r.Right - 1, r.Top + 1));
  c.FillRect(Rect(r.Left, r.Top, r.Left + 1, r.Bottom - 1));
  b.SetColor(bottomRight);
  c.FillRect(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom));
  c.FillRect(Rect(r.Right - 1, r.Top, r.Right, r.Bottom));
  b.SetColor(color);
  b.SetStyle(style);
}

TRect DrawButtonFace(TCanvas& c, const TRect& bounds, bool down, bool isDefault) {
  TRect r = bounds;
  c.Brush().SetStyle(bsSolid);
  if (isDefault) {
    c.Brush().SetColor(cl3DDkShadow);
    c.FrameRect(r);
    r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
  }
  c.Brush().SetColor(clBtnFace);
  c.FillRect(Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1));
  if (down) {
    // Pressed: a dark frame with the shadow inside it, and no highlight.
    c.Brush().SetColor(cl3DDkShadow);
    c.FrameRect(r);
    c.Brush().SetColor(clBtnShadow);
    c.FrameRect(Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1));
    c.Brush().SetColor(clBtnFace);
  } else {
    Frame3D(c, r, clBtnHighlight, cl3DDkShadow);
    Frame3D(c, Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), cl3DLight, clBtnShadow);
  }
  return Rect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
}

TRect DrawSunkenField(TCanvas& c, const TRect& r, TColor fill) {
  Frame3D(c, r, clBtnShadow, clBtnHighlight);
  Frame3D(c, Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), cl3DDkShadow, cl3DLight);
  TRect inner = Rect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
  c.Brush().SetStyle(bsSolid);
  c.Brush().SetColor(fill);
  c.FillRect(inner);
  return inner;
}

}  // namespace host
