// Drawing helpers of the classic raised look: bevels, button faces and check marks.
#pragma once

#include "host/graphics/Graphics.h"

namespace host {

inline TRect InflateRect(const TRect& r, Integer dx, Integer dy) {
  return Rect(r.Left - dx, r.Top - dy, r.Right + dx, r.Bottom + dy);
}

// One-pixel frame: topLeft on the top and left edges, bottomRight on the others.
void Frame3D(TCanvas& canvas, const TRect& r, TColor topLeft, TColor bottomRight);
// A push button's face, bevels and (when isDefault) the heavier outer frame; returns
// the rectangle left for the content.
TRect DrawButtonFace(TCanvas& canvas, const TRect& r, bool down, bool isDefault);
// A sunken field (combo box, grid, edit): returns the rectangle inside the bevel.
TRect DrawSunkenField(TCanvas& canvas, const TRect& r, TColor fill);

}  // namespace host
