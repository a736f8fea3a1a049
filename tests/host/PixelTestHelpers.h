// Helpers for checking pictures pixel by pixel.
#pragma once

#include <cstdint>
#include <set>
#include <utility>

#include "host/graphics/Graphics.h"

namespace pixeltest {

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kBlack = 0xFF000000u;
constexpr std::uint32_t kRed = 0xFFFF0000u;

using Pixels = std::set<std::pair<int, int>>;

// The pixels that differ from `background`.
inline Pixels Changed(const host::TBitmap& b, std::uint32_t background = kWhite) {
  Pixels out;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.Pixel(x, y) != background) out.insert({x, y});
  return out;
}

// The bounding box of the pixels that differ from `background` (empty when none do).
inline host::TRect Extent(const host::TBitmap& b, std::uint32_t background = kWhite) {
  host::TRect r{b.Width(), b.Height(), 0, 0};
  for (const auto& [x, y] : Changed(b, background)) {
    r.Left = std::min(r.Left, x), r.Top = std::min(r.Top, y);
    r.Right = std::max(r.Right, x + 1), r.Bottom = std::max(r.Bottom, y + 1);
  }
  return r.IsEmpty() ? host::TRect{} : r;
}

// A canvas on a white bitmap, black pen, red brush.
struct TSurface {
  host::TBitmap bitmap;
  host::TCanvas& canvas;
  TSurface(int w, int h) : bitmap(w, h), canvas(bitmap.Canvas()) {
    canvas.Pen().SetColor(host::clBlack);
    canvas.Brush().SetColor(host::clRed);
  }
};

}  // namespace pixeltest
