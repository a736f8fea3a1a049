// Geometry records shared by controls and painting.
#pragma once

#include "host/core/SysUtils.h"

namespace host {

struct TPoint {
  Integer X = 0;
  Integer Y = 0;
  bool operator==(const TPoint&) const = default;
};

// Left/Top inclusive, Right/Bottom exclusive, as the classic library uses them.
struct TRect {
  Integer Left = 0;
  Integer Top = 0;
  Integer Right = 0;
  Integer Bottom = 0;
  Integer Width() const { return Right - Left; }
  Integer Height() const { return Bottom - Top; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
  bool operator==(const TRect&) const = default;
};

inline TRect Rect(Integer l, Integer t, Integer r, Integer b) { return TRect{l, t, r, b}; }
inline TRect Bounds(Integer l, Integer t, Integer w, Integer h) { return TRect{l, t, l + w, t + h}; }
inline TPoint Point(Integer x, Integer y) { return TPoint{x, y}; }
TRect IntersectRect(const TRect& a, const TRect& b);
TRect UnionRect(const TRect& a, const TRect& b);
inline TRect OffsetRect(TRect r, Integer dx, Integer dy) { return TRect{r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }

}  // namespace host
