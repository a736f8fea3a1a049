// The canvas: target, origin and clipping, pixels, rectangles and the focus frame.
#include <algorithm>
#include <limits>

#include "host/core/ClassBuilder.h"
#include "host/graphics/Raster.h"

namespace host {

using raster::i64;
using raster::TBox;
using raster::TRaster;

namespace {
Integer ClampInt(i64 v) {
  return static_cast<Integer>(std::clamp<i64>(v, std::numeric_limits<Integer>::min(), std::numeric_limits<Integer>::max()));
}
}  // namespace

HOST_PUBLISHED(TCanvas) {}

TCanvas::TCanvas(TBitmap* target) : target_(target) {}

TCanvas::~TCanvas() = default;

void TCanvas::SetTarget(TBitmap* target) { target_ = target; }

TRect TCanvas::BitmapClipRect() const {
  if (!target_ || target_->Empty() || clipEmpty_) return TRect{};
  const TRect all{0, 0, target_->Width(), target_->Height()};
  return clipSet_ ? IntersectRect(clip_, all) : all;
}

TRect TCanvas::ClipRect() const {
  const TRect c = BitmapClipRect();
  if (c.IsEmpty()) return TRect{};
  return TRect{ClampInt(i64{c.Left} - origin_.X), ClampInt(i64{c.Top} - origin_.Y), ClampInt(i64{c.Right} - origin_.X),
               ClampInt(i64{c.Bottom} - origin_.Y)};
}

void TCanvas::SetClipRect(const TRect& bitmapRect) {
  clipEmpty_ = false;
  clipSet_ = !bitmapRect.IsEmpty();
  clip_ = clipSet_ ? bitmapRect : TRect{};
}

void TCanvas::IntersectClipRect(const TRect& bitmapRect) {
  const TRect current = clipSet_ ? clip_ : TRect{0, 0, target_ ? target_->Width() : 0, target_ ? target_->Height() : 0};
  clip_ = IntersectRect(current, bitmapRect);
  clipSet_ = true;
  clipEmpty_ = clipEmpty_ || clip_.IsEmpty();
}

void TCanvas::MoveTo(Integer x, Integer y) { penPos_ = TPoint{x, y}; }

void TCanvas::Pixel(Integer x, Integer y, TColor c) {
  const TRaster r(*this);
  r.Plot(x + r.OX(), y + r.OY(), ColorToPixel(c));
}

TColor TCanvas::PixelColor(Integer x, Integer y) const {
  const TRaster r(*this);
  const i64 bx = x + r.OX(), by = y + r.OY();
  return r.Visible(bx, by) ? PixelToColor(*r.At(bx, by)) : clNone;
}

void TCanvas::PlotPen(Integer x, Integer y, std::uint32_t pixel, unsigned& dotPhase) {
  if (raster::PenPatternOn(pen_.Style(), dotPhase++)) {
    const TRaster r(*this);
    r.Plot(x + r.OX(), y + r.OY(), pixel);
  }
}

namespace {

// Fills box except where covered, band by band: the covered rectangles' top and bottom
// edges cut the box into bands, and each band is filled between the rectangles crossing it.
void FillUncovered(const TRaster& r, const TBox& box, const TBrush& brush, const std::vector<TBox>& covered) {
  std::vector<i64> edges{box.T, box.B};
  for (const TBox& c : covered) {
    edges.push_back(c.T);
    edges.push_back(c.B);
  }
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
  std::vector<std::pair<i64, i64>> spans;
  for (size_t e = 0; e + 1 < edges.size(); ++e) {
    const i64 top = edges[e], bottom = edges[e + 1];
    spans.clear();
    for (const TBox& c : covered)
      if (c.T <= top && c.B >= bottom) spans.emplace_back(c.L, c.R);
    std::sort(spans.begin(), spans.end());
    i64 x = box.L;
    for (const auto& [left, right] : spans) {
      if (left > x) r.BrushBox(TBox{x, top, left, bottom}, brush);
      x = std::max(x, right);
    }
    if (x < box.R) r.BrushBox(TBox{x, top, box.R, bottom}, brush);
  }
}

}  // namespace

void TCanvas::FillRect(const TRect& rect) {
  const TRaster r(*this);
  const TBox box = r.ToBitmap(rect.Left, rect.Top, rect.Right, rect.Bottom).Intersect(r.Clip());
  if (box.Empty()) return;
  if (covered_) {
    std::vector<TBox> hits;
    for (const TRect& c : *covered_) {
      const TBox hit = TBox{c.Left, c.Top, c.Right, c.Bottom}.Intersect(box);
      if (!hit.Empty()) hits.push_back(hit);
    }
    if (!hits.empty()) {
      FillUncovered(r, box, brush_, hits);
      return;
    }
  }
  r.BrushBox(box, brush_);
}

void TCanvas::FrameRect(const TRect& rect) {
  if (rect.IsEmpty()) return;
  const TRaster r(*this);
  const TBox b = r.ToBitmap(rect.Left, rect.Top, rect.Right, rect.Bottom);
  r.BrushBox(TBox{b.L, b.T, b.R, b.T + 1}, brush_);
  r.BrushBox(TBox{b.L, b.B - 1, b.R, b.B}, brush_);
  r.BrushBox(TBox{b.L, b.T + 1, b.L + 1, b.B - 1}, brush_);
  r.BrushBox(TBox{b.R - 1, b.T + 1, b.R, b.B - 1}, brush_);
}

void TCanvas::Rectangle(Integer x1, Integer y1, Integer x2, Integer y2) {
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  if (x1 == x2 || y1 == y2) return;
  const TRaster r(*this);
  const TBox b = r.ToBitmap(x1, y1, x2, y2);
  r.BrushBox(b, brush_);
  if (pen_.Style() == psClear) return;
  const std::uint32_t pixel = ColorToPixel(pen_.Color());
  const i64 w = pen_.Width();
  if (w > 1 || pen_.Style() == psSolid || pen_.Style() == psInsideFrame) {
    // Wide frames grow inwards so that the rectangle never covers more than x1..x2-1.
    const i64 tx = std::min(w, (b.R - b.L + 1) / 2), ty = std::min(w, (b.B - b.T + 1) / 2);
    r.Fill(TBox{b.L, b.T, b.R, b.T + ty}, pixel);
    r.Fill(TBox{b.L, b.B - ty, b.R, b.B}, pixel);
    r.Fill(TBox{b.L, b.T + ty, b.L + tx, b.B - ty}, pixel);
    r.Fill(TBox{b.R - tx, b.T + ty, b.R, b.B - ty}, pixel);
    return;
  }
  // A styled frame runs clockwise from the top-left corner, its pattern unbroken.
  const std::vector<TPoint> path = {{x1, y1}, {x2 - 1, y1}, {x2 - 1, y2 - 1}, {x1, y2 - 1}, {x1, y1}};
  Polyline(path);
}

void TCanvas::DrawFocusRect(const TRect& rect) {
  if (rect.IsEmpty()) return;
  const TRaster r(*this);
  const TBox b = r.ToBitmap(rect.Left, rect.Top, rect.Right, rect.Bottom);
  const TBox& c = r.Clip();
  // Every frame pixel once, so that a second call restores the picture exactly.
  const auto invert = [&](i64 x, i64 y) {
    if (((x - b.L + y - b.T) & 1) == 0 && r.Visible(x, y)) *r.At(x, y) ^= 0x00FFFFFFu;
  };
  const auto row = [&](i64 y) {
    for (i64 x = std::max(b.L, c.L); x < std::min(b.R, c.R); ++x) invert(x, y);
  };
  const auto column = [&](i64 x) {
    for (i64 y = std::max(b.T + 1, c.T); y < std::min(b.B - 1, c.B); ++y) invert(x, y);
  };
  row(b.T);
  if (b.B - 1 > b.T) row(b.B - 1);
  column(b.L);
  if (b.R - 1 > b.L) column(b.R - 1);
}

}  // namespace host
