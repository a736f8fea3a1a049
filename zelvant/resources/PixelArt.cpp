#include "PixelArt.h"

#include <vector>

namespace zelvant::art {

namespace {

// Below this brightness (0..255, ITU-R 601 weights) a colour counts as ink: grey and
// the saturated colours do, so a check or an X keeps its whole shape when disabled.
constexpr unsigned kInkLuma = 160;

unsigned Luma(std::uint32_t argb) {
  const unsigned r = (argb >> 16) & 0xFF, g = (argb >> 8) & 0xFF, b = argb & 0xFF;
  return (299 * r + 587 * g + 114 * b) / 1000;
}

}  // namespace

bool IsInk(std::uint32_t argb, std::uint32_t background) {
  return (argb & 0xFFFFFF) != (background & 0xFFFFFF) && Luma(argb) < kInkLuma;
}

void Paint(host::TBitmap& target, int left, const TArt& art) {
  for (int y = 0; y < art.Height(); ++y) {
    const std::string_view row = art.Rows[static_cast<size_t>(y)];
    for (int x = 0; x < static_cast<int>(row.size()); ++x)
      target.SetPixel(left + x, y, host::ColorToPixel(ColorOf(row[static_cast<size_t>(x)])));
  }
}

void Etch(host::TBitmap& bitmap, int from, int to, int width, int height) {
  const std::uint32_t background = bitmap.Pixel(from, height - 1);
  const std::uint32_t grey = host::ColorToPixel(host::clGray), white = host::ColorToPixel(host::clWhite);
  std::vector<bool> ink(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) ink[static_cast<size_t>(y) * width + x] = IsInk(bitmap.Pixel(from + x, y), background);
  auto inkAt = [&](int x, int y) { return x >= 0 && y >= 0 && ink[static_cast<size_t>(y) * width + x]; };
  // Grey wins over the white copy, as when the white is drawn first and the grey over it.
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      bitmap.SetPixel(to + x, y, inkAt(x, y) ? grey : inkAt(x - 1, y - 1) ? white : background);
}

void MakeGlyph(host::TBitmap& target, const TArt& art) {
  const int w = art.Width(), h = art.Height();
  target.SetSize(2 * w, h);
  Paint(target, 0, art);
  Etch(target, 0, w, w, h);
}

void MakePicture(host::TBitmap& target, const TArt& art) {
  target.SetSize(art.Width(), art.Height());
  Paint(target, 0, art);
}

}  // namespace zelvant::art
