// Internal: a canvas's target seen as pixels plus a clip rectangle, with the primitive
// operations the drawing code is built from. Coordinates here are bitmap pixels held in
// 64 bits, so canvas coordinates plus the origin never overflow.
#pragma once

#include <algorithm>
#include <cstdint>

#include "host/graphics/Graphics.h"

namespace host::raster {

using i64 = std::int64_t;

// Half-open rectangle in 64-bit coordinates.
struct TBox {
  i64 L = 0, T = 0, R = 0, B = 0;
  bool Empty() const { return R <= L || B <= T; }
  TBox Intersect(const TBox& o) const {
    TBox r{std::max(L, o.L), std::max(T, o.T), std::min(R, o.R), std::min(B, o.B)};
    return r.Empty() ? TBox{} : r;
  }
};

class TRaster {
 public:
  // The target of the canvas clipped to its clip rectangle; empty without a target.
  explicit TRaster(const TCanvas& canvas);

  bool Empty() const { return clip_.Empty(); }
  // The same target with the clip narrowed to a box in bitmap pixels.
  TRaster Restricted(const TBox& box) const {
    TRaster r = *this;
    r.clip_ = clip_.Intersect(box);
    return r;
  }
  const TBox& Clip() const { return clip_; }
  i64 OX() const { return ox_; }
  i64 OY() const { return oy_; }
  // A rectangle in canvas coordinates as bitmap pixels.
  TBox ToBitmap(i64 l, i64 t, i64 r, i64 b) const { return TBox{l + ox_, t + oy_, r + ox_, b + oy_}; }

  // The rest take bitmap coordinates and ignore whatever lies outside the clip.
  bool Visible(i64 x, i64 y) const { return x >= clip_.L && x < clip_.R && y >= clip_.T && y < clip_.B; }
  std::uint32_t* At(i64 x, i64 y) const { return bits_ + y * stride_ + x; }
  void Plot(i64 x, i64 y, std::uint32_t pixel) const {
    if (Visible(x, y)) *At(x, y) = pixel;
  }
  void Fill(const TBox& box, std::uint32_t pixel) const;
  // Fills the pixels [l, r) of row y with the brush (solid or hatched).
  void BrushSpan(i64 y, i64 l, i64 r, const TBrush& brush) const;
  void BrushBox(const TBox& box, const TBrush& brush) const;
  // Mixes `pixel` in with coverage 0..255.
  void Blend(i64 x, i64 y, std::uint32_t pixel, unsigned coverage) const;

 private:
  std::uint32_t* bits_ = nullptr;
  i64 stride_ = 0;
  i64 ox_ = 0, oy_ = 0;
  TBox clip_;
};

// Source-over of a colour with the given alpha (0..255) onto an opaque pixel.
inline std::uint32_t Mix(std::uint32_t dst, std::uint32_t src, unsigned alpha) {
  const auto channel = [&](unsigned shift) {
    const unsigned d = (dst >> shift) & 0xFF, s = (src >> shift) & 0xFF;
    return ((s * alpha + d * (255 - alpha) + 127) / 255) << shift;
  };
  return 0xFF000000u | channel(16) | channel(8) | channel(0);
}

// Whether the pen's style pattern draws the pixel at `step` along a line.
bool PenPatternOn(TPenStyle style, i64 step);

}  // namespace host::raster
