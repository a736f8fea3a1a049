#include "host/graphics/Raster.h"

namespace host::raster {

TRaster::TRaster(const TCanvas& canvas) {
  TBitmap* target = canvas.Target();
  if (!target || target->Empty()) return;
  bits_ = target->ScanLine(0);
  stride_ = target->Width();
  ox_ = canvas.Origin().X;
  oy_ = canvas.Origin().Y;
  const TRect c = canvas.BitmapClipRect();
  clip_ = TBox{c.Left, c.Top, c.Right, c.Bottom};
}

void TRaster::Fill(const TBox& box, std::uint32_t pixel) const {
  const TBox b = box.Intersect(clip_);
  for (i64 y = b.T; y < b.B; ++y) std::fill(At(b.L, y), At(b.R, y), pixel);
}

namespace {
// Hatch lines every 8 pixels, aligned to the bitmap so that adjacent fills join up.
bool HatchOn(TBrushStyle style, i64 x, i64 y) {
  const bool h = (y & 7) == 0, v = (x & 7) == 0;
  const bool f = ((x - y) & 7) == 0, b = ((x + y) & 7) == 0;
  switch (style) {
    case bsHorizontal: return h;
    case bsVertical: return v;
    case bsFDiagonal: return f;
    case bsBDiagonal: return b;
    case bsCross: return h || v;
    case bsDiagCross: return f || b;
    default: return false;
  }
}
}  // namespace

void TRaster::BrushSpan(i64 y, i64 l, i64 r, const TBrush& brush) const {
  if (brush.Style() == bsClear || y < clip_.T || y >= clip_.B) return;
  l = std::max(l, clip_.L);
  r = std::min(r, clip_.R);
  if (l >= r) return;
  const std::uint32_t pixel = ColorToPixel(brush.Color());
  if (brush.Style() == bsSolid) {
    std::fill(At(l, y), At(r, y), pixel);
    return;
  }
  // Hatched brushes draw their lines only; the gaps keep what was there.
  for (i64 x = l; x < r; ++x)
    if (HatchOn(brush.Style(), x, y)) *At(x, y) = pixel;
}

void TRaster::BrushBox(const TBox& box, const TBrush& brush) const {
  const TBox b = box.Intersect(clip_);
  if (brush.Style() == bsSolid && !b.Empty()) {
    // The colour is looked up once for the whole box, not per row.
    const std::uint32_t pixel = ColorToPixel(brush.Color());
    for (i64 y = b.T; y < b.B; ++y) std::fill(At(b.L, y), At(b.R, y), pixel);
    return;
  }
  for (i64 y = b.T; y < b.B; ++y) BrushSpan(y, b.L, b.R, brush);
}

void TRaster::Blend(i64 x, i64 y, std::uint32_t pixel, unsigned coverage) const {
  if (!coverage || !Visible(x, y)) return;
  std::uint32_t* p = At(x, y);
  *p = coverage >= 255 ? pixel : Mix(*p, pixel, coverage);
}

bool PenPatternOn(TPenStyle style, i64 step) {
  // Dashes repeat every 24 pixels; the dotted pen alternates single pixels.
  const i64 m = step % 24;
  switch (style) {
    case psDot: return (step & 1) == 0;
    case psDash: return m < 18;
    case psDashDot: return m < 9 || (m >= 15 && m < 18);
    case psDashDotDot: return m < 9 || (m >= 12 && m < 15) || (m >= 18 && m < 21);
    case psClear: return false;
    default: return true;
  }
}

}  // namespace host::raster
