// Bitmaps: size, copying, PNG files and named resources.
#include <gtest/gtest.h>
#include <png.h>
#include <unistd.h>

#include <fstream>

#include "PixelTestHelpers.h"
#include "host/core/ClassBuilder.h"
#include "host/streaming/Filer.h"

using namespace host;
using namespace pixeltest;

namespace {

std::unique_ptr<TBitmap> Gradient(int w, int h, bool withAlpha) {
  auto b = std::make_unique<TBitmap>(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const std::uint32_t alpha = withAlpha ? static_cast<std::uint32_t>((x * 37 + y * 11) & 0xFF) : 0xFF;
      b->SetPixel(x, y, (alpha << 24) | static_cast<std::uint32_t>((x * 2654435761u + y * 40503u) & 0xFFFFFF));
    }
  return b;
}

// A component with a picture, as a glyph button has one.
class TGfxGlyphHolder : public TComponent {
  HOST_CLASS(TGfxGlyphHolder, TComponent)
  explicit TGfxGlyphHolder(TComponent* owner) : TComponent(owner) {}
  TBitmap* Glyph() const { return const_cast<TBitmap*>(&glyph_); }

 private:
  TBitmap glyph_;
};

HOST_PUBLISHED(TGfxGlyphHolder) { P.Property("Glyph", &TGfxGlyphHolder::Glyph); }

std::string TempPath(const std::string& name) {
  return testing::TempDir() + "/gfx_" + std::to_string(getpid()) + "_" + name;
}

}  // namespace

TEST(Bitmap, SetSizeKeepsTheOverlapAndFillsWhite) {
  TBitmap b(3, 2);
  b.SetPixel(0, 0, kBlack);
  b.SetPixel(2, 1, kRed);
  int changes = 0;
  b.OnChange = [&](TObject*) { ++changes; };
  b.SetSize(4, 3);
  EXPECT_EQ(b.Pixel(0, 0), kBlack);
  EXPECT_EQ(b.Pixel(2, 1), kRed);
  EXPECT_EQ(b.Pixel(3, 0), kWhite);
  EXPECT_EQ(b.Pixel(1, 2), kWhite);
  b.SetSize(1, 1);
  EXPECT_EQ(b.Pixels(), std::vector<std::uint32_t>{kBlack});
  b.SetSize(-5, 3);
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(changes, 3);
  EXPECT_THROW(b.SetSize(1 << 20, 1 << 20), EInvalidGraphic);
}

TEST(Bitmap, PixelAccessOutsideIsHarmless) {
  TBitmap b(2, 2);
  b.SetPixel(-1, 0, kBlack);
  b.SetPixel(2, 1, kBlack);
  EXPECT_EQ(Changed(b).size(), 0u);
  EXPECT_EQ(b.Pixel(5, 5), 0u);
  EXPECT_THROW(b.ScanLine(2), EInvalidGraphic);
  b.ScanLine(1)[0] = kRed;
  EXPECT_EQ(b.Pixel(0, 1), kRed);
  EXPECT_EQ(b.TransparentPixel(), kRed);
  EXPECT_EQ(TBitmap().TransparentPixel(), 0u);
}

TEST(Bitmap, AssignMakesAnIndependentCopy) {
  const auto picture = Gradient(5, 4, false);
  TBitmap& a = *picture;
  a.SetTransparent(true);
  TBitmap b;
  b.Assign(&a);
  EXPECT_EQ(b.Width(), 5);
  EXPECT_EQ(b.Pixels(), a.Pixels());
  EXPECT_TRUE(b.Transparent());
  a.Canvas().FillRect(Rect(0, 0, 5, 4));
  a.SetSize(1, 1);
  EXPECT_EQ(b.Height(), 4);
  EXPECT_NE(b.Pixel(0, 0), a.Pixel(0, 0));
  b.Assign(nullptr);
  EXPECT_TRUE(b.Empty());
  TPen pen;
  EXPECT_THROW(b.Assign(&pen), EConvertError);
}

TEST(BitmapPng, RoundTripKeepsEveryPixel) {
  for (bool alpha : {false, true}) {
    const auto original = Gradient(37, 23, alpha);
    TBitmap loaded;
    const std::vector<std::uint8_t> bytes = original->SaveToPngBytes();
    loaded.LoadFromPngBytes(bytes.data(), bytes.size());
    EXPECT_EQ(loaded.Width(), 37);
    EXPECT_EQ(loaded.Height(), 23);
    EXPECT_EQ(loaded.Pixels(), original->Pixels()) << "alpha " << alpha;
  }
  const std::string path = TempPath("roundtrip.png");
  const auto original = Gradient(8, 9, true);
  original->SaveToFile(path);
  TBitmap loaded;
  loaded.LoadFromFile(path);
  EXPECT_EQ(loaded.Pixels(), original->Pixels());
  std::remove(path.c_str());
}

TEST(BitmapPng, ReadsOtherColourTypes) {
  // A grey PNG with two pixels, black and white, written by libpng itself.
  const std::uint8_t grey[2] = {0, 255};
  png_image img{};
  img.version = PNG_IMAGE_VERSION;
  img.width = 2;
  img.height = 1;
  img.format = PNG_FORMAT_GRAY;
  png_alloc_size_t size = 0;
  ASSERT_TRUE(png_image_write_to_memory(&img, nullptr, &size, 0, grey, 0, nullptr));
  std::vector<std::uint8_t> bytes(size);
  ASSERT_TRUE(png_image_write_to_memory(&img, bytes.data(), &size, 0, grey, 0, nullptr));
  TBitmap b;
  b.LoadFromPngBytes(bytes.data(), size);
  EXPECT_EQ(b.Pixels(), (std::vector<std::uint32_t>{kBlack, kWhite}));
}

TEST(BitmapPng, BadDataRaisesInvalidGraphic) {
  TBitmap b(2, 2);
  const std::string text = "this is not a picture at all";
  EXPECT_THROW(b.LoadFromPngBytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()), EInvalidGraphic);
  EXPECT_THROW(b.LoadFromPngBytes(nullptr, 0), EInvalidGraphic);
  std::vector<std::uint8_t> png = Gradient(16, 16, false)->SaveToPngBytes();
  const std::vector<std::uint8_t> truncated(png.begin(), png.begin() + static_cast<std::ptrdiff_t>(png.size() / 2));
  EXPECT_THROW(b.LoadFromPngBytes(truncated.data(), truncated.size()), EInvalidGraphic);
  std::vector<std::uint8_t> corrupt = png;
  for (size_t i = 40; i < corrupt.size() - 12; i += 7) corrupt[i] ^= 0x5A;
  EXPECT_THROW(b.LoadFromPngBytes(corrupt.data(), corrupt.size()), EInvalidGraphic);
  // A failed load leaves the picture as it was.
  EXPECT_EQ(b.Width(), 2);
  EXPECT_EQ(Changed(b).size(), 0u);
  EXPECT_THROW(TBitmap().SaveToPngBytes(), EInvalidGraphic);
}

TEST(BitmapPng, FilesThatAreNotPngOrMissing) {
  const std::string path = TempPath("not-a.png");
  std::ofstream(path) << "GIF89a, or so it claims";
  TBitmap b;
  try {
    b.LoadFromFile(path);
    FAIL() << "no exception";
  } catch (const EInvalidGraphic& e) {
    EXPECT_NE(e.Message().find("not-a.png"), std::string::npos) << e.Message();
  }
  std::remove(path.c_str());
  EXPECT_THROW(b.LoadFromFile(TempPath("missing.png")), EFOpenError);
}

TEST(BitmapFormFile, PictureIsStoredAsPngData) {
  TGfxGlyphHolder empty(nullptr);
  EXPECT_EQ(WriteForm(&empty).find("Glyph.Data"), std::string::npos);

  TGfxGlyphHolder holder(nullptr);
  holder.Glyph()->Assign(Gradient(5, 3, true).get());
  const std::string text = WriteForm(&holder);
  EXPECT_NE(text.find("Glyph.Data = {"), std::string::npos) << text;
  TGfxGlyphHolder copy(nullptr);
  ReadForm(text, &copy);
  EXPECT_EQ(copy.Glyph()->Width(), 5);
  EXPECT_EQ(copy.Glyph()->Pixels(), holder.Glyph()->Pixels());
}

TEST(BitmapResources, FoundByNameInAnyCaseAndModule) {
  static const std::vector<std::uint8_t> png = Gradient(3, 2, false)->SaveToPngBytes();
  static int moduleA, moduleB;
  RegisterBitmapResource(&moduleA, "GfxTestArrow", png.data(), png.size());
  RegisterBitmapResource(&moduleB, "GfxTestMade", [](TBitmap& b) { b.SetSize(4, 5); });

  auto arrow = LoadBitmap(&moduleA, "GFXTESTARROW");
  ASSERT_NE(arrow, nullptr);
  EXPECT_EQ(arrow->Pixels(), Gradient(3, 2, false)->Pixels());
  EXPECT_NE(LoadBitmap(nullptr, "gfxtestarrow"), nullptr);
  EXPECT_EQ(LoadBitmap(&moduleB, "GfxTestArrow"), nullptr);
  auto made = LoadBitmap(nullptr, "GfxTestMade");
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->Width(), 4);
  EXPECT_EQ(LoadBitmap(nullptr, "NoSuchBitmapAnywhere"), nullptr);
}
