#include "Pictures.h"

#include <algorithm>

namespace demo {

using namespace host;

namespace {

constexpr TColor RGB(int r, int g, int b) { return static_cast<TColor>(r | (g << 8) | (b << 16)); }

void Box(TCanvas& c, TColor pen, TColor brush, Integer x1, Integer y1, Integer x2, Integer y2) {
  c.Pen().SetColor(pen);
  c.Brush().SetStyle(bsSolid);
  c.Brush().SetColor(brush);
  c.Rectangle(x1, y1, x2, y2);
}

// A monitor on its stand, s pixels per unit, top-left of the screen frame at (x, y):
// 10 units wide, 10 high with the stand.
void Computer(TCanvas& c, Integer x, Integer y, Integer s) {
  Box(c, clBlack, RGB(200, 200, 196), x, y, x + 10 * s, y + 8 * s);                  // frame
  Box(c, clBlack, RGB(0, 64, 128), x + s, y + s, x + 9 * s, y + 7 * s);               // screen
  Box(c, RGB(0, 64, 128), RGB(40, 120, 200), x + s + 1, y + s + 1, x + 5 * s, y + 3 * s);  // a window on it
  Box(c, RGB(200, 200, 196), RGB(200, 200, 196), x + s + 1, y + s + 1, x + 5 * s, y + s + std::max<Integer>(1, s / 2));
  Box(c, clBlack, RGB(160, 160, 156), x + 4 * s, y + 8 * s, x + 6 * s, y + 9 * s);    // neck
  Box(c, clBlack, RGB(200, 200, 196), x + 2 * s, y + 9 * s, x + 8 * s, y + 10 * s);   // foot
}

// A disk: s pixels per unit, 6 units square.
void Disk(TCanvas& c, Integer x, Integer y, Integer s) {
  c.Pen().SetColor(clBlack);
  c.Brush().SetColor(RGB(30, 30, 40));
  c.Polygon({{x, y}, {x + 5 * s, y}, {x + 6 * s, y + s}, {x + 6 * s, y + 6 * s}, {x, y + 6 * s}});
  Box(c, clBlack, RGB(180, 180, 190), x + 3 * s / 2, y, x + 9 * s / 2, y + 2 * s);    // shutter
  Box(c, RGB(30, 30, 40), RGB(30, 30, 40), x + 3 * s, y + s / 3, x + 4 * s, y + 5 * s / 3);
  Box(c, clBlack, clWhite, x + s, y + 3 * s, x + 5 * s, y + 6 * s);                   // label
  c.Pen().SetColor(RGB(0, 64, 128));
  for (Integer k = 1; k <= 2; ++k) {
    c.MoveTo(x + s + 2, y + 3 * s + k * s);
    c.LineTo(x + 5 * s - 2, y + 3 * s + k * s);
  }
}

}  // namespace

void DrawSidePicture(TBitmap& picture, Integer width, Integer height) {
  picture.SetSize(width, height);
  for (Integer y = 0; y < height; ++y) {
    // Dark blue at the top to a lighter blue at the bottom.
    const Integer t = height > 1 ? y * 255 / (height - 1) : 0;
    const std::uint32_t r = static_cast<std::uint32_t>(0 + t * 30 / 255), g = static_cast<std::uint32_t>(24 + t * 110 / 255),
                        b = static_cast<std::uint32_t>(96 + t * 130 / 255);
    std::uint32_t* row = picture.ScanLine(y);
    for (Integer x = 0; x < width; ++x) row[x] = 0xFF000000u | (r << 16) | (g << 8) | b;
  }
  TCanvas& c = picture.Canvas();
  const Integer s = std::max<Integer>(2, width / 20);
  const Integer x = (width - 13 * s) / 2, y = height * 11 / 20;
  Computer(c, x, y, s);
  Disk(c, x + 7 * s, y + 6 * s, s);
}

void DrawHeaderIcon(TBitmap& picture, Integer size) {
  picture.SetSize(size, size);
  TCanvas& c = picture.Canvas();
  Box(c, clWhite, clWhite, 0, 0, size, size);
  const Integer s = std::max<Integer>(2, size / 12);
  Computer(c, 0, s, s);
  Disk(c, 6 * s, 5 * s, s);
}

}  // namespace demo
