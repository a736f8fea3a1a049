// The preview sheet shows each image faithfully; with ZELVANT_GLYPH_SHEET=FILE the run
// also saves the sheet there for a person to look at.
#include <gtest/gtest.h>

#include <cstdlib>

#include "GlyphSheet.h"
#include "zelvant/Resources.h"

using namespace zelvant_test;

TEST(GlyphSheet, EveryImageAppearsEnlargedOnSilverWithoutItsTransparentColour) {
  constexpr int kScale = 4;
  const auto layout = SheetLayout(kScale);
  const auto sheet = RenderSheet(layout);
  const std::uint32_t silver = host::ColorToPixel(host::clSilver);
  size_t enlarged = 0;
  for (const TSheetImage& im : layout) {
    auto b = host::LoadBitmap(zelvant::PackageModule(), im.Name);
    ASSERT_NE(b, nullptr) << im.Name;
    const std::uint32_t transparent = b->Pixel(im.Source.Left, im.Source.Bottom - 1);
    enlarged += im.Scale == kScale;
    for (int y = 0; y < im.Source.Height(); ++y)
      for (int x = 0; x < im.Source.Width(); ++x) {
        const std::uint32_t p = b->Pixel(im.Source.Left + x, im.Source.Top + y);
        const std::uint32_t want = p == transparent ? silver : p;
        // Opposite corners of the block this pixel becomes.
        const int sx = im.Origin.X + x * im.Scale, sy = im.Origin.Y + y * im.Scale;
        ASSERT_EQ(sheet->Pixel(sx, sy), want) << im.Name << " " << x << "," << y;
        ASSERT_EQ(sheet->Pixel(sx + im.Scale - 1, sy + im.Scale - 1), want) << im.Name << " " << x << "," << y;
      }
  }
  // Nine glyphs of two images and three palette pictures.
  EXPECT_EQ(enlarged, 9u * 2 + 3);
  if (const char* path = std::getenv("ZELVANT_GLYPH_SHEET")) sheet->SaveToFile(path);
}
