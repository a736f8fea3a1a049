// Copying bitmaps onto the canvas. Pixels with partial alpha (from PNG files) are
// blended, fully transparent ones skipped, so glyph pictures keep their soft edges.
#include "host/graphics/Raster.h"

namespace host {

using raster::i64;
using raster::TBox;
using raster::TRaster;

namespace {

struct TKey {
  bool Use;
  std::uint32_t Rgb;  // the transparent colour; alpha is not compared
};

inline void Put(std::uint32_t* d, std::uint32_t s, const TKey& key) {
  if (key.Use && (s & 0xFFFFFF) == key.Rgb) return;
  const unsigned a = s >> 24;
  if (a == 0xFF)
    *d = s;
  else if (a)
    *d = raster::Mix(*d, s, a);
}

}  // namespace

void TCanvas::Draw(Integer x, Integer y, const TBitmap& bitmap) {
  DrawPart(x, y, bitmap, TRect{0, 0, bitmap.Width(), bitmap.Height()}, bitmap.Transparent(), bitmap.TransparentPixel());
}

void TCanvas::DrawPart(Integer x, Integer y, const TBitmap& bitmap, const TRect& source, bool useTransparent,
                       std::uint32_t transparent) {
  const TRaster r(*this);
  const TBox src = TBox{source.Left, source.Top, source.Right, source.Bottom}.Intersect(
      TBox{0, 0, bitmap.Width(), bitmap.Height()});
  if (r.Empty() || src.Empty()) return;
  // Where the visible part of the source lands, in bitmap pixels.
  const i64 dx = i64{x} + r.OX() - source.Left, dy = i64{y} + r.OY() - source.Top;
  const TBox dst = TBox{src.L + dx, src.T + dy, src.R + dx, src.B + dy}.Intersect(r.Clip());
  if (dst.Empty()) return;
  // Drawing a bitmap onto itself reads from a copy, as the areas may overlap.
  std::vector<std::uint32_t> copy;
  const std::uint32_t* pixels = bitmap.Pixels().data();
  if (&bitmap == target_) {
    copy = bitmap.Pixels();
    pixels = copy.data();
  }
  const TKey key{useTransparent, transparent & 0xFFFFFF};
  for (i64 by = dst.T; by < dst.B; ++by) {
    const std::uint32_t* s = pixels + (by - dy) * bitmap.Width() + (dst.L - dx);
    std::uint32_t* d = r.At(dst.L, by);
    for (i64 n = dst.R - dst.L; n > 0; --n) Put(d++, *s++, key);
  }
}

void TCanvas::StretchDraw(const TRect& dest, const TBitmap& bitmap) {
  const TRaster r(*this);
  if (r.Empty() || bitmap.Empty() || dest.IsEmpty()) return;
  const TBox full = r.ToBitmap(dest.Left, dest.Top, dest.Right, dest.Bottom);
  const TBox dst = full.Intersect(r.Clip());
  if (dst.Empty()) return;
  std::vector<std::uint32_t> copy;
  const std::uint32_t* pixels = bitmap.Pixels().data();
  if (&bitmap == target_) {
    copy = bitmap.Pixels();
    pixels = copy.data();
  }
  const i64 dw = full.R - full.L, dh = full.B - full.T, sw = bitmap.Width(), sh = bitmap.Height();
  const TKey key{bitmap.Transparent(), bitmap.TransparentPixel() & 0xFFFFFF};
  // Nearest neighbour: each destination pixel centre maps back into the source.
  std::vector<i64> columns(static_cast<size_t>(dst.R - dst.L));
  for (i64 bx = dst.L; bx < dst.R; ++bx) columns[bx - dst.L] = ((2 * (bx - full.L) + 1) * sw) / (2 * dw);
  for (i64 by = dst.T; by < dst.B; ++by) {
    const std::uint32_t* s = pixels + (((2 * (by - full.T) + 1) * sh) / (2 * dh)) * sw;
    std::uint32_t* d = r.At(dst.L, by);
    for (i64 c : columns) Put(d++, s[c], key);
  }
}

}  // namespace host
