// Whether a paint of a whole window reaches every pixel: the window is first set to a
// colour no control uses, so a pixel still of that colour was left out of the paint.
#pragma once

#include <algorithm>

#include "host/forms/Forms.h"

namespace pixeltest {

constexpr std::uint32_t kPoison = 0xFFFF00FEu;

inline long UnpaintedPixels(host::TCustomForm& form) {
  form.UpdateWindow();
  host::TBitmap& window = form.WindowBitmap();
  for (int y = 0; y < window.Height(); ++y) std::fill_n(window.ScanLine(y), window.Width(), kPoison);
  form.PaintWindow(host::Rect(0, 0, window.Width(), window.Height()));
  return std::count(window.Pixels().begin(), window.Pixels().end(), kPoison);
}

}  // namespace pixeltest
