#include "GlyphSheet.h"

#include <algorithm>

#include "zelvant/Resources.h"

namespace zelvant_test {

namespace {

constexpr int kMargin = 8;
constexpr int kColumns = 2;
constexpr int kLabelHeight = 16;  // room for the name under the enlarged images

// A glyph holds its images side by side, each as wide as it is high.
int ImageCount(const host::TBitmap& b) { return b.Height() > 0 ? std::max(1, b.Width() / b.Height()) : 0; }

}  // namespace

std::vector<TSheetImage> SheetLayout(int scale) {
  struct TEntry {
    std::string Name;
    int Width, Height, Images;
  };
  std::vector<TEntry> entries;
  int cellW = 0, cellH = 0;
  for (std::string_view name : zelvant::BitmapResourceNames()) {
    auto b = host::LoadBitmap(zelvant::PackageModule(), std::string(name));
    const int n = ImageCount(*b), w = b->Width() / n;
    entries.push_back({std::string(name), w, b->Height(), n});
    // Enlarged images, then the same at real size.
    cellW = std::max(cellW, n * (w * scale + kMargin) + n * (w + kMargin / 2) + 2 * kMargin);
    cellH = std::max(cellH, b->Height() * scale + kMargin + kLabelHeight);
  }
  std::vector<TSheetImage> layout;
  for (size_t i = 0; i < entries.size(); ++i) {
    const TEntry& e = entries[i];
    int x = kMargin + static_cast<int>(i % kColumns) * cellW;
    const int y = kMargin + static_cast<int>(i / kColumns) * cellH;
    for (int k = 0; k < e.Images; ++k, x += e.Width * scale + kMargin)
      layout.push_back({e.Name, {k * e.Width, 0, (k + 1) * e.Width, e.Height}, {x, y}, scale});
    x += kMargin;
    for (int k = 0; k < e.Images; ++k, x += e.Width + kMargin / 2)
      layout.push_back({e.Name, {k * e.Width, 0, (k + 1) * e.Width, e.Height}, {x, y}, 1});
  }
  return layout;
}

std::unique_ptr<host::TBitmap> RenderSheet(const std::vector<TSheetImage>& layout) {
  int w = 0, h = 0;
  for (const TSheetImage& im : layout) {
    w = std::max(w, im.Origin.X + im.Source.Width() * im.Scale + kMargin);
    h = std::max(h, im.Origin.Y + im.Source.Height() * im.Scale + kMargin + kLabelHeight);
  }
  auto sheet = std::make_unique<host::TBitmap>(w, h);
  const std::uint32_t face = host::ColorToPixel(host::clSilver);
  for (int y = 0; y < h; ++y) std::fill_n(sheet->ScanLine(y), w, face);
  host::TCanvas& canvas = sheet->Canvas();
  canvas.Brush().SetStyle(host::bsClear);
  canvas.Font().SetColor(host::clBlack);
  for (const TSheetImage& im : layout) {
    if (im.Scale > 1 && im.Source.Left == 0)
      canvas.TextOut(im.Origin.X, im.Origin.Y + im.Source.Height() * im.Scale + 2, im.Name);
    auto b = host::LoadBitmap(zelvant::PackageModule(), im.Name);
    // As a button draws it: each image leaves out the colour of its own bottom-left pixel.
    const std::uint32_t transparent = b->Pixel(im.Source.Left, im.Source.Bottom - 1);
    for (int y = 0; y < im.Source.Height(); ++y)
      for (int x = 0; x < im.Source.Width(); ++x) {
        const std::uint32_t p = b->Pixel(im.Source.Left + x, im.Source.Top + y);
        if (p == transparent) continue;
        for (int dy = 0; dy < im.Scale; ++dy)
          for (int dx = 0; dx < im.Scale; ++dx)
            sheet->SetPixel(im.Origin.X + x * im.Scale + dx, im.Origin.Y + y * im.Scale + dy, p);
      }
  }
  return sheet;
}

}  // namespace zelvant_test
