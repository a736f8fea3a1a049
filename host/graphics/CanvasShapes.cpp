// Lines, polygons and ellipses. Lines follow Bresenham exactly even when most of a line
// lies outside the clip: the visible steps are found by arithmetic instead of walking
// the whole line, so huge coordinates cost nothing.
#include <cmath>

#include "host/graphics/Raster.h"

namespace host {

using raster::i64;
using raster::TBox;
using raster::TRaster;

namespace {

__extension__ using i128 = __int128;

// Calls f(step, x, y) for the pixels of the line (x0,y0)-(x1,y1) inside the clip, the end
// point left out. Along the major axis step i is at a0 + i; the minor axis moves by
// floor((2*i*dmin + dmaj) / (2*dmaj)), which is what the error-term loop produces.
template <class F>
void TraceLine(const TBox& clip, i64 x0, i64 y0, i64 x1, i64 y1, F&& f) {
  if (clip.Empty()) return;
  const i64 dx = x1 - x0, dy = y1 - y0;
  const i64 adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
  const bool xMajor = adx >= ady;
  const i64 dmaj = xMajor ? adx : ady, dmin = xMajor ? ady : adx;
  if (dmaj == 0) return;
  const i64 a0 = xMajor ? x0 : y0, b0 = xMajor ? y0 : x0;
  const i64 sa = (xMajor ? dx : dy) < 0 ? -1 : 1, sb = (xMajor ? dy : dx) < 0 ? -1 : 1;
  const i64 aLo = xMajor ? clip.L : clip.T, aHi = (xMajor ? clip.R : clip.B) - 1;
  const i64 bLo = xMajor ? clip.T : clip.L, bHi = (xMajor ? clip.B : clip.R) - 1;

  i64 iLo = sa > 0 ? aLo - a0 : a0 - aHi, iHi = sa > 0 ? aHi - a0 : a0 - aLo;
  iLo = std::max<i64>(iLo, 0);
  iHi = std::min<i64>(iHi, dmaj - 1);
  if (iLo > iHi) return;
  const i128 den = i128{2} * dmaj;
  const auto minor = [&](i64 i) { return static_cast<i64>((i128{2} * i * dmin + dmaj) / den); };
  const i64 gLo = sb > 0 ? bLo - b0 : b0 - bHi, gHi = sb > 0 ? bHi - b0 : b0 - bLo;
  // minor() never decreases, so the visible steps form one range found by bisection.
  i64 lo = iLo, hi = iHi + 1;
  while (lo < hi) {
    const i64 mid = lo + (hi - lo) / 2;
    if (minor(mid) >= gLo) hi = mid; else lo = mid + 1;
  }
  const i64 first = lo;
  lo = first, hi = iHi + 1;
  while (lo < hi) {
    const i64 mid = lo + (hi - lo) / 2;
    if (minor(mid) > gHi) hi = mid; else lo = mid + 1;
  }
  const i64 last = lo - 1;
  if (first > last) return;

  i64 g = minor(first);
  i64 rem = static_cast<i64>((i128{2} * first * dmin + dmaj) % den);
  const i64 d = static_cast<i64>(den), inc = 2 * dmin;
  for (i64 i = first; i <= last; ++i) {
    const i64 a = a0 + sa * i, b = b0 + sb * g;
    if (xMajor) f(i, a, b); else f(i, b, a);
    rem += inc;
    if (rem >= d) rem -= d, ++g;
  }
}

struct TPt {
  double X, Y;
};

// Even-odd fill sampling pixel centres; span(y, l, r) receives clipped pixel runs.
template <class F>
void FillPolygon(const TBox& clip, const std::vector<TPt>& pts, F&& span) {
  if (pts.size() < 3 || clip.Empty()) return;
  double top = pts[0].Y, bottom = pts[0].Y;
  for (const TPt& p : pts) top = std::min(top, p.Y), bottom = std::max(bottom, p.Y);
  const i64 y0 = static_cast<i64>(std::max<double>(std::floor(top), static_cast<double>(clip.T)));
  const i64 y1 = static_cast<i64>(std::min<double>(std::ceil(bottom), static_cast<double>(clip.B)));
  std::vector<double> xs;
  for (i64 y = y0; y < y1; ++y) {
    const double yc = static_cast<double>(y) + 0.5;
    xs.clear();
    for (size_t k = 0; k < pts.size(); ++k) {
      const TPt& p = pts[k];
      const TPt& q = pts[(k + 1) % pts.size()];
      if ((p.Y <= yc) != (q.Y <= yc)) xs.push_back(p.X + (yc - p.Y) * (q.X - p.X) / (q.Y - p.Y));
    }
    std::sort(xs.begin(), xs.end());
    for (size_t k = 0; k + 1 < xs.size(); k += 2) {
      const auto pixel = [&](double x) {
        return static_cast<i64>(std::clamp(std::ceil(x - 0.5), static_cast<double>(clip.L), static_cast<double>(clip.R)));
      };
      const i64 l = pixel(xs[k]), r = pixel(xs[k + 1]);
      if (l < r) span(y, l, r);
    }
  }
}

// Convex hull (counter-clockwise) of a few points.
std::vector<TPt> Hull(std::vector<TPt> p) {
  std::sort(p.begin(), p.end(), [](const TPt& a, const TPt& b) { return a.X < b.X || (a.X == b.X && a.Y < b.Y); });
  const auto cross = [](const TPt& o, const TPt& a, const TPt& b) {
    return (a.X - o.X) * (b.Y - o.Y) - (a.Y - o.Y) * (b.X - o.X);
  };
  std::vector<TPt> h(2 * p.size());
  size_t k = 0;
  for (size_t i = 0; i < p.size(); ++i) {
    while (k >= 2 && cross(h[k - 2], h[k - 1], p[i]) <= 0) --k;
    h[k++] = p[i];
  }
  for (size_t i = p.size() - 1, t = k + 1; i > 0; --i) {
    while (k >= t && cross(h[k - 2], h[k - 1], p[i - 1]) <= 0) --k;
    h[k++] = p[i - 1];
  }
  h.resize(k - 1);
  return h;
}

// One pen segment in bitmap coordinates; `phase` carries the style pattern on to the
// next segment of a polyline.
void StrokeSegment(const TRaster& r, const TPen& pen, i64 x0, i64 y0, i64 x1, i64 y1, i64& phase) {
  const i64 steps = std::max(x1 > x0 ? x1 - x0 : x0 - x1, y1 > y0 ? y1 - y0 : y0 - y1);
  const i64 start = phase;
  phase += steps;
  if (pen.Style() == psClear || r.Empty()) return;
  const std::uint32_t pixel = ColorToPixel(pen.Color());
  const i64 w = pen.Width();
  if (w <= 1) {
    const TPenStyle style = pen.Style();
    TraceLine(r.Clip(), x0, y0, x1, y1, [&](i64 i, i64 x, i64 y) {
      if (raster::PenPatternOn(style, start + i)) *r.At(x, y) = pixel;
    });
    return;
  }
  // A wide pen is drawn solid: the area swept by a w x w square centred on the line,
  // end points included.
  const double lo = static_cast<double>(-(w / 2)), hi = lo + static_cast<double>(w);
  std::vector<TPt> corners;
  for (const auto& [px, py] : {std::pair{x0, y0}, std::pair{x1, y1}})
    for (double ox : {lo, hi})
      for (double oy : {lo, hi}) corners.push_back(TPt{static_cast<double>(px) + ox, static_cast<double>(py) + oy});
  FillPolygon(r.Clip(), Hull(corners), [&](i64 y, i64 l, i64 rr) { std::fill(r.At(l, y), r.At(rr, y), pixel); });
}

std::vector<TPt> ToBitmap(const TRaster& r, const std::vector<TPoint>& points) {
  std::vector<TPt> pts;
  pts.reserve(points.size());
  for (const TPoint& p : points)
    pts.push_back(TPt{static_cast<double>(p.X + r.OX()), static_cast<double>(p.Y + r.OY())});
  return pts;
}

// The pixels [l, r) of row y of an ellipse inscribed in [0, 2rx) x [0, 2ry) around
// (cx, cy); empty when the row misses it.
std::pair<i64, i64> EllipseSpan(double cx, double cy, double rx, double ry, i64 y) {
  if (rx <= 0 || ry <= 0) return {0, 0};
  const double dy = (static_cast<double>(y) + 0.5 - cy) / ry;
  if (dy < -1 || dy > 1) return {0, 0};
  const double half = rx * std::sqrt(1 - dy * dy);
  const i64 l = static_cast<i64>(std::ceil(cx - half - 0.5)), r = static_cast<i64>(std::floor(cx + half - 0.5)) + 1;
  return l < r ? std::pair{l, r} : std::pair<i64, i64>{0, 0};
}

}  // namespace

void TCanvas::LineTo(Integer x, Integer y) {
  const TRaster r(*this);
  i64 phase = 0;
  StrokeSegment(r, pen_, penPos_.X + r.OX(), penPos_.Y + r.OY(), x + r.OX(), y + r.OY(), phase);
  penPos_ = TPoint{x, y};
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
  if (points.empty()) return;
  const TRaster r(*this);
  i64 phase = 0;
  for (size_t k = 1; k < points.size(); ++k)
    StrokeSegment(r, pen_, points[k - 1].X + r.OX(), points[k - 1].Y + r.OY(), points[k].X + r.OX(),
                  points[k].Y + r.OY(), phase);
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
  if (points.empty()) return;
  const TRaster r(*this);
  FillPolygon(r.Clip(), ToBitmap(r, points), [&](i64 y, i64 l, i64 rr) { r.BrushSpan(y, l, rr, brush_); });
  // Closed: every vertex starts a segment, so none is left out.
  std::vector<TPoint> closed = points;
  closed.push_back(points.front());
  i64 phase = 0;
  for (size_t k = 1; k < closed.size(); ++k)
    StrokeSegment(r, pen_, closed[k - 1].X + r.OX(), closed[k - 1].Y + r.OY(), closed[k].X + r.OX(),
                  closed[k].Y + r.OY(), phase);
}

void TCanvas::Ellipse(Integer x1, Integer y1, Integer x2, Integer y2) {
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  const TRaster r(*this);
  const TBox b = r.ToBitmap(x1, y1, x2, y2);
  const TBox rows = b.Intersect(r.Clip());
  if (rows.Empty()) return;
  const double cx = static_cast<double>(b.L + b.R) / 2, cy = static_cast<double>(b.T + b.B) / 2;
  const double rx = static_cast<double>(b.R - b.L) / 2, ry = static_cast<double>(b.B - b.T) / 2;
  const bool framed = pen_.Style() != psClear;
  // The frame is what lies outside the interior of the ellipse shrunk by the pen width:
  // a pixel is interior when it and its four neighbours are in the shrunk ellipse.
  const double inset = framed ? static_cast<double>(pen_.Width() - 1) : 0;
  const std::uint32_t pixel = ColorToPixel(pen_.Color());
  const auto fillRun = [&](i64 y, i64 l, i64 rr) { r.Fill(TBox{l, y, rr, y + 1}, pixel); };
  for (i64 y = rows.T; y < rows.B; ++y) {
    const auto [l, rr] = EllipseSpan(cx, cy, rx, ry, y);
    if (l >= rr) continue;
    if (!framed) {
      r.BrushSpan(y, l, rr, brush_);
      continue;
    }
    i64 il = 0, ir = 0;
    const auto inner = EllipseSpan(cx, cy, rx - inset, ry - inset, y);
    if (inner.first < inner.second) {
      const auto above = EllipseSpan(cx, cy, rx - inset, ry - inset, y - 1);
      const auto below = EllipseSpan(cx, cy, rx - inset, ry - inset, y + 1);
      il = std::max({inner.first + 1, above.first, below.first});
      ir = std::min({inner.second - 1, above.second, below.second});
      if (above.first >= above.second || below.first >= below.second) il = ir = 0;
    }
    if (il < ir) {
      r.BrushSpan(y, il, ir, brush_);
      fillRun(y, l, il);
      fillRun(y, ir, rr);
    } else {
      fillRun(y, l, rr);
    }
  }
}

}  // namespace host
